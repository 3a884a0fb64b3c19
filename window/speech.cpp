// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech.h"

#include "language.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QStackedWidget>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <unicode/rbnf.h>

namespace sumbrix {

namespace {

QString OperationWord(const QString &symbol)
{
    if (symbol == QLatin1String("+"))
        return QCoreApplication::translate("speech", "plus");
    if (symbol == QLatin1String("-"))
        return QCoreApplication::translate("speech", "minus");
    if (symbol == QLatin1String("x"))
        return QCoreApplication::translate("speech", "times");
    if (symbol == QLatin1String("/"))
        return QCoreApplication::translate("speech", "divided by");
    return QString();
}

// The problem read aloud in a pattern of its operation's own, where the
// catalogue gives one: the operation word may ask its numbers for a case
// ("nyolc osztva kettővel"). Empty where it gives none: "%1 %2 %3" then.
QString OperationPattern(const QString &symbol)
{
    const char *source = nullptr;
    if (symbol == QLatin1String("+"))
        //: Optional. Addition read aloud, where "%1 %2 %3" with "plus" is not what a teacher says. %1 and %2 are the numbers; "%2{%rule-set}" spells %2 with a rule set of the "digits" rules (a case form). Leave unfinished to use "%1 %2 %3".
        source = QT_TRANSLATE_NOOP("speech", "%1 plus %2");
    else if (symbol == QLatin1String("-"))
        //: Optional. Subtraction read aloud; as "%1 plus %2".
        source = QT_TRANSLATE_NOOP("speech", "%1 minus %2");
    else if (symbol == QLatin1String("x"))
        //: Optional. Multiplication read aloud; as "%1 plus %2".
        source = QT_TRANSLATE_NOOP("speech", "%1 times %2");
    else if (symbol == QLatin1String("/"))
        //: Optional. Division read aloud; as "%1 plus %2".
        source = QT_TRANSLATE_NOOP("speech", "%1 divided by %2");
    if (!source)
        return QString();
    const QString pattern = QCoreApplication::translate("speech", source);
    return pattern == QLatin1String(source) ? QString() : pattern;
}

[[maybe_unused]] QString VerdictWord(Verdict verdict)  // used where Qt reports new names
{
    switch (verdict) {
    case Verdict::Right:
        //: Said after a right answer, when the next problem is read on its own.
        return QCoreApplication::translate("speech", "Right.");
    case Verdict::Wrong:
        //: Said after a wrong answer, when the next problem is read on its own.
        return QCoreApplication::translate("speech", "Wrong.");
    case Verdict::None:
        break;
    }
    return QString();
}

// The spell-out of the catalogue's rules, parsed once: every new problem
// is named, and parsing takes longer than the rest of an Enter.
const icu::RuleBasedNumberFormat *SpellOut(const QString &rules)
{
    static QString parsed;  // the rules and the language they were parsed for
    static std::unique_ptr<icu::RuleBasedNumberFormat> format;
    const QString language = WindowLanguage().name();
    if (parsed == rules + QChar(0) + language)
        return format.get();
    parsed = rules + QChar(0) + language;
    format.reset();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(language.toUtf8().constData());
    const icu::UnicodeString text(reinterpret_cast<const char16_t *>(rules.utf16()), int32_t(rules.size()));
    UParseError where;
    format = std::make_unique<icu::RuleBasedNumberFormat>(text, locale, where, status);
    if (U_FAILURE(status)) {
        format.reset();
        return nullptr;
    }
    // The first rule set spells a number; the others are its case forms,
    // named in a pattern (ICU would take the last).
    if (format->getNumberOfRuleSetNames() > 0)
        format->setDefaultRuleSet(format->getRuleSetName(0), status);
    return format.get();
}

QString DigitsRules()
{
    //: Leave as "digits" where the language's voice reads numbers written in digits. Otherwise rules of ICU's rule-based number format that spell every number from 0 to 32767 (problems to 400, scores far higher) as a child counts, written as the voice reads them; see docs/translating.md.
    return QCoreApplication::translate("speech", "digits");
}

// Whether the catalogue spells numbers for its voice, which misreads digits.
bool VoiceSpellsNumbers() { return DigitsRules() != QLatin1String("digits"); }

}  // namespace

QString SpokenNumber(const QString &shown, const QString &ruleSet)
{
    const QString rules = DigitsRules();
    bool whole = false;
    const int n = AsciiDigits(shown).trimmed().toInt(&whole);
    if (whole && n < 0)
        // Voices say the locale's minus sign in English, or not at all.
        //: A number below zero (a score) as a screen reader says it; %1 is the number without its sign.
        return QCoreApplication::translate("speech", "minus %1")
            .arg(SpokenNumber(LocalNumber(QString::number(-qint64(n)), NumberLocale())));
    if (!whole || rules == QLatin1String("digits"))
        return shown.trimmed();
    const icu::RuleBasedNumberFormat *format = SpellOut(rules);
    if (!format)
        return shown.trimmed();
    icu::UnicodeString words;
    UErrorCode status = U_ZERO_ERROR;
    icu::FieldPosition position;
    if (!ruleSet.isEmpty())  // a case form the operation word asks for, where the rules have it
        format->format(int32_t(n), icu::UnicodeString(reinterpret_cast<const char16_t *>(ruleSet.utf16()), int32_t(ruleSet.size())),
                       words, position, status);
    if (ruleSet.isEmpty() || U_FAILURE(status)) {
        words.remove();
        format->format(int32_t(n), words);
    }
    return QString(reinterpret_cast<const QChar *>(words.getBuffer()), words.length());
}

QString SpokenDigits(const QString &text)
{
    if (!VoiceSpellsNumbers())  // every history row passes here
        return text;
    static const QRegularExpression number(QStringLiteral("\\d+"), QRegularExpression::UseUnicodePropertiesOption);
    QString spoken;
    qsizetype done = 0;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        spoken += text.mid(done, m.capturedStart() - done) + SpokenNumber(m.captured());
        done = m.capturedEnd();
    }
    return spoken + text.mid(done);
}

