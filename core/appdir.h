#pragma once

#include <QString>

// The application directory: the folder that holds the executable. Every data
// file is named relative to it, with a leading backslash ("\trafo.ini").
namespace appdir {

// The application directory in use (the executable's folder unless a test
// pointed it elsewhere).
QString path();
void setPath(const QString &dir);   // tests; an empty text restores the default

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
