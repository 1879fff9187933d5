// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound.h"

#include "core/appdir.h"
#include "ui/sound_backend.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QtEndian>

namespace sound {
namespace {
Player &customPlayer()
{
    static Player p;
    return p;
}

// A complete PCM wave file. The player waits for ever for the rest of a cut
// file, and such an effect hangs the program when it ends.
bool isCompleteWave(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 64 * 1024 * 1024)
        return false;
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        pos += 8;
        if (size > quint64(b.size() - pos))
            return false;
        if (id == "fmt ") {
            if (size < 16)
                return false;
            const char *d = b.constData() + pos;
            const quint16 tag = qFromLittleEndian<quint16>(d);
            const quint16 channels = qFromLittleEndian<quint16>(d + 2);
            const quint32 rate = qFromLittleEndian<quint32>(d + 4);
            const quint16 bits = qFromLittleEndian<quint16>(d + 14);
            format = (tag == 1 || tag == 3 || tag == 0xFFFE) && channels >= 1 && channels <= 8
                     && rate >= 1000 && rate <= 384000 && bits >= 8 && bits <= 32 && bits % 8 == 0;
        } else if (id == "data") {
            return format && size > 0;
        }
        pos += qsizetype(size) + (size & 1);
    }
    return false;
}

struct Backend
{
    QString file;   // empty: the default, beside the executable
    bool tried = false;
    backend::Play play = nullptr;
};

Backend &theBackend()
{
    static Backend b;
    return b;
}

// Loaded on the first sound and kept to the end. Without it there is no sound.
backend::Play loadBackend()
{
    Backend &b = theBackend();
    if (!b.tried) {
        b.tried = true;
        QString file = b.file;
        if (file.isEmpty())
            file = QCoreApplication::applicationDirPath() + QLatin1Char('/')
                   + QLatin1String(backend::kFolder) + QLatin1Char('/')
                   + QLatin1String(backend::kFile);
        QLibrary lib(file);
        if (lib.load())
            b.play = reinterpret_cast<backend::Play>(lib.resolve(backend::kEntry));
    }
    return b.play;
}

void playReal(const QString &path)
{
    if (!appdir::fileExists(path) || !QCoreApplication::instance() || !isCompleteWave(path))
        return;
    if (const backend::Play play = loadBackend())
        play(path);
}
} // namespace

void playAsync(const QString &path)
{
    if (customPlayer())
        customPlayer()(path);
    else
        playReal(path);
}

void setPlayer(Player player)
{
    customPlayer() = std::move(player);
}

namespace backend {
void setFile(const QString &file)
{
    theBackend() = Backend{file};
}

bool loaded()
{
    return theBackend().play != nullptr;
}
} // namespace backend

} // namespace sound
