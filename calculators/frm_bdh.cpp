// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_bdh.h"

#include "calculators/bdh_funkciok.h"
#include "calculators/calcwidgets.h"
#include "ui/controls.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>

using namespace calcwidgets;

namespace {
const QColor kSelected(0, 192, 0);
} // namespace

frm_BDH::frm_BDH(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_BDH"), QStringLiteral("  Bináris-Decimális-Hexa konverter."), 7800,
                 4020, true, parent)
{
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Miből konvertáljunk:"), 120, 90, 2760,
                   2190);
    const char *const captions[] = {"Binárisból", "Decimálisból", "Hexadecimálisból"};
    for (int i = 0; i < 3; ++i) {
        // The rounded rectangle frames its button and is filled behind the chosen one.
        Shape1[i] = new ShapeControl(Frame1, ShapeControl::Shape::RoundedRectangle);
        Shape1[i]->setObjectName(indexed("Shape1", i));
        twips::place(Shape1[i], 150, 330 + i * 600, 2460, 540);
        Shape1[i]->setBorderColor(QColor(0, 128, 0));
        Shape1[i]->setFillColor(Qt::transparent);
        Gomb[i] = make<QPushButton>(Frame1, indexed("Gomb", i), 270, 405 + i * 600, 2220, 390);
        Gomb[i]->setText(QString::fromUtf8(captions[i]));
        connect(Gomb[i], &QPushButton::clicked, this, [this, i] { Gomb_Click(i); });
    }

    Frame2 = frame(this, QStringLiteral("Frame2"), QStringLiteral("Bemeneti adat:"), 3000, 90, 4680, 960);
    Text1 = make<QLineEdit>(Frame2, QStringLiteral("Text1"), 180, 360, 4320, 420);
    connect(Text1, &QLineEdit::textChanged, this, &frm_BDH::Text1_Change);

    lbl_hiba = label(this, QStringLiteral("lbl_hiba"), QString::fromUtf8(BDH_Funkciók::kCharacterError),
                     3000, 1200, 4680, 900);
    lbl_hiba->setWordWrap(true);
    lbl_hiba->setAlignment(Qt::AlignCenter);
    setTextColour(lbl_hiba, QColor(255, 0, 0));
    setBold(lbl_hiba, 1.2);

    // 64 binary digits must fit on one line.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Bináris"), 120, 2370, 7560, 690);
    lbl_Bin = label(Frame3, QStringLiteral("lbl_Bin"), QString(), 120, 300, 7320, 300);
    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("Decimális"), 120, 3150, 3720, 690);
    lbl_Dec = label(Frame4, QStringLiteral("lbl_Dec"), QString(), 120, 300, 3480, 300);
    Frame5 = frame(this, QStringLiteral("Frame5"), QStringLiteral("Hexadecimélis"), 3960, 3150, 3720, 690);
    lbl_Hex = label(Frame5, QStringLiteral("lbl_Hex"), QString(), 120, 300, 3480, 300);
    for (QLabel *l : {lbl_Bin, lbl_Dec, lbl_Hex}) {
        l->setFont(fixed);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        setTextColour(l, QColor(0, 0, 128));
    }

    // Form_Load.
    Gomb_Click(BDH_Funkciók::Decimal);
    Text1->setText(QStringLiteral("65535"));
    lbl_hiba->hide();
}

void frm_BDH::Gomb_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    m_source = Index;   // before the text empties: that change converts nothing
    Text1->clear();
    lbl_Hex->clear();
    lbl_Bin->clear();
    lbl_Dec->clear();
    for (int i = 0; i < 3; ++i)
        Shape1[i]->setFillColor(i == Index ? kSelected : QColor(Qt::transparent));
    BDH_Funkciók::Hiba = false;
    lbl_hiba->hide();
    Text1->setFocus();
}

void frm_BDH::Text1_Change()
{
    BDH_Funkciók::Hiba = false;
    const QString s = Text1->text();
    if (s.isEmpty())
        return;
    const BDH_Funkciók::Conversion c = BDH_Funkciók::convert(BDH_Funkciók::Notation(m_source), s);
    lbl_Bin->setText(c.bin);
    lbl_Dec->setText(c.dec);
    lbl_Hex->setText(c.hex);
    lbl_hiba->setText(c.message);
    lbl_hiba->setVisible(c.error);
}
