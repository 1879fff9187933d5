// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_option_1.h"

#include "calculators/mod_trafo.h"
#include "core/numbers.h"
#include "ui/controls.h"
#include "ui/build.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

namespace {
QPointer<frm_option_1> g_window;

using build::frame;
using build::make;
} // namespace

QString frm_option_1::referenceUrl()
{
    // Unitrode / Texas Instruments Magnetics Design Handbook, section 4:
    // power transformer design (turns from V = 4.44 f N B A, wire from the
    // current density, losses and efficiency).
    return QStringLiteral("https://www.ti.com/lit/pdf/slup126");
}

frm_option_1 *frm_option_1::instance()
{
    return g_window.data();
}

frm_option_1 *frm_option_1::showWindow(QWidget *owner)
{
    if (!g_window) {
        g_window = new frm_option_1(owner);
        if (const QScreen *s = owner ? owner->screen() : g_window->screen())
            g_window->move(s->availableGeometry().center() - g_window->rect().center());
    }
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

frm_option_1::frm_option_1(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frm_option_1"));
    setWindowTitle(QStringLiteral("Transzformátor alapbeállítások."));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::toPixels(3465), twips::toPixels(3600));

    Frame1 = frame(this, "Frame1", QStringLiteral("Beállítások"), 120, 60, 3225, 3450);
    Frame3 = frame(Frame1, "Frame3", QStringLiteral("Vasmag típus"), 150, 300, 2925, 960);
    Opt1[0] = make<QRadioButton>(Frame3, "Opt1(0)", 240, 300, 2500, 270);
    Opt1[0]->setText(QStringLiteral("Hipesil"));
    Opt1[1] = make<QRadioButton>(Frame3, "Opt1(1)", 240, 600, 2500, 270);
    Opt1[1]->setText(QStringLiteral("EI"));
    for (int i = 0; i < 2; ++i)
        connect(Opt1[i], &QRadioButton::clicked, this, [this, i] { Opt1_Click(i); });

    Frame2 = frame(Frame1, "Frame2", QStringLiteral("Hatásfok"), 150, 1380, 2925, 780);
    Combo1 = make<QComboBox>(Frame2, "Combo1", 240, 300, 2445, 345);
    Combo1->setMaxVisibleItems(12);
    connect(Combo1, &QComboBox::activated, this, &frm_option_1::Combo1_Click);

    Label1 = new ClickLabel(QStringLiteral("Felhasznált irodalom:"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    twips::place(Label1, 180, 2340, 2865, 255);
    Label1->setTextColor(QColor(0, 0, 255));
    QFont link = Label1->font();
    link.setUnderline(true);
    Label1->setFont(link);
    Label1->setToolTip(referenceUrl());
    Label1->makeLink();
    connect(Label1, &ClickLabel::clicked, this, &frm_option_1::Label1_Click);

    Command2 = make<QPushButton>(Frame1, "Command2", 900, 2760, 1425, 450);
    Command2->setText(QStringLiteral("Vissza"));
    Command2->setDefault(true);
    connect(Command2, &QPushButton::clicked, this, &frm_option_1::Command2_Click);

    // Form_Load: ReadSettings.
    mod_trafo::loadSettingsFile();
    showSettings();
}

void frm_option_1::showSettings()
{
    const mod_trafo::Settings &s = mod_trafo::settings();
    Combo1->clear();
    Combo1->addItems(s.efficiencies);
    // The efficiency may be a text that no entry spells the same way (" 85 "
    // after a save): the entry of the same value stands for it; with none,
    // the combo shows the text itself as an extra entry in its numeric place,
    // its item data true (the settings' list is not changed by that).
    int match = -1;
    const QString shown = s.eta.display();
    const double eta = s.eta.value();
    for (int i = 0; i < Combo1->count() && match < 0; ++i) {
        const QString entry = Combo1->itemText(i);
        if (entry.trimmed() == shown.trimmed() || mod_trafo::efficiencyNumber(entry) == eta)
            match = i;
    }
    if (match < 0) {
        match = 0;
        while (match < Combo1->count() && mod_trafo::efficiencyNumber(Combo1->itemText(match)) < eta)
            ++match;
        Combo1->insertItem(match, shown.trimmed(), true);
    }
    Combo1->setCurrentIndex(match);

    const int code = s.coreCode();
    // With an unknown core neither button is on.
    for (QRadioButton *b : Opt1)
        b->setAutoExclusive(false);
    Opt1[0]->setChecked(code == 0);
    Opt1[1]->setChecked(code == 1);
    for (QRadioButton *b : Opt1)
        b->setAutoExclusive(true);
}

void frm_option_1::Opt1_Click(int index)
{
    mod_trafo::settings().setCore(index == 0 ? mod_trafo::Core::Hipersil : mod_trafo::Core::EI);
    Q_EMIT mod_trafo::Notifier::instance()->settingsChanged();
}

void frm_option_1::Combo1_Click()
{
    mod_trafo::settings().eta = mod_trafo::Efficiency::fromNumber(mod_trafo::efficiencyNumber(Combo1->currentText()));
    Q_EMIT mod_trafo::Notifier::instance()->settingsChanged();
}

void frm_option_1::Label1_Click()
{
    QDesktopServices::openUrl(QUrl(referenceUrl()));   // the answer is not ours to report
}

void frm_option_1::Command2_Click()
{
    close();   // closing saves
}

void frm_option_1::WriteSettings()
{
    QString error;
    if (!mod_trafo::saveSettingsFile(&error))
        QMessageBox::warning(this, windowTitle(), error);
}

void frm_option_1::closeEvent(QCloseEvent *e)
{
    if (!m_saved) {
        m_saved = true;
        WriteSettings();
    }
    e->accept();
    // Deletion waits for the event loop: the next opening makes a new window.
    if (g_window == this)
        g_window = nullptr;
}
