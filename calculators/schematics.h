// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

// Circuit drawings of the calculator windows, drawn at the size they are shown.
namespace schematics {

// U1 at the input, R1 in the series branch, R2 across the output, U2 at the output.
QImage divider(const QSize &size);
// R1 and R2 side by side between two rails, RE at the terminals.
QImage parallel(const QSize &size);
// The supply U, the series resistor R and the LEDs, count of them (1 to 3 drawn,
// more shown as a dotted gap).
QImage ledString(const QSize &size, int count);
// A 555 in astable use (R1, R2 and C) or monostable use (R and C).
QImage timer555(const QSize &size, bool astable);
// An adjustable regulator with R1 from OUT to ADJ and R2 from ADJ to ground.
QImage regulator(const QSize &size);
// A single-layer coil seen from the side, with its diameter d and length l.
QImage coil(const QSize &size);

} // namespace schematics
