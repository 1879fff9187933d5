// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/schematics.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace schematics {
namespace {

QImage canvas(const QSize &size)
{
    QImage img(size.expandedTo(QSize(8, 8)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

void setUp(QPainter &p, double unit)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, std::max(1.0, unit * 0.06), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QFont f = p.font();
    f.setPixelSize(std::max(6, int(unit * 0.5)));
    f.setBold(true);
    p.setFont(f);
}

void terminal(QPainter &p, QPointF c, double unit)
{
    const double r = unit * 0.1;
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.restore();
}

void dot(QPainter &p, QPointF c, double unit)
{
    const double r = unit * 0.08;
    p.save();
    p.setBrush(Qt::black);
    p.drawEllipse(c, r, r);
    p.restore();
}

// A resistor body (IEC rectangle) centred at c, lying along x or y.
void resistor(QPainter &p, QPointF c, double unit, bool vertical, const QString &name)
{
    const double len = unit * 1.2, wid = unit * 0.42;
    const QRectF body = vertical ? QRectF(c.x() - wid / 2, c.y() - len / 2, wid, len)
                                 : QRectF(c.x() - len / 2, c.y() - wid / 2, len, wid);
    p.save();
    p.setBrush(QColor(255, 255, 210));
    p.drawRect(body);
    p.restore();
    const QRectF text = vertical ? QRectF(body.right() + unit * 0.1, c.y() - unit / 2, unit * 1.2, unit)
                                 : QRectF(c.x() - unit, body.top() - unit * 0.75, unit * 2, unit * 0.6);
    p.drawText(text, (vertical ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, name);
}

// A voltage arrow between two terminals one above the other, with its name.
void voltage(QPainter &p, double x, double top, double bottom, double unit, const QString &name, bool left)
{
    p.save();
    QPen pen = p.pen();
    pen.setColor(QColor(0, 0, 160));
    p.setPen(pen);
    p.setBrush(QColor(0, 0, 160));
    const double y1 = top + unit * 0.3, y2 = bottom - unit * 0.3;
    p.drawLine(QPointF(x, y1), QPointF(x, y2));
    const double h = unit * 0.18;
    QPolygonF head;
    head << QPointF(x, y2 + h * 0.2) << QPointF(x - h * 0.6, y2 - h) << QPointF(x + h * 0.6, y2 - h);
    p.drawPolygon(head);
    const QRectF text = left ? QRectF(x - unit * 1.7, (top + bottom) / 2 - unit / 2, unit * 1.6, unit)
                             : QRectF(x + unit * 0.1, (top + bottom) / 2 - unit / 2, unit * 1.6, unit);
    p.drawText(text, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name);
    p.restore();
}

} // namespace

QImage divider(const QSize &size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    // Drawn on a 5 x 7 grid of units, centred.
    const double unit = std::min(img.width() / 5.0, img.height() / 7.0);
    p.translate((img.width() - unit * 5) / 2, (img.height() - unit * 7) / 2);
    setUp(p, unit);
    const double xl = unit * 1.3, xr = unit * 3.6, yt = unit * 0.6, yb = unit * 6.4;
    const double yr = unit * 2.0, ymid = unit * 3.5;
    // Input terminals on the left, R1 down the left wire, R2 across to the output.
    terminal(p, {xl, yt}, unit);
    terminal(p, {xl, yb}, unit);
    p.drawLine(QPointF(xl, yt), QPointF(xl + unit * 0.9, yt));
    const double xm = xl + unit * 0.9;
    p.drawLine(QPointF(xm, yt), QPointF(xm, yr - unit * 0.6));
    resistor(p, {xm, yr}, unit, true, QStringLiteral("R1"));
    p.drawLine(QPointF(xm, yr + unit * 0.6), QPointF(xm, ymid + unit * 0.2));
    dot(p, {xm, ymid + unit * 0.2}, unit);
    p.drawLine(QPointF(xm, ymid + unit * 0.2), QPointF(xr, ymid + unit * 0.2));
    terminal(p, {xr, ymid + unit * 0.2}, unit);
    p.drawLine(QPointF(xm, ymid + unit * 0.2), QPointF(xm, ymid + unit * 0.5));
    resistor(p, {xm, ymid + unit * 1.1}, unit, true, QStringLiteral("R2"));
    p.drawLine(QPointF(xm, ymid + unit * 1.7), QPointF(xm, yb));
    p.drawLine(QPointF(xl, yb), QPointF(xr, yb));
    dot(p, {xm, yb}, unit);
    terminal(p, {xr, yb}, unit);
    voltage(p, xl - unit * 0.35, yt, yb, unit, QStringLiteral("U1"), true);
    voltage(p, xr + unit * 0.35, ymid + unit * 0.2, yb, unit, QStringLiteral("U2"), false);
    return img;
}

QImage parallel(const QSize &size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    // Drawn on an 8 x 5 grid of units, centred.
    const double unit = std::min(img.width() / 8.0, img.height() / 5.0);
    p.translate((img.width() - unit * 8) / 2, (img.height() - unit * 5) / 2);
    setUp(p, unit);
    const double yt = unit * 0.9, yb = unit * 4.1, x0 = unit * 1.4, x1 = unit * 3.6, x2 = unit * 6.0;
    const double yc = (yt + yb) / 2;
    terminal(p, {x0, yt}, unit);
    terminal(p, {x0, yb}, unit);
    p.drawLine(QPointF(x0, yt), QPointF(x2, yt));
    p.drawLine(QPointF(x0, yb), QPointF(x2, yb));
    dot(p, {x1, yt}, unit);
    dot(p, {x1, yb}, unit);
    for (double x : {x1, x2}) {
        p.drawLine(QPointF(x, yt), QPointF(x, yc - unit * 0.6));
        p.drawLine(QPointF(x, yc + unit * 0.6), QPointF(x, yb));
    }
    resistor(p, {x1, yc}, unit, true, QStringLiteral("R1"));
    resistor(p, {x2, yc}, unit, true, QStringLiteral("R2"));
    p.drawText(QRectF(0, yc - unit / 2, x0 - unit * 0.25, unit), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("RE"));
    return img;
}

} // namespace schematics

namespace schematics {
namespace {

// A capacitor with plates across a vertical wire, centred at c.
void capacitor(QPainter &p, QPointF c, double unit, const QString &name)
{
    const double gap = unit * 0.14, half = unit * 0.4;
    p.drawLine(QPointF(c.x() - half, c.y() - gap), QPointF(c.x() + half, c.y() - gap));
    p.drawLine(QPointF(c.x() - half, c.y() + gap), QPointF(c.x() + half, c.y() + gap));
    p.drawText(QRectF(c.x() + half + unit * 0.1, c.y() - unit / 2, unit * 1.2, unit),
               Qt::AlignLeft | Qt::AlignVCenter, name);
}

// An LED pointing down along a vertical wire, centred at c, light arrows to the right.
void led(QPainter &p, QPointF c, double unit)
{
    const double h = unit * 0.32, w = unit * 0.36;
    p.save();
    p.setBrush(QColor(255, 80, 80));
    QPolygonF tri;
    tri << QPointF(c.x() - w, c.y() - h) << QPointF(c.x() + w, c.y() - h) << QPointF(c.x(), c.y() + h);
    p.drawPolygon(tri);
    p.restore();
    p.drawLine(QPointF(c.x() - w, c.y() + h), QPointF(c.x() + w, c.y() + h));
    p.save();
    QPen pen = p.pen();
    pen.setColor(QColor(200, 0, 0));
    p.setPen(pen);
    p.setBrush(QColor(200, 0, 0));
    for (double dy : {-0.15, 0.15}) {
        const QPointF a(c.x() + w * 0.9, c.y() + dy * unit), b = a + QPointF(unit * 0.4, -unit * 0.25);
        p.drawLine(a, b);
        const QPointF dir = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const QPointF side(-dir.y(), dir.x());
        const double s = unit * 0.1;
        QPolygonF head;
        head << b << b - dir * s * 1.6 + side * s * 0.7 << b - dir * s * 1.6 - side * s * 0.7;
        p.drawPolygon(head);
    }
    p.restore();
}

void text(QPainter &p, const QRectF &r, const QString &s, int align = Qt::AlignCenter, double scale = 1.0)
{
    p.save();
    QFont f = p.font();
    f.setPixelSize(std::max(5, int(f.pixelSize() * scale)));
    p.setFont(f);
    p.drawText(r, align, s);
    p.restore();
}

// A chip body with its name; pins are drawn by the caller.
void chip(QPainter &p, const QRectF &body, const QString &name)
{
    p.save();
    p.setBrush(QColor(225, 230, 240));
    p.drawRect(body);
    p.restore();
    p.drawText(body, Qt::AlignCenter, name);
}

// A dimension arrow between a and b with its name beside the middle.
void dimension(QPainter &p, QPointF a, QPointF b, double unit, const QString &name, QPointF textOffset)
{
    p.save();
    QPen pen = p.pen();
    pen.setColor(QColor(0, 0, 160));
    pen.setWidthF(pen.widthF() * 0.7);
    p.setPen(pen);
    p.setBrush(QColor(0, 0, 160));
    p.drawLine(a, b);
    const QPointF dir = (b - a) / std::max(1e-9, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF side(-dir.y(), dir.x());
    const double s = unit * 0.12;
    for (const auto &[tip, d] : {std::pair{a, -dir}, std::pair{b, dir}}) {
        QPolygonF head;
        head << tip << tip - d * s * 1.6 + side * s * 0.6 << tip - d * s * 1.6 - side * s * 0.6;
        p.drawPolygon(head);
    }
    const QPointF mid = (a + b) / 2 + textOffset;
    p.drawText(QRectF(mid.x() - unit / 2, mid.y() - unit / 2, unit, unit), Qt::AlignCenter, name);
    p.restore();
}

} // namespace

QImage ledString(const QSize &size, int count)
{
    QImage img = canvas(size);
    QPainter p(&img);
    // Drawn on a 6 x 6 grid of units, centred.
    const double unit = std::min(img.width() / 6.0, img.height() / 6.0);
    p.translate((img.width() - unit * 6) / 2, (img.height() - unit * 6) / 2);
    setUp(p, unit);
    const double xl = unit * 1.2, xr = unit * 4.2, yt = unit * 0.9, yb = unit * 5.4;
    terminal(p, {xl, yt}, unit);
    terminal(p, {xl, yb}, unit);
    const double xR = (xl + xr) / 2;
    p.drawLine(QPointF(xl, yt), QPointF(xR - unit * 0.6, yt));
    resistor(p, {xR, yt}, unit, false, QStringLiteral("R"));
    p.drawLine(QPointF(xR + unit * 0.6, yt), QPointF(xr, yt));
    p.drawLine(QPointF(xl, yb), QPointF(xr, yb));
    const int drawn = std::clamp(count, 1, 3);
    const double span = yb - yt, step = span / (drawn + 1);
    double y = yt;
    for (int i = 0; i < drawn; ++i) {
        const double c = yt + step * (i + 1);
        p.drawLine(QPointF(xr, y), QPointF(xr, c - unit * 0.32));
        if (i == 1 && count > 3) {
            // Dotted gap for the LEDs that are not drawn.
            for (int k = -1; k <= 1; ++k)
                dot(p, {xr, c + k * unit * 0.25}, unit * 0.7);
            p.drawText(QRectF(xr + unit * 0.3, c - unit / 2, unit * 1.6, unit), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("×%1").arg(count));
            y = c + unit * 0.32;
            continue;
        }
        led(p, {xr, c}, unit);
        y = c + unit * 0.32;
    }
    p.drawLine(QPointF(xr, y), QPointF(xr, yb));
    voltage(p, xl - unit * 0.35, yt, yb, unit, QStringLiteral("U"), true);
    return img;
}

QImage timer555(const QSize &size, bool astable)
{
    QImage img = canvas(size);
    QPainter p(&img);
    // Drawn on an 8 x 7 grid of units, centred.
    const double unit = std::min(img.width() / 8.0, img.height() / 7.0);
    p.translate((img.width() - unit * 8) / 2, (img.height() - unit * 7) / 2);
    setUp(p, unit);
    const double yv = unit * 0.5, yg = unit * 6.5, xw = unit * 1.3;
    const QRectF body(unit * 3.2, unit * 1.8, unit * 2.6, unit * 3.4);
    // Supply rail on top, ground below.
    p.drawLine(QPointF(xw, yv), QPointF(unit * 7.2, yv));
    p.drawLine(QPointF(xw, yg), QPointF(unit * 7.2, yg));
    text(p, QRectF(unit * 6.2, yv - unit * 0.55, unit * 1.6, unit * 0.5), QStringLiteral("+U"), Qt::AlignCenter, 0.8);
    // 8 and 4 to the rail, 1 to ground.
    const double x8 = body.left() + unit * 0.7, x4 = body.right() - unit * 0.7, x1 = body.center().x();
    p.drawLine(QPointF(x8, yv), QPointF(x8, body.top()));
    p.drawLine(QPointF(x4, yv), QPointF(x4, body.top()));
    dot(p, {x8, yv}, unit);
    dot(p, {x4, yv}, unit);
    p.drawLine(QPointF(x1, body.bottom()), QPointF(x1, yg));
    dot(p, {x1, yg}, unit);
    chip(p, body, QStringLiteral("555"));
    const double pinText = 0.6;
    text(p, QRectF(x8 - unit * 0.45, body.top(), unit * 0.9, unit * 0.45), QStringLiteral("8"), Qt::AlignCenter, pinText);
    text(p, QRectF(x4 - unit * 0.45, body.top(), unit * 0.9, unit * 0.45), QStringLiteral("4"), Qt::AlignCenter, pinText);
    text(p, QRectF(x1 - unit * 0.45, body.bottom() - unit * 0.45, unit * 0.9, unit * 0.45), QStringLiteral("1"),
         Qt::AlignCenter, pinText);
    // Output pin 3 on the right.
    const double y3 = body.center().y();
    p.drawLine(QPointF(body.right(), y3), QPointF(unit * 7.2, y3));
    terminal(p, {unit * 7.2, y3}, unit);
    text(p, QRectF(body.right() - unit * 0.5, y3 - unit * 0.25, unit * 0.45, unit * 0.5), QStringLiteral("3"),
         Qt::AlignCenter, pinText);
    text(p, QRectF(unit * 6.3, y3 - unit * 0.8, unit * 1.6, unit * 0.5), QStringLiteral("ki"), Qt::AlignCenter, 0.8);
    // Timing parts down the left side: pins 7, 6 and 2.
    const double y7 = body.top() + unit * 0.45, y6 = body.top() + unit * 1.95, y2 = body.top() + unit * 2.95;
    for (auto [y, pin] : {std::pair{y7, "7"}, std::pair{y6, "6"}, std::pair{y2, "2"}})
        text(p, QRectF(body.left() + unit * 0.05, y - unit * 0.25, unit * 0.45, unit * 0.5),
             QString::fromLatin1(pin), Qt::AlignCenter, pinText);
    const double xc = xw + unit * 0.5;
    if (astable) {
        p.drawLine(QPointF(xc, yv), QPointF(xc, yv + unit * 0.2));
        dot(p, {xc, yv}, unit);
        resistor(p, {xc, (yv + y7) / 2 + unit * 0.1}, unit * 0.8, true, QStringLiteral("R1"));
        p.drawLine(QPointF(xc, (yv + y7) / 2 + unit * 0.58), QPointF(xc, y7));
        p.drawLine(QPointF(xc, y7), QPointF(body.left(), y7));
        dot(p, {xc, y7}, unit);
        resistor(p, {xc, (y7 + y6) / 2}, unit * 0.8, true, QStringLiteral("R2"));
        p.drawLine(QPointF(xc, y7), QPointF(xc, (y7 + y6) / 2 - unit * 0.48));
        p.drawLine(QPointF(xc, (y7 + y6) / 2 + unit * 0.48), QPointF(xc, y2));
        p.drawLine(QPointF(xc, y6), QPointF(body.left(), y6));
        p.drawLine(QPointF(xc, y2), QPointF(body.left(), y2));
        dot(p, {xc, y6}, unit);
        dot(p, {xc, y2}, unit);
        p.drawLine(QPointF(xc, y2), QPointF(xc, (y2 + yg) / 2 - unit * 0.14));
        capacitor(p, {xc, (y2 + yg) / 2}, unit, QStringLiteral("C"));
        p.drawLine(QPointF(xc, (y2 + yg) / 2 + unit * 0.14), QPointF(xc, yg));
        dot(p, {xc, yg}, unit);
    } else {
        resistor(p, {xc, (yv + y7) / 2 + unit * 0.3}, unit * 0.8, true, QStringLiteral("R"));
        p.drawLine(QPointF(xc, yv), QPointF(xc, (yv + y7) / 2 - unit * 0.18));
        dot(p, {xc, yv}, unit);
        p.drawLine(QPointF(xc, (yv + y7) / 2 + unit * 0.78), QPointF(xc, y6));
        p.drawLine(QPointF(xc, y7), QPointF(body.left(), y7));
        p.drawLine(QPointF(xc, y6), QPointF(body.left(), y6));
        dot(p, {xc, y7}, unit);
        dot(p, {xc, y6}, unit);
        p.drawLine(QPointF(xc, y6), QPointF(xc, (y6 + yg) / 2 + unit * 0.4 - unit * 0.14));
        capacitor(p, {xc, (y6 + yg) / 2 + unit * 0.4}, unit, QStringLiteral("C"));
        p.drawLine(QPointF(xc, (y6 + yg) / 2 + unit * 0.4 + unit * 0.14), QPointF(xc, yg));
        dot(p, {xc, yg}, unit);
        // The trigger input comes from outside.
        const double xt = body.left() - unit * 0.9;
        p.drawLine(QPointF(xt, y2), QPointF(body.left(), y2));
        terminal(p, {xt, y2}, unit);
        text(p, QRectF(xt - unit * 0.1, y2 - unit * 0.6, unit * 1.4, unit * 0.5), QStringLiteral("indítás"),
             Qt::AlignLeft | Qt::AlignVCenter, 0.7);
    }
    return img;
}

QImage regulator(const QSize &size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    // Drawn on a 9 x 6 grid of units, centred.
    const double unit = std::min(img.width() / 9.0, img.height() / 6.0);
    p.translate((img.width() - unit * 9) / 2, (img.height() - unit * 6) / 2);
    setUp(p, unit);
    const double yt = unit * 1.2, yg = unit * 5.5, xl = unit * 0.9, xr = unit * 8.1;
    const QRectF body(unit * 2.4, unit * 0.6, unit * 2.2, unit * 1.3);
    chip(p, body, QStringLiteral("LM317"));
    const double pinText = 0.6;
    p.drawLine(QPointF(xl, yt), QPointF(body.left(), yt));
    p.drawLine(QPointF(body.right(), yt), QPointF(xr, yt));
    text(p, QRectF(body.left() + unit * 0.05, body.top(), unit * 0.8, unit * 0.4), QStringLiteral("BE"),
         Qt::AlignLeft | Qt::AlignVCenter, pinText);
    text(p, QRectF(body.right() - unit * 0.85, body.top(), unit * 0.8, unit * 0.4), QStringLiteral("KI"),
         Qt::AlignRight | Qt::AlignVCenter, pinText);
    const double xa = body.center().x();
    text(p, QRectF(xa - unit * 0.6, body.bottom() - unit * 0.4, unit * 1.2, unit * 0.4), QStringLiteral("ADJ"),
         Qt::AlignCenter, pinText);
    const double xR = unit * 5.6, yadj = unit * 3.3;
    dot(p, {xR, yt}, unit);
    p.drawLine(QPointF(xR, yt), QPointF(xR, (yt + yadj) / 2 - unit * 0.6));
    resistor(p, {xR, (yt + yadj) / 2}, unit, true, QStringLiteral("R1"));
    p.drawLine(QPointF(xR, (yt + yadj) / 2 + unit * 0.6), QPointF(xR, yadj));
    p.drawLine(QPointF(xa, body.bottom()), QPointF(xa, yadj));
    p.drawLine(QPointF(xa, yadj), QPointF(xR, yadj));
    dot(p, {xR, yadj}, unit);
    p.drawLine(QPointF(xR, yadj), QPointF(xR, yadj + unit * 0.3));
    resistor(p, {xR, yadj + unit * 0.9}, unit, true, QStringLiteral("R2"));
    p.drawLine(QPointF(xR, yadj + unit * 1.5), QPointF(xR, yg));
    p.drawLine(QPointF(xl, yg), QPointF(xr, yg));
    dot(p, {xR, yg}, unit);
    for (double x : {xl, xr}) {
        terminal(p, {x, yt}, unit);
        terminal(p, {x, yg}, unit);
    }
    voltage(p, xl + unit * 0.35, yt, yg, unit, QStringLiteral("Ube"), false);
    voltage(p, xr - unit * 0.35, yt, yg, unit, QStringLiteral("Uki"), true);
    return img;
}

QImage coil(const QSize &size)
{
    QImage img = canvas(size);
    QPainter p(&img);
    // Drawn on an 8 x 5 grid of units, centred.
    const double unit = std::min(img.width() / 8.0, img.height() / 5.0);
    p.translate((img.width() - unit * 8) / 2, (img.height() - unit * 5) / 2);
    setUp(p, unit);
    const double x0 = unit * 1.6, x1 = unit * 6.4, yt = unit * 1.0, yb = unit * 3.4;
    const int turns = 8;
    const double pitch = (x1 - x0) / turns;
    // The former in light grey behind the winding.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(x0 - unit * 0.3, yt, x1 - x0 + unit * 0.6, yb - yt));
    p.restore();
    p.save();
    QPen wire = p.pen();
    wire.setColor(QColor(184, 115, 51));   // copper
    wire.setWidthF(unit * 0.12);
    p.setPen(wire);
    for (int i = 0; i < turns; ++i) {
        const double x = x0 + i * pitch;
        p.drawLine(QPointF(x, yb), QPointF(x + pitch, yt));
    }
    p.drawLine(QPointF(x0, yb), QPointF(x0 - unit * 0.8, yb + unit * 0.4));
    p.drawLine(QPointF(x1, yt), QPointF(x1 + unit * 0.8, yt - unit * 0.4));
    p.restore();
    dimension(p, {x0 - unit * 0.9, yt}, {x0 - unit * 0.9, yb}, unit, QStringLiteral("d"), {-unit * 0.4, 0});
    dimension(p, {x0, yb + unit * 0.9}, {x1, yb + unit * 0.9}, unit, QStringLiteral("l"), {0, unit * 0.45});
    text(p, QRectF(x0, yt - unit * 0.9, x1 - x0, unit * 0.6), QStringLiteral("n menet"), Qt::AlignCenter, 0.8);
    return img;
}

} // namespace schematics
