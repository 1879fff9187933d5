// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class ToolWindow;

// Every tool of the program, each named once: the toolbar, the calculation
// menu, the closing order, the tag dispatch and the factories all read it.
namespace tooltable {

enum class Launcher {
    Toolbar,   // a button of Toolbar1 (commands without a window too)
    Menu,      // an item of the calculation menu
    None,      // opened only by another tool window
};

struct Tool
{
    const char *window;    // the window's objectName; nullptr for a command
    const char *tag;       // button tag or menu action objectName; nullptr without a launcher
    const char *caption;   // button tool tip or menu item text (UTF-8)
    int icon;              // picture number in the toolbar's image list; 0 for none
    Launcher launcher;
    bool rescales;         // keeps its controls in proportion when resized
    int closingPlace;      // 1, 2, ... in the order a tool click closes the windows; 0 for a command
    ToolWindow *(*factory)();
};

// Toolbar buttons left to right, then menu items top to bottom, then the
// windows that only other windows open.
const std::vector<Tool> &tools();

} // namespace tooltable
