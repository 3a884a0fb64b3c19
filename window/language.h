// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the window speaks.
#pragma once

#include <QLocale>

namespace sumbrix {

// Installs the catalogues for the locale's languages, in the order of
// QLocale::uiLanguages() (which honours LANGUAGE before LC_ALL,
// LC_MESSAGES and LANG): Sumbrix's own, built into the program, and Qt's,
// from where Qt's translations are installed. Replaces those installed
// before. A language without a catalogue leaves the texts in English.
void UseLanguage(const QLocale &locale = QLocale::system());

// The language of the catalogue the window's texts come from; English
// when none was installed.
QLocale WindowLanguage();

// The desktop's locale where its language is the window's (Mexican
// Spanish, Maghreb Arabic), else the window language's usual one.
QLocale UserLocale();

// The locale the window writes numbers in, its digits, minus sign and
// percent sign: the desktop's own where its language is the window's
// (Maghreb Arabic writes 0-9), else the window language's usual one
// (Arabic ٠, Persian ۰, Bengali ০). Never with group separators.
QLocale NumberLocale();

// The zero of the digits a locale writes numbers in (0 beyond the BMP).
QChar ZeroDigit(const QLocale &locale);

// The zero of the digits the window writes numbers in.
QChar WindowZeroDigit();

// A whole number of the engine's (0-9, a leading "-" or blank) as the
// number locale writes it, the leading blank kept; any other text with
// its digits in the locale's.
QString LocalNumber(const QString &text, const QLocale &numbers);

// Numbers in the window's digits, from the engine's 0-9.
QString LocalDigits(const QString &text, QChar zero);

// The engine's 0-9 from the decimal digits of any script, so that an
// answer typed on an Arabic, Persian or full-width keyboard is read as
// typed.
QString AsciiDigits(const QString &text);

}  // namespace sumbrix
