// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the program and its sound module agree on: the module's file, in the
// folder "plugins" beside the executable, and its one entry point.
namespace sound::backend {

inline constexpr const char *kFolder = "plugins";
inline constexpr const char *kFile = "kondrix_sound.so";
inline constexpr const char *kEntry = "kondrix_sound_play";
using Play = void (*)(const QString &path);

} // namespace sound::backend
