// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/mod_trafo.h"
#include "ui/toolwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Mains transformer design from the secondary windings.
class frm_trafo : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_trafo(QWidget *parent = nullptr);

    // Recalculates from the windings in use and the current settings. The
    // index of the box that started it is not used.
    void szamit(int index = 0);

public Q_SLOTS:
    void Cmd_Click(int index);
    void Us_Change(int index);
    void Iss_Change(int index);
    void Command1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindings();
    void showSettings();
    void clearResults();

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame4;
    QGroupBox *Frame5;
    QLabel *Label2;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *lblPower;
    QLabel *lbl_Np;
    QLabel *lbl_Ap;
    QLabel *lbl_Dp;
    QLabel *lblKeresztmetszet;
    QToolButton *Command1;
    QPushButton *Cmd[mod_trafo::kMaxWindings];
    QGroupBox *Tekercs_s[mod_trafo::kMaxWindings];
    QLabel *Label1[mod_trafo::kMaxWindings];
    QLabel *Label3[mod_trafo::kMaxWindings];
    QLineEdit *Us[mod_trafo::kMaxWindings];
    QLineEdit *Iss[mod_trafo::kMaxWindings];
    QLabel *Ns[mod_trafo::kMaxWindings];
    QLabel *Asz[mod_trafo::kMaxWindings];
    QLabel *Ds[mod_trafo::kMaxWindings];

    int m_winding = 0;   // number of windings in use minus one
    double m_U[mod_trafo::kMaxWindings + 1] = {};
    double m_I[mod_trafo::kMaxWindings + 1] = {};
};
