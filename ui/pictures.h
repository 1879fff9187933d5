// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QIcon;

// Pictures read in the format they are known to have. Qt, when it may choose,
// first loads every image plugin installed and asks each whether it reads the
// file (a dozen libraries at start); naming the format and nothing else skips
// that. PNG files, all of our own, do not go through Qt's readers at all: its
// first reader also lists every plugin file there is.
namespace pictures {

// A format name Qt knows ("png", "jpeg", ...); an empty one lets any plugin
// read the file. A null image when it cannot be read.
QImage read(const QString &path, const QByteArray &format);

// The format a picture file's first bytes show, whatever its name says; empty
// when they show none of the usual ones.
QByteArray formatOf(const QString &path);

// A PNG file's picture, decoded by libpng, which Qt links anyway; null when
// the data is not a whole PNG.
QImage decodePng(const QByteArray &data);

// Pixels written at build time by tools/rawpicture.cpp; a null image unless
// the bytes are whole and of this machine's byte order. Resource pictures
// "x.png" are read from such an "x.argb" beside them when there is one.
// Layout: these two words, width, height, then the premultiplied ARGB rows
// without padding, all in the writer's byte order.
inline constexpr quint32 kRawMagic = 0x5052584bu;   // "KXRP" read as a word
inline constexpr quint32 kRawByteOrder = 0x01020304u;
QImage fromRaw(const uchar *data, qint64 size);

// Makes Qt read PNG files, its own pictures included, without loading its
// image plugins first. Once, at start.
void usePngReader();

// Has Qt list its image plugins now, as its first reader of any picture does
// (reading each plugin file's description); for a thread of its own once the
// application object exists, which decides where plugins are looked for.
void listImagePlugins();

// Our own pictures in the resources are all PNG.
QPixmap png(const QString &path);
QIcon pngIcon(const QString &path);

} // namespace pictures
