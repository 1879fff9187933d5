#include "app/frm_head.h"
#include "app/startupprobe.h"
#include "ui/pictures.h"

#include <QApplication>

#ifdef KONDRIX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

int main(int argc, char *argv[])
{
#ifdef KONDRIX_HAVE_FONTCONFIG
    // Reading the font configuration (some seventy XML files) is the longest
    // single step before the first window can show text. Another core does it
    // while Qt starts and the windows are built; Qt then finds it done.
    std::thread fonts([] { FcInit(); });
#endif
    pictures::usePngReader();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kondrix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(KONDRIX_VERSION_MAJOR)
                                            .arg(KONDRIX_VERSION_MINOR)
                                            .arg(KONDRIX_VERSION_PATCH));
    // Ties the windows to the installed menu entry and its icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.kondrix.Kondrix"));
    startupprobe::installIfWanted();
    frm_head w;
    w.show();
#ifdef KONDRIX_HAVE_FONTCONFIG
    fonts.join();
#endif
    return app.exec();
}
