// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_555.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/schematics.h"
#include "calculators/timer555.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace calcwidgets;
using namespace calcform;

namespace {
const QString kOhm = QStringLiteral("Ω");
const QStringList kOhmUnits = {QStringLiteral("Ω"), QStringLiteral("ohm")};
const QStringList kFarad = {QStringLiteral("F")};

} // namespace

frm_555::frm_555(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_555"), QStringLiteral("555 időzítő"), 10200, 5700, true, parent)
{
    auto recalc = [this] { recalculate(); };
    auto modes = [this] { modeChanged(); };
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Kapcsolás"), 120, 90, 5160, 3240);
    optAstable = option(Frame1, QStringLiteral("optAstable"), QStringLiteral("Astabil"), 180, 300, 1500, modes);
    optMono = option(Frame1, QStringLiteral("optMono"), QStringLiteral("Monostabil"), 1680, 300, 1680, modes);
    optDesign = option(Frame1, QStringLiteral("optDesign"), QStringLiteral("Tervezés"), 3480, 300, 1560, modes);
    const double cw = 2400, bw = 1320, top = 780;
    txtR1 = inputRow(Frame1, QStringLiteral("txtR1"), QStringLiteral("R1:"), kOhm, 180, top, cw, bw, recalc);
    txtR2 = inputRow(Frame1, QStringLiteral("txtR2"), QStringLiteral("R2:"), kOhm, 180, top + kRowPitch, cw, bw,
                     recalc);
    txtC = inputRow(Frame1, QStringLiteral("txtC"), QStringLiteral("C:"), QStringLiteral("F"), 180,
                    top + 2 * kRowPitch, cw, bw, recalc);
    txtR = inputRow(Frame1, QStringLiteral("txtR"), QStringLiteral("R:"), kOhm, 180, top, cw, bw, recalc);
    txtCmono = inputRow(Frame1, QStringLiteral("txtCmono"), QStringLiteral("C:"), QStringLiteral("F"), 180,
                        top + kRowPitch, cw, bw, recalc);
    txtFreq = inputRow(Frame1, QStringLiteral("txtFreq"), QStringLiteral("Frekvencia:"), QStringLiteral("Hz"), 180,
                       top, cw, bw, recalc);
    txtDuty = inputRow(Frame1, QStringLiteral("txtDuty"), QStringLiteral("Kitöltés (50 % felett):"),
                       QStringLiteral("%"), 180, top + kRowPitch, cw, bw, recalc);
    label(Frame1, QStringLiteral("lbl_cmbSeries"), QStringLiteral("E-sor:"), 180, top + 2 * kRowPitch + 30, cw, 300);
    cmbSeries = seriesBox(Frame1, QStringLiteral("cmbSeries"), 180 + cw, top + 2 * kRowPitch, bw, recalc);

    pic555 = schematic(this, QStringLiteral("pic555"), 5400, 150, 4680, 3180,
                       [](const QSize &s) { return schematics::timer555(s, true); });

    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Eredmény"), 120, 3420, 9960, 2190);
    lblParts = resultLabel(Frame2, QStringLiteral("lblParts"), 180, 300, 9600);
    lblFreq = resultLabel(Frame2, QStringLiteral("lblFreq"), 180, 660, 4700);
    lblDuty = resultLabel(Frame2, QStringLiteral("lblDuty"), 180, 1020, 4700);
    lblPulse = resultLabel(Frame2, QStringLiteral("lblPulse"), 180, 660, 4700);
    lblHigh = resultLabel(Frame2, QStringLiteral("lblHigh"), 5040, 660, 4700);
    lblLow = resultLabel(Frame2, QStringLiteral("lblLow"), 5040, 1020, 4700);
    lbl_hiba = messageLabel(Frame2, QStringLiteral("lbl_hiba"), 180, 1380, 9600, 720);

    optAstable->setChecked(true);
}

frm_555::Mode frm_555::mode() const
{
    return optMono->isChecked() ? Mono : optDesign->isChecked() ? Design : Astable;
}

void frm_555::modeChanged()
{
    const Mode m = mode();
    for (QLineEdit *b : {txtR1, txtR2, txtC})
        setRowVisible(b, m == Astable);
    for (QLineEdit *b : {txtR, txtCmono})
        setRowVisible(b, m == Mono);
    for (QLineEdit *b : {txtFreq, txtDuty})
        setRowVisible(b, m == Design);
    cmbSeries->setVisible(m == Design);
    findChild<QLabel *>(QStringLiteral("lbl_cmbSeries"))->setVisible(m == Design);
    lblPulse->setVisible(m == Mono);
    for (QLabel *l : {lblFreq, lblDuty, lblHigh, lblLow})
        l->setVisible(m != Mono);
    lblParts->setVisible(m == Design);
    pic555->setPainter([astable = m != Mono](const QSize &s) { return schematics::timer555(s, astable); });
    recalculate();
}

void frm_555::showAstable(double frequencyHz, double dutyPercent, double highS, double lowS)
{
    lblFreq->setText(QStringLiteral("Frekvencia: %1").arg(valueText(frequencyHz, QStringLiteral("Hz"))));
    lblDuty->setText(QStringLiteral("Kitöltési tényező: %1 %").arg(numberText(dutyPercent)));
    lblHigh->setText(QStringLiteral("Magas szint ideje: %1").arg(valueText(highS, QStringLiteral("s"))));
    lblLow->setText(QStringLiteral("Alacsony szint ideje: %1").arg(valueText(lowS, QStringLiteral("s"))));
}

void frm_555::recalculate()
{
    for (QLabel *l : {lblFreq, lblDuty, lblHigh, lblLow, lblPulse, lblParts, lbl_hiba})
        l->clear();
    Form form;
    const Mode m = mode();
    if (m == Astable) {
        const std::optional<double> r1 = form.need(txtR1, QStringLiteral("R1"), kOhmUnits);
        const std::optional<double> r2 = form.need(txtR2, QStringLiteral("R2"), kOhmUnits);
        const std::optional<double> c = form.need(txtC, QStringLiteral("C"), kFarad);
        if (!form.complete())
            return showMessage(lbl_hiba, form.message(), form.hasBadValue());
        const timer555::AstableResult out = timer555::astable(*r1, *r2, *c);
        if (!out.ok())
            return showMessage(lbl_hiba, out.message, true);
        showAstable(out.frequencyHz, out.dutyPercent, out.highS, out.lowS);
        if (!out.message.isEmpty())
            showMessage(lbl_hiba, out.message, false);
    } else if (m == Mono) {
        const std::optional<double> r = form.need(txtR, QStringLiteral("R"), kOhmUnits);
        const std::optional<double> c = form.need(txtCmono, QStringLiteral("C"), kFarad);
        if (!form.complete())
            return showMessage(lbl_hiba, form.message(), form.hasBadValue());
        const timer555::MonoResult out = timer555::monostable(*r, *c);
        if (!out.ok())
            return showMessage(lbl_hiba, out.message, true);
        lblPulse->setText(QStringLiteral("Impulzus hossza: %1").arg(valueText(out.pulseS, QStringLiteral("s"))));
        if (!out.message.isEmpty())
            showMessage(lbl_hiba, out.message, false);
    } else {
        const std::optional<double> f = form.need(txtFreq, QStringLiteral("frekvencia"), {QStringLiteral("Hz")});
        const std::optional<double> duty = form.need(txtDuty, QStringLiteral("kitöltés"), {QStringLiteral("%")});
        if (!form.complete())
            return showMessage(lbl_hiba, form.message(), form.hasBadValue());
        timer555::DesignInput in;
        in.frequencyHz = *f;
        in.dutyPercent = *duty;
        in.series = seriesOf(cmbSeries);
        const timer555::DesignResult out = timer555::design(in);
        if (!out.ok())
            return showMessage(lbl_hiba, out.message, true);
        lblParts->setText(QStringLiteral("R1 = %1,  R2 = %2,  C = %3")
                              .arg(valueText(out.r1Ohms, kOhm), valueText(out.r2Ohms, kOhm),
                                   valueText(out.cFarads, QStringLiteral("F"))));
        showAstable(out.frequencyHz, out.dutyPercent, out.highS, out.lowS);
        lblFreq->setText(lblFreq->text() + QStringLiteral(" (%1)").arg(percentText(out.frequencyErrorPercent)));
        if (!out.message.isEmpty())
            showMessage(lbl_hiba, out.message, false);
    }
}
