// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

// Small controls shared by the tool windows.

// A straight line between two end points given in twips, relative to its
// container. The scaler moves it by its end points.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);
    void setLine(double x1, double y1, double x2, double y2);
    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    bool setX1(double v);
    bool setY1(double v);
    bool setX2(double v);
    bool setY2(double v);
    void setColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool store(float *field, double v);
    void updateGeometryFromPoints();
    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color = Qt::black;
};

// A filled rectangle or ellipse.
class ShapeControl : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { Rectangle, Oval, RoundedRectangle };
    explicit ShapeControl(QWidget *parent = nullptr, Shape shape = Shape::Rectangle);
    void setFillColor(const QColor &c);
    QColor fillColor() const { return m_fill; }
    void setBorderColor(const QColor &c);   // an invalid colour draws no border

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Shape m_shape;
    QColor m_fill = Qt::white;
    QColor m_border = Qt::black;
};

// A picture that is shown stretched to the control (or at its own size), and
// that reports clicks.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);
    // An empty path clears the picture and succeeds; a file that cannot be read
    // fails and leaves the picture as it was.
    bool load(const QString &path);
    void setPicture(const QPixmap &p);
    QPixmap picture() const { return m_pixmap; }
    bool hasPicture() const { return !m_pixmap.isNull(); }
    void clear() { setPicture(QPixmap()); }
    void setStretch(bool on);
    QSize naturalSize() const { return m_pixmap.size(); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QPixmap m_pixmap;
    bool m_stretch = true;
    bool m_pressed = false;
};

// A label that reports press, release and click, with settable fill and text
// colours: colour-column entries and link labels.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = QString(), QWidget *parent = nullptr);
    void setColors(const QColor &background, const QColor &foreground);
    void setTextColor(const QColor &c);
    QColor textColor() const;
    QColor backgroundColor() const;
    // Hand pointer; red while the mouse button is down, blue after release.
    void makeLink();

Q_SIGNALS:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    bool m_pressed = false;
};

// The text colour of a user's own record in a catalog list.
inline QColor ownRecordColour()
{
    return QColor(0x1f, 0x4e, 0x8c);
}

// A load message shown over a catalog list. Over an empty list it is plain red
// text; over listed records (a damaged file of the user's beside good shipped
// ones) it is framed on white, to be read, and gives way at the first click
// in the list or search: hideOverRows() then hides it.
void showListMessage(QLabel *label, const QString &text, bool overRows);
void hideListMessageOverRows(QLabel *label);
