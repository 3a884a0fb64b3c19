// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sumbrix {

// Qt mirrors every window when a catalogue says its language is written
// right to left.
//: Translate as RTL for a language written from right to left (the whole window is then mirrored); as LTR otherwise.
[[maybe_unused]] constexpr const char *kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

void UseLanguage(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    static const QString kOurs = QStringLiteral("sumbrix-translator");
    for (QTranslator *old : app->findChildren<QTranslator *>(kOurs, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const auto install = [&](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(app);
        translator->setObjectName(kOurs);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("sumbrix"), QStringLiteral(":/i18n"));
}

QLocale WindowLanguage()
{
    if (const QCoreApplication *app = QCoreApplication::instance())
        for (const QTranslator *t : app->findChildren<QTranslator *>(QStringLiteral("sumbrix-translator"),
                                                                      Qt::FindDirectChildrenOnly))
            if (t->filePath().startsWith(QLatin1String(":/i18n")))
                return QLocale(t->language());
    return QLocale(QLocale::English);
}

QLocale UserLocale()
{
    const QLocale window = WindowLanguage();
    // By the desktop locale's name: its own numeric settings are often C's.
    const QLocale desktop(QLocale::system().name());
    return desktop.language() == window.language() ? desktop : window;
}

QLocale NumberLocale()
{
    QLocale numbers = UserLocale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    return numbers;
}

QChar ZeroDigit(const QLocale &locale)
{
    const QString zero = locale.zeroDigit();
    return zero.size() == 1 ? zero.front() : QChar(u'0');  // digits beyond the BMP are not drawn here
}

QChar WindowZeroDigit() { return ZeroDigit(NumberLocale()); }

QString LocalNumber(const QString &text, const QLocale &numbers)
{
    const QChar digit0 = ZeroDigit(numbers);
    const bool blank = text.startsWith(u' ');
    bool whole = false;
    const qlonglong n = text.mid(blank ? 1 : 0).toLongLong(&whole);
    if (!whole || text.contains(u'+') || (digit0 == u'0' && !text.contains(u'-')))
        return LocalDigits(text, digit0);
    // The locale's minus, and the marks that keep it in its place.
    QLocale plain = numbers;
    plain.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    return (blank ? QStringLiteral(" ") : QString()) + plain.toString(n);
}

QString LocalDigits(const QString &text, QChar zero)
{
    if (zero == u'0')
        return text;
    QString out = text;
    for (QChar &c : out)
        if (c >= u'0' && c <= u'9')
            c = QChar(zero.unicode() + (c.unicode() - u'0'));
    return out;
}

QString AsciiDigits(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() > 0x7f && c.category() == QChar::Number_DecimalDigit)
            out += QChar(u'0' + c.digitValue());
        else if (c == QChar(0x2212))  // a locale's minus sign
            out += u'-';
        else if (c.category() != QChar::Other_Format)  // the direction marks around it
            out += c;
    }
    return out;
}

}  // namespace sumbrix
