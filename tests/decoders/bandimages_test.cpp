// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_r4.h"
#include "decoders/frm_r5.h"
#include "resistortest.h"
#include "support/windowtest.h"

using namespace resistortest;

class BandImagesTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QColor average(const QImage &img)
    {
        double sum[3] = {};
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                for (int c = 0; c < 3; ++c)
                    sum[c] += (img.pixel(x, y) >> (16 - 8 * c)) & 0xff;
        const double n = double(img.width()) * img.height();
        return QColor(int(std::lround(sum[0] / n)), int(std::lround(sum[1] / n)), int(std::lround(sum[2] / n)));
    }
    static int brightness(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p); }

    // Every pixel of the body picture under each band of the window is the
    // body colour: an unmarked band is invisible there.
    static void verifyBodyUnderBands(const QWidget &w, const char *image, const char *bands, int first, int last)
    {
        auto *body = part<ImageControl>(w, QLatin1String(image));
        const QImage pic = body->picture().toImage().scaled(body->size());
        for (int i = first; i <= last; ++i) {
            auto *band = part<QWidget>(w, indexed(bands, i));
            const QRect r = band->geometry().translated(-body->pos());
            QVERIFY2(pic.rect().contains(r), qPrintable(indexed(bands, i)));
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (pic.pixel(x, y) != bandimages::bodyColour())
                        QFAIL(qPrintable(QStringLiteral("%1: not body colour at %2,%3").arg(indexed(bands, i)).arg(x).arg(y)));
        }
    }

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void band_images_are_flat_colours_or_metal_textures()
    {
        const struct { int index; QRgb flat; } flats[] = {{Black, qRgb(0, 0, 0)}, {Brown, qRgb(128, 64, 0)},
            {Orange, qRgb(255, 143, 15)}, {Violet, qRgb(128, 127, 255)}, {None, qRgb(208, 160, 111)}};
        for (const auto &f : flats) {
            const QImage img = bandimages::bandImage(f.index);
            QCOMPARE(img.size(), QSize(20, 67));
            QCOMPARE(img.pixel(0, 0), f.flat);
            QCOMPARE(img.pixel(19, 66), f.flat);
            QCOMPARE(average(img).rgb(), f.flat);
        }
        QCOMPARE(bandimages::bodyColour(), qRgb(208, 160, 111));
        QVERIFY(bandimages::bandImage(13).isNull());
        QVERIFY(bandimages::bandImage(-1).isNull());
        QCOMPARE(bandimages::imageList().size(), 13);

        const struct { int index; QColor avg; } metals[] = {{Silver, QColor(129, 114, 101)}, {Gold, QColor(162, 139, 79)}};
        for (const auto &m : metals) {
            const QImage img = bandimages::bandImage(m.index);
            QCOMPARE(img.size(), QSize(20, 67));
            const QColor avg = average(img);
            QVERIFY2(std::abs(avg.red() - m.avg.red()) <= 2 && std::abs(avg.green() - m.avg.green()) <= 2
                         && std::abs(avg.blue() - m.avg.blue()) <= 2,
                     qPrintable(avg.name()));
            int brightest = 0;
            for (int y = 0; y < img.height(); ++y) {
                QCOMPARE(img.pixel(0, y), img.pixel(19, y));   // horizontal stripes
                if (brightness(img.pixel(0, y)) > brightness(img.pixel(0, brightest)))
                    brightest = y;
            }
            QVERIFY2(brightest >= 15 && brightest <= 30, qPrintable(QString::number(brightest)));
        }
    }

    void bands_sit_on_the_flat_body()
    {
        frm_R4 r4;
        verifyBodyUnderBands(r4, "Image1", "Sáv_pic", 1, 4);
        verifyBodyUnderBands(r4, "Image2", "Sáv_B", 0, 3);
        frm_R5 r5;
        verifyBodyUnderBands(r5, "Image1", "Sáv_pic", 1, 5);

        // Leads and background around the body.
        const QImage body = bandimages::resistorBody(QSize(421, 119));
        const QRgb corner = body.pixel(0, 0);
        QVERIFY(qRed(corner) > 235 && qGreen(corner) > 235 && qBlue(corner) > 235);
        const QRgb lead = body.pixel(5, 59);
        QVERIFY(std::abs(qRed(lead) - qBlue(lead)) < 12 && qRed(lead) < 235);   // grey wire
        QCOMPARE(bandimages::resistorBody(QSize(1, 1)).size(), QSize(1, 1));
    }
};

KONDRIX_TEST_MAIN(BandImagesTest)
#include "bandimages_test.moc"
