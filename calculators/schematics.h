#pragma once

#include <QImage>
#include <QSize>

// Circuit drawings of the divider window, drawn at the size they are shown.
namespace schematics {

// U1 at the input, R1 in the series branch, R2 across the output, U2 at the output.
QImage divider(const QSize &size);
// R1 and R2 side by side between two rails, RE at the terminals.
QImage parallel(const QSize &size);

} // namespace schematics
