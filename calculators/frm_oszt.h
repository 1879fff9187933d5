// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

class ImageControl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

// Unloaded voltage divider and two resistors in parallel, recomputed on
// every keystroke.
class frm_oszt : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_oszt(QWidget *parent = nullptr);

    void Option1_Click(int Index);
    void Text_Change(int Index);
    void VScroll1_Change(int Index);
    void optPH_Click(int Index);
    void textPH_Change(int Index);
    void scrollPH_Change(int Index);

    int soughtDivider() const { return m_sought; }
    int soughtParallel() const { return m_soughtPH; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Form_Resize() override;

private:
    void dividerCalculation();
    void parallelCalculation();
    bool snapToStep(QScrollBar *bar);
    void drawSchematics();

    QGroupBox *Frame1;
    QGroupBox *Frame4;
    QLabel *Label1;
    QRadioButton *Option1[4];
    QLineEdit *Text[4];
    QScrollBar *VScroll1[4];
    QLabel *lbl_ME[4];
    QLabel *lblText[4];
    QGroupBox *Frame2;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *lbl_hiba;
    ImageControl *Image1;

    QGroupBox *Frame3;
    QGroupBox *Frame5;
    QLabel *Label8;
    QRadioButton *optPH[3];
    QLineEdit *textPH[3];
    QScrollBar *scrollPH[3];
    QLabel *lblPH[3];
    QLabel *lblEPH[3];
    QLabel *Label7;
    ImageControl *Image2;

    int m_sought = 3;
    int m_soughtPH = 2;
    int m_wheel = 0;   // wheel turn not yet used up, eighths of a degree
};
