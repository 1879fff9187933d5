// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace search {

// Search as you type starts from this many characters.
constexpr int kMinChars = 2;

// True when needle occurs anywhere in haystack, case ignored (accented letters
// included: "á" finds "Á", "ő" finds "Ő").
bool containsNoCase(QStringView haystack, QStringView needle);

} // namespace search
