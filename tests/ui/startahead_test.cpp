// SPDX-License-Identifier: GPL-3.0-or-later
// The start's worker touches Qt before the application object exists; it must
// not become Qt's main thread (Qt takes the first thread that touches a
// QObject), or the windows wait for events that never come.
#include "ui/startahead.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <future>

namespace {
bool g_wrongThread = false;

void watch(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("main() thread")))
        g_wrongThread = true;
}
} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(watch);
    // The worker is still running when the application object is made, as
    // at a real start.
    std::promise<void> touched, appMade;
    startahead::run([&] {
        QFile touch(QStringLiteral("/dev/null"));
        touched.set_value();
        appMade.get_future().wait();
    });
    touched.get_future().wait();
    QCoreApplication app(argc, argv);
    appMade.set_value();
    startahead::await();
    if (g_wrongThread)
        std::fputs("FAIL: the worker became Qt's main thread\n", stderr);
    return g_wrongThread ? 1 : 0;
}
