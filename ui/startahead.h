// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

// Work the start can do on another core while Qt starts (reading the font
// configuration). The main thread only.
namespace startahead {

// Grows the heap by `bytes` at once, so that what the first window allocates
// (its 1 MB window image among it) comes from one region, which the worker
// faults in once its work is done. A first write to a fresh page costs the
// writing thread a page fault, some 10 µs on a virtual machine; hundreds of
// them were the largest part of drawing the first window. Linux with glibc
// only; elsewhere nothing. Call before run().
void reserveHeap(std::size_t bytes);

// `work` starts at once. Then the reserved heap is warmed, and
// `withApplication` runs once applicationMade() has been called, while the
// main thread goes on. Neither may touch a QObject the main thread uses.
void run(std::function<void()> work, std::function<void()> withApplication = {});

// The main thread has made the application object.
void applicationMade();

// Waits until `work` is done; nothing to wait for when none was started. The
// main window calls it before it first measures text: a second reader of the
// font configuration would parse it all again rather than wait.
void await();

// Waits until the worker has ended; what was still to follow the work is
// skipped. Before the application object goes, which that part may use.
void finish();

} // namespace startahead
