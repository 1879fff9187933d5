// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decoders/resistorwindow.h"

// Five-band (precision) resistors: colours to value.
class frm_R5 : public ResistorBandsWindow
{
    Q_OBJECT
public:
    frm_R5();

protected:
    void Form_KeyUp(QKeyEvent *e) override;
};