QString SpokenProblem(const QString &arg1, const QString &symbol, const QString &arg2)
{
    if (const QString pattern = OperationPattern(symbol); !pattern.isEmpty()) {
        // %1 and %2, each perhaps with the rule set of its case: "%2{%instrumental}".
        static const QRegularExpression slot(QStringLiteral("%([12])(?:\\{(%[\\w-]+)\\})?"));
        QString spoken;
        qsizetype done = 0;
        for (auto it = slot.globalMatch(pattern); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            spoken += pattern.mid(done, m.capturedStart() - done) +
                      SpokenNumber(m.captured(1) == QLatin1String("1") ? arg1 : arg2, m.captured(2));
            done = m.capturedEnd();
        }
        return spoken + pattern.mid(done);
    }
    const QString word = OperationWord(symbol);
    if (word.isEmpty())
        return QStringList{SpokenNumber(arg1), SpokenNumber(arg2)}.join(QLatin1Char(' ')).trimmed();
    //: A problem read aloud: %1 and %3 are the numbers, %2 the operation ("plus").
    return QCoreApplication::translate("speech", "%1 %2 %3").arg(SpokenNumber(arg1), word, SpokenNumber(arg2));
}

QString SpokenAfterEnter(Verdict verdict, const QString &problem)
{
    switch (verdict) {
    case Verdict::Right:
        //: Said after a right answer; %1 is the next problem.
        return QCoreApplication::translate("speech", "Right. %1").arg(problem);
    case Verdict::Wrong:
        //: Said after a wrong answer; %1 is the next problem.
        return QCoreApplication::translate("speech", "Wrong. %1").arg(problem);
    case Verdict::None:
        break;
    }
    return problem;
}

QString SpokenRange(int smallest, int largest, const QString &problem)
{
    //: Said when the range has been set: %1 is the smallest number, %2 the largest, %3 the next problem in words.
    return QCoreApplication::translate("speech", "Numbers from %1 to %2. %3")
        .arg(SpokenNumber(LocalNumber(QString::number(smallest), NumberLocale())),
             SpokenNumber(LocalNumber(QString::number(largest), NumberLocale())), problem);
}

QString SpokenReadingAloud(bool on)
{
    //: Said when reading aloud is turned on.
    return on ? QCoreApplication::translate("speech", "Reading aloud")
              //: Said when reading aloud is turned off.
              : QCoreApplication::translate("speech", "Quiet");
}

