// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and idle benchmark: runs the probe for the real window and for
// a bare one-label window, alternately, and compares medians.
//   sumbrix_bench_startup <probe> [runs] [idle-seconds]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

long long MonotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

struct Run {
    double startupMs = -1, rssKiB = -1, idleCpu = -1;
};

Run Once(const std::string &probe, const char *which, int idle)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string idleText = std::to_string(idle);
    char *args[] = {const_cast<char *>(probe.c_str()), const_cast<char *>(which), const_cast<char *>(idleText.c_str()),
                    nullptr};
    pid_t pid = 0;
    const long long t0 = MonotonicNs();
    if (posix_spawn(&pid, probe.c_str(), &actions, nullptr, args, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(2);
    }
    close(out[1]);
    FILE *in = fdopen(out[0], "r");
    Run r;
    char key[32];
    double value = 0;
    while (std::fscanf(in, "%31s %lf", key, &value) == 2) {
        const std::string k = key;
        if (k == "painted")
            r.startupMs = (value - t0) / 1e6;
        else if (k == "rss")
            r.rssKiB = value;
        else if (k == "idle_cpu")
            r.idleCpu = value;
    }
    fclose(in);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return r;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <probe> [runs] [idle-seconds]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
    const int idle = argc > 3 ? std::atoi(argv[3]) : 0;
    std::map<std::string, std::vector<Run>> results;
    Once(argv[1], "baseline", 0);  // warm the page cache for both
    Once(argv[1], "sumbrix", 0);
    for (int i = 0; i < runs; ++i)
        for (const char *which : {"baseline", "sumbrix"})
            results[which].push_back(Once(argv[1], which, i == 0 ? idle : 0));

    const auto median = [&](const char *which, double Run::*field) {
        std::vector<double> v;
        for (const Run &r : results[which])
            if (r.*field >= 0)
                v.push_back(r.*field);
        return Median(v);
    };
    const double sb = median("baseline", &Run::startupMs), ss = median("sumbrix", &Run::startupMs);
    const double mb = median("baseline", &Run::rssKiB), ms = median("sumbrix", &Run::rssKiB);
    std::printf("start-up to first frame, median of %d: baseline %.1f ms, sumbrix %.1f ms, ratio %.3f (target <= 1.15)\n",
                runs, sb, ss, ss / sb);
    std::printf("resident memory once idle, median of %d: baseline %.0f KiB, sumbrix %.0f KiB, ratio %.3f (target <= 1.15)\n",
                runs, mb, ms, ms / mb);
    if (idle > 0) {
        const double cb = results["baseline"][0].idleCpu, cs = results["sumbrix"][0].idleCpu;
        std::printf("CPU while idle for %d s: baseline %.3f %%, sumbrix %.3f %% (target < 0.5 %%)\n", idle, cb, cs);
    }
    return 0;
}
