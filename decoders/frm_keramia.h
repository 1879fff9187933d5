// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/toolwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class ShapeControl;

// Ceramic capacitor colour code: five colour columns, three drawings whose
// marks take the picked colours, and the capacitance with its temperature
// coefficient and tolerance.
class frm_keramia : public ToolWindow
{
    Q_OBJECT
public:
    frm_keramia();

    // Each is given the colour index of the clicked entry.
    void Col_A_Click(int Index);
    void Col_B_Click(int Index);
    void Col_C_Click(int Index);
    void Col_D_Click(int Index);
    void Col_E_Click(int Index);
    void Command1_Click();

    int pickedA() const { return A; }
    int pickedE() const { return E; }

private:
    void ShowCapacitance();
    static void paint(const std::array<ShapeControl *, 3> &marks, int colourIndex);

    short A = 0;
    short E = 0;

    QGroupBox *Frame1;
    QLabel *Label4;
    QLabel *N1, *N2, *Label6, *Label8, *Label9, *Label10;
    QLabel *Label12;
    QPushButton *Command1;
    // By mark number (SA(0), SA(1) ...); SA(2) and SE(2) do not exist.
    std::array<ShapeControl *, 3> SA{}, SB{}, SC{}, SD{}, SE{};
};
