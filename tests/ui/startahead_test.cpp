// SPDX-License-Identifier: GPL-3.0-or-later
// The start's worker touches Qt before the application object exists; it must
// not become Qt's main thread (Qt takes the first thread that touches a
// QObject), or the windows wait for events that never come. What it does once
// the application exists must not hold up an end without one, and warming the
// heap must leave every byte as it was.
#include "ui/startahead.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <sched.h>
#include <vector>

namespace {
bool g_wrongThread = false;
int g_failures = 0;

void watch(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("main() thread")))
        g_wrongThread = true;
}

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++g_failures;
    }
}
} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(watch);

    // No application object ever comes: the end neither hangs nor runs what
    // needed one. The worker, started on another core, may use every core
    // the caller may (threads it starts inherit its set).
    std::atomic<bool> ranWithoutApplication{false};
#ifdef __linux__
    cpu_set_t callers, workers;
    CPU_ZERO(&workers);
    sched_getaffinity(0, sizeof callers, &callers);
    startahead::run([&] { sched_getaffinity(0, sizeof workers, &workers); },
                    [&] { ranWithoutApplication = true; });
    startahead::await();
    check(CPU_EQUAL(&callers, &workers), "the worker kept a narrower set of cores");
#else
    startahead::run([] {}, [&] { ranWithoutApplication = true; });
#endif
    startahead::await();
    startahead::finish();
    check(!ranWithoutApplication, "work for the application ran without one");

    // Blocks written while the heap is warmed keep their bytes.
    startahead::reserveHeap(1 << 20);
    std::vector<unsigned char *> blocks;
    startahead::run([] {});
    for (int i = 0; i < 64; ++i) {
        auto *b = static_cast<unsigned char *>(std::malloc(12000));
        std::memset(b, i + 1, 12000);
        blocks.push_back(b);
    }
    startahead::finish();
    for (int i = 0; i < 64; ++i) {
        bool same = true;
        for (int k = 0; k < 12000; ++k)
            same = same && blocks[size_t(i)][k] == i + 1;
        check(same, "a block changed while the heap was warmed");
        std::free(blocks[size_t(i)]);
    }

    // The worker is still running when the application object is made, as
    // at a real start, and what follows runs once it is.
    std::promise<void> touched, appMade;
    std::promise<bool> followed;
    startahead::run(
        [&] {
            QFile touch(QStringLiteral("/dev/null"));
            touched.set_value();
            appMade.get_future().wait();
        },
        [&] { followed.set_value(QCoreApplication::instance() != nullptr); });
    touched.get_future().wait();
    QCoreApplication app(argc, argv);
    appMade.set_value();
    startahead::applicationMade();
    startahead::await();
    check(followed.get_future().get(), "work for the application ran before it was made");
    startahead::finish();
    check(!g_wrongThread, "the worker became Qt's main thread");
    return g_failures == 0 ? 0 : 1;
}
