// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decoders/resistorwindow.h"

class QComboBox;
class QLineEdit;

// Four-band resistors: colours to value above, a typed value to colours below.
class frm_R4 : public ResistorBandsWindow
{
    Q_OBJECT
public:
    frm_R4();

    void Text1_Change();
    void Combo1_Click();
    void Combo2_Click();

Q_SIGNALS:
    // The window sounded the system beep (a rejected value).
    void beeped();

protected:
    void Form_KeyDown(QKeyEvent *e) override;

private:
    bool Text1_KeyPress(QKeyEvent *e);
    void ClearValueBands();
    void ValueToBands();
    void beep();

    QGroupBox *Frame1;
    QLabel *Label3;
    QLineEdit *Text1;
    QLabel *Label4;
    QComboBox *Combo1;
    QLabel *Label5;
    QComboBox *Combo2;
    ImageControl *Image2;
    QVector<ImageControl *> Sáv_B;
};
