// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decoders/capcodes.h"
#include "ui/build.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>

class ClickLabel;
class QGroupBox;
class QLabel;
class ShapeControl;

// Pieces that the two capacitor colour-code windows share.
namespace capparts {

QColor toColor(const capcodes::Rgb &c);
QFont pointFont(const QFont &base, double points, bool bold);
using build::indexed;
using build::named;

// A plain label at a twips position; a valid background fills it.
QLabel *label(QWidget *parent, const QString &name, const QString &text, double left, double top,
              double width, double height, const QColor &background = QColor());

// A colour column: a frame captioned with its letter ("FA(i)") holding the
// entries "<column>(<colour>)" top to bottom; a click reports the colour.
QGroupBox *colourColumn(QWidget *parent, int frameIndex, const char *column, const QVector<int> &colours,
                        double left, double top, double width, double height,
                        const std::function<void(int)> &onClick);

// The result frame "Frame4": N1, N2 "X" Label6 "=" Label8..10 with pF, nF, uF.
struct ResultFrame
{
    QGroupBox *Frame4;
    QLabel *N1, *N2, *Label6, *Label8, *Label9, *Label10;
};
ResultFrame resultFrame(QWidget *parent, double left, double top);

// A colour mark of a drawing, in the unset colour.
ShapeControl *mark(QWidget *parent, const QString &name, int shape, double left, double top, double width,
                   double height);

// A transparent highlight laid over the flat body and its marks so that they
// look like paint on a round or dipped body. Mouse clicks pass through it.
enum class Sheen { Tube, Block, Disc };
QWidget *sheen(QWidget *parent, Sheen kind, double left, double top, double width, double height);

// Our own picture of a blue ceramic disc capacitor printed "154" and "K".
QImage printedDisc(int size);

} // namespace capparts
