#include "app/frm_head.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kondrix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(KONDRIX_VERSION_MAJOR)
                                            .arg(KONDRIX_VERSION_MINOR)
                                            .arg(KONDRIX_VERSION_PATCH));
    // Ties the windows to the installed menu entry and its icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.kondrix.Kondrix"));
    frm_head w;
    w.show();
    return app.exec();
}
