// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Twenty thousand answers through the real window, with the clock ticking:
// right, wrong, empty and garbage, at every operation and range.
#include "conversions.h"
#include "frmSumbrix.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>
#include <cmath>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's own bookkeeping swamps the figures
#else
constexpr bool kSanitized = false;
#endif

namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandAnswers()
    {
        frmSumbrix w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *answer = w.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
        auto *op = w.findChild<QComboBox *>(QStringLiteral("boxOp"));
        auto *scroll = w.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
        auto *list = w.findChild<QListWidget *>(QStringLiteral("List1"));
        auto *right = w.findChild<QLabel *>(QStringLiteral("lblNRight"));
        auto *wrong = w.findChild<QLabel *>(QStringLiteral("lblNWrong"));
        auto *pct = w.findChild<QLabel *>(QStringLiteral("lblPctRight"));
        auto *timer = w.findChild<QLabel *>(QStringLiteral("lblTimer"));

        const int kAnswers = qEnvironmentVariableIntValue("SUMBRIX_SOAK_ANSWERS") > 0 ? qEnvironmentVariableIntValue("SUMBRIX_SOAK_ANSWERS") : 20000;
        const int kWarm = kAnswers / 10;
        const QStringList garbage = {QStringLiteral("abc"), QStringLiteral("--5"), QStringLiteral("1e999"),
                                     QStringLiteral("&HFFFFFFFF"), QStringLiteral("4 2"), QStringLiteral(".")};
        int rights = 0, wrongs = 0, graded = 0;
        long warmKiB = 0;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < kAnswers; ++i) {
            if (i % 97 == 0)  // another operation: cycles through all four
                QTest::keyClick(op, op->currentIndex() == 0 ? Qt::Key_End : Qt::Key_Up);
            if (i % 89 == 0) {  // another range, 0..20, through the keyboard
                scroll->setFocus();
                QTest::keyClick(scroll, (i / 89) % 3 == 0 ? Qt::Key_Left : Qt::Key_Right);
            }
            const int expected = w.State().Answer;
            QString typed;
            switch (i % 4) {
            case 0: typed = QString::number(expected); break;
            case 1: typed = QString::number(expected + 1); break;
            case 2: break;  // empty: just a new problem
            default: typed = garbage[i % garbage.size()]; break;
            }
            if (!typed.isEmpty()) {
                ++graded;
                ++(sumbrix::NumericValue(typed.toStdString()) == expected ? rights : wrongs);
            }
            answer->setFocus();
            QTest::keyClicks(answer, typed);
            QTest::keyClick(answer, Qt::Key_Return);

            const sumbrix::QuizState &s = w.State();
            QCOMPARE(int(s.NRight), rights);
            QCOMPARE(int(s.NWrong), wrongs);
            QCOMPARE(int(s.NTotal), graded);
            QCOMPARE(list->count(), 1 + graded);  // every graded answer is in the history
            if (graded) {
                const int percent = int(std::floor(100.0 * rights / graded + 0.5));
                QCOMPARE(int(s.PctRight), percent);
                QCOMPARE(pct->text(), QString::fromStdString(sumbrix::SignedText(percent)));
            }
            if (rights)
                QCOMPARE(right->text(), QString::fromStdString(sumbrix::SignedText(rights)));
            if (wrongs)
                QCOMPARE(wrong->text(), QString::fromStdString(sumbrix::SignedText(wrongs)));
            QVERIFY(s.RangeMax >= 0 && s.RangeMax <= 20);
            if (i == kWarm)
                warmKiB = ResidentKiB();
        }
        QVERIFY2(!timer->text().isEmpty() || clock.elapsed() < 500, "the clock never ticked");
        const long endKiB = ResidentKiB();
        const double perLine = (endKiB - warmKiB) * 1024.0 / (list->count() - (kWarm * 3 / 4));
        qInfo("%d answers in %lld ms; resident %ld KiB -> %ld KiB, %.0f bytes per history line", kAnswers,
              clock.elapsed(), warmKiB, endKiB, perLine);
        // Memory grows with the history and nothing else: a line costs well under 2 KiB.
        if (!kSanitized)
            QVERIFY2(perLine < 2048, qPrintable(QString::number(perLine)));
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
