// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QWidget;

// Window layouts are given in twips (1/1440 inch, 15 to a pixel at 96 dpi).
// A control placed through these helpers keeps its geometry as single-precision
// twips in the dynamic properties "Left", "Top", "Width" and "Height"; its
// pixel geometry follows them, so repeated rescaling does not accumulate
// pixel rounding.
namespace twips {

constexpr double kPerPixel = 15.0;

int toPixels(double tw);
inline double fromPixels(int px) { return px * kPerPixel; }

// Places w and marks it as a scalable control.
void place(QWidget *w, double left, double top, double width, double height);
// Places w at left, top keeping its own (pixel) size.
void move(QWidget *w, double left, double top);

bool isControl(const QWidget *w);

// The control's geometry in twips (derived from its pixel geometry when it was
// never placed through these helpers).
float left(const QWidget *w);
float top(const QWidget *w);
float width(const QWidget *w);
float height(const QWidget *w);

// Each setter refuses a non-finite value and a negative size, and then
// returns false without touching the control.
bool setLeft(QWidget *w, double v);
bool setTop(QWidget *w, double v);
bool setWidth(QWidget *w, double v);
bool setHeight(QWidget *w, double v);

} // namespace twips
