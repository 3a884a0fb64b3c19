// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every number heard as the number it is: what the program hands the voice
// against a teacher's words (tests/numbers/LL.txt), as espeak-ng says both.
#include "hearing.h"
#include "language.h"

#include <QDir>
#include <QtTest>

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    // Every language the window speaks has a teacher's words.
    void everyLanguage()
    {
        const QDir numbers(QStringLiteral(SUMBRIX_NUMBERS_DIR));
        for (const QString &file : QDir(QStringLiteral(SUMBRIX_TRANSLATIONS_DIR)).entryList({QStringLiteral("sumbrix_*.ts")}))
            QVERIFY2(numbers.exists(file.mid(8).replace(QLatin1String(".ts"), QLatin1String(".txt"))), qPrintable(file));
        QVERIFY(numbers.exists(QStringLiteral("en.txt")));
    }
    void heard_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &file : QDir(QStringLiteral(SUMBRIX_NUMBERS_DIR)).entryList({QStringLiteral("*.txt")}))
            QTest::newRow(qPrintable(file.chopped(4))) << file.chopped(4);
    }
    void heard()
    {
        QFETCH(QString, language);
        using namespace sumbrix::hearing;
        const auto teacher = ReadTeacherWords(QStringLiteral(SUMBRIX_NUMBERS_DIR "/%1.txt").arg(language));
        QVERIFY(teacher && !teacher->words.isEmpty());
        const QString voice = VoiceOf(language);
        if (!Phonemes(voice, QStringLiteral("1")))
            QSKIP("espeak-ng has no voice for the language (tools/setup installs espeak-ng-data)");
        sumbrix::UseLanguage(QLocale(language));
        QStringList faults;
        QSet<int> engine;
        for (const Misheard &m : Compare(voice, *teacher)) {
            if (m.problem.isEmpty() && teacher->engineFaults.contains(m.number))
                engine.insert(m.number);
            else
                faults << QStringLiteral("%1: the program hands \"%2\" (%3), the teacher says \"%4\" (%5)")
                              .arg(m.problem.isEmpty() ? QString::number(m.number) : m.problem, m.program, m.programSaid, m.teacher, m.teacherSaid);
        }
        const QString report = QStringLiteral("%1 numbers heard otherwise:\n").arg(faults.size()) + faults.mid(0, 12).join(u'\n');
        // A voice the words were never heard with may say them otherwise
        // without a fault of the program's: said, for the next review.
        if (!teacher->voices.contains(VoiceVersion())) {
            if (!faults.isEmpty())
                qWarning("espeak-ng %s, which the words were not reviewed with: %s", qPrintable(VoiceVersion()), qPrintable(report));
            return;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(report));
        for (const auto &[a, b] : HeardAlike(voice, *teacher))
            QFAIL(qPrintable(QStringLiteral("the teacher's %1 and %2 are heard alike: a \"same\" rule goes too far").arg(a).arg(b)));
        // A fault the engine no longer makes is no longer a fault to list.
        for (const int n : teacher->engineFaults.keys())
            QVERIFY2(engine.contains(n), qPrintable(QStringLiteral("%1 is heard right now: not an engine fault").arg(n)));
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
