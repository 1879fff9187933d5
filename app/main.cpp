// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"
#include "app/startupprobe.h"
#include "ui/lazyicons.h"
#include "ui/pictures.h"
#include "ui/startahead.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSemaphore>
#include <QThreadPool>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {
QString version()
{
    return QStringLiteral("%1.%2.%3").arg(KONDRIX_VERSION_MAJOR).arg(KONDRIX_VERSION_MINOR).arg(KONDRIX_VERSION_PATCH);
}

struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Kiírja ezt a súgót.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Kiírja a program nevét és változatát.")};
    Options()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Kondrix – elektronikai segédprogramok: alkatrész-katalógusok, kódfejtők, kalkulátorok.\n"
            "A Qt szokásos kapcsolói (például -platform offscreen) is használhatók."));
        // Qt's own options are single-dash words (-reverse): never letters
        // run together, or -reverse would ask for the version.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
    }
};

// Qt fills large areas with the help of its global thread pool; started here,
// its threads are ready before the first window is drawn rather than made in
// the middle of it.
void startDrawingThreads()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    const int n = pool->maxThreadCount();
    // Each task waits until all have started, so that each has a thread of
    // its own; the threads then stay for the pool's expiry time (waiting for
    // the pool to be done would end them). Shared: a task may still be
    // leaving release() when this function returns.
    struct Gates {
        QSemaphore started, go;
    };
    const auto gates = std::make_shared<Gates>();
    for (int i = 0; i < n; ++i)
        pool->start([gates] {
            gates->started.release();
            gates->go.acquire();
        });
    gates->started.acquire(n);
    gates->go.release(n);
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
} // namespace

#ifdef KONDRIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

int main(int argc, char *argv[])
{
    // Help and version need no display: they answer on a text console too,
    // before the window system is touched. (A plain start has nothing to
    // parse.)
    if (argc > 1) {
        Options o;
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        o.parser.parse(raw);   // Qt's own options are unknown here; QApplication takes them
        if (o.parser.isSet(o.help) || o.parser.isSet(o.version)) {
            QCoreApplication core(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("kondrix"));
            if (o.parser.isSet(o.help))
                print(stdout, o.parser.helpText());
            else
                print(stdout, QStringLiteral("kondrix %1\n").arg(version()));
            return 0;
        }
    }

    // The font configuration (some seventy XML files, the longest single step
    // before the first window can show text) is read on another core while Qt
    // starts. Once Qt is up, that core also lists the image plugins (Qt does
    // it at the first picture it reads, in the middle of the first frame) and
    // readies the drawing threads.
    startahead::reserveHeap(2 << 20);
    startahead::run([] {
#ifdef KONDRIX_HAVE_FONTCONFIG
        FcInit();
#endif
    }, [] {
        pictures::listImagePlugins();
        startDrawingThreads();
        // The first local time Qt works out (the date of a picture the style
        // reads) would otherwise read the time zone in the first frame.
        tzset();
    });
    pictures::usePngReader();
    QApplication app(argc, argv);
    // What the worker does last uses the application object: it ends first.
    struct EndWorker {
        ~EndWorker() { startahead::finish(); }
    } endWorker;
    startahead::applicationMade();
    applyProgramStyle();
    QApplication::setApplicationName(QStringLiteral("Kondrix"));
    QApplication::setApplicationVersion(version());
    // Ties the windows to the installed menu entry and its icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.kondrix.Kondrix"));

    // What Qt took from the command line is gone; anything left is unknown.
    if (Options o; QApplication::arguments().size() > 1 && !o.parser.parse(QApplication::arguments())
                   && !o.parser.unknownOptionNames().isEmpty()) {
        const QString name = o.parser.unknownOptionNames().constFirst();
        print(stderr, QStringLiteral("Ismeretlen kapcsoló: %1%2 (kondrix --help)\n")
                          .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        return 2;
    }

    startupprobe::installIfWanted();
    frm_head w;
    startahead::await();
    w.show();
    return app.exec();
}
