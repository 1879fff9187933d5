// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/capacitorparts.h"

#include "ui/controls.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace capparts {
namespace {

class SheenControl : public QWidget
{
public:
    SheenControl(QWidget *parent, Sheen kind) : QWidget(parent), m_kind(kind)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath outline;
        switch (m_kind) {
        case Sheen::Tube: {
            const qreal rad = r.height() / 4;
            outline.addRoundedRect(r, rad, rad);
            QLinearGradient g(0, r.top(), 0, r.bottom());
            g.setColorAt(0, QColor(0, 0, 0, 60));
            g.setColorAt(0.22, QColor(255, 255, 255, 120));
            g.setColorAt(0.42, QColor(255, 255, 255, 0));
            g.setColorAt(0.8, QColor(0, 0, 0, 25));
            g.setColorAt(1, QColor(0, 0, 0, 90));
            p.fillPath(outline, g);
            break;
        }
        case Sheen::Block: {
            const qreal rad = std::min(r.width(), r.height()) / 8;
            outline.addRoundedRect(r, rad, rad);
            QLinearGradient g(r.left(), 0, r.right(), 0);
            g.setColorAt(0, QColor(0, 0, 0, 70));
            g.setColorAt(0.12, QColor(255, 255, 255, 90));
            g.setColorAt(0.3, QColor(255, 255, 255, 0));
            g.setColorAt(0.85, QColor(0, 0, 0, 20));
            g.setColorAt(1, QColor(0, 0, 0, 80));
            p.fillPath(outline, g);
            break;
        }
        case Sheen::Disc: {
            outline.addEllipse(r);
            QRadialGradient g(r.left() + r.width() * 0.38, r.top() + r.height() * 0.32, r.width() * 0.7);
            g.setColorAt(0, QColor(255, 255, 255, 110));
            g.setColorAt(0.35, QColor(255, 255, 255, 0));
            g.setColorAt(0.8, QColor(0, 0, 0, 20));
            g.setColorAt(1, QColor(0, 0, 0, 90));
            p.fillPath(outline, g);
            break;
        }
        }
    }

private:
    Sheen m_kind;
};

} // namespace

QColor toColor(const capcodes::Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

QFont pointFont(const QFont &base, double points, bool bold)
{
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, double left, double top,
              double width, double height, const QColor &background)
{
    auto *l = named(new QLabel(text, parent), name);
    if (background.isValid()) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
        l->setAutoFillBackground(true);
    }
    twips::place(l, left, top, width, height);
    return l;
}

QGroupBox *colourColumn(QWidget *parent, int frameIndex, const char *column, const QVector<int> &colours,
                        double left, double top, double width, double height,
                        const std::function<void(int)> &onClick)
{
    // "Col_A" is captioned "A".
    auto *frame = named(new QGroupBox(QString::fromLatin1(column).right(1), parent), indexed("FA", frameIndex));
    twips::place(frame, left, top, width, height);
    for (int k = 0; k < colours.size(); ++k) {
        const int i = colours[k];
        const capcodes::Colour &c = capcodes::colour(i);
        auto *entry = named(new ClickLabel(QString::fromUtf8(c.caption), frame), indexed(column, i));
        entry->setFont(pointFont(parent->font(), 8, true));
        entry->setAlignment(Qt::AlignCenter);
        entry->setColors(toColor(c.background), toColor(c.text));
        entry->setFrameShape(QFrame::Box);
        entry->setCursor(Qt::PointingHandCursor);
        twips::place(entry, (width - 1100) / 2, 240 + 240 * k, 1100, 255);
        QObject::connect(entry, &ClickLabel::clicked, frame, [onClick, i] { onClick(i); });
    }
    return frame;
}

ResultFrame resultFrame(QWidget *parent, double left, double top)
{
    ResultFrame f{};
    f.Frame4 = named(new QGroupBox(parent), QStringLiteral("Frame4"));
    twips::place(f.Frame4, left, top, 3570, 1695);
    const QColor green = toColor(capcodes::kUnset);
    const QFont bold = pointFont(parent->font(), 9, true);
    f.N1 = label(f.Frame4, QStringLiteral("N1"), QString(), 120, 160, 255, 255, green);
    f.N2 = label(f.Frame4, QStringLiteral("N2"), QString(), 480, 160, 255, 255, green);
    for (QLabel *l : {f.N1, f.N2}) {
        l->setFont(bold);
        l->setAlignment(Qt::AlignCenter);
    }
    label(f.Frame4, QStringLiteral("Label5"), QStringLiteral("X"), 840, 160, 195, 255)->setAlignment(Qt::AlignCenter);
    f.Label6 = label(f.Frame4, QStringLiteral("Label6"), QString(), 1080, 160, 855, 255, green);
    f.Label6->setAlignment(Qt::AlignCenter);
    label(f.Frame4, QStringLiteral("Label7"), QStringLiteral("="), 1935, 160, 195, 255)->setAlignment(Qt::AlignCenter);
    QLabel **values[] = {&f.Label8, &f.Label9, &f.Label10};
    const double tops[] = {165, 600, 1080};
    const char *units[] = {"pF", "nF", "uF"};
    for (int i = 0; i < 3; ++i) {
        *values[i] = label(f.Frame4, QStringLiteral("Label%1").arg(8 + i),
                           QString(), 2160, tops[i], 975, 255, green);
        (*values[i])->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label(f.Frame4, indexed("Label11", i), QString::fromLatin1(units[i]), 3195, tops[i], 330, 255);
    }
    return f;
}

