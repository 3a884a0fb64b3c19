// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// For the start-up benchmark: with SUMBRIX_REPORT_STARTUP set, the
// program says on standard output when its first frame was painted
// ("painted <monotonic ns>") and ends there (a negative value), or idles
// that many seconds and adds its resident memory ("rss <KiB>") and the CPU
// it used meanwhile ("idle_cpu <percent>") before it quits. Header-only and
// plain Qt, so the bare baseline program reports the same way.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace sumbrix::startup {

inline long long MonotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

inline long ResidentKiB()
{
    long kib = -1;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmRSS: %ld", &kib) == 1)
                break;
        std::fclose(status);
    }
    return kib;
}

inline double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Notes the first paint; the frame is on screen once the loop comes round.
class Reporter : public QObject {
public:
    explicit Reporter(int idleSeconds, QObject *parent) : QObject(parent), idleSeconds_(idleSeconds) {}
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
        if (idleSeconds_ < 0)
            std::_Exit(0);  // start-up alone, without idling or teardown
        // Let start-up work settle before measuring the idle state.
        QTimer::singleShot(1000, this, [this] {
            std::printf("rss %ld\n", ResidentKiB());
            std::fflush(stdout);
            const double cpu0 = CpuSeconds();
            const long long t0 = MonotonicNs();
            QTimer::singleShot(idleSeconds_ * 1000, this, [cpu0, t0] {
                const double wall = double(MonotonicNs() - t0) / 1e9;
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

// Watches `window` when the environment asks for a report.
inline void ReportIfAsked(QWidget *window)
{
    const char *asked = std::getenv("SUMBRIX_REPORT_STARTUP");
    if (asked && *asked)
        window->installEventFilter(new Reporter(std::atoi(asked), window));
}

}  // namespace sumbrix::startup
