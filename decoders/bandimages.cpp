// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/bandimages.h"

#include "decoders/mod_r.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace bandimages {
namespace {

struct Metal
{
    mod_R::Rgb dark;
    mod_R::Rgb light;
    mod_R::Rgb average;
};

// Dark and highlight ends and the average colour of each metallic band.
constexpr Metal kSilver{{62, 50, 36}, {243, 226, 210}, {129, 114, 101}};
constexpr Metal kGold{{79, 63, 32}, {237, 217, 129}, {162, 139, 79}};

// Brightness 0..1 of each row: a cylinder lit from above with its highlight a
// third of the way down, roughened by fine horizontal stripes.
std::array<double, kBandHeight> brightnessProfile()
{
    std::array<double, kBandHeight> p{};
    double lo = 1e9, hi = -1e9;
    for (int y = 0; y < kBandHeight; ++y) {
        const double u = (y + 0.5) / kBandHeight;
        const double d = (u - 1.0 / 3.0) / 0.24;
        double v = std::exp(-d * d);
        v += 0.12 * std::exp(-std::pow((u - 0.82) / 0.08, 2));   // reflection near the bottom
        v += 0.045 * std::sin(y * 2.3) + 0.03 * std::sin(y * 5.7 + 1.0);
        p[size_t(y)] = v;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    for (double &v : p)
        v = (v - lo) / (hi - lo);
    return p;
}

// The exponent that brings the mean of p^g to target: each channel keeps both
// ends of the ramp and gets its stated average.
double gammaFor(const std::array<double, kBandHeight> &p, double target)
{
    auto mean = [&p](double g) {
        double s = 0;
        for (double v : p)
            s += std::pow(v, g);
        return s / double(p.size());
    };
    double lo = 0.05, hi = 20;   // mean falls as the exponent grows
    for (int i = 0; i < 60; ++i) {
        const double mid = std::sqrt(lo * hi);
        if (mean(mid) > target)
            lo = mid;
        else
            hi = mid;
    }
    return std::sqrt(lo * hi);
}

QImage metallic(const Metal &m)
{
    const auto p = brightnessProfile();
    const int dark[3] = {m.dark.r, m.dark.g, m.dark.b};
    const int light[3] = {m.light.r, m.light.g, m.light.b};
    const int avg[3] = {m.average.r, m.average.g, m.average.b};
    double gamma[3];
    for (int c = 0; c < 3; ++c)
        gamma[c] = gammaFor(p, double(avg[c] - dark[c]) / (light[c] - dark[c]));

    QImage img(kBandWidth, kBandHeight, QImage::Format_RGB32);
    for (int y = 0; y < kBandHeight; ++y) {
        int ch[3];
        for (int c = 0; c < 3; ++c)
            ch[c] = int(std::lround(dark[c] + std::pow(p[size_t(y)], gamma[c]) * (light[c] - dark[c])));
        const QRgb row = qRgb(ch[0], ch[1], ch[2]);
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < kBandWidth; ++x)
            line[x] = row;
    }
    return img;
}

QColor toColor(const mod_R::Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

QRgb bodyColour()
{
    return toColor(mod_R::colour(mod_R::kUnmarked).bandColour).rgb();
}

QImage bandImage(int colourIndex)
{
    if (!mod_R::isColourIndex(colourIndex))
        return QImage();
    if (colourIndex == mod_R::kSilver)
        return metallic(kSilver);
    if (colourIndex == mod_R::kGold)
        return metallic(kGold);
    QImage img(kBandWidth, kBandHeight, QImage::Format_RGB32);
    img.fill(toColor(mod_R::colour(colourIndex).bandColour));
    return img;
}

QVector<QPixmap> imageList()
{
    QVector<QPixmap> list;
    for (int i = 0; i < mod_R::kColourCount; ++i)
        list.append(QPixmap::fromImage(bandImage(i)));
    return list;
}

QImage resistorBody(const QSize &size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(248, 248, 244));
    const double W = size.width(), H = size.height();
    if (W < 2 || H < 2)
        return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Leads: a tinned wire through the middle, rounder by a vertical ramp.
    const double leadH = std::max(2.0, 0.07 * H);
    const QRectF lead(0, H / 2 - leadH / 2, W, leadH);
    QLinearGradient wire(lead.topLeft(), lead.bottomLeft());
    wire.setColorAt(0, QColor(120, 120, 124));
    wire.setColorAt(0.35, QColor(222, 222, 226));
    wire.setColorAt(1, QColor(96, 96, 100));
    p.fillRect(lead, wire);

    // Body outline: end caps bulge above the middle, joined by soft necks.
    const double x0 = 0.14 * W, x1 = 0.72 * W;      // body ends
    const double capW = 0.06 * W, neck = 0.025 * W;
    const double capTop = 0.15 * H, midTop = 0.20 * H;
    const double capBot = H - capTop, midBot = H - midTop;
    const double r = std::min(capW, capBot - capTop) * 0.45;
    QPainterPath body;
    body.moveTo(x0, H / 2);
    body.cubicTo(x0, capTop + r * 0.2, x0 + r * 0.2, capTop, x0 + r, capTop);
    body.lineTo(x0 + capW - r * 0.5, capTop);
    body.cubicTo(x0 + capW, capTop, x0 + capW, midTop, x0 + capW + neck, midTop);
    body.lineTo(x1 - capW - neck, midTop);
    body.cubicTo(x1 - capW, midTop, x1 - capW, capTop, x1 - capW + r * 0.5, capTop);
    body.lineTo(x1 - r, capTop);
    body.cubicTo(x1 - r * 0.2, capTop, x1, capTop + r * 0.2, x1, H / 2);
    body.cubicTo(x1, capBot - r * 0.2, x1 - r * 0.2, capBot, x1 - r, capBot);
    body.lineTo(x1 - capW + r * 0.5, capBot);
    body.cubicTo(x1 - capW, capBot, x1 - capW, midBot, x1 - capW - neck, midBot);
    body.lineTo(x0 + capW + neck, midBot);
    body.cubicTo(x0 + capW, midBot, x0 + capW, capBot, x0 + capW - r * 0.5, capBot);
    body.lineTo(x0 + r, capBot);
    body.cubicTo(x0 + r * 0.2, capBot, x0, capBot - r * 0.2, x0, H / 2);
    body.closeSubpath();

    // A soft shadow below the body on the background.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawPath(body.translated(i * 0.008 * W, i * 0.018 * H));
    }

    const QColor tan = QColor::fromRgb(bodyColour());
    p.setBrush(tan);
    p.drawPath(body);

    // The caps are shaded as cylinders; the middle, where the rings sit,
    // stays flat so that an unmarked ring cannot be told from the body.
    p.save();
    p.setClipPath(body);
    QLinearGradient shade(0, capTop, 0, capBot);
    shade.setColorAt(0, QColor(90, 60, 30, 90));
    shade.setColorAt(0.28, QColor(255, 240, 220, 110));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(70, 40, 15, 130));
    p.fillRect(QRectF(0, 0, x0 + capW, H), shade);
    p.fillRect(QRectF(x1 - capW, 0, W, H), shade);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 108, 66), std::max(1.0, H / 110.0)));
    p.drawPath(body);
    return img;
}

} // namespace bandimages