ShapeControl *mark(QWidget *parent, const QString &name, int shape, double left, double top, double width,
                   double height)
{
    auto *s = named(new ShapeControl(parent, ShapeControl::Shape(shape)), name);
    s->setFillColor(toColor(capcodes::kUnset));
    s->setBorderColor(QColor(90, 70, 50));
    twips::place(s, left, top, width, height);
    return s;
}

QWidget *sheen(QWidget *parent, Sheen kind, double left, double top, double width, double height)
{
    auto *s = new SheenControl(parent, kind);
    twips::place(s, left, top, width, height);
    return s;
}

QImage printedDisc(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    if (size < 8)
        return img;
    const double S = size;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Two tinned leads, bent in a little where they leave the body.
    const double leadW = std::max(1.5, S * 0.035);
    QLinearGradient wire(0, 0, leadW, 0);
    wire.setSpread(QGradient::RepeatSpread);
    wire.setColorAt(0, QColor(120, 120, 126));
    wire.setColorAt(0.4, QColor(235, 235, 240));
    wire.setColorAt(1, QColor(110, 110, 116));
    p.setPen(QPen(QBrush(wire), leadW, Qt::SolidLine, Qt::FlatCap));
    for (double x : {0.38, 0.62}) {
        QPainterPath lead;
        lead.moveTo(S * x, S * 0.7);
        lead.cubicTo(S * x, S * 0.8, S * (x < 0.5 ? 0.34 : 0.66), S * 0.82, S * (x < 0.5 ? 0.34 : 0.66), S * 0.9);
        lead.lineTo(S * (x < 0.5 ? 0.34 : 0.66), S);
        p.drawPath(lead);
    }

    // The dipped body: a disc with the coating running down the leads.
    QPainterPath bodyPath;
    const QRectF disc(S * 0.1, S * 0.04, S * 0.8, S * 0.72);
    bodyPath.addEllipse(disc);
    QPainterPath drip;
    drip.moveTo(S * 0.3, S * 0.66);
    drip.cubicTo(S * 0.34, S * 0.78, S * 0.42, S * 0.8, S * 0.5, S * 0.8);
    drip.cubicTo(S * 0.58, S * 0.8, S * 0.66, S * 0.78, S * 0.7, S * 0.66);
    drip.closeSubpath();
    bodyPath = bodyPath.united(drip);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(bodyPath.translated(S * 0.015, S * 0.02));

    QRadialGradient coat(S * 0.4, S * 0.28, S * 0.55);
    coat.setColorAt(0, QColor(236, 156, 70));
    coat.setColorAt(0.55, QColor(206, 112, 36));
    coat.setColorAt(1, QColor(150, 72, 18));
    p.setBrush(coat);
    p.setPen(QPen(QColor(120, 58, 14), std::max(1.0, S * 0.006)));
    p.drawPath(bodyPath);

    // A soft reflection on the glossy coating.
    QRadialGradient shine(S * 0.33, S * 0.2, S * 0.2);
    shine.setColorAt(0, QColor(255, 245, 225, 150));
    shine.setColorAt(1, QColor(255, 245, 225, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(S * 0.14, S * 0.06, S * 0.4, S * 0.3));

    // The printing.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(S * 0.22));
    p.setFont(f);
    p.setPen(QColor(30, 22, 16));
    p.drawText(QRectF(S * 0.1, S * 0.14, S * 0.8, S * 0.26), Qt::AlignCenter, QStringLiteral("154"));
    f.setPixelSize(int(S * 0.18));
    p.setFont(f);
    p.drawText(QRectF(S * 0.1, S * 0.38, S * 0.8, S * 0.22), Qt::AlignCenter, QStringLiteral("K"));
    return img;
}

} // namespace capparts
