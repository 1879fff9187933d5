// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_r5.h"

#include "decoders/mod_r.h"

#include <QKeyEvent>

frm_R5::frm_R5()
    : ResistorBandsWindow({"frm_R5", "Ötsávos ellenállás.", 7695, 5, "4 sávos ellenállás", "frm_R4",
                           {2, 2, 6, 2, 1}, "22,6 k-ohm 1 %"})
{
    setKeyPreview(true);
}

void frm_R5::Form_KeyUp(QKeyEvent *e)
{
    // A held key repeats its presses but is released only once.
    if (!e->isAutoRepeat())
        handleKey(e->key());
}
