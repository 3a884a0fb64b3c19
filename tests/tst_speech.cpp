// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is handed to say.
#include "speech.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTranslator>
#include <QtTest>

using sumbrix::Verdict;

class SpeechTest : public QObject {
    Q_OBJECT

private slots:
    void problems_data()
    {
        QTest::addColumn<QString>("arg1");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("arg2");
        QTest::addColumn<QString>("spoken");
        // As the window shows them: numbers with their leading blank.
        QTest::newRow("addition") << " 4" << "+" << " 1" << "4 plus 1";
        QTest::newRow("subtraction") << " 8" << "-" << " 3" << "8 minus 3";
        QTest::newRow("multiplication") << " 2" << "x" << " 6" << "2 times 6";
        QTest::newRow("division") << " 15" << "/" << " 3" << "15 divided by 3";
        QTest::newRow("zeros") << " 0" << "-" << " 0" << "0 minus 0";
        QTest::newRow("no operation yet") << " 3" << "" << " 5" << "3 5";
        QTest::newRow("capital X is no operation") << " 3" << "X" << " 5" << "3 5";
    }
    void problems()
    {
        QFETCH(QString, arg1);
        QFETCH(QString, symbol);
        QFETCH(QString, arg2);
        QTEST(sumbrix::SpokenProblem(arg1, symbol, arg2), "spoken");
    }

    // A catalogue's pattern of an operation's own, its second number in
    // the case the operation word asks for, the first as shown.
    void problemInItsOwnPattern()
    {
        struct Catalogue : QTranslator {
            QString translate(const char *, const char *source, const char *, int) const override
            {
                if (QLatin1String(source) == QLatin1String("digits"))
                    return QStringLiteral("%plain: =0=; %with: 0: nullával; 1: eggyel; 2: kettővel; 3: =0=;");
                if (QLatin1String(source) == QLatin1String("%1 divided by %2"))
                    return QStringLiteral("%1 osztva %2{%with}");
                return QString();
            }
        } hungarian;
        QCoreApplication::installTranslator(&hungarian);
        QCOMPARE(sumbrix::SpokenProblem(QStringLiteral(" 8"), QStringLiteral("/"), QStringLiteral(" 2")),
                 QStringLiteral("8 osztva kettővel"));
        // A rule set the rules lack: the number as the rules spell it otherwise.
        QCOMPARE(sumbrix::SpokenNumber(QStringLiteral(" 12"), QStringLiteral("%nowhere")), QStringLiteral("12"));
        QCOMPARE(sumbrix::SpokenProblem(QStringLiteral(" 8"), QStringLiteral("+"), QStringLiteral(" 2")),
                 QStringLiteral("8 plus 2"));  // no pattern of its own: the common one
        QCoreApplication::removeTranslator(&hungarian);
    }

    void afterEnter_data()
    {
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("right") << int(Verdict::Right) << "Right. 3 plus 5";
        QTest::newRow("wrong") << int(Verdict::Wrong) << "Wrong. 3 plus 5";
        QTest::newRow("nothing graded") << int(Verdict::None) << "3 plus 5";
    }
    void afterEnter()
    {
        QFETCH(int, verdict);
        QTEST(sumbrix::SpokenAfterEnter(Verdict(verdict), QStringLiteral("3 plus 5")), "spoken");
    }

    // The sentence goes out as what this Qt lets a screen reader speak,
    // from the text box, whose own text is left alone.
    void sentenceEvent()
    {
        QLineEdit box(QStringLiteral("12"));
        const auto event = sumbrix::SentenceEvent(&box, QStringLiteral("Right. 3 plus 5"));
        QCOMPARE(event->object(), &box);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QCOMPARE(event->type(), QAccessible::Announcement);
        QCOMPARE(static_cast<QAccessibleAnnouncementEvent *>(event.get())->message(), QStringLiteral("Right. 3 plus 5"));
#else
        QCOMPARE(event->type(), QAccessible::TextInserted);
        QCOMPARE(static_cast<QAccessibleTextInsertEvent *>(event.get())->textInserted(),
                 QStringLiteral("Right. 3 plus 5"));
#endif
        QCOMPARE(box.text(), QStringLiteral("12"));
    }
};

QTEST_MAIN(SpeechTest)
#include "tst_speech.moc"
