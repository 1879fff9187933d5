// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include "ui/pictures.h"
#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

LineControl::LineControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setLine(double x1, double y1, double x2, double y2)
{
    m_x1 = float(x1);
    m_y1 = float(y1);
    m_x2 = float(x2);
    m_y2 = float(y2);
    updateGeometryFromPoints();
}

bool LineControl::store(float *field, double v)
{
    if (!std::isfinite(v) || !std::isfinite(float(v)))
        return false;
    *field = float(v);
    updateGeometryFromPoints();
    return true;
}

bool LineControl::setX1(double v) { return store(&m_x1, v); }
bool LineControl::setY1(double v) { return store(&m_y1, v); }
bool LineControl::setX2(double v) { return store(&m_x2, v); }
bool LineControl::setY2(double v) { return store(&m_y2, v); }

void LineControl::setColor(const QColor &c)
{
    m_color = c;
    update();
}

void LineControl::updateGeometryFromPoints()
{
    const int x1 = twips::toPixels(m_x1), x2 = twips::toPixels(m_x2);
    const int y1 = twips::toPixels(m_y1), y2 = twips::toPixels(m_y2);
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(m_color, 1));
    const int x1 = twips::toPixels(m_x1) - x(), x2 = twips::toPixels(m_x2) - x();
    const int y1 = twips::toPixels(m_y1) - y(), y2 = twips::toPixels(m_y2) - y();
    p.drawLine(x1, y1, x2, y2);
}

ShapeControl::ShapeControl(QWidget *parent, Shape shape) : QWidget(parent), m_shape(shape) {}

void ShapeControl::setFillColor(const QColor &c)
{
    m_fill = c;
    update();
}

void ShapeControl::setBorderColor(const QColor &c)
{
    m_border = c;
    update();
}

void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, m_shape != Shape::Rectangle);
    p.setBrush(m_fill);
    p.setPen(m_border.isValid() ? QPen(m_border) : QPen(Qt::NoPen));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_shape == Shape::Oval) {
        p.drawEllipse(r);
    } else if (m_shape == Shape::RoundedRectangle) {
        const qreal radius = std::min(r.width(), r.height()) / 4;
        p.drawRoundedRect(r, radius, radius);
    } else
        p.drawRect(r);
}

ImageControl::ImageControl(QWidget *parent) : QWidget(parent) {}

bool ImageControl::load(const QString &path)
{
    if (path.isEmpty()) {
        clear();
        return true;
    }
    // Data pictures are JPEG whatever their names say, but users may have put
    // others in their place: an unknown kind is left to Qt's plugins.
    const QImage img = pictures::read(path, pictures::formatOf(path));
    if (img.isNull())
        return false;
    setPicture(QPixmap::fromImage(img));
    return true;
}

void ImageControl::setPicture(const QPixmap &p)
{
    m_pixmap = p;
    update();
}

void ImageControl::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        p.drawPixmap(rect(), m_pixmap);
    else
        p.drawPixmap(0, 0, m_pixmap);
}

void ImageControl::mousePressEvent(QMouseEvent *e)
{
    m_pressed = e->button() == Qt::LeftButton;
}

void ImageControl::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
    m_pressed = false;
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void ClickLabel::setColors(const QColor &background, const QColor &foreground)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, foreground);
    setPalette(pal);
    setAutoFillBackground(true);
}

void ClickLabel::setTextColor(const QColor &c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

QColor ClickLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

QColor ClickLabel::backgroundColor() const
{
    return palette().color(QPalette::Window);
}

void ClickLabel::makeLink()
{
    setCursor(Qt::PointingHandCursor);
    connect(this, &ClickLabel::pressed, this, [this] { setTextColor(QColor(255, 0, 0)); });
    connect(this, &ClickLabel::released, this, [this] { setTextColor(QColor(0, 0, 255)); });
}

void ClickLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    Q_EMIT pressed();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    Q_EMIT released();
    if (m_pressed && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
    m_pressed = false;
}

namespace {
const char *const kOverRows = "kondrixOverRows";
} // namespace

void showListMessage(QLabel *label, const QString &text, bool overRows)
{
    label->setText(text);
    label->setProperty(kOverRows, overRows);
    label->setStyleSheet(overRows ? QStringLiteral("color: rgb(192, 0, 0); background-color: white;"
                                                   " border: 1px solid rgb(192, 0, 0); padding: 2px;")
                                  : QStringLiteral("color: rgb(192, 0, 0);"));
    label->setVisible(!text.isEmpty());
    label->raise();
}

void hideListMessageOverRows(QLabel *label)
{
    if (label->property(kOverRows).toBool())
        label->hide();
}
