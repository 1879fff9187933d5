// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Keeps a tool window's controls in proportion to its size. One remembered
// size serves every window of the program.
namespace resizer {

// Multiplies every control's twips geometry (also inside frames; a line by its
// end points) by the ratio of the window's inner size to the remembered size,
// then remembers the window's size. The first call only remembers. Each of a
// control's four values is set by itself: one that cannot be set is skipped.
// A minimised window is left alone.
void Rescale(QWidget *window);

// The remembered inner size, in twips.
int rememberedWidth();
int rememberedHeight();
// Sets the remembered size (twips); a window that opens at its design size
// calls this so that its design layout is taken as it stands.
void remember(int widthTwips, int heightTwips);

} // namespace resizer
