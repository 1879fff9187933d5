// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/build.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>

class QKeyEvent;
class QObject;

// Building blocks shared by the calculator windows.
namespace calcwidgets {

using build::frame;
using build::indexed;
using build::label;
using build::make;
using build::setBold;
using build::setTextColour;

// The numeric key filter of the calculator boxes: "," is typed as ".";
// digits, "." and control keys pass ("-" too when allowed); any other
// character is dropped. Returns true when the key was handled here.
bool filterNumericKey(QObject *box, QKeyEvent *key, bool allowMinus = false);

} // namespace calcwidgets
