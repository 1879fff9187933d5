// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ShapeControl;

// Binary, decimal and hexadecimal notation of a whole number, converted as
// the user types.
class frm_BDH : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_BDH(QWidget *parent = nullptr);

    void Gomb_Click(int Index);
    void Text1_Change();

    // 0 binary, 1 decimal, 2 hexadecimal.
    int source() const { return m_source; }

private:
    QGroupBox *Frame1;
    QPushButton *Gomb[3];
    ShapeControl *Shape1[3];
    QGroupBox *Frame2;
    QLineEdit *Text1;
    QGroupBox *Frame3;
    QLabel *lbl_Bin;
    QGroupBox *Frame4;
    QLabel *lbl_Dec;
    QGroupBox *Frame5;
    QLabel *lbl_Hex;
    QLabel *lbl_hiba;

    int m_source = 1;
};
