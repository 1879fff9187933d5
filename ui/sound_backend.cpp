// SPDX-License-Identifier: GPL-3.0-or-later
// The sound backend, a module of its own: Qt Multimedia brings some twenty
// libraries (the audio server's client, codecs, Kerberos, networking) that
// only playing a sound needs, so they load on the first sound, not at start.
#include "ui/sound_backend.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>
#include <QVariant>

#include <type_traits>

// The effects live in the application, not in the window that asked for them,
// so a closing sound outlives its window. The caller has checked the file.
extern "C" Q_DECL_EXPORT void kondrix_sound_play(const QString &path)
{
    if (!QCoreApplication::instance())
        return;
    auto *effect = new QSoundEffect(QCoreApplication::instance());
    auto start = [effect] {
        if (effect->property("started").toBool())
            return;
        effect->setProperty("started", true);
        effect->play();
    };
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying() && effect->property("started").toBool())
            effect->deleteLater();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, start] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();
        else if (effect->status() == QSoundEffect::Ready)
            start();
    });
    effect->setSource(QUrl::fromLocalFile(path));
    if (effect->status() == QSoundEffect::Ready)
        start();
}

static_assert(std::is_same_v<decltype(&kondrix_sound_play), sound::backend::Play>);
