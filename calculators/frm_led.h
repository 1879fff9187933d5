// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
namespace calcform { class Schematic; }

// Series resistor for LEDs on a DC supply.
class frm_led : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_led(QWidget *parent = nullptr);

private:
    void recalculate();

    QLineEdit *txtSupply;
    QLineEdit *txtUf;
    QLineEdit *txtIf;
    QSpinBox *spnCount;
    QComboBox *cmbSeries;
    calcform::Schematic *picLed;
    QLabel *lblExact;
    QLabel *lblStandard;
    QLabel *lblCurrent;
    QLabel *lblPower;
    QLabel *lblRating;
    QLabel *lbl_hiba;
};
