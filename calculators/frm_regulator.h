// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
namespace calcform { class Schematic; }

// Adjustable three-terminal regulator (LM317/LM337): the output voltage of
// a resistor pair, a standard pair for a voltage, and the dropout and
// dissipation under load.
class frm_regulator : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_regulator(QWidget *parent = nullptr);

private:
    void modeChanged();
    void recalculate();

    QRadioButton *optForward;
    QRadioButton *optDesign;
    QLineEdit *txtR1;
    QLineEdit *txtR2;
    QLineEdit *txtUout;
    QComboBox *cmbSeries;
    QLineEdit *txtVref;
    QLineEdit *txtIadj;
    QLineEdit *txtUin;
    QLineEdit *txtLoad;
    calcform::Schematic *picRegulator;
    QLabel *lblUout;
    QLabel *lblPair;
    QLabel *lblHeadroom;
    QLabel *lblDissipation;
    QLabel *lbl_hiba;
};
