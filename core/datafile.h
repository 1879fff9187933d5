// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace datafile {

// Reads a data file named relative to the application directory
// ("\SMD\!smd.txt") as code page 1250 text. When it is missing or cannot be
// read, returns false and appends a Hungarian line naming it to problems.
bool read(const QString &relative, QString *text, QStringList *problems);

} // namespace datafile
