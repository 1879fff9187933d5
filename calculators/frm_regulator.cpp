// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_regulator.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/regulator_calc.h"
#include "calculators/schematics.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

using namespace calcwidgets;
using namespace calcform;

namespace {
const QString kOhm = QStringLiteral("Ω");
const QStringList kOhmUnits = {QStringLiteral("Ω"), QStringLiteral("ohm")};
const QStringList kVolt = {QStringLiteral("V")};
const QStringList kAmp = {QStringLiteral("A")};
} // namespace

frm_regulator::frm_regulator(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_regulator"), QStringLiteral("Állítható feszültségszabályzó (LM317/LM337)"), 10800,
                 6120, true, parent)
{
    auto recalc = [this] { recalculate(); };
    const double cw = 2700, bw = 1200;
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Beállítás"), 120, 90, 5280, 1800);
    optForward = option(Frame1, QStringLiteral("optForward"), QStringLiteral("R1, R2 → Uki"), 180, 300, 2400,
                        [this] { modeChanged(); });
    optDesign = option(Frame1, QStringLiteral("optDesign"), QStringLiteral("Uki → R1, R2"), 2700, 300, 2400,
                       [this] { modeChanged(); });
    txtR1 = inputRow(Frame1, QStringLiteral("txtR1"), QStringLiteral("R1 (KI és ADJ között):"), kOhm, 180, 720, cw,
                     bw, recalc);
    txtR2 = inputRow(Frame1, QStringLiteral("txtR2"), QStringLiteral("R2 (ADJ és föld között):"), kOhm, 180,
                     720 + kRowPitch, cw, bw, recalc);
    txtUout = inputRow(Frame1, QStringLiteral("txtUout"), QStringLiteral("Kívánt kimenő feszültség:"),
                       QStringLiteral("V"), 180, 720, cw, bw, recalc);
    label(Frame1, QStringLiteral("lbl_cmbSeries"), QStringLiteral("E-sor:"), 180, 750 + kRowPitch, cw, 300);
    cmbSeries = seriesBox(Frame1, QStringLiteral("cmbSeries"), 180 + cw, 720 + kRowPitch, bw, recalc);

    QGroupBox *Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Szabályzó; terhelés (nem kötelező)"), 120, 1980,
                              5280, 2040);
    txtVref = inputRow(Frame3, QStringLiteral("txtVref"), QStringLiteral("Referencia (Vref):"), QStringLiteral("V"),
                       180, 300, cw, bw, recalc);
    txtIadj = inputRow(Frame3, QStringLiteral("txtIadj"), QStringLiteral("ADJ áram (Iadj):"), QStringLiteral("A"),
                       180, 300 + kRowPitch, cw, bw, recalc);
    txtUin = inputRow(Frame3, QStringLiteral("txtUin"), QStringLiteral("Bemenő feszültség:"), QStringLiteral("V"),
                      180, 300 + 2 * kRowPitch, cw, bw, recalc);
    txtLoad = inputRow(Frame3, QStringLiteral("txtLoad"), QStringLiteral("Terhelő áram:"), QStringLiteral("A"), 180,
                       300 + 3 * kRowPitch, cw, bw, recalc);

    picRegulator = schematic(this, QStringLiteral("picRegulator"), 5520, 180, 5160, 3840,
                             [](const QSize &s) { return schematics::regulator(s); });

    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Eredmény"), 120, 4110, 10560, 1920);
    lblUout = resultLabel(Frame2, QStringLiteral("lblUout"), 180, 300, 5000);
    lblPair = resultLabel(Frame2, QStringLiteral("lblPair"), 5280, 300, 5100);
    lblHeadroom = resultLabel(Frame2, QStringLiteral("lblHeadroom"), 180, 660, 5000);
    lblDissipation = resultLabel(Frame2, QStringLiteral("lblDissipation"), 5280, 660, 5100);
    lbl_hiba = messageLabel(Frame2, QStringLiteral("lbl_hiba"), 180, 1020, 10200, 780);

    txtVref->setText(numberText(regulator::kVref));
    txtIadj->setText(QStringLiteral("50µ"));
    optForward->setChecked(true);
}

void frm_regulator::modeChanged()
{
    const bool forward = optForward->isChecked();
    setRowVisible(txtR1, forward);
    setRowVisible(txtR2, forward);
    setRowVisible(txtUout, !forward);
    cmbSeries->setVisible(!forward);
    findChild<QLabel *>(QStringLiteral("lbl_cmbSeries"))->setVisible(!forward);
    lblPair->setVisible(!forward);
    recalculate();
}

void frm_regulator::recalculate()
{
    for (QLabel *l : {lblUout, lblPair, lblHeadroom, lblDissipation, lbl_hiba})
        l->clear();
    const bool forward = optForward->isChecked();
    Form form;
    std::optional<double> r1, r2, uout;
    if (forward) {
        r1 = form.need(txtR1, QStringLiteral("R1"), kOhmUnits);
        r2 = form.need(txtR2, QStringLiteral("R2"), kOhmUnits);
    } else {
        uout = form.need(txtUout, QStringLiteral("kimenő feszültség"), kVolt);
    }
    const std::optional<double> vref = form.need(txtVref, QStringLiteral("Vref"), kVolt);
    const std::optional<double> iadj = form.optional(txtIadj, QStringLiteral("Iadj"), kAmp);
    const std::optional<double> uin = form.optional(txtUin, QStringLiteral("bemenő feszültség"), kVolt);
    const std::optional<double> load = form.optional(txtLoad, QStringLiteral("terhelő áram"), kAmp);
    if (!form.complete())
        return showMessage(lbl_hiba, form.message(), form.hasBadValue());
    // A negative regulator (LM337) is typed with negative voltages; it is
    // calculated with their magnitudes and shown with its sign.
    const bool negative = forward ? *vref < 0 : *uout < 0;
    regulator::Params params;
    params.vref = std::fabs(*vref);
    params.iadjA = std::fabs(*iadj);
    regulator::Load l;
    l.uinV = std::fabs(*uin);
    l.loadA = std::fabs(*load);
    const regulator::Result out = forward ? regulator::forward(*r1, *r2, params, l)
                                          : regulator::design(std::fabs(*uout), seriesOf(cmbSeries), params, l);
    if (!out.ok())
        return showMessage(lbl_hiba, out.message, true);
    lblUout->setText(QStringLiteral("Kimenő feszültség: %1")
                         .arg(valueText(negative ? -out.uout : out.uout, QStringLiteral("V"))));
    if (!forward) {
        lblUout->setText(lblUout->text() + QStringLiteral(" (%1)").arg(percentText(out.errorPercent)));
        lblPair->setText(
            QStringLiteral("R1 = %1,  R2 = %2").arg(valueText(out.r1Ohms, kOhm), valueText(out.r2Ohms, kOhm)));
    }
    if (out.loadChecked) {
        lblHeadroom->setText(QStringLiteral("Feszültségtartalék: %1").arg(valueText(out.headroomV, QStringLiteral("V"))));
        lblDissipation->setText(
            QStringLiteral("Disszipáció: %1").arg(valueText(out.dissipationW, QStringLiteral("W"))));
    }
    if (!out.message.isEmpty())
        showMessage(lbl_hiba, out.message, !out.dropoutOk);
}
