// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class ShapeControl;

// Capacitor codes: the five-band colour code of banded capacitors and the
// printed code of two digits, a number of zeros and a tolerance letter.
class frm_kondi : public ToolWindow
{
    Q_OBJECT
public:
    frm_kondi();

    // Colour part; each is given the colour index of the clicked entry.
    void Col_A_Click(int Index);
    void Col_B_Click(int Index);
    void Col_C_Click(int Index);
    void Col_D_Click(int Index);
    void Col_E_Click(int Index);
    void Command1_Click();

    // Printed part; each is given the index of the clicked entry.
    void F1_Click(int Index);
    void F2_Click(int Index);
    void F3_Click(int Index);
    void F4_Click(int Index);

private:
    void ShowColourCapacitance();
    void ShowPrintedCapacitance();
    void paint(int band, int colourIndex);

    QGroupBox *Frame1;
    QLabel *N1, *N2, *Label6, *Label8, *Label9, *Label10;
    QLabel *Label4, *Label12;
    QPushButton *Command1;
    std::array<ShapeControl *, 5> Sh{};

    QGroupBox *Frame2;
    QLabel *E1, *E2, *E3;
    std::array<QLabel *, 4> Label2{};
};
