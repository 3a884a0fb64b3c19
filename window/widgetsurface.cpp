// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgetsurface.h"

#include "language.h"
#include "speech.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QCoreApplication>
#include <QLocale>
#include <QSignalBlocker>

namespace sumbrix {

namespace {

// The engine's multiplication and division signs as the language's
// primary schoolbooks print them.
QString SchoolSign(const QString &sign)
{
    if (sign == u"x")
        //: The multiplication sign of the language's primary schoolbooks ("×", "·"); English keeps "x".
        return QCoreApplication::translate("sign", "x");
    if (sign == u"/")
        //: The division sign of the language's primary schoolbooks (":", "÷", "/"); English keeps "/".
        return QCoreApplication::translate("sign", "/");
    if (sign == u"-")
        //: The subtraction sign of the language's primary schoolbooks: "−" (U+2212) where they print it, as wide as "+"; English keeps "-".
        return QCoreApplication::translate("sign", "-");
    return sign;
}

QString EngineSign(const QString &shown)
{
    for (const char *sign : {"x", "/", "-"})
        if (shown == SchoolSign(QLatin1String(sign)))
            return QLatin1String(sign);
    return shown;
}

}  // namespace

void WidgetSurface::UseNumbers(const QLocale &numbers)
{
    numbers_ = numbers;
    zero_ = ZeroDigit(numbers);
}

std::string WidgetSurface::Text(Control c) const
{
    QWidget *w = texts_[static_cast<std::size_t>(c)];
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return AsciiDigits(edit->text()).toStdString();
    if (auto *label = qobject_cast<QLabel *>(w))
        return AsciiDigits(c == Control::lblOps ? EngineSign(label->text()) : label->text()).toStdString();
    return {};
}

void WidgetSurface::SetText(Control c, const std::string &text)
{
    QWidget *w = texts_[static_cast<std::size_t>(c)];
    QString s = LocalNumber(QString::fromStdString(text), numbers_);
    if (c == Control::lblOps)
        s = SchoolSign(s);
    if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        if (edit->text() != s) {  // a line edit repaints even for the same text
            edit->setText(s);
            if (edit->property("sumbrixSpokenBox").toBool()) {  // named by its number
                QAccessibleEvent renamed(edit, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
        }
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        label->setText(s);
        // A screen reader reads the label; a number it would misread is named as spoken.
        const QString spoken = SpokenNumber(s);
        const QString name = spoken == s.trimmed() ? QString() : spoken;
        if (label->accessibleName() != name)  // each change is an event to the screen reader
            label->setAccessibleName(name);
    }
}

void WidgetSurface::SetRangeTop(int value) { hScroll1_->setValue(value); }

int WidgetSurface::OperationIndex() const { return boxOp_->currentIndex(); }

void WidgetSurface::SetOperationIndex(int index) { boxOp_->setCurrentIndex(index); }

void WidgetSurface::AddOperation(const std::string &item)
{
    // QComboBox picks the first item it gets; a list box only gains a choice
    // when one is made, so adding must not run the operation handler.
    const QSignalBlocker quiet(boxOp_);
    const bool wasEmpty = boxOp_->count() == 0;
    boxOp_->addItem(QString::fromStdString(item));
    if (wasEmpty)
        boxOp_->setCurrentIndex(-1);
}

void WidgetSurface::AddHistory(const std::string &line)
{
    // No scrolling along: following each new line re-lays the whole list,
    // which grows costly over a long session.
    QString text = LocalDigits(QString::fromStdString(line), zero_);
    // A graded line is "time #n:sum", the sign right after the first
    // number; the sum, typed answer included, goes into a left-to-right
    // isolate, which also contains any direction marks typed into it.
    const qsizetype hash = text.indexOf(QLatin1String(" #"));
    const qsizetype colon = hash >= 0 ? text.indexOf(u':', hash) : -1;
    if (colon >= 0) {
        qsizetype sign = colon + 1;
        while (sign < text.size() && (text[sign] == u' ' || text[sign].isDigit()))
            ++sign;
        if (sign < text.size()) {
            const QString school = SchoolSign(text.mid(sign, 1));
            // A school's ":" straight after the first number would read as
            // a second label after the row's own colon: it stands apart.
            text.replace(sign, 1, school == QLatin1String(":") ? QStringLiteral(" :") : school);
        }
        // The blank after the colon stays outside, between it and the sum.
        qsizetype sum = colon + 1;
        while (sum < text.size() && text[sum] == u' ')
            ++sum;
        if (isolateSums_)
            text = text.left(sum) + QChar(0x2066) + text.mid(sum) + QChar(0x2069);
    }
    auto *row = new QListWidgetItem(text);
    // Read in words where the voice misreads digits, as the labels are.
    if (const QString spoken = SpokenDigits(text); spoken != text)
        row->setData(Qt::AccessibleTextRole, spoken);
    list1_->addItem(row);
}

// The engine's own words, listed here for lupdate; Word() looks them up.
[[maybe_unused]] constexpr const char *kEngineWords[] = {
    QT_TRANSLATE_NOOP("sumbrix::Quiz", "Division"),
    QT_TRANSLATE_NOOP("sumbrix::Quiz", "Multiplication"),
    QT_TRANSLATE_NOOP("sumbrix::Quiz", "Subtraction"),
    QT_TRANSLATE_NOOP("sumbrix::Quiz", "Addition"),
    //: The first line of the history, after the time the drill began.
    QT_TRANSLATE_NOOP("sumbrix::Quiz", "Begin"),
};

std::string WidgetSurface::Word(const char *english) const
{
    return QCoreApplication::translate("sumbrix::Quiz", english).toStdString();
}

void WidgetSurface::FocusAnswer()
{
    if (QWidget *answer = texts_[static_cast<std::size_t>(Control::txtAnswer)])
        answer->setFocus(Qt::OtherFocusReason);
}

SystemClock::SystemClock()
{
    // The long format carries seconds; its time-zone name ('t' outside
    // quotes) is left out.
    bool quoted = false;
    for (QChar c : QLocale::system().timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            format_ += c;
    }
    format_ = format_.simplified();
    if (format_.isEmpty())
        format_ = QStringLiteral("HH:mm:ss");
}

double SystemClock::ClockSeconds() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

std::string SystemClock::TimeOfDayText()
{
    return QLocale::system().toString(QTime::currentTime(), format_).toStdString();
}

}  // namespace sumbrix
