// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_keramia.h"

#include "decoders/capacitorparts.h"
#include "decoders/capcodes.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

using namespace capparts;
using capcodes::Column;

namespace {

const QColor kBodyColour(255, 192, 128);
const QColor kLeadColour(128, 128, 128);
constexpr double kDegree = 3.14159265358979323846 / 180;

LineControl *line(QWidget *parent, const QString &name, double x1, double y1, double x2, double y2,
                  const QColor &colour)
{
    auto *l = named(new LineControl(parent), name);
    l->setLine(x1, y1, x2, y2);
    l->setColor(colour);
    return l;
}

QLabel *letter(QWidget *parent, const QString &name, const QString &text, double cx, double cy)
{
    QLabel *l = label(parent, name, text, cx - 120, cy - 120, 240, 240);
    l->setFont(pointFont(parent->font(), 8, true));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

struct DotDrawing
{
    double cx, cy;   // disc centre
};

// A dipped disc on two leads; the dots and the sheen are added by the caller.
DotDrawing disc(QWidget *frame, int index)
{
    const double d = 1500, left = (2175 - d) / 2, top = 480;
    const DotDrawing g{left + d / 2, top + d / 2};
    line(frame, indexed("Line2", 2 * index), g.cx - 330, top + d - 120, g.cx - 330, 2430, kLeadColour);
    line(frame, indexed("Line2", 2 * index + 1), g.cx + 330, top + d - 120, g.cx + 330, 2430, kLeadColour);
    auto *body = named(new ShapeControl(frame, ShapeControl::Shape::Oval), indexed("Shape2", index));
    body->setFillColor(kBodyColour);
    body->setBorderColor(QColor(170, 110, 60));
    twips::place(body, left, top, d, d);
    return g;
}

} // namespace

frm_keramia::frm_keramia()
    : ToolWindow(QStringLiteral("frm_keramia"), QStringLiteral("Kerámia kondenzátorok"), 11895, 6855, false)
{
    setFont(pointFont(font(), 8, false));
    const QColor green = toColor(capcodes::kUnset);

    Frame1 = named(new QGroupBox(QStringLiteral("Kerámia kondenzátorok"), this), QStringLiteral("Frame1"));
    twips::place(Frame1, 120, 120, 11655, 6615);

    const char *headings[] = {"Hőmérsékleti tényező", "1. Digit", "2. Digit", "Szorzó", "Tolerancia %"};
    const double headingLeft[] = {120, 1440, 2520, 3600, 4920};
    for (int i = 0; i < 5; ++i) {
        // The first heading takes two lines, the last may run past its column.
        QLabel *h = label(Frame1, indexed("Label3", i), QString::fromUtf8(headings[i]), headingLeft[i], 240,
                          i == 0 ? 1290 : i == 4 ? 1800 : 1170, 360);
        h->setFont(pointFont(font(), 7.5, true));
        h->setWordWrap(true);
        h->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }

    const char *columns[] = {"Col_A", "Col_B", "Col_C", "Col_D", "Col_E"};
    const Column kinds[] = {Column::A, Column::B, Column::C, Column::D, Column::E};
    void (frm_keramia::*handlers[])(int) = {&frm_keramia::Col_A_Click, &frm_keramia::Col_B_Click,
                                            &frm_keramia::Col_C_Click, &frm_keramia::Col_D_Click,
                                            &frm_keramia::Col_E_Click};
    for (int i = 0; i < 5; ++i) {
        auto handler = handlers[i];
        colourColumn(Frame1, i, columns[i], capcodes::ceramicColumn(kinds[i]), 120 + 1200 * i, 600, 1170,
                     3255, [this, handler](int index) { (this->*handler)(index); });
    }

    Label4 = label(Frame1, QStringLiteral("Label4"), QString(), 120, 3960, 1095, capcodes::kCoefficientHeight,
                   green);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFont(pointFont(font(), 7.5, true));

    const ResultFrame r = resultFrame(Frame1, 1320, 3840);
    N1 = r.N1;
    N2 = r.N2;
    Label6 = r.Label6;
    Label8 = r.Label8;
    Label9 = r.Label9;
    Label10 = r.Label10;

    Label12 = label(Frame1, QStringLiteral("Label12"), QString(), 4950, 3960, 1095, 300, green);
    Label12->setAlignment(Qt::AlignCenter);
    Label12->setFont(pointFont(font(), 8, true));

    Command1 = named(new QPushButton(QStringLiteral("Mezők törlése"), Frame1), QStringLiteral("Command1"));
    Command1->setFont(pointFont(font(), 9, true));
    twips::place(Command1, 1320, 5760, 3615, 615);
    connect(Command1, &QPushButton::clicked, this, &frm_keramia::Command1_Click);

    // Banded capacitor: leads to both sides and two downwards.
    auto *Frame3 = named(new QGroupBox(QStringLiteral("Axiális/Radiális kondenzátor"), Frame1),
                         QStringLiteral("Frame3"));
    twips::place(Frame3, 7080, 120, 4455, 2775);
    line(Frame3, indexed("Line1", 0), 240, 1447, 1080, 1447, kLeadColour);
    line(Frame3, indexed("Line1", 1), 3255, 1447, 4215, 1447, kLeadColour);
    line(Frame3, indexed("Line1", 2), 1560, 1695, 1560, 2610, kLeadColour);
    line(Frame3, indexed("Line1", 3), 2775, 1695, 2775, 2610, kLeadColour);
    auto *body = named(new ShapeControl(Frame3, ShapeControl::Shape::RoundedRectangle), QStringLiteral("Shape1"));
    body->setFillColor(kBodyColour);
    body->setBorderColor(QColor(170, 110, 60));
    twips::place(body, 1080, 1200, 2175, 495);
    std::array<ShapeControl *, 3> *const marks[] = {&SA, &SB, &SC, &SD, &SE};
    const char *markNames[] = {"SA", "SB", "SC", "SD", "SE"};
    for (int i = 0; i < 5; ++i) {
        const double left = 1200 + 240 * i;
        (*marks[i])[0] = mark(Frame3, indexed(markNames[i], 0), int(ShapeControl::Shape::Rectangle), left, 1200,
                              135, 495);
        const QString name = QString(QLatin1Char(char('A' + i)));
        letter(Frame3, indexed("Label1", i), name, left + 67, 600);
        line(Frame3, indexed("Line3", i), left + 67, 720, left + 67, 1200, Qt::black);
    }
    sheen(Frame3, Sheen::Tube, 1080, 1200, 2175, 495);

    // Five-dot disc: A left, C on top, E right.
    auto *Frame2_1 = named(new QGroupBox(QStringLiteral("5 pontos"), Frame1), indexed("Frame2", 1));
    twips::place(Frame2_1, 7080, 2880, 2175, 2535);
    const DotDrawing five = disc(Frame2_1, 1);
    const double fiveAngles[] = {160, 125, 90, 55, 20};
    std::array<ShapeControl *, 3> *const fiveMarks[] = {&SA, &SB, &SC, &SD, &SE};
    const int fiveSlot[] = {1, 2, 2, 2, 1};
    for (int i = 0; i < 5; ++i) {
        const double a = fiveAngles[i] * kDegree;
        const double x = five.cx + 510 * std::cos(a), y = five.cy - 510 * std::sin(a);
        (*fiveMarks[i])[size_t(fiveSlot[i])] = mark(Frame2_1, indexed(markNames[i], fiveSlot[i]),
                                                    int(ShapeControl::Shape::Oval), x - 97, y - 97, 195, 195);
        letter(Frame2_1, indexed("Label2", 3 + i), QString(QLatin1Char(char('A' + i))),
               five.cx + 880 * std::cos(a), five.cy - 880 * std::sin(a));
    }
    sheen(Frame2_1, Sheen::Disc, five.cx - 750, five.cy - 750, 1500, 1500);

    // Three-dot disc: B on top, C right, D left.
    auto *Frame2_0 = named(new QGroupBox(QStringLiteral("3 pontos"), Frame1), indexed("Frame2", 0));
    twips::place(Frame2_0, 9360, 2880, 2175, 2535);
    const DotDrawing three = disc(Frame2_0, 0);
    const double threeAngles[] = {90, -30, 210};
    std::array<ShapeControl *, 3> *const threeMarks[] = {&SB, &SC, &SD};
    for (int i = 0; i < 3; ++i) {
        const double a = threeAngles[i] * kDegree;
        const double x = three.cx + 450 * std::cos(a), y = three.cy - 450 * std::sin(a);
        (*threeMarks[i])[1] = mark(Frame2_0, indexed(markNames[i + 1], 1), int(ShapeControl::Shape::Oval), x - 97,
                                   y - 97, 195, 195);
        letter(Frame2_0, indexed("Label2", i), QString(QLatin1Char(char('B' + i))), three.cx + 880 * std::cos(a),
               three.cy - 880 * std::sin(a));
    }
    sheen(Frame2_0, Sheen::Disc, three.cx - 750, three.cy - 750, 1500, 1500);
}

void frm_keramia::paint(const std::array<ShapeControl *, 3> &marks, int colourIndex)
{
    const QColor c = toColor(capcodes::colour(colourIndex).background);
    for (ShapeControl *m : marks)
        if (m)
            m->setFillColor(c);
}

void frm_keramia::Col_A_Click(int Index)
{
    if (!capcodes::ceramicColumn(Column::A).contains(Index))
        return;
    A = short(Index);
    twips::setHeight(Label4, capcodes::coefficientLabelHeight(Index));
    paint(SA, Index);
    ShowCapacitance();
}

void frm_keramia::Col_B_Click(int Index)
{
    if (!capcodes::ceramicColumn(Column::B).contains(Index))
        return;
    N1->setText(QString::number(Index));
    paint(SB, Index);
    ShowCapacitance();
}

void frm_keramia::Col_C_Click(int Index)
{
    if (!capcodes::ceramicColumn(Column::C).contains(Index))
        return;
    N2->setText(QString::number(Index));
    paint(SC, Index);
    ShowCapacitance();
}

void frm_keramia::Col_D_Click(int Index)
{
    if (!capcodes::ceramicColumn(Column::D).contains(Index))
        return;
    Label6->setText(capcodes::multiplierText(Index));
    paint(SD, Index);
    ShowCapacitance();
}

void frm_keramia::Col_E_Click(int Index)
{
    if (!capcodes::ceramicColumn(Column::E).contains(Index))
        return;
    E = short(Index);
    paint(SE, Index);
    ShowCapacitance();
}

void frm_keramia::ShowCapacitance()
{
    Label4->setText(capcodes::temperatureCoefficient(A));
    const double c = capcodes::capacitance(N1->text(), N2->text(), Label6->text());
    const capcodes::ValueTexts t = capcodes::valueTexts(c);
    Label8->setText(t.pF);
    Label9->setText(t.nF);
    Label10->setText(t.uF);
    Label12->setText(capcodes::ceramicTolerance(E, c));
}

void frm_keramia::Command1_Click()
{
    for (QLabel *l : {Label4, Label6, Label8, Label9, Label10, Label12, N1, N2})
        l->clear();
    const QColor unset = toColor(capcodes::kUnset);
    for (const auto *marks : {&SA, &SB, &SC, &SD, &SE})
        for (ShapeControl *m : *marks)
            if (m)
                m->setFillColor(unset);
}
