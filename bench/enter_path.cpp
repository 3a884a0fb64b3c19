// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Enter path: from the key press to the next problem painted, through
// the real handlers, against the same key press on a bare line edit.
#include "frmSumbrix.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures {
    double median, p99;
};

Figures Summarise(std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], us[std::min(us.size() - 1, us.size() * 99 / 100)]};
}

// Times Enter in `box` after typing `typed()` each round.
template <class Typed>
Figures Measure(QLineEdit *box, int rounds, Typed typed)
{
    std::vector<double> us;
    us.reserve(rounds);
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        QTest::keyClicks(box, typed());
        QCoreApplication::processEvents();
        t.start();
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();  // the new problem is painted here
        us.push_back(t.nsecsElapsed() / 1000.0);
    }
    return Summarise(us);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;
    // With --read-aloud, the window reads each problem aloud as it is drawn.
    const bool aloud = argc > 2 && QLatin1String(argv[2]) == QLatin1String("--read-aloud");

    QWidget bare;
    auto *edit = new QLineEdit(&bare);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        return 1;
    const Figures base = Measure(edit, rounds, [edit] {
        edit->clear();
        return QStringLiteral("12");
    });
    bare.hide();

    frmSumbrix window;
    if (aloud)
        window.ReadAloudFromFirstFrame();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (aloud && !QTest::qWaitFor([&] { return window.ReadingAloud(); }, 5000)) {
        std::fprintf(stderr, "reading aloud did not start\n");
        return 1;
    }
    auto *answer = window.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
    int n = 0;
    const Figures real = Measure(answer, rounds, [&] {
        // Alternate right and wrong answers.
        return QString::number(window.State().Answer + (n++ % 2));
    });

    std::printf("Enter to next problem%s, %d rounds: median %.1f us, p99 %.1f us (target median < 1000 us)\n",
                aloud ? " reading aloud" : "", rounds, real.median, real.p99);
    std::printf("baseline, Enter in a bare line edit: median %.1f us, p99 %.1f us\n", base.median, base.p99);
    return 0;
}
