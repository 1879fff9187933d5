// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about.h"

#include "core/appdir.h"
#include "ui/aboutlogic.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/sound.h"
#include "ui/twips.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, double l, double t,
                  double w, double h)
{
    auto *lab = new QLabel(text, parent);
    lab->setObjectName(QLatin1String(name));
    lab->setWordWrap(true);
    twips::place(lab, l, t, w, h);
    return lab;
}
} // namespace

// KONDRIX_CONTACT_EMAIL and KONDRIX_HOMEPAGE: the packager's addresses,
// set by the build (packaging/install.cmake).
QString About::authorEmail()
{
    return QStringLiteral(KONDRIX_CONTACT_EMAIL);
}

QString About::authorWebPage()
{
    return QStringLiteral(KONDRIX_HOMEPAGE);
}

About::About(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral(" Névjegy."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(twips::toPixels(5655), twips::toPixels(3975));

    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(pictures::png(QStringLiteral(":/ui/about_bg.png")));
    twips::place(Image1, 0, 0, 5655, 3975);

    Picture2 = new QFrame(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFrameShape(QFrame::Panel);
    Picture2->setFrameShadow(QFrame::Sunken);
    twips::place(Picture2, 240, 240, 1155, 885);

    Picture1 = new QWidget(Picture2);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);
    twips::place(Picture1, 30, 30, 1, 0);

    Image2 = new ImageControl(Picture1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPicture(pictures::png(QStringLiteral(":/ui/about_strip.png")));
    twips::place(Image2, -10, 0, 9 * 1020, 825);

    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Kondrix"), 1560, 160, 3855, 420);
    QFont big = small;
    big.setPointSizeF(15);
    big.setBold(true);
    lblTitle->setFont(big);
    makeLabel(this, "lblSubtitle", QStringLiteral("elektronikai segédprogramok"), 1560, 560, 3855, 240);
    lblVersion = makeLabel(this, "lblVersion", QString(), 1560, 800, 3855, 240);
    lblDescription = makeLabel(this, "lblDescription",
                               QStringLiteral("Szabadon használható és továbbadható. "
                                              "2026. december"),
                               1560, 1040, 3855, 460);
    lblDisclaimer = makeLabel(this, "lblDisclaimer", QString(), 240, 1590, 5175, 960);

    Line1 = new LineControl(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setLine(240, 2640, 5415, 2640);
    Line1->setColor(QColor(96, 96, 96));

    Label1 = new ClickLabel(QStringLiteral("E-mail: ") + authorEmail(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextColor(QColor(0, 0, 255));
    Label1->setCursor(Qt::PointingHandCursor);
    twips::place(Label1, 240, 2820, 3600, 285);
    connect(Label1, &ClickLabel::clicked, this, &About::Label1_Click);

    Label2 = new ClickLabel(QStringLiteral("Honlap:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextColor(QColor(0, 255, 255));
    Label2->makeLink();
    Label2->setToolTip(authorWebPage());
    twips::place(Label2, 240, 3180, 1200, 285);
    connect(Label2, &ClickLabel::clicked, this, &About::Label2_Click);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    twips::place(cmdOK, 4200, 2820, 1215, 375);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    twips::place(cmdSysInfo, 4200, 3330, 1215, 375);
    connect(cmdSysInfo, &QPushButton::clicked, this, &About::cmdSysInfo_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(150);
    connect(Timer1, &QTimer::timeout, this, &About::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, &About::Timer2_Timer);

    // Opening, in the window's own order.
    const QString openingSound = appdir::file(QStringLiteral("\\Wav\\about1.wav"));
    lblVersion->setText(about::versionText());
    sound::playAsync(openingSound);
    lblDisclaimer->setText(QStringLiteral(
        "Készítette a Kondrix csapata. Szabad szoftver: a GNU GPL 3. vagy későbbi változata szerint "
        "használható, módosítható és továbbadható. Garancia nélkül, mindenki saját felelősségére."));
    for (QPushButton *b : {cmdOK, cmdSysInfo}) {
        QPalette pal = b->palette();
        pal.setColor(QPalette::Button, QColor(208, 212, 232));
        b->setPalette(pal);
    }
    twips::setWidth(Picture1, 1);
    twips::setHeight(Picture1, 0);
    Timer2->setInterval(100);
    Timer1->start();
    Timer2->start();

    if (owner) {
        const QWidget *top = owner->window();
        move(top->geometry().center() - rect().center());
    }
}

void About::showModal(QWidget *owner)
{
    About dlg(owner);
    dlg.exec();
}

void About::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        Timer1->stop();
        Timer2->stop();
        sound::playAsync(appdir::file(QStringLiteral("\\Wav\\about2.wav")));
    }
    QDialog::done(result);
}

void About::Timer2_Timer()
{
    const float w = twips::width(Picture1);
    if (w < 1080) {
        twips::setWidth(Picture1, double(w) + 45);
        double h = double(twips::height(Picture1)) + 35;
        if (h > 825)
            h = 825;
        twips::setHeight(Picture1, h);
    } else {
        Timer2->stop();
    }
}

void About::Timer1_Timer()
{
    twips::setLeft(Image2, double(twips::left(Image2)) - 1020);
    ++m_counter;
    if (m_counter == 9) {
        twips::setLeft(Image2, -10);
        m_counter = 0;
    }
}

void About::Label1_Click()
{
    sendMail(authorEmail());
}

void About::sendMail(const QString &address)
{
    if (about::isValidEmailAddress(address)) {
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Invalid Email Address"),
                    QStringLiteral("Sajnálom, de [") + address
                        + QStringLiteral("] ez nem érvényes email cím"),
                    QMessageBox::Ok, this);
    box.exec();
}

void About::Label2_Click()
{
    QDesktopServices::openUrl(QUrl(authorWebPage()));
}

void About::cmdSysInfo_Click()
{
    StartSysInfo();
}

void About::StartSysInfo()
{
    QString program;
#ifdef Q_OS_WIN
    QSettings msinfo(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                     QSettings::NativeFormat);
    program = msinfo.value(QStringLiteral("PATH")).toString();
    if (program.isEmpty()) {
        QSettings loc(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                      QSettings::NativeFormat);
        const QString dir = loc.value(QStringLiteral("MSINFO")).toString();
        if (!dir.isEmpty() && appdir::fileExists(dir + QStringLiteral("\\MSINFO32.EXE")))
            program = dir + QStringLiteral("\\MSINFO32.EXE");
    }
#else
    program = about::findProgram(about::systemInfoCandidates(),
                                 QString::fromLocal8Bit(qgetenv("PATH")));
#endif
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
        return;
    QMessageBox box(QMessageBox::NoIcon, QString(),
                    QStringLiteral("System Information Is Unavailable At This Time"),
                    QMessageBox::Ok, this);
    box.exec();
}
