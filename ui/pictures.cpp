// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QResource>

#include <png.h>

#include <cstring>

namespace pictures {

namespace {
QImage decodeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodePng(file.readAll());
}
} // namespace

QImage decodePng(const QByteArray &data)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.constData(), size_t(data.size())))
        return {};
    // libpng takes a 16-bit file as linear light and would brighten it on the
    // way to 8 bits; Qt's reader keeps the values. None of ours is 16-bit.
    if (png.format & PNG_FORMAT_FLAG_LINEAR) {
        png_image_free(&png);
        return QImage::fromData(data, "png").convertToFormat(QImage::Format_ARGB32);
    }
    // QImage::Format_ARGB32 is one 0xAARRGGBB word per pixel.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    if (png.width == 0 || png.height == 0 || png.width > 16384 || png.height > 16384) {
        png_image_free(&png);
        return {};
    }
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    if (!png_image_finish_read(&png, nullptr, image.bits(), int(image.bytesPerLine()), nullptr))
        return {};   // finish_read frees the image on failure too
    return image;
}

QImage fromRaw(const uchar *data, qint64 size)
{
    quint32 head[4];
    if (!data || size < qint64(sizeof head))
        return {};
    std::memcpy(head, data, sizeof head);
    const quint32 width = head[2], height = head[3];
    if (head[0] != kRawMagic || head[1] != kRawByteOrder || width == 0 || height == 0 || width > 4096
        || height > 4096 || size != qint64(sizeof head) + qint64(width) * height * 4)
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    // Copied row by row: the resource's bytes need not be word-aligned.
    for (quint32 y = 0; y < height; ++y)
        std::memcpy(image.scanLine(int(y)), data + sizeof head + y * width * 4, width * 4);
    return image;
}

QImage read(const QString &path, const QByteArray &format)
{
    if (format == "png") {
        if (path.startsWith(QLatin1String(":/")) && path.endsWith(QLatin1String(".png"))) {
            const QResource raw(path.chopped(4) + QLatin1String(".argb"));
            if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression) {
                const QImage image = fromRaw(raw.data(), raw.size());
                if (!image.isNull())
                    return image;
            }
        }
        return decodeFile(path);
    }
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
