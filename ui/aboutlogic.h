// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace about {

QString versionText();   // "Verzió: 1.5.0"

// The author's address is checked against "*@[A-Z,a-z,0-9]*.*": an "@"
// followed directly by a letter, digit or comma, and a "." somewhere after.
bool isValidEmailAddress(const QString &address);

// The first of the candidate programs found on the search path (a list of
// folders separated by the platform's separator); empty when none is there.
QString findProgram(const QStringList &candidates, const QString &searchPath);

// System information programs of the common Linux desktops, in order of
// preference.
QStringList systemInfoCandidates();

} // namespace about
