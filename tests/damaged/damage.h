// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class WindowTestEnv;

// Ways a data file is found damaged in the field, applied to a file of a test
// application directory.
namespace damage {

enum class Kind {
    Missing,
    Empty,
    Cut,          // ends in the middle of a line
    Random,       // random bytes
    HugeLine,     // one line of several megabytes
    LfOnly,       // LF line ends
    Utf8,         // UTF-8 instead of code page 1250
    Directory,    // a directory in its place
    Unreadable,   // mode 000
};

QList<Kind> all();
QList<Kind> forBinary();   // pictures and sounds: no line-end or encoding kinds
const char *name(Kind kind);

// Damages the file at path (absolute); returns false when the file could
// not be set up so (only Unreadable, see canTestUnreadable()).
bool apply(const QString &path, Kind kind, quint32 seed = 1);

// Puts the shipped copy of the file back at path (undoing apply()), from
// the data folder named by source.
void restore(const QString &path, const QString &source);

// Size of the huge line.
constexpr int kHugeLine = 4 * 1024 * 1024;

// Root reads mode-000 files anyway: drops the capabilities that let it, once
// for the whole process. True when a mode-000 file is then really unreadable.
bool canTestUnreadable();

// Rows for the user's own copy of a data file (~/.local/share/kondrix) name
// it with the prefix "saját/"; its absolute path in the test's folders.
bool isOwn(const QString &file);
QString pathOf(const WindowTestEnv &env, const QString &file);
// Empties the user's folder again.
void clearOwn(const WindowTestEnv &env);

// True for the kinds that leave the file unopenable.
inline bool unopenable(Kind k) { return k == Kind::Missing || k == Kind::Directory || k == Kind::Unreadable; }

} // namespace damage

// The columns addDamageRows() fills.
void addDamageColumns();

// Adds one data row per kind for file (a relative name shown in the row
// name), with columns "file" (QString) and "kind" (int).
void addDamageRows(const QString &file, const QList<damage::Kind> &kinds);

// Skips an Unreadable row when permissions cannot be made to apply.
#define DAMAGE_SKIP_IF_UNTESTABLE(kind)                                                            \
    do {                                                                                           \
        if ((kind) == damage::Kind::Unreadable && !damage::canTestUnreadable())                    \
            QSKIP("mode 000 is readable here (no way to drop CAP_DAC_OVERRIDE)");                 \
    } while (false)

// Fetches a row of addDamageRows() into file and k, skipping it where it
// cannot be set up here.
#define DAMAGE_FETCH_ROW(file, k)                                                                  \
    QFETCH(QString, file);                                                                         \
    QFETCH(int, kind);                                                                             \
    const damage::Kind k = damage::Kind(kind);                                                     \
    DAMAGE_SKIP_IF_UNTESTABLE(k)
