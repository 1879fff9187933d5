// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_led.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/led_calc.h"
#include "calculators/schematics.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

using namespace calcwidgets;
using namespace calcform;

namespace {
// Ratings are sold as fractions of a watt.
QString ratingText(double w)
{
    if (w == 0.125)
        return QStringLiteral("1/8 W");
    if (w == 0.25)
        return QStringLiteral("1/4 W");
    if (w == 0.5)
        return QStringLiteral("1/2 W");
    return numberText(w) + QStringLiteral(" W");
}
} // namespace

frm_led::frm_led(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_led"), QStringLiteral("LED előtét-ellenállás"), 9600, 5400, true, parent)
{
    auto recalc = [this] { recalculate(); };
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Adatok"), 120, 90, 5400, 3000);
    const double cw = 2700, bw = 1320;
    txtSupply = inputRow(Frame1, QStringLiteral("txtSupply"), QStringLiteral("Tápfeszültség:"), QStringLiteral("V"),
                         180, 330, cw, bw, recalc);
    txtUf = inputRow(Frame1, QStringLiteral("txtUf"), QStringLiteral("LED nyitófeszültsége:"), QStringLiteral("V"),
                     180, 330 + kRowPitch, cw, bw, recalc);
    txtIf = inputRow(Frame1, QStringLiteral("txtIf"), QStringLiteral("LED árama:"), QStringLiteral("A"), 180,
                     330 + 2 * kRowPitch, cw, bw, recalc);
    label(Frame1, QStringLiteral("lbl_spnCount"), QStringLiteral("LED-ek száma (sorba kötve):"), 180,
          360 + 3 * kRowPitch, cw, 300);
    spnCount = make<QSpinBox>(Frame1, QStringLiteral("spnCount"), 180 + cw, 330 + 3 * kRowPitch, bw, kRowHeight);
    spnCount->setRange(1, 50);
    connect(spnCount, &QSpinBox::valueChanged, this, [this] {
        picLed->setPainter([n = spnCount->value()](const QSize &s) { return schematics::ledString(s, n); });
        recalculate();
    });
    label(Frame1, QStringLiteral("lbl_cmbSeries"), QStringLiteral("E-sor:"), 180, 360 + 4 * kRowPitch, cw, 300);
    cmbSeries = seriesBox(Frame1, QStringLiteral("cmbSeries"), 180 + cw, 330 + 4 * kRowPitch, bw, recalc);
    // A hint on the usual forward voltages.
    QLabel *hint = label(Frame1, QStringLiteral("lblHint"),
                         QStringLiteral("Szokásos nyitófeszültség: vörös 1,8–2 V, sárga 2–2,1 V, zöld 2–3 V, "
                                        "kék és fehér 3–3,4 V."),
                         180, 2400, 5100, 480);
    hint->setWordWrap(true);

    picLed = schematic(this, QStringLiteral("picLed"), 5640, 180, 3840, 2910,
                       [](const QSize &s) { return schematics::ledString(s, 1); });

    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Eredmény"), 120, 3180, 9360, 2130);
    lblExact = resultLabel(Frame2, QStringLiteral("lblExact"), 180, 300, 4500);
    lblStandard = resultLabel(Frame2, QStringLiteral("lblStandard"), 180, 660, 4500);
    lblCurrent = resultLabel(Frame2, QStringLiteral("lblCurrent"), 180, 1020, 4500);
    lblPower = resultLabel(Frame2, QStringLiteral("lblPower"), 4800, 300, 4440);
    lblRating = resultLabel(Frame2, QStringLiteral("lblRating"), 4800, 660, 4440);
    lbl_hiba = messageLabel(Frame2, QStringLiteral("lbl_hiba"), 180, 1380, 9060, 660);
    recalculate();
}

void frm_led::recalculate()
{
    for (QLabel *l : {lblExact, lblStandard, lblCurrent, lblPower, lblRating, lbl_hiba})
        l->clear();
    Form form;
    const QStringList volt = {QStringLiteral("V")}, amp = {QStringLiteral("A")};
    const std::optional<double> supply = form.need(txtSupply, QStringLiteral("tápfeszültség"), volt);
    const std::optional<double> uf = form.need(txtUf, QStringLiteral("nyitófeszültség"), volt);
    const std::optional<double> current = form.need(txtIf, QStringLiteral("LED árama"), amp);
    if (!form.complete()) {
        showMessage(lbl_hiba, form.message(), form.hasBadValue());
        return;
    }
    led::Input in;
    in.supplyV = *supply;
    in.forwardV = *uf;
    in.currentA = *current;
    in.count = spnCount->value();
    in.series = seriesOf(cmbSeries);
    const led::Result out = led::calculate(in);
    if (!out.ok()) {
        showMessage(lbl_hiba, out.message, true);
        return;
    }
    const QString ohm = QStringLiteral("Ω");
    lblExact->setText(QStringLiteral("Számított ellenállás: %1").arg(valueText(out.exactOhms, ohm)));
    lblStandard->setText(QStringLiteral("Szabványos érték (%1, felfelé): %2")
                             .arg(eseries::seriesName(in.series), valueText(out.standardOhms, ohm)));
    lblCurrent->setText(QStringLiteral("Valódi áram: %1").arg(valueText(out.currentA, QStringLiteral("A"))));
    lblPower->setText(QStringLiteral("Disszipáció: %1").arg(valueText(out.powerW, QStringLiteral("W"))));
    lblRating->setText(QStringLiteral("Javasolt terhelhetőség: %1").arg(ratingText(out.ratingW)));
    if (!out.message.isEmpty())
        showMessage(lbl_hiba, out.message, false);
}
