#include "calculators/schematics.h"

#include <QPainter>

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
    const QRectF text = left ? QRectF(x - unit * 1.1, (top + bottom) / 2 - unit / 2, unit, unit)
                             : QRectF(x + unit * 0.1, (top + bottom) / 2 - unit / 2, unit, unit);
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
