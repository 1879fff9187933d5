// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_rc.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/rc_calc.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace calcwidgets;
using namespace calcform;

namespace {
const QString kOhm = QStringLiteral("Ω");
const QStringList kOhmUnits = {QStringLiteral("Ω"), QStringLiteral("ohm")};

// The box of the sought quantity takes no input.
void markSought(QLineEdit *const (&boxes)[3], int sought)
{
    for (int i = 0; i < 3; ++i) {
        boxes[i]->setEnabled(i != sought);
        if (i == sought)
            boxes[i]->clear();
    }
}

int checked(QRadioButton *const (&options)[3])
{
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked())
            return i;
    return 2;
}
} // namespace

frm_rc::frm_rc(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_rc"), QStringLiteral("RC-tag és reaktancia"), 10800, 4440, true, parent)
{
    const double cw = 1860, bw = 1500;
    // The RC section.
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("RC-tag (alul- és felüláteresztő)"), 120,
                              90, 5220, 4260);
    QGroupBox *Frame3 = frame(Frame1, QStringLiteral("Frame3"), QStringLiteral("Melyiket keressük:"), 180, 270,
                              4860, 600);
    const char *const rcNames[] = {"R", "C", "f"};
    const QString rcCaptions[] = {QStringLiteral("Ellenállás:"), QStringLiteral("Kapacitás:"),
                                  QStringLiteral("Határfrekvencia:")};
    const QString rcUnits[] = {kOhm, QStringLiteral("F"), QStringLiteral("Hz")};
    for (int i = 0; i < 3; ++i) {
        optRc[i] = option(Frame3, build::indexed("optRc", i), QString::fromLatin1(rcNames[i]), 240 + i * 1500, 240,
                          1200, [this] { rcSoughtChanged(); });
        txtRc[i] = inputRow(Frame1, build::indexed("txtRc", i), rcCaptions[i], rcUnits[i], 180,
                            1050 + i * kRowPitch, cw, bw, [this] { recalculateRc(); });
    }
    lblRc = resultLabel(Frame1, QStringLiteral("lblRc"), 180, 2820, 4860);
    lblTau = resultLabel(Frame1, QStringLiteral("lblTau"), 180, 3180, 4860);
    lblRcHiba = messageLabel(Frame1, QStringLiteral("lblRcHiba"), 180, 3540, 4860, 660);
    QLabel *rcHint = label(Frame1, QStringLiteral("lblRcKeplet"), QStringLiteral("f = 1 / (2π·R·C),  τ = R·C"),
                           180, 2340, 4860, 270);
    setTextColour(rcHint, QColor(96, 96, 96));

    // The reactance section.
    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Reaktancia"), 5460, 90, 5220, 4260);
    QGroupBox *Frame4 = frame(Frame2, QStringLiteral("Frame4"), QString(), 180, 270, 4860, 420);
    optXc = option(Frame4, QStringLiteral("optXc"), QStringLiteral("Kondenzátor (Xc)"), 240, 60, 2200,
                   [this] { reactanceSoughtChanged(); });
    optXl = option(Frame4, QStringLiteral("optXl"), QStringLiteral("Tekercs (XL)"), 2640, 60, 2000,
                   [this] { reactanceSoughtChanged(); });
    QGroupBox *Frame5 = frame(Frame2, QStringLiteral("Frame5"), QStringLiteral("Melyiket keressük:"), 180, 750,
                              4860, 600);
    const QString xCaptions[] = {QStringLiteral("Reaktancia:"), QStringLiteral("Kapacitás:"),
                                 QStringLiteral("Frekvencia:")};
    const QString xUnits[] = {kOhm, QStringLiteral("F"), QStringLiteral("Hz")};
    for (int i = 0; i < 3; ++i) {
        optX[i] = option(Frame5, build::indexed("optX", i), QString(), 240 + i * 1500, 240, 1200,
                         [this] { reactanceSoughtChanged(); });
        txtX[i] = inputRow(Frame2, build::indexed("txtX", i), xCaptions[i], xUnits[i], 180, 1530 + i * kRowPitch, cw,
                           bw, [this] { recalculateReactance(); });
    }
    lblX = resultLabel(Frame2, QStringLiteral("lblX"), 180, 2820, 4860);
    lblXHiba = messageLabel(Frame2, QStringLiteral("lblXHiba"), 180, 3540, 4860, 660);

    optRc[2]->setChecked(true);
    optXc->setChecked(true);
    optX[0]->setChecked(true);
}

