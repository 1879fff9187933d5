// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_kondi.h"

#include "decoders/capacitorparts.h"
#include "decoders/capcodes.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace capparts;
using capcodes::Column;

namespace {

const QColor kPickColour(255, 255, 128);

} // namespace

frm_kondi::frm_kondi()
    : ToolWindow(QStringLiteral("frm_kondi"), QStringLiteral("Kondenzátorok"), 11895, 7095, false)
{
    setFont(pointFont(font(), 8, false));
    const QColor green = toColor(capcodes::kUnset);

    Frame1 = named(new QGroupBox(QStringLiteral("Kondenzátorok"), this), QStringLiteral("Frame1"));
    twips::place(Frame1, 120, 120, 11655, 6855);

    const char *headings[] = {"1. Digit", "2. Digit", "Szorzó", "Tolerancia %", "Feszültség"};
    const double headingLeft[] = {240, 1440, 2520, 3720, 5040};
    for (int i = 0; i < 5; ++i) {
        QLabel *h = label(Frame1, indexed("Label3", i), QString::fromUtf8(headings[i]), headingLeft[i], 240,
                          1170, 360);
        h->setFont(pointFont(font(), 8, true));
        h->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }

    const char *columns[] = {"Col_A", "Col_B", "Col_C", "Col_D", "Col_E"};
    const Column kinds[] = {Column::A, Column::B, Column::C, Column::D, Column::E};
    void (frm_kondi::*handlers[])(int) = {&frm_kondi::Col_A_Click, &frm_kondi::Col_B_Click,
                                          &frm_kondi::Col_C_Click, &frm_kondi::Col_D_Click,
                                          &frm_kondi::Col_E_Click};
    for (int i = 0; i < 5; ++i) {
        auto handler = handlers[i];
        colourColumn(Frame1, i, columns[i], capcodes::bandedColumn(kinds[i]), 120 + 1200 * i, 600, 1170, 2775,
                     [this, handler](int index) { (this->*handler)(index); });
    }

    const ResultFrame r = resultFrame(Frame1, 120, 3480);
    N1 = r.N1;
    N2 = r.N2;
    Label6 = r.Label6;
    Label8 = r.Label8;
    Label9 = r.Label9;
    Label10 = r.Label10;

    Label4 = label(Frame1, QStringLiteral("Label4"), QString(), 3720, 3600, 1095, 300, green);
    Label12 = label(Frame1, QStringLiteral("Label12"), QString(), 4920, 3600, 1095, 300, green);
    for (QLabel *l : {Label4, Label12}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFont(pointFont(font(), 8, true));
    }

    Command1 = named(new QPushButton(QStringLiteral("Mezők törlése"), Frame1), QStringLiteral("Command1"));
    Command1->setFont(pointFont(font(), 9, true));
    twips::place(Command1, 1320, 5760, 3615, 615);
    connect(Command1, &QPushButton::clicked, this, &frm_kondi::Command1_Click);

    // The dipped body is the stack of bands; later bands lie over earlier ones.
    auto *Frame3 = named(new QGroupBox(Frame1), QStringLiteral("Frame3"));
    twips::place(Frame3, 6840, 240, 3975, 3015);
    for (int i = 0; i < 2; ++i) {
        auto *lead = named(new LineControl(Frame3), indexed("Line1", i));
        lead->setLine(i == 0 ? 1080 : 2880, 1920, i == 0 ? 1080 : 2880, 2880);
        lead->setColor(QColor(128, 128, 128));
    }
    const double tops[] = {240, 600, 960, 1320, 1560};
    const double heights[] = {495, 375, 375, 375, 495};
    for (int i = 0; i < 5; ++i) {
        const bool end = i == 0 || i == 4;
        Sh[size_t(i)] = mark(Frame3, indexed("Sh", i),
                             int(end ? ShapeControl::Shape::RoundedRectangle : ShapeControl::Shape::Rectangle),
                             840, tops[i], 2175, heights[i]);
        QLabel *l = label(Frame3, indexed("Label1", i), QString(QLatin1Char(char('A' + i))), 3120,
                          360 + 360 * i, 240, 255);
        l->setFont(pointFont(font(), 9, true));
    }
    sheen(Frame3, Sheen::Block, 840, 240, 2175, 1815);

    Frame2 = named(new QGroupBox(QStringLiteral("Feliratos kondenzátor"), Frame1), QStringLiteral("Frame2"));
    twips::place(Frame2, 6840, 3240, 3975, 3375);
    const char *pickNames[] = {"F1", "F2", "F3", "F4"};
    void (frm_kondi::*pickHandlers[])(int) = {&frm_kondi::F1_Click, &frm_kondi::F2_Click, &frm_kondi::F3_Click,
                                              &frm_kondi::F4_Click};
    const char *pickTips[] = {"1. számjegy", "2. számjegy", "Nullák száma", "Tűrés betűjele"};
    for (int c = 0; c < 4; ++c) {
        const int count = c == 3 ? capcodes::kLetterCount : 10;
        auto handler = pickHandlers[c];
        for (int i = 0; i < count; ++i) {
            const QString caption = c == 3 ? QString(capcodes::toleranceLetter(i)) : QString::number(i);
            auto *entry = named(new ClickLabel(caption, Frame2), indexed(pickNames[c], i));
            entry->setColors(kPickColour, Qt::black);
            entry->setAlignment(Qt::AlignCenter);
            entry->setFont(pointFont(font(), 8, true));
            entry->setFrameShape(QFrame::Box);
            entry->setCursor(Qt::PointingHandCursor);
            entry->setToolTip(QString::fromUtf8(pickTips[c]));
            twips::place(entry, 240 + 360 * c, 360 + 240 * i, 255, 240);
            connect(entry, &ClickLabel::clicked, this, [this, handler, i] { (this->*handler)(i); });
        }
    }
    E1 = label(Frame2, QStringLiteral("E1"), QString(), 240, 2880, 255, 240, green);
    E2 = label(Frame2, QStringLiteral("E2"), QString(), 600, 2880, 255, 240, green);
    E3 = label(Frame2, QStringLiteral("E3"), QString(), 960, 2880, 1095, 240, green);
    for (QLabel *l : {E1, E2, E3}) {
        l->setFont(pointFont(font(), 8, true));
        l->setAlignment(l == E3 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }

    auto *Image1 = named(new ImageControl(Frame2), QStringLiteral("Image1"));
    twips::place(Image1, 2400, 240, 1215, 1215);
    Image1->setPicture(QPixmap::fromImage(printedDisc(4 * Image1->width())));

    const char *units[] = {"pF", "nF", "uF", "%"};
    for (int i = 0; i < 4; ++i) {
        Label2[size_t(i)] = label(Frame2, indexed("Label2", i), QString(), 2400, 1680 + 360 * i, 1095, 255, green);
        Label2[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label(Frame2, indexed("Label13", i), QString::fromLatin1(units[i]), 3600, 1680 + 360 * i, 330, 255);
    }
}

void frm_kondi::paint(int band, int colourIndex)
{
    Sh[size_t(band)]->setFillColor(toColor(capcodes::colour(colourIndex).background));
}

void frm_kondi::Col_A_Click(int Index)
{
    if (!capcodes::bandedColumn(Column::A).contains(Index))
        return;
    N1->setText(QString::number(Index));
    paint(0, Index);
    ShowColourCapacitance();
}

void frm_kondi::Col_B_Click(int Index)
{
    if (!capcodes::bandedColumn(Column::B).contains(Index))
        return;
    N2->setText(QString::number(Index));
    paint(1, Index);
    ShowColourCapacitance();
}

void frm_kondi::Col_C_Click(int Index)
{
    if (!capcodes::bandedColumn(Column::C).contains(Index))
        return;
    Label6->setText(capcodes::multiplierText(Index));
    paint(2, Index);
    ShowColourCapacitance();
}

void frm_kondi::Col_D_Click(int Index)
{
    if (!capcodes::bandedColumn(Column::D).contains(Index))
        return;
    paint(3, Index);
    Label4->setText(capcodes::bandedTolerance(Index));
}

void frm_kondi::Col_E_Click(int Index)
{
    if (!capcodes::bandedColumn(Column::E).contains(Index))
        return;
    paint(4, Index);
    Label12->setText(capcodes::bandedVoltage(Index));
}

void frm_kondi::ShowColourCapacitance()
{
    const capcodes::ValueTexts t =
        capcodes::valueTexts(capcodes::capacitance(N1->text(), N2->text(), Label6->text()));
    Label8->setText(t.pF);
    Label9->setText(t.nF);
    Label10->setText(t.uF);
}

void frm_kondi::Command1_Click()
{
    for (QLabel *l : {Label4, Label6, Label8, Label9, Label10, Label12, N1, N2})
        l->clear();
    for (ShapeControl *s : Sh)
        s->setFillColor(toColor(capcodes::kUnset));
}

void frm_kondi::F1_Click(int Index)
{
    if (Index < 0 || Index > 9)
        return;
    E1->setText(QString::number(Index));
    ShowPrintedCapacitance();
}

void frm_kondi::F2_Click(int Index)
{
    if (Index < 0 || Index > 9)
        return;
    E2->setText(QString::number(Index));
    ShowPrintedCapacitance();
}

void frm_kondi::F3_Click(int Index)
{
    if (Index < 0 || Index > 9)
        return;
    E3->setText(capcodes::zeros(Index));
    ShowPrintedCapacitance();
}

void frm_kondi::F4_Click(int Index)
{
    if (Index < 0 || Index >= capcodes::kLetterCount)
        return;
    Label2[3]->setText(capcodes::letterTolerance(Index));
}

void frm_kondi::ShowPrintedCapacitance()
{
    const capcodes::ValueTexts t = capcodes::printedTexts(E1->text(), E2->text(), E3->text());
    Label2[0]->setText(t.pF);
    Label2[1]->setText(t.nF);
    Label2[2]->setText(t.uF);
}
