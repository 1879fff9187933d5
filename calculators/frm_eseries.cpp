// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_eseries.h"

#include "calculators/calcform.h"
#include "calculators/calcwidgets.h"
#include "calculators/eseries.h"
#include "calculators/schematics.h"
#include "ui/reportlist.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardItemModel>

using namespace calcwidgets;
using namespace calcform;

namespace {
constexpr int kShown = 20;   // combinations listed
const QString kOhm = QStringLiteral("Ω");

QString valuesText(const eseries::Combination &c)
{
    QStringList parts;
    for (double v : c.values)
        parts.append(valueText(v, kOhm));
    switch (c.connection) {
    case eseries::Connection::Single: return parts.value(0);
    case eseries::Connection::Series:
    case eseries::Connection::Series3: return parts.join(QStringLiteral(" + "));
    case eseries::Connection::Parallel:
    case eseries::Connection::Parallel3: return parts.join(QStringLiteral(" ∥ "));
    case eseries::Connection::SeriesInParallel:
        return QStringLiteral("(%1 + %2) ∥ %3").arg(parts.value(0), parts.value(1), parts.value(2));
    case eseries::Connection::ParallelInSeries:
        return QStringLiteral("%1 + (%2 ∥ %3)").arg(parts.value(0), parts.value(1), parts.value(2));
    }
    return parts.join(QStringLiteral(", "));
}
} // namespace

frm_eseries::frm_eseries(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_eseries"), QStringLiteral("Szabványos ellenállásértékek (E-sorok)"), 12000,
                 6300, true, parent)
{
    auto recalc = [this] { recalculate(); };
    QGroupBox *Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Keresés"), 120, 90, 4560, 6090);
    optResistance = option(Frame1, QStringLiteral("optResistance"), QStringLiteral("Ellenállás"), 240, 300, 2000,
                           [this] { modeChanged(); });
    optRatio = option(Frame1, QStringLiteral("optRatio"), QStringLiteral("Osztó arány"), 2400, 300, 2300,
                      [this] { modeChanged(); });
    const double cw = 2640, bw = 1140;
    label(Frame1, QStringLiteral("lbl_cmbSeries"), QStringLiteral("E-sor:"), 240, 750, cw, 300);
    cmbSeries = seriesBox(Frame1, QStringLiteral("cmbSeries"), 240 + cw, 720, bw, recalc);
    label(Frame1, QStringLiteral("lbl_cmbCount"), QStringLiteral("Legfeljebb ennyi ellenállás:"), 240, 1170, cw,
          300);
    cmbCount = make<QComboBox>(Frame1, QStringLiteral("cmbCount"), 240 + cw, 1140, bw, kRowHeight);
    for (int n = 1; n <= 3; ++n)
        cmbCount->addItem(QString::number(n), n);
    cmbCount->setCurrentIndex(1);
    connect(cmbCount, &QComboBox::currentIndexChanged, this, recalc);

    txtTarget = inputRow(Frame1, QStringLiteral("txtTarget"), QStringLiteral("Kívánt érték:"), kOhm, 240, 1560,
                         cw, bw, recalc);
    lblHint = label(Frame1, QStringLiteral("lblHint"),
                    QStringLiteral("Soros, párhuzamos és vegyes kapcsolások a választott E-sor értékeiből, "
                                   "a legkisebb eltéréssel kezdve. Az érték előtaggal is írható: 4k7, 3,3k, 1M.\n\n"
                                   "A + soros, a ∥ párhuzamos kapcsolást jelöl."),
                    240, 2100, 4200, 1500);
    lblHint->setWordWrap(true);
    lblHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    txtUin = inputRow(Frame1, QStringLiteral("txtUin"), QStringLiteral("Bemenő feszültség (U1):"),
                      QStringLiteral("V"), 240, 1560, cw, bw, recalc);
    txtUout = inputRow(Frame1, QStringLiteral("txtUout"), QStringLiteral("Kimenő feszültség (U2):"),
                       QStringLiteral("V"), 240, 1560 + kRowPitch, cw, bw, recalc);
    txtTotal = inputRow(Frame1, QStringLiteral("txtTotal"), QStringLiteral("R1 + R2 (nem kötelező):"), kOhm, 240,
                        1560 + 2 * kRowPitch, cw, bw, recalc);
    txtCurrent = inputRow(Frame1, QStringLiteral("txtCurrent"), QStringLiteral("Osztó árama (nem kötelező):"),
                          QStringLiteral("A"), 240, 1560 + 3 * kRowPitch, cw, bw, recalc);
    picDivider = schematic(Frame1, QStringLiteral("picDivider"), 660, 3300, 3240, 2640,
                           [](const QSize &s) { return schematics::divider(s); });

    QGroupBox *Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Eredmény"), 4800, 90, 7080, 6090);
    lblBest = resultLabel(Frame2, QStringLiteral("lblBest"), 180, 300, 6720, 600);
    lblBest->setWordWrap(true);
    m_model = new QStandardItemModel(this);
    lstResults = make<ReportList>(Frame2, QStringLiteral("lstResults"), 180, 960, 6720, 4440);
    lstResults->setModel(m_model);
    lstResults->header()->setStretchLastSection(true);
    lbl_hiba = messageLabel(Frame2, QStringLiteral("lbl_hiba"), 180, 5460, 6720, 540);

    optResistance->setChecked(true);
}

