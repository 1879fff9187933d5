// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
namespace calcform { class Schematic; }

// The 555 timer: astable and monostable use, and parts for a wanted
// frequency and duty cycle.
class frm_555 : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_555(QWidget *parent = nullptr);

private:
    enum Mode { Astable, Mono, Design };
    Mode mode() const;
    void modeChanged();
    void recalculate();
    void showAstable(double frequencyHz, double dutyPercent, double highS, double lowS);

    QRadioButton *optAstable;
    QRadioButton *optMono;
    QRadioButton *optDesign;
    QLineEdit *txtR1;
    QLineEdit *txtR2;
    QLineEdit *txtC;
    QLineEdit *txtR;
    QLineEdit *txtCmono;
    QLineEdit *txtFreq;
    QLineEdit *txtDuty;
    QComboBox *cmbSeries;
    calcform::Schematic *pic555;
    QLabel *lblFreq;
    QLabel *lblDuty;
    QLabel *lblHigh;
    QLabel *lblLow;
    QLabel *lblPulse;
    QLabel *lblParts;
    QLabel *lbl_hiba;
};
