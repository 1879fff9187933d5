// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowtest.h"
#include "ui/lazyicons.h"
#include "ui/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QResource>
#include <QImageReader>
#include <QImageWriter>
#include <QStyleFactory>

class PicturesTest : public QObject
{
    Q_OBJECT

    static QByteArray pngOf(const QImage &image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(image);
        return bytes;
    }

    static QImage qtReads(const QByteArray &png)
    {
        return QImage::fromData(png, "png").convertToFormat(QImage::Format_ARGB32);
    }

    static QImage sample(QImage::Format format)
    {
        QImage argb(7, 5, QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                argb.setPixel(x, y, qRgba(37 * x, 50 * y, 255 - 30 * x, x == 3 ? 0 : 40 * y + 55));
        return argb.convertToFormat(format);
    }

private Q_SLOTS:
    // First, before anything else here reads a picture: listing the plugins
    // ahead, as the start does on its worker, loads none of them.
    void listing_image_plugins_loads_none()
    {
        pictures::usePngReader();
        pictures::listImagePlugins();
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            QSKIP("no /proc/self/maps");
        QVERIFY(!maps.readAll().contains("/imageformats/"));
    }

    // Every PNG layout Qt writes decodes to the same pixels as Qt's reader.
    void decodes_as_qt_does_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("rgba") << sample(QImage::Format_ARGB32);
        QTest::newRow("rgb") << sample(QImage::Format_RGB888);
        QTest::newRow("grey") << sample(QImage::Format_Grayscale8);
        QTest::newRow("grey 16 bit") << sample(QImage::Format_Grayscale16);
        QTest::newRow("rgba 16 bit") << sample(QImage::Format_RGBA64);
        QTest::newRow("palette with alpha") << sample(QImage::Format_Indexed8);
        QTest::newRow("one bit") << sample(QImage::Format_Mono);
        QTest::newRow("icon") << QImage(QStringLiteral(":/icons/01.png"));
    }
    void decodes_as_qt_does()
    {
        QFETCH(QImage, image);
        const QByteArray png = pngOf(image);
        const QImage ours = pictures::decodePng(png);
        QCOMPARE(ours.format(), QImage::Format_ARGB32);
        QCOMPARE(ours, qtReads(png));
    }

    void damaged_data_gives_a_null_picture()
    {
        const QByteArray good = pngOf(sample(QImage::Format_ARGB32));
        QByteArray badCrc = good;
        badCrc[good.size() / 2] = char(badCrc[good.size() / 2] ^ 0x5a);
        QByteArray huge = good;   // width 2^31-1 in the header
        huge.replace(16, 4, QByteArray("\x7f\xff\xff\xff", 4));
        for (const QByteArray &bad : {QByteArray(), QByteArray("\x89PNG\r\n\x1a\n"), good.left(good.size() / 2),
                                      badCrc, huge, QByteArray(4096, 'x')})
            QVERIFY(pictures::decodePng(bad).isNull());
    }

    // The pixels written at build time are the PNGs as Qt reads them, and
    // they are what reading the PNG gives.
    void ready_pixels_are_the_pngs()
    {
        int count = 0;
        for (const QString &dir : {QStringLiteral(":/icons/"), QStringLiteral(":/calculators/")})
            for (const QString &raw : QDir(dir).entryList({QStringLiteral("*.argb")})) {
                const QString png = dir + raw.chopped(5) + QStringLiteral(".png");
                const QResource r(dir + raw);
                const QImage ready = pictures::fromRaw(r.data(), r.size());
                QVERIFY2(!ready.isNull(), qPrintable(raw));
                QCOMPARE(ready, QImage(png, "png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
                QCOMPARE(pictures::read(png, "png"), ready);
                ++count;
            }
        QCOMPARE(count, 19);   // the toolbar's, the logo and the transformer window's
    }

    void damaged_ready_pixels_give_a_null_picture()
    {
        const auto make = [](quint32 magic, quint32 order, quint32 w, quint32 h, int pixelBytes) {
            const quint32 head[4] = {magic, order, w, h};
            return QByteArray(reinterpret_cast<const char *>(head), sizeof head) + QByteArray(pixelBytes, '\x7f');
        };
        const quint32 magic = pictures::kRawMagic, order = pictures::kRawByteOrder;
        QVERIFY(!pictures::fromRaw(reinterpret_cast<const uchar *>(make(magic, order, 2, 3, 24).constData()), 40)
                     .isNull());
        for (const QByteArray &bad : {QByteArray(), make(magic, order, 2, 3, 24).left(15),
                                      make(magic + 1, order, 2, 3, 24), make(magic, 0x04030201u, 2, 3, 24),
                                      make(magic, order, 2, 3, 23), make(magic, order, 2, 3, 25),
                                      make(magic, order, 0, 3, 0), make(magic, order, 4097, 1, 4097 * 4),
                                      make(magic, order, 0x40000000u, 4, 0)})
            QVERIFY(pictures::fromRaw(reinterpret_cast<const uchar *>(bad.constData()), bad.size()).isNull());
    }

    // Qt's own icons, fetched late, look as the style draws them at once.
    void lazy_standard_icons_match_the_style()
    {
        LazyIconStyle lazy;
        std::unique_ptr<QStyle> plain(QStyleFactory::create(lazy.baseStyle()->name()));
        for (const auto which : {QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarMenuButton,
                                 QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_DialogOkButton}) {
            const QIcon icon = lazy.standardIcon(which);
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.pixmap(16).toImage(), plain->standardIcon(which).pixmap(16).toImage());
        }
        // Once the program has its icon, a tool window's menu button shows it.
        QApplication::setWindowIcon(pictures::pngIcon(QStringLiteral(":/icons/03.png")));
        QCOMPARE(lazy.standardIcon(QStyle::SP_TitleBarMenuButton).pixmap(16).toImage(),
                 QApplication::windowIcon().pixmap(16).toImage());
        QApplication::setWindowIcon(QIcon());
    }
};

KONDRIX_TEST_MAIN(PicturesTest)
#include "pictures_test.moc"
