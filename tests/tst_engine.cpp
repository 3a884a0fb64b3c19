// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The drill's rules, driven through a fake window with a fixed clock and
// scripted draws.
#include "fakes.h"

#include <QtTest>

using namespace sumbrix;
using sumbrix::test::Rig;
using C = sumbrix::Control;

namespace {

std::string S(const QString &s) { return s.toStdString(); }

// A started quiz showing `op` (0 Division .. 3 Addition) over 0..top, with
// the next problem drawn from d1 and d2.
void Prepare(Rig &rig, int op, int d1, int d2, int top = 20)
{
    rig.quiz.Start();
    rig.surface.SetOperationIndex(op);
    rig.quiz.RangeTopChanged(top);
    rig.NextDraws(d1, d2);
    rig.quiz.NewProblem();
}

}  // namespace

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    // The words the user reads come from the window, in its language; the
    // drill itself goes by position and symbol, so it does not change.
    void wordsInTheWindowsLanguage()
    {
        Rig rig;
        rig.surface.words = {{"Begin", "Start"}, {"Addition", "Plus"}, {"Division", "Geteilt"}};
        rig.quiz.Start();
        QCOMPARE(rig.surface.items, (std::vector<std::string>{"Geteilt", "Multiplication", "Subtraction", "Plus"}));
        QCOMPARE(rig.surface.history, std::vector<std::string>{"12:00:00 Start"});
        QCOMPARE(rig[C::lblOps], std::string("+"));
        rig.Type(std::to_string(rig.quiz.State().Answer));
        QVERIFY(rig.quiz.CheckAnswer());
        QCOMPARE(rig.quiz.State().NRight, Integer(1));
    }

    void startUp()
    {
        Rig rig;
        QCOMPARE(rig.quiz.State(), QuizState{});
        rig.random.values = {0.99f, 0.99f, 0.0f, 0.0f, 0.5f, 0.5f};
        rig.quiz.Start();

        const QuizState &s = rig.quiz.State();
        QCOMPARE(rig[C::txtMin], std::string(" 0"));
        QCOMPARE(rig[C::txtMax], std::string(" 6"));
        QCOMPARE(rig[C::lblOps], std::string("+"));
        QCOMPARE(rig[C::txtAnswer], std::string());
        for (C c : {C::lblNRight, C::lblNWrong, C::lblPctRight, C::lblScore, C::lblTimer})
            QVERIFY(rig[c].empty());
        QCOMPARE(rig.surface.items,
                 (std::vector<std::string>{"Division", "Multiplication", "Subtraction", "Addition"}));
        QCOMPARE(rig.surface.index, 3);
        QCOMPARE(rig.surface.history, std::vector<std::string>{"12:00:00 Begin"});
        // Three problems: the scroll bar's change, the explicit one, the operation's.
        QCOMPARE(rig.random.reseeds, 3);
        QCOMPARE(s.RangeMin, Integer(0));
        QCOMPARE(s.RangeMax, Integer(6));
        QCOMPARE(s.Draw1, Integer(3));  // floor(7 * 0.5): the last problem is the one shown
        QCOMPARE(s.Answer, Integer(6));
        QCOMPARE(rig[C::lblArg1], std::string(" 3"));
        QCOMPARE(s.Score, Long(0));
        QCOMPARE(s.StartTime, Long(43200));
    }

    void draws_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("expected");
        QTest::newRow("low end") << 0 << 6 << 0.0f << 0;
        QTest::newRow("high end") << 0 << 6 << 0.99999994f << 6;
        QTest::newRow("middle") << 0 << 6 << 0.5f << 3;
        QTest::newRow("one value") << 5 << 5 << 0.7f << 5;
        QTest::newRow("empty 1..0") << 1 << 0 << 0.9f << 1;
        QTest::newRow("division's floor") << 1 << 20 << 0.0f << 1;
    }
    void draws()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(float, r);
        QFETCH(int, expected);
        Rig rig;
        rig.quiz.State().RangeMin = Integer(min);
        rig.quiz.State().RangeMax = Integer(max);
        rig.random.values = {r, r};
        QVERIFY(rig.quiz.NewProblem());
        QCOMPARE(int(rig.quiz.State().Draw1), expected);
        QCOMPARE(int(rig.quiz.State().Draw2), expected);
    }

    void everyValueComesUp()
    {
        RealRandomRig holder;
        QSet<int> seen;
        for (int i = 0; i < 2000; ++i) {
            QVERIFY(holder.quiz.NewProblem());
            for (Integer d : {holder.quiz.State().Draw1, holder.quiz.State().Draw2}) {
                QVERIFY(d >= 0 && d <= 6);
                seen.insert(d);
            }
        }
        QCOMPARE(seen.size(), 7);
    }

    void arrangements_data()
    {
        QTest::addColumn<QString>("ops");
        QTest::addColumn<int>("d1");
        QTest::addColumn<int>("d2");
        QTest::addColumn<QString>("arg1");
        QTest::addColumn<QString>("arg2");
        QTest::addColumn<int>("answer");
        QTest::newRow("division") << "/" << 3 << 5 << " 15" << " 3" << 5;
        QTest::newRow("subtraction") << "-" << 3 << 5 << " 8" << " 3" << 5;
        QTest::newRow("subtraction 0-0") << "-" << 0 << 0 << " 0" << " 0" << 0;
        QTest::newRow("multiplication") << "x" << 4 << 6 << " 4" << " 6" << 24;
        QTest::newRow("addition") << "+" << 2 << 3 << " 2" << " 3" << 5;
        QTest::newRow("no operator keeps the answer") << "" << 2 << 3 << " 2" << " 3" << 77;
        QTest::newRow("upper-case X is no operator") << "X" << 2 << 3 << " 2" << " 3" << 77;
    }
    void arrangements()
    {
        QFETCH(QString, ops);
        QFETCH(int, d1);
        QFETCH(int, d2);
        Rig rig;
        rig.quiz.State().RangeMin = 0;
        rig.quiz.State().RangeMax = 20;
        rig.quiz.State().Answer = 77;
        rig.surface.SetText(C::lblOps, S(ops));
        rig.Type("12");
        rig.NextDraws(d1, d2);
        QVERIFY(rig.quiz.NewProblem());
        QTEST(QString::fromStdString(rig[C::lblArg1]), "arg1");
        QTEST(QString::fromStdString(rig[C::lblArg2]), "arg2");
        QTEST(int(rig.quiz.State().Answer), "answer");
        QCOMPARE(rig[C::txtAnswer], std::string());
        QCOMPARE(rig[C::txtMax], std::string(" 20"));
    }

    void operationsSetTheLowerBound()
    {
        Rig rig;
        rig.quiz.Start();
        const char *symbols[] = {"/", "x", "-", "+"};
        for (int op : {0, 1, 2, 3, 0}) {
            rig.surface.SetOperationIndex(op);
            QCOMPARE(rig[C::lblOps], std::string(symbols[op]));
            QCOMPARE(rig[C::txtMin], op == 0 ? std::string(" 1") : std::string(" 0"));
        }
        // No choice at all still draws a new problem, with the old sign.
        const int before = rig.random.reseeds;
        rig.surface.SetOperationIndex(-1);
        QCOMPARE(rig.random.reseeds, before + 1);
        QCOMPARE(rig[C::lblOps], std::string("/"));
    }

    void grading_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("line");
        // Problems come from draws 3 and 5.
        QTest::newRow("division right") << 0 << "5" << 1 << 0 << 32 << "12:00:00 # 1: 15/ 3";
        QTest::newRow("multiplication right") << 1 << "15" << 1 << 0 << 24 << "12:00:00 # 1: 3x 5";
        QTest::newRow("subtraction right") << 2 << "5" << 1 << 0 << 16 << "12:00:00 # 1: 8- 3";
        QTest::newRow("addition right") << 3 << "8" << 1 << 0 << 8 << "12:00:00 # 1: 3+ 5";
        QTest::newRow("5.0 is 5") << 2 << "5.0" << 1 << 0 << 16 << "12:00:00 # 1: 8- 3";
        QTest::newRow("blanks anywhere") << 2 << " 5 " << 1 << 0 << 16 << "12:00:00 # 1: 8- 3";
        QTest::newRow("blanks inside digits") << 3 << "\t8\n" << 1 << 0 << 8 << "12:00:00 # 1: 3+ 5";
        QTest::newRow("division wrong") << 0 << "6" << 0 << 1 << -4 << "12:00:00 # 1: 15/ 3=6";
        QTest::newRow("multiplication wrong") << 1 << "1" << 0 << 1 << -5 << "12:00:00 # 1: 3x 5=1";
        QTest::newRow("subtraction wrong") << 2 << "-5" << 0 << 1 << -6 << "12:00:00 # 1: 8- 3=-5";
        QTest::newRow("addition wrong") << 3 << "6" << 0 << 1 << -7 << "12:00:00 # 1: 3+ 5=6";
        QTest::newRow("letters logged as typed") << 3 << "eight!" << 0 << 1 << -7 << "12:00:00 # 1: 3+ 5=eight!";
        QTest::newRow("huge exponent") << 3 << "1e999" << 0 << 1 << -7 << "12:00:00 # 1: 3+ 5=1e999";
    }
    void grading()
    {
        QFETCH(int, op);
        QFETCH(QString, typed);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(int, score);
        Rig rig;
        Prepare(rig, op, 3, 5);
        rig.Type(S(typed));
        rig.NextDraws(1, 1);
        const int focus = rig.surface.focusCalls;
        QVERIFY(rig.quiz.CheckAnswer());

        const QuizState &s = rig.quiz.State();
        QCOMPARE(int(s.NRight), right);
        QCOMPARE(int(s.NWrong), wrong);
        QCOMPARE(int(s.NTotal), 1);
        QCOMPARE(int(s.Score), score);
        QCOMPARE(rig[C::lblScore], SignedText(score));
        QCOMPARE(rig[C::lblPctRight], right ? std::string(" 100") : std::string(" 0"));
        QCOMPARE(rig[right ? C::lblNRight : C::lblNWrong], std::string(" 1"));
        QVERIFY(rig[right ? C::lblNWrong : C::lblNRight].empty());  // untouched until it counts
        QCOMPARE(rig.surface.history.size(), std::size_t(2));
        QTEST(QString::fromStdString(rig.surface.history.back()), "line");
        // The next problem is up at once, with the focus back in the answer box.
        QCOMPARE(int(s.Draw1), 1);
        QCOMPARE(rig[C::txtAnswer], std::string());
        QCOMPARE(rig.surface.focusCalls, focus + 1);
    }

    void ungradedEnter()
    {
        Rig rig;
        Prepare(rig, 3, 3, 5);
        const QuizState before = rig.quiz.State();
        // Empty answer box.
        rig.NextDraws(2, 2);
        QVERIFY(rig.quiz.CheckAnswer());
        QCOMPARE(rig.surface.history.size(), std::size_t(1));
        QCOMPARE(rig.quiz.State().NTotal, Integer(0));
        QCOMPARE(rig.quiz.State().Draw1, Integer(2));
        // No operation chosen.
        rig.surface.index = -1;
        rig.Type("4");
        rig.NextDraws(6, 6);
        QVERIFY(rig.quiz.CheckAnswer());
        QCOMPARE(rig.surface.history.size(), std::size_t(1));
        QCOMPARE(rig.quiz.State().Score, before.Score);
        QCOMPARE(rig.quiz.State().Draw1, Integer(6));
        QVERIFY(rig[C::lblNRight].empty() && rig[C::lblNWrong].empty());
    }

    void lettersAreZero()
    {
        Rig rig;
        Prepare(rig, 2, 0, 0);  // 0 - 0
        rig.Type("abc");
        QVERIFY(rig.quiz.CheckAnswer());
        QCOMPARE(rig.quiz.State().NRight, Integer(1));
        QCOMPARE(rig.surface.history.back(), std::string("12:00:00 # 1: 0- 0"));
    }

    void percentage()
    {
        Rig rig;
        Prepare(rig, 3, 1, 1);  // 1 + 1 every time
        const auto answer = [&](const char *typed) {
            rig.Type(typed);
            rig.NextDraws(1, 1);
            return rig.quiz.CheckAnswer() ? rig[C::lblPctRight] : std::string("refused");
        };
        QCOMPARE(answer("2"), std::string(" 100"));
        QCOMPARE(answer("3"), std::string(" 50"));
        QCOMPARE(answer("3"), std::string(" 33"));  // 1 of 3
        QCOMPARE(answer("2"), std::string(" 50"));
        QCOMPARE(answer("2"), std::string(" 60"));
        QCOMPARE(rig.surface.history.back(), std::string("12:00:00 # 5: 1+ 1"));
        QCOMPARE(rig.quiz.State().NTotal, Integer(5));
    }

    void twoOfThree()
    {
        Rig rig;
        Prepare(rig, 3, 1, 1);
        for (const char *typed : {"2", "2", "0"}) {
            rig.Type(typed);
            rig.NextDraws(1, 1);
            rig.quiz.CheckAnswer();
        }
        QCOMPARE(rig[C::lblPctRight], std::string(" 67"));
    }

    // 16-bit overflow limits of the original arithmetic that must not stop the drill.
    void longSessionsKeepGoing()
    {
        Rig rig;
        Prepare(rig, 0, 20, 20);
        rig.quiz.State().NRight = 327;
        rig.quiz.State().NTotal = 327;
        rig.quiz.State().Score = 32760;
        rig.Type("20");
        rig.NextDraws(20, 20);
        QVERIFY(rig.quiz.CheckAnswer());
        QCOMPARE(rig.quiz.State().NRight, Integer(328));
        QCOMPARE(rig.quiz.State().PctRight, Integer(100));
        QCOMPARE(rig.quiz.State().Score, Long(32760 + 160));
        QCOMPARE(rig[C::lblScore], std::string(" 32920"));
    }

    // Any other overflow leaves the event undone as a whole.
    void overflowChangesNothing_data()
    {
        QTest::addColumn<int>("field");  // 0 NTotal, 1 NRight, 2 NWrong, 3 range
        QTest::addColumn<QString>("typed");
        QTest::newRow("attempt number") << 0 << "40";
        QTest::newRow("right count") << 1 << "40";
        QTest::newRow("wrong count") << 2 << "1";
        QTest::newRow("range too wide to draw") << 3 << "40";
    }
    void overflowChangesNothing()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        Rig rig;
        Prepare(rig, 3, 20, 20);
        QuizState &s = rig.quiz.State();
        if (field == 0)
            s.NTotal = 32767;
        if (field == 1)
            s.NRight = 32767;
        if (field == 2)
            s.NWrong = 32767;
        if (field == 3)
            s.RangeMin = -32768;
        rig.Type(S(typed));
        const QuizState before = s;
        const auto texts = rig.surface.texts;
        const auto history = rig.surface.history;
        QVERIFY(!rig.quiz.CheckAnswer());
        QCOMPARE(rig.quiz.State(), before);
        QVERIFY(rig.surface.texts == texts);
        QCOMPARE(rig.surface.history, history);
    }

    void rangeChangesThatCannotDraw()
    {
        Rig rig;
        Prepare(rig, 3, 2, 2);
        const QuizState before = rig.quiz.State();
        const auto texts = rig.surface.texts;
        QVERIFY(!rig.quiz.RangeTopChanged(32767));  // span + 1 overflows
        QVERIFY(!rig.quiz.RangeTopChanged(40000));  // not a 16-bit number
        QCOMPARE(rig.quiz.State(), before);
        QVERIFY(rig.surface.texts == texts);
        // A wide range that a product cannot hold is refused for division too.
        rig.quiz.State().RangeMin = 300;
        rig.quiz.State().RangeMax = 300;
        rig.surface.index = 3;
        rig.surface.SetOperationIndex(0);
        QCOMPARE(rig.quiz.State().RangeMin, Integer(1));  // 1..300 may draw 300 x 300
        rig.random.values = {0.99f, 0.99f};
        const QuizState wide = rig.quiz.State();
        QVERIFY(!rig.quiz.NewProblem());
        QCOMPARE(rig.quiz.State(), wide);
    }

    void timer_data()
    {
        QTest::addColumn<double>("drawnAt");
        QTest::addColumn<double>("now");
        QTest::addColumn<QString>("shown");
        QTest::newRow("at once") << 100.2 << 100.2 << "0";
        QTest::newRow("rounded-up start") << 100.6 << 100.7 << "0";
        QTest::newRow("tie to even, down") << 100.0 << 102.5 << "2";
        QTest::newRow("tie to even, up") << 100.0 << 103.5 << "4";
        QTest::newRow("across midnight") << 86399.6 << 1.2 << "1";
        QTest::newRow("long before midnight") << 86000.0 << 5.0 << "405";
    }
    void timer()
    {
        QFETCH(double, drawnAt);
        QFETCH(double, now);
        Rig rig;
        rig.clock.seconds = drawnAt;
        QVERIFY(rig.quiz.NewProblem());
        rig.clock.seconds = now;
        rig.quiz.TimerTick();
        QTEST(QString::fromStdString(rig[C::lblTimer]), "shown");
        QVERIFY(rig.quiz.State().Elapsed >= 0);
    }

    void reseedingNeverRepeats()
    {
        test::FakeClock clock;  // frozen: every re-seed sees the same reading
        ClockSeededRandom random(clock);
        std::vector<float> first;
        random.ReseedFromClock();
        for (int i = 0; i < 8; ++i)
            first.push_back(random.NextUniform());
        random.ReseedFromClock();  // same clock reading
        std::vector<float> second;
        for (int i = 0; i < 8; ++i)
            second.push_back(random.NextUniform());
        QVERIFY(first != second);
        for (int i = 0; i < 100000; ++i) {
            const float r = random.NextUniform();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }

private:
    // A quiz over 0..6 with a real random source on a frozen clock.
    struct RealRandomRig {
        test::FakeSurface surface;
        test::FakeClock clock;
        ClockSeededRandom random{clock};
        Quiz quiz{surface, clock, random};
        RealRandomRig()
        {
            quiz.State().RangeMax = 6;
            surface.SetText(Control::lblOps, "+");
        }
    };
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
