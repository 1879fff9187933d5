// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class ClickLabel;
class ImageControl;
class LineControl;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The About window: version, contact links, two small animations and sounds.
class About : public QDialog
{
    Q_OBJECT
public:
    explicit About(QWidget *owner = nullptr);

    // Opens the window modally over owner and waits until it is closed.
    static void showModal(QWidget *owner);

    static QString authorEmail();
    static QString authorWebPage();

    void done(int result) override;

public Q_SLOTS:
    void Timer1_Timer();
    void Timer2_Timer();
    void Label1_Click();
    void Label2_Click();
    void cmdSysInfo_Click();
    void sendMail(const QString &address);

private:
    void StartSysInfo();

    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDescription;
    QLabel *lblDisclaimer;
    ClickLabel *Label1;
    ClickLabel *Label2;
    LineControl *Line1;
    QFrame *Picture2;
    QWidget *Picture1;
    ImageControl *Image1;
    ImageControl *Image2;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
    QTimer *Timer1;
    QTimer *Timer2;
    int m_counter = 0;
    bool m_closed = false;
};
