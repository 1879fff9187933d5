// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The application directory: the folder that holds the program's data. Every
// data file is named relative to it, with a leading backslash ("\trafo.ini").
namespace appdir {

// The application directory in use, unless a test pointed it elsewhere: the
// first of locate()'s folders that holds the data. Found once per run.
QString path();
void setPath(const QString &dir);   // tests; an empty text restores the default

// The folders that may hold the data, in order: the executable's own folder
// (a build tree or a portable copy), the data folder of the installation the
// executable belongs to (installedDataDir relative to exeDir: share/kondrix
// beside lib/kondrix), then "kondrix" in each XDG data directory. The first
// that holds the data wins; with none, the executable's folder, whose missing
// files the tools report.
QString locate(const QString &exeDir, const QString &installedDataDir, const QStringList &dataDirs);

// Maps a backslash-separated relative name onto a path under the application
// directory. When the exact path does not exist, a case-insensitive match,
// component by component, is used (data copied from another system often
// differs in case). Returns an empty text for a name that would leave the
// directory ("..").
QString file(const QString &relative);

// As file(), below an explicit base directory.
QString resolve(const QString &base, const QString &relative);

// The user's own configuration folder of the program (~/.config/kondrix),
// for settings that cannot be kept in a read-only application directory.
// The folder may not exist yet.
QString userConfigPath();
void setUserConfigPath(const QString &dir);   // tests; an empty text restores the default

// True for an existing file, hidden and read-only ones included; false for a
// directory.
bool fileExists(const QString &path);

} // namespace appdir
