// SPDX-License-Identifier: GPL-3.0-or-later
// Renders SVG drawings into pictures on a white background with Qt's SVG
// image plugin (no other converter needed).
// Usage: svgrender WIDTH HEIGHT IN.svg OUT.(jpg|png) [WIDTH HEIGHT IN OUT ...]
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 5 || (argc - 1) % 4 != 0) {
        std::fprintf(stderr, "usage: svgrender W H in.svg out [W H in out ...]\n");
        return 2;
    }
    for (int i = 1; i + 3 < argc; i += 4) {
        const int w = std::atoi(argv[i]), h = std::atoi(argv[i + 1]);
        QImageReader reader(QString::fromLocal8Bit(argv[i + 2]));
        reader.setScaledSize(QSize(w, h));
        const QImage drawing = reader.read();
        if (drawing.isNull()) {
            std::fprintf(stderr, "%s: %s\n", argv[i + 2], qPrintable(reader.errorString()));
            return 1;
        }
        QImage out(w, h, QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        p.drawImage(0, 0, drawing);
        p.end();
        const QString name = QString::fromLocal8Bit(argv[i + 3]);
        const bool jpg = name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
        if (!out.save(name, jpg ? "JPG" : "PNG", jpg ? 82 : -1)) {
            std::fprintf(stderr, "cannot write %s\n", argv[i + 3]);
            return 1;
        }
    }
    return 0;
}
