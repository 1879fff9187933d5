// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QFile>
#include <QIcon>
#include <QImageReader>

namespace pictures {

QImage read(const QString &path, const QByteArray &format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setDecideFormatFromContent(format.isEmpty());
    return reader.read();
}

QByteArray formatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(8);
    if (head.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    if (head.startsWith("BM"))
        return "bmp";
    if (head.startsWith("GIF8"))
        return "gif";
    return {};
}

QPixmap png(const QString &path)
{
    return QPixmap::fromImage(read(path, "png"));
}

QIcon pngIcon(const QString &path)
{
    return QIcon(png(path));
}

} // namespace pictures
