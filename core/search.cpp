// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search.h"

namespace search {

bool containsNoCase(QStringView haystack, QStringView needle)
{
    return haystack.contains(needle, Qt::CaseInsensitive);
}

} // namespace search
