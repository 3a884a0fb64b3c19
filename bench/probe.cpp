// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Started by the start-up benchmark: opens either the real window or the
// baseline (a bare window with one label), then reports on stdout when the
// first frame was painted, the resident memory once idle and, if asked,
// the CPU used over an idle spell.
//   sumbrix_probe sumbrix|baseline [idle-seconds]
// A negative idle-seconds ends the process as soon as the frame is painted.
#include "frmSumbrix.h"
#include "language.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

long long MonotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            break;
        }
        status.ignore(1 << 12, '\n');
    }
    return value;
}

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Notes the first paint; the frame is on screen once the loop comes round.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(int idleSeconds) : idleSeconds_(idleSeconds) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { Painted(); });
        }
        return false;
    }

private:
    void Painted()
    {
        std::printf("painted %lld\n", MonotonicNs());
        std::fflush(stdout);
        // Counting instructions wants start-up alone, without idling or teardown.
        if (idleSeconds_ < 0)
            std::_Exit(0);
        // Let start-up work settle before measuring the idle state.
        QTimer::singleShot(1000, this, [this] {
            std::printf("rss %ld\n", ResidentKiB());
            std::fflush(stdout);
            const double cpu0 = CpuSeconds();
            const long long t0 = MonotonicNs();
            QTimer::singleShot(idleSeconds_ * 1000, this, [cpu0, t0] {
                const double wall = (MonotonicNs() - t0) / 1e9;
                if (wall > 0.5)
                    std::printf("idle_cpu %.4f\n", 100.0 * (CpuSeconds() - cpu0) / wall);
                std::fflush(stdout);
                QApplication::quit();
            });
        });
    }
    bool seen_ = false;
    int idleSeconds_;
};

}  // namespace

int main(int argc, char *argv[])
{
    const bool baseline = argc > 1 && std::strcmp(argv[1], "baseline") == 0;
    const int idle = argc > 2 ? std::atoi(argv[2]) : 0;
    QApplication app(argc, argv);
    FirstFrame probe(idle);
    std::unique_ptr<QWidget> window;
    if (baseline) {
        // Same size as the real window, so both paint and keep the same backing store.
        auto *label = new QLabel(QStringLiteral("Sumbrix"));
        label->setFixedSize(415, 307);
        window.reset(label);
    } else {
        sumbrix::UseLanguage();  // as the program does: catalogues first
        window = std::make_unique<frmSumbrix>();
    }
    window->installEventFilter(&probe);
    window->show();
    return app.exec();
}
