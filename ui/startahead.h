// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Work the start can do on another core while Qt starts (reading the font
// configuration, decoding the first pictures). The main thread only.
namespace startahead {

void run(std::function<void()> work);

// Waits until that work is done; nothing to wait for when none was started.
// The main window calls it before it first measures text: a second reader of
// the font configuration would parse it all again rather than wait.
void await();

} // namespace startahead
