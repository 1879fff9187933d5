// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowtest.h"
#include "ui/about.h"
#include "ui/controls.h"
#include "ui/sound.h"
#include "ui/twips.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

class AboutTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

private Q_SLOTS:
    void init() { env.playedSounds.clear(); env.openedUrls.clear(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_with_version_running_timers_and_sound()
    {
        About a;
        for (const char *n : {"Image1", "Image2", "Picture1", "Picture2", "Line1", "lblTitle",
                              "lblDescription", "lblDisclaimer", "Label1", "Label2", "cmdOK", "cmdSysInfo"})
            QVERIFY2(a.findChild<QWidget *>(QLatin1String(n)), n);
        QCOMPARE(part<QLabel>(a, "lblVersion")->text(), QString::fromUtf8("Verzió: 1.5.0"));
        QVERIFY(part<QTimer>(a, "Timer1")->isActive());
        QVERIFY(part<QTimer>(a, "Timer2")->isActive());
        QCOMPARE(env.playedSounds.size(), 1);
        QVERIFY(env.playedSounds.first().endsWith(QStringLiteral("/Wav/about1.wav")));
    }

    void viewport_grows_for_24_ticks_then_stops()
    {
        About a;
        auto *pic = part<QWidget>(a, "Picture1");
        QCOMPARE(twips::width(pic), 1.f);
        QCOMPARE(twips::height(pic), 0.f);
        for (int i = 0; i < 23; ++i)
            a.Timer2_Timer();
        QCOMPARE(twips::width(pic), 1036.f);
        QCOMPARE(twips::height(pic), 805.f);
        a.Timer2_Timer();   // the 24th step would give 840: cut to 825
        QCOMPARE(twips::width(pic), 1081.f);
        QCOMPARE(twips::height(pic), 825.f);
        QVERIFY(part<QTimer>(a, "Timer2")->isActive());
        a.Timer2_Timer();
        QVERIFY(!part<QTimer>(a, "Timer2")->isActive());
        for (int i = 0; i < 5; ++i)
            a.Timer2_Timer();
        QCOMPARE(twips::width(pic), 1081.f);
        QCOMPARE(twips::height(pic), 825.f);
    }

    void strip_steps_through_nine_frames()
    {
        About a;
        auto *strip = part<QWidget>(a, "Image2");
        QCOMPARE(twips::left(strip), -10.f);
        for (int i = 1; i <= 8; ++i) {
            a.Timer1_Timer();
            QCOMPARE(twips::left(strip), float(-10 - 1020 * i));
        }
        a.Timer1_Timer();   // the ninth step starts again
        QCOMPARE(twips::left(strip), -10.f);
        a.Timer1_Timer();
        QCOMPARE(twips::left(strip), -1030.f);
    }

    // OK and Escape alike.
    void closing_stops_both_timers_before_the_closing_sound_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("OK") << false;
        QTest::newRow("Escape") << true;
    }
    void closing_stops_both_timers_before_the_closing_sound()
    {
        QFETCH(bool, escape);
        About a;
        a.show();
        auto *t1 = part<QTimer>(a, "Timer1");
        auto *t2 = part<QTimer>(a, "Timer2");
        bool timersStoppedFirst = false;
        sound::setPlayer([&](const QString &path) {
            env.playedSounds.append(path);
            timersStoppedFirst = !t1->isActive() && !t2->isActive();
        });
        if (escape)
            QTest::keyClick(&a, Qt::Key_Escape);
        else
            QTest::mouseClick(part<QPushButton>(a, "cmdOK"), Qt::LeftButton);
        sound::setPlayer([this](const QString &p) { env.playedSounds.append(p); });
        QVERIFY(!a.isVisible());
        QCOMPARE(env.playedSounds.size(), 2);
        QVERIFY(env.playedSounds.last().endsWith(QStringLiteral("/Wav/about2.wav")));
        QVERIFY(timersStoppedFirst);
    }

    void links_hand_addresses_to_the_desktop()
    {
        About a;
        a.show();
        auto *web = part<ClickLabel>(a, "Label2");
        QTest::mousePress(web, Qt::LeftButton);
        QCOMPARE(web->textColor(), QColor(255, 0, 0));
        QTest::mouseRelease(web, Qt::LeftButton);
        QCOMPARE(web->textColor(), QColor(0, 0, 255));
        QTest::mouseClick(part<ClickLabel>(a, "Label1"), Qt::LeftButton);
        QCOMPARE(env.openedUrls.size(), 2);
        QCOMPARE(env.openedUrls[0], QUrl(About::authorWebPage()));
        QCOMPARE(env.openedUrls[1], QUrl(QStringLiteral("mailto:") + About::authorEmail()));
    }

    void invalid_address_shows_the_message()
    {
        About a;
        a.show();
        QString title, text;
        env.expectModal([&](QWidget *m) {
            title = m->windowTitle();
            if (auto *box = qobject_cast<QMessageBox *>(m))
                text = box->text();
            m->close();
        });
        a.sendMail(QStringLiteral("nobody@nowhere"));
        QCOMPARE(title, QStringLiteral("Invalid Email Address"));
        QCOMPARE(text, QString::fromUtf8("Sajnálom, de [nobody@nowhere] ez nem érvényes email cím"));
        QVERIFY(env.openedUrls.isEmpty());
    }

    void no_system_information_tool_says_so()
    {
        const QByteArray oldPath = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toLocal8Bit());
        About a;
        a.show();
        QString text;
        env.expectModal([&](QWidget *m) {
            if (auto *box = qobject_cast<QMessageBox *>(m))
                text = box->text();
            m->close();
        });
        QTest::mouseClick(part<QPushButton>(a, "cmdSysInfo"), Qt::LeftButton);
        qputenv("PATH", oldPath);
        QCOMPARE(text, QStringLiteral("System Information Is Unavailable At This Time"));
    }

    // The real player loads the sound module from beside the executable with
    // the first sound; without the module there is silence and nothing else.
    void sound_module_loads_with_the_first_sound()
    {
        sound::setPlayer({});
        sound::backend::setFile(env.appDir() + QStringLiteral("/no/kondrix_sound.so"));
        for (bool moduleThere : {false, true}) {
            QVERIFY(!sound::backend::loaded());
            {
                About a;
                a.show();
                a.accept();
            }
            QCOMPARE(sound::backend::loaded(), moduleThere);
            sound::backend::setFile(QString());
        }
        sound::setPlayer([this](const QString &p) { env.playedSounds.append(p); });
    }
};

KONDRIX_TEST_MAIN(AboutTest)
#include "about_test.moc"
