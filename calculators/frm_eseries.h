// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStandardItemModel;
class ReportList;
namespace calcform { class Schematic; }

// Standard resistor values: the best combinations of one to three resistors
// for a resistance, or the best divider pair for a voltage ratio.
class frm_eseries : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_eseries(QWidget *parent = nullptr);

    bool ratioMode() const;

private:
    void modeChanged();
    void recalculate();
    void solveResistance();
    void solveRatio();

    QRadioButton *optResistance;
    QRadioButton *optRatio;
    QComboBox *cmbSeries;
    QComboBox *cmbCount;
    QLineEdit *txtTarget;
    QLineEdit *txtUin;
    QLineEdit *txtUout;
    QLineEdit *txtTotal;
    QLineEdit *txtCurrent;
    QLabel *lblHint;
    calcform::Schematic *picDivider;
    QLabel *lblBest;
    ReportList *lstResults;
    QStandardItemModel *m_model;
    QLabel *lbl_hiba;
};
