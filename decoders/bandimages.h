// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QVector>

// Pictures of the resistor windows, drawn in code: the band images and the
// resistor body the bands sit on.
namespace bandimages {

constexpr int kBandWidth = 20;
constexpr int kBandHeight = 67;

// The band image of a colour index 0..12: flat fills, metallic silver and
// gold, and the body colour for an unmarked band. A bad index gives a null image.
QImage bandImage(int colourIndex);

// The image list of the thirteen band images; entry i belongs to colour i.
QVector<QPixmap> imageList();

// Tan body with grey leads on a very light background. The body's flat middle
// spans 20 %..80 % of the height and 20 %..66 % of the width, so the rings
// placed there sit on it.
QImage resistorBody(const QSize &size);

// Body colour of the drawing (an unmarked band shows it).
QRgb bodyColour();

} // namespace bandimages
