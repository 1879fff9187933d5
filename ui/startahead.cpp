// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startahead.h"

#include <QThread>

#include <thread>

namespace startahead {
namespace {
std::thread &worker()
{
    static std::thread t;
    return t;
}
} // namespace

void run(std::function<void()> work)
{
    await();
    // Qt takes the first thread that touches a QObject as its main thread;
    // before QApplication exists, that could be the worker (QFile).
    QThread::currentThread();
    worker() = std::thread(std::move(work));
}

void await()
{
    if (worker().joinable())
        worker().join();
}

} // namespace startahead
