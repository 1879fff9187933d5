// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: writes a picture's pixels ready to use (see pictures::fromRaw),
// so that the start decodes no PNG. Qt reads the picture; its reader is the
// one the program falls back on.
//   kondrix-rawpicture in.png out.argb
#include "ui/pictures.h"

#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: kondrix-rawpicture in.png out.argb\n", stderr);
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]), "png")
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "kondrix-rawpicture: cannot read %s\n", argv[1]);
        return 1;
    }
    // A reader of another byte order sees the mark wrong and reads the PNG.
    const quint32 head[4] = {pictures::kRawMagic, pictures::kRawByteOrder, quint32(image.width()),
                             quint32(image.height())};
    QByteArray out(reinterpret_cast<const char *>(head), sizeof head);
    for (int y = 0; y < image.height(); ++y)
        out.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        std::fprintf(stderr, "kondrix-rawpicture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
