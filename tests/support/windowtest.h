// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

// The Hungarian texts of the sources as they are written (UTF-8).
inline QString u8(const char *s) { return QString::fromUtf8(s); }

// Shared set-up of the window tests: offscreen platform, Hungarian locale, an
// application directory in a temporary folder (a copy of data/), recorded
// instead of real desktop requests and sounds, and a watchdog that closes an
// unexpected modal window and fails the test instead of hanging.
class WindowTestEnv : public QObject
{
    Q_OBJECT
public:
    WindowTestEnv();
    ~WindowTestEnv() override;

    // Fresh application directory holding a copy of the shipped data, and a
    // fresh, empty user configuration folder.
    void resetAppDir();
    QString appDir() const;
    QString userConfigDir() const;
    // The user's own records (empty at each reset of the application directory).
    QString userDataDir() const;
    void writeUserFile(const QString &relative, const QByteArray &bytes);
    // Writes bytes to a file under the application directory.
    void writeFile(const QString &relative, const QByteArray &bytes);
    void removeFile(const QString &relative);

    // The next modal window is handed to handler (which should close it)
    // instead of counting as unexpected.
    void expectModal(std::function<void(QWidget *)> handler);
    // Failures seen since the last call (unexpected modal windows).
    QStringList takeProblems();

    QList<QUrl> openedUrls;
    QStringList playedSounds;

public Q_SLOTS:
    void openUrl(const QUrl &url);

private:
    void watch();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_userData;
    QTimer m_watchdog;
    std::function<void(QWidget *)> m_expected;
    QStringList m_problems;
};

// The control of w named name; a missing one stops the test run, naming it.
template<typename T = QWidget> T *part(const QWidget &w, const QString &name)
{
    T *c = w.findChild<T *>(name);
    if (!c)
        qFatal("missing control %s", qPrintable(name));
    return c;
}

// Saves the window's (or the given) picture as name.png when
// KONDRIX_SCREENSHOTS names a folder: the pictures of the manual.
void screenshot(QWidget *w, const QString &name);
void screenshot(const QPixmap &picture, const QString &name);

// Fails the running test when the watchdog saw something.
#define KONDRIX_VERIFY_NO_SURPRISES(env)                                                           \
    do {                                                                                           \
        const QStringList problems_ = (env).takeProblems();                                        \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1Char('\n'))));             \
    } while (false)

int kondrixTestMain(int argc, char **argv, QObject *test);

#define KONDRIX_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass tc;                                                                              \
        return kondrixTestMain(argc, argv, &tc);                                                   \
    }
