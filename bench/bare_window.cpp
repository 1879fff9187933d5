// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: an empty main window, nothing more.
#include "app/startupprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startupprobe::installIfWanted();
    QMainWindow w;
    w.show();
    return app.exec();
}
