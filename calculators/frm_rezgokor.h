// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Parallel LC resonant circuit, and voltage gain to decibels and back.
class frm_rezgokor : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_rezgokor(QWidget *parent = nullptr);

    void Check_Click(int row);        // Check1..Check3 as rows 0..2
    void Combo_Click(int row);        // Combo1..Combo3
    void Text_Change(int box);        // Text1..Text5 as boxes 0..4
    void Command1_Click();

Q_SIGNALS:
    // The system beep sounded (a conversion that cannot be shown).
    void beeped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Text4_Convert();
    void Text5_Convert();
    void showResult(int row, double v);
    void beep();

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QCheckBox *Check[3];
    QLineEdit *Text[5];
    QComboBox *Combo[3];
    QLabel *UnitLabel[3];   // Label2, Label3, Label4
    QPushButton *Command1;
    QLabel *Label9;
    QLabel *Label1;
    QLabel *lbl_hiba;
    QGroupBox *Frame4;
    QLabel *Label10;
    QGroupBox *Frame3;
    QLabel *Label5;
    QLabel *Label7;
    QLabel *Label6;
    QLabel *Label8;

    int m_prefix[3] = {2, 4, 8};
    std::optional<double> m_Z;   // impedance of the last calculation that had one
};
