// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Round copper wire: gauge, diameter and cross-section from one another,
// its resistance per metre and the current at a chosen density.
class frm_wire : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_wire(QWidget *parent = nullptr);

private:
    void givenChanged();
    void recalculate();

    QRadioButton *optGiven[3];   // AWG, diameter, area
    QLineEdit *txtAwg;
    QLineEdit *txtDiameter;
    QLineEdit *txtArea;
    QComboBox *cmbDensity;
    QLabel *lblAwg;
    QLabel *lblDiameter;
    QLabel *lblArea;
    QLabel *lblOhms;
    QLabel *lblCurrent;
    QLabel *lbl_hiba;
};
