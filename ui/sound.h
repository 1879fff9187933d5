// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Plays wave files without waiting. A missing or unplayable file is skipped
// silently.
namespace sound {

void playAsync(const QString &path);

// Tests replace the player to see what would be played.
using Player = std::function<void(const QString &)>;
void setPlayer(Player player);   // an empty player restores the real one

namespace backend {
// Tests point the real player at another module file (an empty text: the
// default) and see whether it loaded.
void setFile(const QString &file);
bool loaded();
} // namespace backend

} // namespace sound
