// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QLabel;
class QLineEdit;
class QRadioButton;

// RC time constant and cut-off frequency; capacitive and inductive
// reactance. Two of the three quantities give the one sought.
class frm_rc : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_rc(QWidget *parent = nullptr);

private:
    void rcSoughtChanged();
    void reactanceSoughtChanged();
    void recalculateRc();
    void recalculateReactance();
    bool inductive() const;

    QRadioButton *optRc[3];   // R, C, f sought
    QLineEdit *txtRc[3];
    QLabel *lblRc;
    QLabel *lblTau;
    QLabel *lblRcHiba;

    QRadioButton *optXc;
    QRadioButton *optXl;
    QRadioButton *optX[3];    // X, C or L, f sought
    QLineEdit *txtX[3];
    QLabel *lblX;
    QLabel *lblXHiba;
};
