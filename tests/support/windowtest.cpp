// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowtest.h"

#include "core/appdir.h"
#include "core/userdata.h"
#include "ui/lazyicons.h"
#include "ui/pictures.h"
#include "ui/sound.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {
void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}
} // namespace

WindowTestEnv::WindowTestEnv()
{
    pictures::usePngReader();   // as the program does
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QStandardPaths::setTestModeEnabled(true);
    for (const char *scheme : {"file", "mailto", "http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    sound::setPlayer([this](const QString &path) { playedSounds.append(path); });
    resetAppDir();
    m_watchdog.setInterval(50);
    connect(&m_watchdog, &QTimer::timeout, this, &WindowTestEnv::watch);
    m_watchdog.start();
}

WindowTestEnv::~WindowTestEnv()
{
    for (const char *scheme : {"file", "mailto", "http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    sound::setPlayer({});
    appdir::setPath(QString());
    appdir::setUserConfigPath(QString());
    userdata::setPath(QString());
}

void WindowTestEnv::resetAppDir()
{
    m_dir = std::make_unique<QTemporaryDir>();
    copyTree(QStringLiteral(KONDRIX_SOURCE_DATA), m_dir->path());
    appdir::setPath(m_dir->path());
    m_config = std::make_unique<QTemporaryDir>();
    appdir::setUserConfigPath(m_config->path() + QStringLiteral("/kondrix"));
    m_userData = std::make_unique<QTemporaryDir>();
    userdata::setPath(m_userData->path());
}

QString WindowTestEnv::userDataDir() const
{
    return m_userData->path();
}

void WindowTestEnv::writeUserFile(const QString &relative, const QByteArray &bytes)
{
    const QString path = m_userData->path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QString WindowTestEnv::userConfigDir() const
{
    return m_config->path() + QStringLiteral("/kondrix");
}

QString WindowTestEnv::appDir() const
{
    return m_dir->path();
}

void WindowTestEnv::writeFile(const QString &relative, const QByteArray &bytes)
{
    const QString path = m_dir->path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void WindowTestEnv::removeFile(const QString &relative)
{
    QFile::remove(m_dir->path() + QLatin1Char('/') + relative);
}

void WindowTestEnv::expectModal(std::function<void(QWidget *)> handler)
{
    m_expected = std::move(handler);
}

QStringList WindowTestEnv::takeProblems()
{
    QStringList p = m_problems;
    m_problems.clear();
    return p;
}

void WindowTestEnv::openUrl(const QUrl &url)
{
    openedUrls.append(url);
}

void WindowTestEnv::watch()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (m_expected) {
        auto handler = std::move(m_expected);
        m_expected = nullptr;
        handler(modal);
        return;
    }
    m_problems.append(QStringLiteral("unexpected modal window: %1 \"%2\"")
                          .arg(modal->objectName(), modal->windowTitle()));
    modal->close();
}

void screenshot(QWidget *w, const QString &name)
{
    if (!qEnvironmentVariableIsEmpty("KONDRIX_SCREENSHOTS"))
        screenshot(w->grab(), name);
}

void screenshot(const QPixmap &picture, const QString &name)
{
    const QString dir = qEnvironmentVariable("KONDRIX_SCREENSHOTS");
    if (!dir.isEmpty() && QDir().mkpath(dir))
        QVERIFY(picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

int kondrixTestMain(int argc, char **argv, QObject *test)
{
    pictures::usePngReader();   // as the program does
    applyProgramStyle();
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    return QTest::qExec(test, argc, argv);
}