bool frm_rc::inductive() const
{
    return optXl->isChecked();
}

void frm_rc::rcSoughtChanged()
{
    markSought(txtRc, checked(optRc));
    recalculateRc();
}

void frm_rc::reactanceSoughtChanged()
{
    const QString part = inductive() ? QStringLiteral("L") : QStringLiteral("C");
    optX[0]->setText(inductive() ? QStringLiteral("XL") : QStringLiteral("Xc"));
    optX[1]->setText(part);
    optX[2]->setText(QStringLiteral("f"));
    findChild<QLabel *>(QStringLiteral("lbl_txtX(1)"))
        ->setText(inductive() ? QStringLiteral("Induktivitás:") : QStringLiteral("Kapacitás:"));
    findChild<QLabel *>(QStringLiteral("unit_txtX(1)"))->setText(inductive() ? QStringLiteral("H") : QStringLiteral("F"));
    markSought(txtX, checked(optX));
    recalculateReactance();
}

void frm_rc::recalculateRc()
{
    for (QLabel *l : {lblRc, lblTau, lblRcHiba})
        l->clear();
    const int sought = checked(optRc);
    const QString names[] = {QStringLiteral("R"), QStringLiteral("C"), QStringLiteral("f")};
    const QStringList units[] = {kOhmUnits, {QStringLiteral("F")}, {QStringLiteral("Hz")}};
    Form form;
    double v[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
        if (i != sought)
            v[i] = form.need(txtRc[i], names[i], units[i]).value_or(0);
    if (!form.complete())
        return showMessage(lblRcHiba, form.message(), form.hasBadValue());
    const rc::RcResult out = rc::rcFilter(v[0], v[1], v[2]);
    if (!out.ok())
        return showMessage(lblRcHiba, out.message, true);
    const QString shown[] = {QStringLiteral("R = %1").arg(valueText(out.rOhms, kOhm)),
                             QStringLiteral("C = %1").arg(valueText(out.cFarads, QStringLiteral("F"))),
                             QStringLiteral("f = %1").arg(valueText(out.cutoffHz, QStringLiteral("Hz")))};
    lblRc->setText(shown[sought]);
    lblTau->setText(QStringLiteral("Időállandó: τ = %1").arg(valueText(out.tauS, QStringLiteral("s"))));
    if (!out.message.isEmpty())
        showMessage(lblRcHiba, out.message, false);
}

void frm_rc::recalculateReactance()
{
    for (QLabel *l : {lblX, lblXHiba})
        l->clear();
    const int sought = checked(optX);
    const bool ind = inductive();
    const QString names[] = {ind ? QStringLiteral("XL") : QStringLiteral("Xc"),
                             ind ? QStringLiteral("L") : QStringLiteral("C"), QStringLiteral("f")};
    const QStringList units[] = {kOhmUnits, {ind ? QStringLiteral("H") : QStringLiteral("F")}, {QStringLiteral("Hz")}};
    Form form;
    double v[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i)
        if (i != sought)
            v[i] = form.need(txtX[i], names[i], units[i]).value_or(0);
    if (!form.complete())
        return showMessage(lblXHiba, form.message(), form.hasBadValue());
    const rc::ReactanceResult out = ind ? rc::inductive(v[0], v[2], v[1]) : rc::capacitive(v[0], v[2], v[1]);
    if (!out.ok())
        return showMessage(lblXHiba, out.message, true);
    const QString shown[] = {
        QStringLiteral("%1 = %2").arg(names[0], valueText(out.ohms, kOhm)),
        ind ? QStringLiteral("L = %1").arg(valueText(out.henries, QStringLiteral("H")))
            : QStringLiteral("C = %1").arg(valueText(out.farads, QStringLiteral("F"))),
        QStringLiteral("f = %1").arg(valueText(out.frequencyHz, QStringLiteral("Hz")))};
    lblX->setText(shown[sought]);
    if (!out.message.isEmpty())
        showMessage(lblXHiba, out.message, false);
}
