// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// Single-layer air-core coil: inductance from the turns or turns for an
// inductance, and whether the turns fit the length.
class frm_coil : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_coil(QWidget *parent = nullptr);

private:
    void modeChanged();
    void recalculate();

    QRadioButton *optInductance;
    QRadioButton *optTurns;
    QLineEdit *txtD;
    QLineEdit *txtLen;
    QLineEdit *txtN;
    QLineEdit *txtL;
    QLineEdit *txtWire;
    QLabel *lblResult;
    QLabel *lblLength;
    QLabel *lblFit;
    QLabel *lbl_hiba;
};
