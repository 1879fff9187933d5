// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_wire.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/wire_calc.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace calcwidgets;
using namespace calcform;

namespace {
const QString kMm2 = QStringLiteral("mm²");
} // namespace

frm_wire::frm_wire(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_wire"), QStringLiteral("Huzal: AWG, átmérő, keresztmetszet"), 9840, 3960, true,
                 parent)
{
    auto recalc = [this] { recalculate(); };
    const double cw = 1800, bw = 1200;
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Ismert adat"), 120, 90, 4560, 3780);
    const QString names[] = {QStringLiteral("AWG szám"), QStringLiteral("Átmérő"), QStringLiteral("Keresztmetszet")};
    for (int i = 0; i < 3; ++i)
        optGiven[i] = option(Frame1, build::indexed("optGiven", i), names[i], 180, 300 + i * 330, 2400,
                             [this] { givenChanged(); });
    const double top = 1440;
    txtAwg = inputRow(Frame1, QStringLiteral("txtAwg"), QStringLiteral("AWG:"), QString(), 180, top, cw, bw, recalc);
    txtDiameter = inputRow(Frame1, QStringLiteral("txtDiameter"), QStringLiteral("Átmérő:"), QStringLiteral("mm"), 180,
                           top, cw, bw, recalc);
    txtArea = inputRow(Frame1, QStringLiteral("txtArea"), QStringLiteral("Keresztmetszet:"), kMm2, 180, top, cw, bw,
                       recalc);
    label(Frame1, QStringLiteral("lbl_cmbDensity"), QStringLiteral("Áramsűrűség:"), 180, top + kRowPitch + 30, cw, 300);
    cmbDensity = make<QComboBox>(Frame1, QStringLiteral("cmbDensity"), 180 + cw, top + kRowPitch, bw, kRowHeight);
    label(Frame1, QStringLiteral("unit_cmbDensity"), QStringLiteral("A/mm²"), 180 + cw + bw + 90, top + kRowPitch + 30,
          900, 300);
    for (double d : wire::densityChoices())
        cmbDensity->addItem(numberText(d), d);
    cmbDensity->setCurrentIndex(std::max(0, cmbDensity->findData(wire::defaultDensity())));
    connect(cmbDensity, &QComboBox::currentIndexChanged, this, recalc);
    QLabel *hint = label(Frame1, QStringLiteral("lblHint"),
                         QStringLiteral("Az AWG szám 0000 (4/0) és 40 között, az átmérő és a keresztmetszet "
                                        "milliméterben."),
                         180, top + 2 * kRowPitch + 60, 4200, 900);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(hint, QColor(96, 96, 96));

    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Réz huzal, 20 °C"), 4800, 90, 4920,
                              3780);
    lblAwg = resultLabel(Frame2, QStringLiteral("lblAwg"), 180, 330, 4560);
    lblDiameter = resultLabel(Frame2, QStringLiteral("lblDiameter"), 180, 690, 4560);
    lblArea = resultLabel(Frame2, QStringLiteral("lblArea"), 180, 1050, 4560);
    lblOhms = resultLabel(Frame2, QStringLiteral("lblOhms"), 180, 1410, 4560);
    lblCurrent = resultLabel(Frame2, QStringLiteral("lblCurrent"), 180, 1770, 4560);
    lbl_hiba = messageLabel(Frame2, QStringLiteral("lbl_hiba"), 180, 2220, 4560, 1380);

    optGiven[0]->setChecked(true);
}

void frm_wire::givenChanged()
{
    setRowVisible(txtAwg, optGiven[0]->isChecked());
    setRowVisible(txtDiameter, optGiven[1]->isChecked());
    setRowVisible(txtArea, optGiven[2]->isChecked());
    recalculate();
}

void frm_wire::recalculate()
{
    for (QLabel *l : {lblAwg, lblDiameter, lblArea, lblOhms, lblCurrent, lbl_hiba})
        l->clear();
    wire::Input in;
    in.densityAmm2 = cmbDensity->currentData().toDouble();
    if (optGiven[0]->isChecked()) {
        in.given = wire::Given::Gauge;
        const QString t = txtAwg->text().trimmed();
        if (t.isEmpty())
            return showMessage(lbl_hiba, QStringLiteral("Adja meg: AWG szám"), false);
        const std::optional<double> g = wire::gaugeFromText(t);
        if (!g)
            return showMessage(lbl_hiba, QStringLiteral("Hibás érték: AWG szám (például 22, 0, 4/0)"), true);
        in.value = *g;
    } else {
        const bool diameter = optGiven[1]->isChecked();
        in.given = diameter ? wire::Given::Diameter : wire::Given::Area;
        Form form;
        const std::optional<double> v =
            diameter ? form.need(txtDiameter, QStringLiteral("átmérő"), {QStringLiteral("mm")})
                     : form.need(txtArea, QStringLiteral("keresztmetszet"), {kMm2, QStringLiteral("mm2")});
        if (!form.complete())
            return showMessage(lbl_hiba, form.message(), form.hasBadValue());
        in.value = diameter ? *v * 1e-3 : *v;
    }
    const wire::Result out = wire::calculate(in);
    if (!out.ok())
        return showMessage(lbl_hiba, out.message, true);
    const QString exact = std::abs(out.gauge - out.nearestGauge) < 0.005
                              ? QString()
                              : QStringLiteral(" (pontosan %1)").arg(numberText(out.gauge, 3));
    lblAwg->setText(QStringLiteral("AWG: %1%2").arg(wire::gaugeName(out.nearestGauge), exact));
    lblDiameter->setText(QStringLiteral("Átmérő: %1 mm").arg(numberText(out.diameterM * 1e3, 4)));
    lblArea->setText(QStringLiteral("Keresztmetszet: %1 %2").arg(numberText(out.areaMm2, 4), kMm2));
    lblOhms->setText(QStringLiteral("Ellenállás: %1/m").arg(valueText(out.ohmsPerM, QStringLiteral("Ω"))));
    lblCurrent->setText(QStringLiteral("Terhelhetőség %1 A/mm²-nél: %2")
                            .arg(numberText(out.densityAmm2), valueText(out.currentA, QStringLiteral("A"))));
    if (!out.message.isEmpty())
        showMessage(lbl_hiba, out.message, false);
}
