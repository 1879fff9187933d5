// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_trafo.h"

#include "calculators/frm_option_1.h"
#include "core/numbers.h"
#include "ui/build.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
// Design geometry, twips. Every winding frame has the same height; Frame1
// grows by one of them per winding on top of its fixed part.
constexpr double kWindingTop = 1005;
constexpr double kWindingHeight = 570;
constexpr double kFrame1Extra = 1300;

using build::frame;
using build::indexed;
using build::label;
using build::make;
using build::setBold;

void setResultColour(QLabel *l)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l->setPalette(p);
}
} // namespace

frm_trafo::frm_trafo(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_trafo"), QStringLiteral("  Transzformátor számítás"), 9900,
                 4260, true, parent)
{
    // Left column: the secondary windings.
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Szekunder tekercs(ek)"), 90, 45,
                   6990, kWindingHeight + kFrame1Extra);
    Label2 = label(Frame1, QStringLiteral("Label2"), QStringLiteral("Tekercsek száma:  (1-5)"), 180,
                   300, 3000, 240);
    for (int k = 0; k < mod_trafo::kMaxWindings; ++k) {
        Cmd[k] = make<QPushButton>(Frame1, indexed("Cmd", k), 180 + k * 450, 555, 405, 360);
        Cmd[k]->setText(QString::number(k + 1));
        connect(Cmd[k], &QPushButton::clicked, this, [this, k] { Cmd_Click(k); });
    }
    buildWindings();

    // Right column: settings, core, primary.
    Frame5 = frame(this, QStringLiteral("Frame5"), QStringLiteral("Alap beállítások"), 7170, 45, 2640,
                   1170);
    Command1 = make<QToolButton>(Frame5, QStringLiteral("Command1"), 120, 300, 630, 630);
    Command1->setIcon(pictures::pngIcon(QStringLiteral(":/calculators/trafo_settings.png")));
    Command1->setIconSize(QSize(32, 32));
    Command1->setToolTip(QStringLiteral("Alap beállítások"));
    connect(Command1, &QToolButton::clicked, this, &frm_trafo::Command1_Click);
    Label4 = label(Frame5, QStringLiteral("Label4"), QString(), 870, 360, 1710, 240);
    Label5 = label(Frame5, QStringLiteral("Label5"), QString(), 870, 660, 1710, 240);

    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("Vasmag keresztmetszet"), 7170, 1305,
                   2640, 780);
    lblKeresztmetszet = label(Frame4, QStringLiteral("lblKeresztmetszet"), QString(), 150, 330, 2370, 330);
    setBold(lblKeresztmetszet, 1.25);
    setResultColour(lblKeresztmetszet);

    Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Primer tekercs"), 7170, 2175, 2640,
                   1560);
    lblPower = label(Frame2, QStringLiteral("lblPower"), QString(), 150, 300, 2370, 330);
    setBold(lblPower, 1.25);
    setResultColour(lblPower);
    lbl_Np = label(Frame2, QStringLiteral("lbl_Np"), QString(), 150, 660, 2370, 240);
    setBold(lbl_Np);
    setResultColour(lbl_Np);
    // The blanks of "Átmérő   :" line its colon up under "Keresztm.:".
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lbl_Ap = label(Frame2, QStringLiteral("lbl_Ap"), QString(), 150, 960, 2370, 240);
    lbl_Dp = label(Frame2, QStringLiteral("lbl_Dp"), QString(), 150, 1230, 2370, 240);
    for (QLabel *l : {lbl_Ap, lbl_Dp}) {
        l->setFont(fixed);
        setResultColour(l);
    }

    // Form_Load.
    mod_trafo::loadSettingsFile();
    Label4->setText(mod_trafo::coreLabel(mod_trafo::settings().K));
    Label5->setText(mod_trafo::efficiencyLabel(mod_trafo::settings().eta));
    connect(mod_trafo::Notifier::instance(), &mod_trafo::Notifier::settingsChanged, this, [this] {
        const mod_trafo::Settings &s = mod_trafo::settings();
        Label4->setText(mod_trafo::coreLabel(s.K));
        Label5->setText(mod_trafo::efficiencyLabel(s.eta));
    });
    connect(mod_trafo::Notifier::instance(), &mod_trafo::Notifier::settingsSaved, this,
            [this] { szamit(); });
    m_winding = 0;
    clearResults();
    Frame2->hide();
    Frame4->hide();
    twips::setHeight(Frame1, twips::height(Tekercs_s[0]) + kFrame1Extra);
}

