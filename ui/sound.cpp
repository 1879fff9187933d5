#include "ui/sound.h"

#include "core/appdir.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>
#include <QVariant>

namespace sound {
namespace {
Player &customPlayer()
{
    static Player p;
    return p;
}

// The effects live in the application, not in the window that asked for them,
// so a closing sound outlives its window.
void playReal(const QString &path)
{
    if (!appdir::fileExists(path) || !QCoreApplication::instance())
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

} // namespace sound
