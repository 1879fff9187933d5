// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For timing the start from outside: once the first window is on screen and
// drawn, writes "shown" to standard output and waits until standard input
// closes (the timer reads the process's libraries meanwhile), then ends the
// program. Header-only, so that the bare comparison program shares it
// without linking anything of ours.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <unistd.h>

namespace startupprobe {

inline constexpr const char *kVariable = "KONDRIX_STARTUP_PROBE";

class Probe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Expose && watched->isWindowType() && !m_done) {
            m_done = true;
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the window draws itself while handling this very event.
            QMetaObject::invokeMethod(this, &Probe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        char buf[64];
        while (::read(STDIN_FILENO, buf, sizeof buf) > 0) {
        }
        QCoreApplication::exit(0);
    }

    bool m_done = false;
};

// Before the first show, when the variable is set.
inline void installIfWanted()
{
    if (qEnvironmentVariableIsSet(kVariable))
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(new Probe(app));
}

} // namespace startupprobe
