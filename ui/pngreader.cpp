// SPDX-License-Identifier: GPL-3.0-or-later
// A reader for PNG files that Qt finds before its image plugins. Qt reads a
// ".png" file with its own built-in decoder, but only after loading every
// image plugin installed to ask whether one would rather read it: a dozen
// libraries (TIFF, WebP, MNG, SVG ...) for the first icon of the program. A
// plugin of ours that claims the suffix is asked first, and hands the file to
// the built-in decoder directly.
#define QT_STATICPLUGIN

#include "ui/pictures.h"

#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QImageReader>

namespace {
// Set while the built-in decoder is being reached through us, so that the
// lookup of "png" passes over this plugin.
thread_local bool t_delegating = false;

class PngHandler : public QImageIOHandler
{
public:
    bool canRead() const override
    {
        if (!device() || device()->peek(8) != QByteArray("\x89PNG\r\n\x1A\n", 8))
            return false;
        setFormat("png");
        return true;
    }

    bool read(QImage *image) override
    {
        t_delegating = true;
        QImageReader builtIn(device(), "png");
        builtIn.setAutoDetectImageFormat(false);
        *image = builtIn.read();
        t_delegating = false;
        return !image->isNull();
    }
};
} // namespace

class KondrixPngPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "pngreader.json")
public:
    Capabilities capabilities(QIODevice *device, const QByteArray &format) const override
    {
        if (t_delegating || format != "png" || (device && !device->isReadable()))
            return {};
        return CanRead;
    }

    QImageIOHandler *create(QIODevice *device, const QByteArray &format) const override
    {
        auto *h = new PngHandler;
        h->setDevice(device);
        h->setFormat(format);
        return h;
    }
};

extern const QStaticPlugin qt_static_plugin_KondrixPngPlugin();

void pictures::usePngReader()
{
    static const bool registered = [] {
        qRegisterStaticPluginFunction(qt_static_plugin_KondrixPngPlugin());
        return true;
    }();
    Q_UNUSED(registered);
}

void pictures::listImagePlugins()
{
    usePngReader();
    // The list is made on the first look-up and kept. A ".png" file goes to
    // ours by its suffix, so no plugin library is loaded.
    QImageReader probe(QStringLiteral(":/icons/kondrix.png"));
    (void)probe.format();
}

#include "pngreader.moc"