std::unique_ptr<QAccessibleEvent> SentenceEvent(QWidget *focused, const QString &sentence)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return std::make_unique<QAccessibleAnnouncementEvent>(focused, sentence);
#else
    // Qt 6.4 has no announcement. A screen reader echoes text that appears
    // in the focused text box right after a key press, so the sentence is
    // reported as such an insertion at the start; the box itself is not
    // changed, and nothing is shown.
    return std::make_unique<QAccessibleTextInsertEvent>(focused, 0, sentence);
#endif
}

void SayAfterEnter(QWidget *answer, Verdict verdict, const QString &problem, const QString &name)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 reports a new name, and a screen reader reads the focused
    // box's new name by itself: say only the verdict before it.
    if (answer->accessibleName() != name) {
        Say(answer, VerdictWord(verdict));
        answer->setAccessibleName(name);
        return;
    }
#endif
    // Qt 6.4's report of a new name cannot be read; the sentence says it all.
    answer->setAccessibleName(name);
    Say(answer, SpokenAfterEnter(verdict, problem));
}

void Say(QWidget *focused, const QString &sentence)
{
    if (!focused || sentence.isEmpty() || !QAccessible::isActive())
        return;
    QAccessible::updateAccessibility(SentenceEvent(focused, sentence).get());
}

void SayChosenItem(QComboBox *box)
{
    if (!box->hasFocus() || !QAccessible::isActive())
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.4 reports the change only as a new name of the box, which a
    // screen reader passes over as said already; the chosen item reported
    // as focused is read. Later Qt reports the change itself.
    QAccessibleEvent event(box->view(), QAccessible::Focus);
    event.setChild(box->currentIndex());
    QAccessible::updateAccessibility(&event);
#endif
}

namespace {

// A read-only number box read as a label: its name, then its number as
// the voice is to hear it.
class SpokenBoxInterface final : public QAccessibleWidget {
public:
    explicit SpokenBoxInterface(QWidget *box) : QAccessibleWidget(box, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        const auto *box = qobject_cast<const QLineEdit *>(widget());
        if (t != QAccessible::Name || !box || box->text().trimmed().isEmpty())
            return own;
        return (own + u' ' + SpokenDigits(box->text().trimmed())).trimmed();
    }
};

QAccessibleInterface *OwnReading(const QString &, QObject *object)
{
    if (object && object->property("sumbrixSpokenBox").toBool())
        return new SpokenBoxInterface(static_cast<QWidget *>(object));
    if (object && object->property("sumbrixPlainStack").toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Client);
    if (object && object->property("sumbrixNamedPage").toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::PageTab);
    return nullptr;
}

void InstallFactory()
{
    static const bool installed = (QAccessible::installFactory(OwnReading), true);
    Q_UNUSED(installed);
}

}  // namespace

void SayPageOnTurn(QTabWidget *tabs)
{
    // A screen reader names the page the focus enters, except where the
    // focus lands in a frame of its own within it: the answer box. There
    // the page's name is said as a sentence, once the focus has moved.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs](int index) {
        QTimer::singleShot(0, tabs, [tabs, index] {
            QWidget *focused = QApplication::focusWidget();
            if (tabs->currentIndex() == index && qobject_cast<QLineEdit *>(focused) &&
                tabs->currentWidget()->isAncestorOf(focused))
                Say(focused, tabs->tabText(index));
        });
    });
}

void NamedPage(QWidget *page, const QString &name)
{
    // A page is a plain widget, which a screen reader passes over; as a
    // named group it is announced whenever the focus enters it, so the
    // child hears which page Ctrl+Tab has turned to.
    page->setProperty("sumbrixNamedPage", true);
    page->setAccessibleName(name);
    InstallFactory();
}

void SpokenBox(QWidget *box)
{
    if (!VoiceSpellsNumbers())
        return;  // its digits are read as they are
    box->setProperty("sumbrixSpokenBox", true);
    InstallFactory();
    // A box reports itself as it is made, and its reading is kept from then on.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void PlainPageStack(QWidget *tabs)
{
    // A stacked widget is a "layered pane" to a screen reader; here it is
    // only the place the pages sit in, like any other plain widget.
    if (auto *stack = tabs->findChild<QStackedWidget *>()) {
        stack->setProperty("sumbrixPlainStack", true);
        InstallFactory();
    }
}

}  // namespace sumbrix