void frm_trafo::buildWindings()
{
    for (int i = 0; i < mod_trafo::kMaxWindings; ++i) {
        const QString n = QString::number(i + 1);
        QGroupBox *f = frame(Frame1, indexed("Tekercs_s", i), n + QStringLiteral(". tekercs"), 120,
                             kWindingTop + i * kWindingHeight, 6750, kWindingHeight);
        // A flat frame: a titled rule above one row keeps five windings compact.
        f->setFlat(true);
        Tekercs_s[i] = f;
        Label1[i] = label(f, indexed("Label1", i), QStringLiteral("U%1 [V]").arg(n), 90, 285, 660, 240);
        Us[i] = make<QLineEdit>(f, indexed("Us", i), 780, 255, 780, 300);
        Label3[i] = label(f, indexed("Label3", i), QStringLiteral("I%1 [A]").arg(n), 1710, 285, 630, 240);
        Iss[i] = make<QLineEdit>(f, indexed("Iss", i), 2370, 255, 780, 300);
        Ns[i] = label(f, indexed("Ns", i), QString(), 3300, 285, 1200, 240);
        Asz[i] = label(f, indexed("Asz", i), QString(), 4530, 285, 1140, 240);
        Ds[i] = label(f, indexed("Ds", i), QString(), 5700, 285, 1020, 240);
        for (QLabel *l : {Ns[i], Asz[i], Ds[i]})
            setResultColour(l);
        setBold(Ns[i]);
        for (QLineEdit *e : {Us[i], Iss[i]})
            e->installEventFilter(this);
        connect(Us[i], &QLineEdit::textChanged, this, [this, i] { Us_Change(i); });
        connect(Iss[i], &QLineEdit::textChanged, this, [this, i] { Iss_Change(i); });
        f->setVisible(i == 0);
    }
}

void frm_trafo::clearResults()
{
    for (QLabel *l : {lblPower, lblKeresztmetszet, lbl_Np, lbl_Ap, lbl_Dp})
        l->clear();
    for (int i = 0; i < mod_trafo::kMaxWindings; ++i) {
        Ns[i]->clear();
        Asz[i]->clear();
        Ds[i]->clear();
    }
}

void frm_trafo::Cmd_Click(int index)
{
    for (int i = 0; i < mod_trafo::kMaxWindings; ++i)
        Tekercs_s[i]->setVisible(i <= index);
    m_winding = index;
    // The fixed part (buttons and margins) scales with the winding frames;
    // left at its design height, a rescaled window would cut off the last
    // winding.
    const double h = twips::height(Tekercs_s[0]);
    twips::setHeight(Frame1, (index + 1) * h + kFrame1Extra * (h / kWindingHeight));
}

void frm_trafo::Us_Change(int index)
{
    m_U[index] = num::leadingNumber(Us[index]->text());
    szamit(index);
}

void frm_trafo::Iss_Change(int index)
{
    m_I[index] = num::leadingNumber(Iss[index]->text());
    szamit(index);
}

void frm_trafo::szamit(int)
{
    const mod_trafo::Settings &s = mod_trafo::settings();
    const mod_trafo::Result r = mod_trafo::szamit(m_U, m_I, m_winding, s.eta.value(), s.K);
    if (!r.valid) {
        Frame2->hide();
        Frame4->hide();
        clearResults();
        return;
    }
    Frame2->show();
    Frame4->show();
    lblPower->setText(r.power);
    lblKeresztmetszet->setText(r.core);
    lbl_Np->setText(r.primaryTurns);
    lbl_Ap->setText(r.primaryArea);
    lbl_Dp->setText(r.primaryDiameter);
    for (int i = 0; i < r.windings; ++i) {
        Ns[i]->setText(r.secondary[size_t(i)].turns);
        Asz[i]->setText(r.secondary[size_t(i)].crossSection);
        Ds[i]->setText(r.secondary[size_t(i)].diameter);
    }
}

void frm_trafo::Command1_Click()
{
    frm_option_1::showWindow(window());
}

bool frm_trafo::eventFilter(QObject *watched, QEvent *event)
{
    // The Hungarian decimal comma becomes the point that number reading takes.
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->text() == QLatin1String(",")) {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), QStringLiteral("."),
                            key->isAutoRepeat(), ushort(key->count()));
            QApplication::sendEvent(watched, &point);
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
