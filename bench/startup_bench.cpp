// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the main window with its transformer window against a bare Qt
// main window, each from exec to the first drawn window, started in turns so
// that a busy machine slows both alike. Also counts the shared libraries each
// has mapped at that moment, and names those only Kondrix loads.
#include "app/startupprobe.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {
using Clock = std::chrono::steady_clock;

struct Start
{
    double ms = 0;
    std::set<std::string> libraries;
};

std::set<std::string> mappedLibraries(pid_t pid)
{
    std::set<std::string> libs;
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string path = line.substr(slash);
        const std::string name = path.substr(path.rfind('/') + 1);
        if (name.find(".so") != std::string::npos)
            libs.insert(path);
    }
    return libs;
}

// Throws when the program does not report a shown window in time.
Start startOnce(const char *program)
{
    int out[2], in[2];
    if (pipe(out) != 0 || pipe(in) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    for (int fd : {in[0], in[1], out[0], out[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const auto t0 = Clock::now();
    const int rc = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (rc != 0) {
        close(in[1]);
        close(out[0]);
        throw std::runtime_error(std::string("cannot start ") + program);
    }
    std::string got;
    pollfd p{out[0], POLLIN, 0};
    while (got.find('\n') == std::string::npos && poll(&p, 1, 20000) > 0) {
        char buf[64];
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, size_t(n));
    }
    Start s;
    s.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    const bool shown = got.rfind("shown\n", 0) == 0;
    if (shown)
        s.libraries = mappedLibraries(pid);
    else
        kill(pid, SIGKILL);
    close(in[1]);   // lets the program end
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!shown)
        throw std::runtime_error(std::string(program) + " showed no window; run it by hand with "
                                 + startupprobe::kVariable + "=1 to see why");
    return s;
}

double median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// Another build's program may be timed instead: --kondrix=PATH.
const char *g_kondrix = KONDRIX_PROGRAM;

struct Result
{
    double kondrixMs = 0, bareMs = 0;
    std::set<std::string> kondrixLibs, bareLibs;
} g_result;

void BM_StartupAgainstBareWindow(benchmark::State &state)
{
    try {
        // Once each unmeasured: the files come into the page cache.
        startOnce(g_kondrix);
        startOnce(BARE_PROGRAM);
        std::vector<double> kondrix, bare;
        bool kondrixFirst = true;
        for (auto _ : state) {
            Start k, b;
            if (kondrixFirst) {
                k = startOnce(g_kondrix);
                b = startOnce(BARE_PROGRAM);
            } else {
                b = startOnce(BARE_PROGRAM);
                k = startOnce(g_kondrix);
            }
            kondrixFirst = !kondrixFirst;
            kondrix.push_back(k.ms);
            bare.push_back(b.ms);
            state.SetIterationTime(k.ms / 1000);
            g_result.kondrixLibs = k.libraries;
            g_result.bareLibs = b.libraries;
        }
        g_result.kondrixMs = median(kondrix);
        g_result.bareMs = median(bare);
        state.counters["kondrix_ms"] = g_result.kondrixMs;
        state.counters["bare_ms"] = g_result.bareMs;
        state.counters["ratio"] = g_result.kondrixMs / g_result.bareMs;
        state.counters["kondrix_libs"] = double(g_result.kondrixLibs.size());
        state.counters["bare_libs"] = double(g_result.bareLibs.size());
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
    }
}

BENCHMARK(BM_StartupAgainstBareWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(31);

} // namespace

int main(int argc, char **argv)
{
    // Both programs inherit these.
    setenv(startupprobe::kVariable, "1", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string option = "--kondrix=";
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind(option, 0) == 0) {
            g_kondrix = argv[i] + option.size();
            std::copy(argv + i + 1, argv + argc + 1, argv + i);
            --argc;
            break;
        }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_result.bareMs <= 0)
        return 1;
    const double ratio = g_result.kondrixMs / g_result.bareMs;
    std::printf("\nStart to first drawn window, medians of paired runs (%s)\n",
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("  kondrix %.1f ms, %zu libraries; bare QMainWindow %.1f ms, %zu libraries\n",
                g_result.kondrixMs, g_result.kondrixLibs.size(), g_result.bareMs,
                g_result.bareLibs.size());
    std::printf("  kondrix / bare %.3f  (<= 1.5) %s\n", ratio, ratio <= 1.5 ? "ok" : "FAILED");
    std::printf("  libraries only kondrix loads:\n");
    for (const std::string &lib : g_result.kondrixLibs)
        if (!g_result.bareLibs.count(lib))
            std::printf("    %s\n", lib.c_str());
    return ratio <= 1.5 ? 0 : 1;
}
