// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The user's own catalog records: files named and laid out as the shipped
// ones, in a folder the user can write without root. Their records follow the
// shipped ones.
namespace userdata {

// ~/.local/share/kondrix (XDG_DATA_HOME); the folder may not exist.
QString path();
void setPath(const QString &dir);   // tests; an empty text restores the default

// The user's copy of a data file named as for appdir::file(). Empty when the
// user's folder is the application directory itself: its files are the
// shipped ones, already read.
QString file(const QString &relative);

// True when something stands at the user's path of a data file: a file, or
// a directory or an unreadable entry in its place.
bool present(const QString &relative);

// Reads the user's copy of a data file as code page 1250 text. False without
// a word when there is none (the usual case); false with a Hungarian line
// naming it in problems when it is there but cannot be read.
bool read(const QString &relative, QString *text, QStringList *problems);

// A catalog's shipped file and the user's copy of it. False when the shipped
// one cannot be read (shipped is then empty); the user's copy as read().
bool readWithOwn(const QString &relative, QString *shipped, QString *own, QStringList *problems);

// The red message after reading a catalog: the lines about the user's copy,
// and before them, when the shipped file could not be read, `missing`
// followed by "a lista üres." or, when the user's records still show,
// `onlyOwn`.
QString loadMessage(bool shippedRead, bool anyRecords, const QStringList &ownProblems, const QString &missing,
                    const QString &onlyOwn);

// How the windows mark a user's record after its description: "(saját)".
QString marker();
// text followed by the marker.
QString marked(const QString &text);

} // namespace userdata
