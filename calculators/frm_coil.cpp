// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_coil.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/coil_calc.h"
#include "calculators/schematics.h"

#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

using namespace calcwidgets;
using namespace calcform;

namespace {
// Lengths are typed in millimetres, as on a ruler.
const QStringList kMm = {QStringLiteral("mm")};
constexpr double kMetresPerMm = 1e-3;

QString mmText(double metres)
{
    return numberText(metres / kMetresPerMm, 3) + QStringLiteral(" mm");
}
} // namespace

frm_coil::frm_coil(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_coil"), QStringLiteral("Egyrétegű légmagos tekercs"), 10200, 5160, true, parent)
{
    auto recalc = [this] { recalculate(); };
    const double cw = 2760, bw = 1200;
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Adatok"), 120, 90, 5400, 3120);
    optInductance = option(Frame1, QStringLiteral("optInductance"), QStringLiteral("Induktivitás"), 180, 300, 2200,
                           [this] { modeChanged(); });
    optTurns = option(Frame1, QStringLiteral("optTurns"), QStringLiteral("Menetszám"), 2700, 300, 2200,
                      [this] { modeChanged(); });
    txtD = inputRow(Frame1, QStringLiteral("txtD"), QStringLiteral("Tekercsátmérő (d):"), QStringLiteral("mm"), 180,
                    720, cw, bw, recalc);
    txtLen = inputRow(Frame1, QStringLiteral("txtLen"), QStringLiteral("Tekercshossz (l):"), QStringLiteral("mm"), 180,
                      720 + kRowPitch, cw, bw, recalc);
    txtN = inputRow(Frame1, QStringLiteral("txtN"), QStringLiteral("Menetszám (n):"), QString(), 180,
                    720 + 2 * kRowPitch, cw, bw, recalc);
    txtL = inputRow(Frame1, QStringLiteral("txtL"), QStringLiteral("Induktivitás (L):"), QStringLiteral("H"), 180,
                    720 + 2 * kRowPitch, cw, bw, recalc);
    txtWire = inputRow(Frame1, QStringLiteral("txtWire"), QStringLiteral("Huzalátmérő (nem kötelező):"),
                       QStringLiteral("mm"), 180, 720 + 3 * kRowPitch, cw, bw, recalc);
    QLabel *hint = label(Frame1, QStringLiteral("lblHint"),
                         QStringLiteral("Huzalátmérővel és üres hosszal: szorosan tekercselve."), 180,
                         720 + 4 * kRowPitch + 60, 5100, 300);
    setTextColour(hint, QColor(96, 96, 96));

    schematic(this, QStringLiteral("picCoil"), 5640, 180, 4440, 3030,
              [](const QSize &s) { return schematics::coil(s); });

    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Eredmény"), 120, 3300, 9960, 1770);
    lblResult = resultLabel(Frame2, QStringLiteral("lblResult"), 180, 300, 4700);
    lblLength = resultLabel(Frame2, QStringLiteral("lblLength"), 5040, 300, 4740);
    lblFit = messageLabel(Frame2, QStringLiteral("lblFit"), 180, 660, 9600, 330);
    lbl_hiba = messageLabel(Frame2, QStringLiteral("lbl_hiba"), 180, 1020, 9600, 660);

    optInductance->setChecked(true);
}

void frm_coil::modeChanged()
{
    setRowVisible(txtN, optInductance->isChecked());
    setRowVisible(txtL, optTurns->isChecked());
    recalculate();
}

void frm_coil::recalculate()
{
    for (QLabel *l : {lblResult, lblLength, lblFit, lbl_hiba})
        l->clear();
    const bool seekTurns = optTurns->isChecked();
    Form form;
    const std::optional<double> d = form.need(txtD, QStringLiteral("átmérő"), kMm);
    const std::optional<double> wire = form.optional(txtWire, QStringLiteral("huzalátmérő"), kMm);
    // Without a wire the length must be there; with one, empty means close-wound.
    const std::optional<double> len = wire.value_or(0) > 0
                                          ? form.optional(txtLen, QStringLiteral("hossz"), kMm)
                                          : form.need(txtLen, QStringLiteral("hossz"), kMm);
    const std::optional<double> given = seekTurns ? form.need(txtL, QStringLiteral("induktivitás"), {QStringLiteral("H")})
                                                  : form.need(txtN, QStringLiteral("menetszám"));
    if (!form.complete())
        return showMessage(lbl_hiba, form.message(), form.hasBadValue());
    coil::Input in;
    in.diameterM = *d * kMetresPerMm;
    in.lengthM = *len * kMetresPerMm;
    in.wireM = *wire * kMetresPerMm;
    if (seekTurns)
        in.inductanceH = *given;
    else
        in.turns = *given;
    const coil::Result out = coil::calculate(in);
    if (!out.ok())
        return showMessage(lbl_hiba, out.message, true);
    if (seekTurns)
        lblResult->setText(QStringLiteral("Menetszám: %1 (pontosan %2)")
                               .arg(numberText(out.turnsRounded, 6), numberText(out.turns, 4)));
    else
        lblResult->setText(QStringLiteral("Induktivitás: %1").arg(valueText(out.inductanceH, QStringLiteral("H"))));
    lblLength->setText(QStringLiteral("Tekercshossz: %1").arg(mmText(out.lengthM)));
    if (out.fitChecked)
        showMessage(lblFit,
                    out.fits ? QStringLiteral("A menetek elférnek (szükséges hossz: %1).").arg(mmText(out.neededLengthM))
                             : QStringLiteral("A menetek nem férnek el: %1 hossz kellene.").arg(mmText(out.neededLengthM)),
                    !out.fits);
    if (!out.message.isEmpty())
        showMessage(lbl_hiba, out.message, false);
}
