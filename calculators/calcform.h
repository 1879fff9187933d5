// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/eseries.h"

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QRadioButton;

// Building blocks of the bench calculator windows: typed values with
// prefixes, value texts with prefixes, the standard rows and labels, and a
// circuit picture that redraws itself at the size it is shown.
namespace calcform {

// The row geometry of the input columns, in twips.
constexpr double kRowHeight = 330;
constexpr double kRowPitch = 420;

// A value with an optional prefix (p n u µ m k M G) and decimal comma or
// point: "4k7", "100n", "2,2µ", "20m". The units may follow the number.
struct Reading
{
    enum State { Empty, Bad, Ok } state = Empty;
    double value = 0;   // in base units when Ok
};
Reading read(const QLineEdit *box, const QStringList &units = {});

// Collects the typed values of one calculation and the first complaint
// about them: a value that cannot be read, or one still missing.
class Form
{
public:
    // A value that must be there; nullopt when it is not (yet).
    std::optional<double> need(const QLineEdit *box, const QString &caption, const QStringList &units = {});
    // A value that may stay empty: then 0.
    std::optional<double> optional(const QLineEdit *box, const QString &caption,
                                   const QStringList &units = {});
    bool complete() const { return m_bad.isEmpty() && m_missing.isEmpty(); }
    // Hungarian; empty when complete.
    QString message() const;
    bool hasBadValue() const { return !m_bad.isEmpty(); }

private:
    QStringList m_bad;
    QStringList m_missing;
};

// "4,7 kΩ", "18,8 mA", "0 V": up to digits significant digits, the decimal
// separator of the locale; empty for a value that is not finite.
QString valueText(double v, const QString &unit, int digits = 4);
// "+0,49 %", "-1,2 %", "-0,041 %", "0 %".
QString percentText(double v);
// A plain number with up to digits significant digits ("22,6", "0,0254").
QString numberText(double v, int digits = 4);

// A caption, an input box and a unit label on one row; returns the box.
// The box recalculates through onChange on every change.
QLineEdit *inputRow(QWidget *parent, const QString &boxName, const QString &caption, const QString &unit,
                    double left, double top, double captionWidth, double boxWidth,
                    const std::function<void()> &onChange);
// Shows or hides a row: its box, caption and unit.
void setRowVisible(QLineEdit *box, bool on);

QLabel *resultLabel(QWidget *parent, const QString &name, double l, double t, double w, double h = 300);
QLabel *messageLabel(QWidget *parent, const QString &name, double l, double t, double w, double h);
// Red for a fault, grey for a hint.
void showMessage(QLabel *label, const QString &text, bool fault);

// E6 .. E192, E24 chosen.
QComboBox *seriesBox(QWidget *parent, const QString &name, double l, double t, double w,
                     const std::function<void()> &onChange);
eseries::Series seriesOf(const QComboBox *box);

QRadioButton *option(QWidget *parent, const QString &name, const QString &text, double l, double t, double w,
                     const std::function<void()> &onChosen);

// Shows a picture drawn by a function of the pixel size, again at each
// resize, sharp on high-density screens.
class Schematic : public QWidget
{
    Q_OBJECT
public:
    using Painter = std::function<QImage(const QSize &)>;
    explicit Schematic(QWidget *parent = nullptr);
    void setPainter(Painter painter);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    Painter m_painter;
    QImage m_image;
};

Schematic *schematic(QWidget *parent, const QString &name, double l, double t, double w, double h,
                     Schematic::Painter painter);

} // namespace calcform
