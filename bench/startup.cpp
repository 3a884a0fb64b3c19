// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and idle benchmark: launches the program as a user does and the
// bare one-label baseline program, alternately, and compares medians. Each
// reports its first frame (SUMBRIX_REPORT_STARTUP).
//   sumbrix_bench_startup <baseline> <program> [runs] [idle-seconds]
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

Run Once(const std::string &program, int idle)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> settings{"SUMBRIX_REPORT_STARTUP=" + std::to_string(idle)};
    for (char **e = environ; *e; ++e)
        if (std::string(*e).rfind("SUMBRIX_REPORT_STARTUP=", 0) != 0)
            settings.emplace_back(*e);
    std::vector<char *> env;
    for (std::string &s : settings)
        env.push_back(s.data());
    env.push_back(nullptr);
    // "path --option": the program and its arguments, split at blanks.
    std::vector<std::string> words;
    for (std::size_t at = 0; at < program.size();) {
        const std::size_t end = std::min(program.find(' ', at), program.size());
        if (end > at)
            words.push_back(program.substr(at, end - at));
        at = end + 1;
    }
    std::vector<char *> args;
    for (std::string &w : words)
        args.push_back(w.data());
    args.push_back(nullptr);
    pid_t pid = 0;
    const long long t0 = MonotonicNs();
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data()) != 0) {
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <baseline> <program> [runs] [idle-seconds]\n"
                             "  (a program may carry arguments: \"path --option\")\n", argv[0]);
        return 2;
    }
    const std::map<std::string, std::string> programs{{"baseline", argv[1]}, {"sumbrix", argv[2]}};
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    const int idle = argc > 4 ? std::atoi(argv[4]) : 0;
    std::map<std::string, std::vector<Run>> results;
    for (const auto &entry : programs)
        Once(entry.second, 0);  // warm the page cache for both
    for (int i = 0; i < runs; ++i)
        for (const char *which : {"baseline", "sumbrix"})
            results[which].push_back(Once(programs.at(which), i == 0 ? idle : 0));

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
