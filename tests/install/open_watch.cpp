// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and waits until it has read a given file of a folder, then
// ends it: proof that an installed program found its data, without any hook
// in the program. Exit 0 when the file was read and the program was still
// running a moment later; 1 otherwise.
// Usage: open_watch DIR FILE SECONDS PROGRAM [ARGUMENTS...]
#include <sys/inotify.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

bool ended(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid)
        return false;
    if (WIFSIGNALED(status))
        std::fprintf(stderr, "open_watch: the program died of signal %d\n", WTERMSIG(status));
    else
        std::fprintf(stderr, "open_watch: the program ended with status %d\n", WEXITSTATUS(status));
    return true;
}

// Reads pending events; true when one names file.
bool sawFile(int fd, const char *file)
{
    alignas(inotify_event) char buf[8192];
    const ssize_t n = read(fd, buf, sizeof buf);
    bool seen = false;
    for (ssize_t off = 0; n > 0 && off < n;) {
        const auto *ev = reinterpret_cast<const inotify_event *>(buf + off);
        if (ev->len > 0 && std::strcmp(ev->name, file) == 0)
            seen = true;
        off += ssize_t(sizeof(inotify_event) + ev->len);
    }
    return seen;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: open_watch DIR FILE SECONDS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const char *dir = argv[1];
    const char *file = argv[2];
    const int seconds = std::atoi(argv[3]);

    const int fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    // A file opened for reading and closed again: read, not merely looked at.
    if (fd < 0 || inotify_add_watch(fd, dir, IN_CLOSE_NOWRITE) < 0) {
        std::perror("open_watch: inotify");
        return 2;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("open_watch: fork");
        return 2;
    }
    if (pid == 0) {
        execv(argv[4], argv + 4);
        std::perror("open_watch: exec");
        _exit(127);
    }

    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    bool seen = false;
    while (!seen && Clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) > 0)
            seen = sawFile(fd, file);
        if (ended(pid))
            return 1;
    }
    // A program that read its data and then crashed did not start.
    const auto grace = Clock::now() + std::chrono::seconds(1);
    while (seen && Clock::now() < grace) {
        if (ended(pid))
            return 1;
        usleep(50 * 1000);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!seen) {
        std::fprintf(stderr, "open_watch: %s/%s was not read within %d s\n", dir, file, seconds);
        return 1;
    }
    std::printf("open_watch: %s read %s/%s and kept running\n", argv[4], dir, file);
    return 0;
}
