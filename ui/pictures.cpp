// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures.h"

#include <QFile>
#include <QHash>
#include <QIcon>
#include <QImageReader>

#include <png.h>

#include <condition_variable>
#include <mutex>

namespace pictures {

namespace {
// Pictures decoded ahead on another thread. A reader waits while a preload
// it was told of is still running.
struct Preloaded
{
    std::mutex mutex;
    std::condition_variable done;
    bool pending = false;
    QHash<QString, QImage> images;
};

Preloaded &preloaded()
{
    static Preloaded p;
    return p;
}

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

void expectPreload()
{
    Preloaded &p = preloaded();
    const std::lock_guard<std::mutex> lock(p.mutex);
    p.pending = true;
}

void preload(const QStringList &paths)
{
    QHash<QString, QImage> images;
    for (const QString &path : paths)
        images.insert(path, decodeFile(path));
    Preloaded &p = preloaded();
    {
        const std::lock_guard<std::mutex> lock(p.mutex);
        p.images.insert(images);
        p.pending = false;
    }
    p.done.notify_all();
}

QImage read(const QString &path, const QByteArray &format)
{
    if (format == "png") {
        Preloaded &p = preloaded();
        {
            std::unique_lock<std::mutex> lock(p.mutex);
            p.done.wait(lock, [&p] { return !p.pending; });
            const auto hit = p.images.constFind(path);
            if (hit != p.images.cend())
                return *hit;
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