bool frm_eseries::ratioMode() const
{
    return optRatio->isChecked();
}

void frm_eseries::modeChanged()
{
    const bool ratio = ratioMode();
    for (QLineEdit *box : {txtUin, txtUout, txtTotal, txtCurrent})
        setRowVisible(box, ratio);
    setRowVisible(txtTarget, !ratio);
    lblHint->setVisible(!ratio);
    picDivider->setVisible(ratio);
    cmbCount->setEnabled(!ratio);
    recalculate();
}

void frm_eseries::recalculate()
{
    m_model->clear();
    lblBest->clear();
    lbl_hiba->clear();
    if (ratioMode())
        solveRatio();
    else
        solveResistance();
}

void frm_eseries::solveResistance()
{
    Form form;
    const std::optional<double> target = form.need(txtTarget, QStringLiteral("kívánt érték"), {kOhm, QStringLiteral("ohm")});
    if (!form.complete()) {
        showMessage(lbl_hiba, form.message(), form.hasBadValue());
        return;
    }
    eseries::SolveInput in;
    in.targetOhms = *target;
    in.series = seriesOf(cmbSeries);
    in.maxResistors = cmbCount->currentData().toInt();
    in.count = kShown;
    const eseries::SolveResult out = eseries::solve(in);
    if (!out.ok()) {
        showMessage(lbl_hiba, out.message, true);
        return;
    }
    m_model->setHorizontalHeaderLabels(
        {QStringLiteral("Kapcsolás"), QStringLiteral("Értékek"), QStringLiteral("Eredő"), QStringLiteral("Eltérés")});
    for (const eseries::Combination &c : out.best) {
        QList<QStandardItem *> row = {new QStandardItem(eseries::connectionText(c.connection)),
                                      new QStandardItem(valuesText(c)),
                                      new QStandardItem(valueText(c.totalOhms, kOhm, 5)),
                                      new QStandardItem(percentText(c.errorPercent))};
        row[3]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_model->appendRow(row);
    }
    lstResults->setColumnWidthsTwips({1500, 2100, 1200});
    if (!out.best.empty()) {
        const eseries::Combination &b = out.best.front();
        lblBest->setText(QStringLiteral("Legjobb: %1 = %2 (%3)")
                             .arg(valuesText(b), valueText(b.totalOhms, kOhm, 5), percentText(b.errorPercent)));
    }
    if (!out.message.isEmpty())
        showMessage(lbl_hiba, out.message, false);
}

void frm_eseries::solveRatio()
{
    Form form;
    const std::optional<double> uin = form.need(txtUin, QStringLiteral("U1"), {QStringLiteral("V")});
    const std::optional<double> uout = form.need(txtUout, QStringLiteral("U2"), {QStringLiteral("V")});
    const std::optional<double> total = form.optional(txtTotal, QStringLiteral("R1 + R2"), {kOhm, QStringLiteral("ohm")});
    const std::optional<double> current = form.optional(txtCurrent, QStringLiteral("áram"), {QStringLiteral("A")});
    if (!form.complete()) {
        showMessage(lbl_hiba, form.message(), form.hasBadValue());
        return;
    }
    eseries::RatioInput in;
    in.uin = *uin;
    in.uout = *uout;
    in.totalOhms = *total;
    in.currentA = *current;
    // Every series side by side: how much a finer one gains.
    m_model->setHorizontalHeaderLabels({QStringLiteral("E-sor"), QStringLiteral("R1"), QStringLiteral("R2"),
                                        QStringLiteral("U2"), QStringLiteral("Eltérés"), QStringLiteral("Áram")});
    const eseries::Series chosen = seriesOf(cmbSeries);
    for (int i = 0; i < cmbSeries->count(); ++i) {
        in.series = eseries::Series(cmbSeries->itemData(i).toInt());
        const eseries::RatioResult out = eseries::ratio(in);
        if (!out.ok()) {
            showMessage(lbl_hiba, out.message, true);
            m_model->clear();
            return;
        }
        QList<QStandardItem *> row = {new QStandardItem(eseries::seriesName(in.series)),
                                      new QStandardItem(valueText(out.r1Ohms, kOhm)),
                                      new QStandardItem(valueText(out.r2Ohms, kOhm)),
                                      new QStandardItem(valueText(out.uout, QStringLiteral("V"), 5)),
                                      new QStandardItem(percentText(out.errorPercent)),
                                      new QStandardItem(valueText(out.currentA, QStringLiteral("A"), 3))};
        if (in.series == chosen) {
            for (QStandardItem *it : row) {
                QFont f = it->font();
                f.setBold(true);
                it->setFont(f);
            }
            lblBest->setText(QStringLiteral("R1 = %1, R2 = %2: U2 = %3 (%4)")
                                 .arg(valueText(out.r1Ohms, kOhm), valueText(out.r2Ohms, kOhm),
                                      valueText(out.uout, QStringLiteral("V"), 5), percentText(out.errorPercent)));
            if (!out.message.isEmpty())
                showMessage(lbl_hiba, out.message, false);
        }
        m_model->appendRow(row);
    }
    lstResults->setColumnWidthsTwips({780, 1200, 1200, 1200, 1020});
}
