// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told, and the one place that tells it.
#pragma once

#include <QString>
#include <memory>

class QAccessibleEvent;
class QComboBox;
class QTabWidget;
class QWidget;

namespace sumbrix {

// A number as shown, as the voice is to hear it: as it stands, or spelled
// out in words where the language's voice cannot read digits; with
// `ruleSet`, in that rule set of the catalogue's rules where they have it
// (a case form).
QString SpokenNumber(const QString &shown, const QString &ruleSet = QString());

// A text with each of its numbers as SpokenNumber says it: a history row
// as the screen reader is to read it. The text itself where the voice
// reads digits.
QString SpokenDigits(const QString &text);

// Has a screen reader read the read-only `box` as a label, its name then
// its number in words, where the voice misreads digits: its text would be
// read in digits.
void SpokenBox(QWidget *box);

// The problem as a sentence: " 4", "+", " 1" reads "4 plus 1".
QString SpokenProblem(const QString &arg1, const QString &symbol, const QString &arg2);

enum class Verdict { None, Right, Wrong };

// What follows Enter: the verdict, if the answer was graded, then the next problem.
QString SpokenAfterEnter(Verdict verdict, const QString &problem);

// Said when the top of the range has come to rest: the range, then the problem.
QString SpokenRange(int smallest, int largest, const QString &problem);

// Said when reading aloud is turned on or off.
QString SpokenReadingAloud(bool on);

// After Enter: gives the focused answer box its new name, `name`, which
// holds `problem`, and has the screen reader say the verdict and the new
// problem, each once.
void SayAfterEnter(QWidget *answer, Verdict verdict, const QString &problem, const QString &name);

// Has the screen reader say a sentence now, as if `focused`, the focused
// text box, had announced it. Does nothing when no assistive technology
// listens.
void Say(QWidget *focused, const QString &sentence);

// The event that carries a sentence for Say.
std::unique_ptr<QAccessibleEvent> SentenceEvent(QWidget *focused, const QString &sentence);

// Has the screen reader read the item just chosen in `box`, when it has
// the focus: Up, Down or a typed letter change a closed list silently.
void SayChosenItem(QComboBox *box);

// Has a screen reader say the page's name when `tabs` turns to it with
// the focus inside a page (Ctrl+Tab).
void SayPageOnTurn(QTabWidget *tabs);

// Has a screen reader announce `page` by `name` whenever the focus enters it.
void NamedPage(QWidget *page, const QString &name);

// Reads the page stack of `tabs` as a plain container, so the screen
// reader does not announce it as an unnamed "layered pane".
void PlainPageStack(QWidget *tabs);

}  // namespace sumbrix
