// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_oszt.h"

#include "calculators/calcwidgets.h"
#include "calculators/oszt_calc.h"
#include "calculators/schematics.h"
#include "core/numbers.h"
#include "ui/controls.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

using namespace calcwidgets;

namespace {
constexpr double kRowTop = 330;
constexpr double kRowPitch = 480;

QScrollBar *scroller(QWidget *parent, const QString &name, double l, double t)
{
    auto *s = make<QScrollBar>(parent, name, l, t, 255, 375);
    s->setOrientation(Qt::Vertical);
    s->setRange(oszt::kMinExponent, oszt::kMaxExponent);
    s->setSingleStep(3);
    s->setPageStep(3);
    // The larger prefixes lie upwards: the thumb is drawn from the bottom,
    // and every arrow, track and key step is turned round to match.
    s->setInvertedAppearance(true);
    // The step is taken from the action, not mirrored from the position Qt
    // already moved to: at an end Qt has clamped that move to nothing.
    QObject::connect(s, &QScrollBar::actionTriggered, s, [s](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            s->setSliderPosition(s->value() - s->singleStep());
            break;
        case QAbstractSlider::SliderSingleStepSub:
            s->setSliderPosition(s->value() + s->singleStep());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            s->setSliderPosition(s->value() - s->pageStep());
            break;
        case QAbstractSlider::SliderPageStepSub:
            s->setSliderPosition(s->value() + s->pageStep());
            break;
        default:
            break;
        }
    });
    return s;
}

QLabel *resultLabel(QWidget *parent, const QString &name, double l, double t)
{
    QLabel *r = label(parent, name, QString(), l, t, 1320, 330);
    r->setFrameShape(QFrame::Panel);
    r->setFrameShadow(QFrame::Sunken);
    r->setAutoFillBackground(true);
    QPalette p = r->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 192));
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    r->setPalette(p);
    setBold(r);
    return r;
}
} // namespace

frm_oszt::frm_oszt(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_oszt"), QStringLiteral("Terheletlen feszültség osztó, párhuzamos kapcsolás"),
                 12210, 5220, true, parent)
{
    // The divider.
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Terheletlen feszültségosztó"), 120, 90,
                   7110, 5010);
    Frame4 = frame(Frame1, QStringLiteral("Frame4"), QString(), 120, 240, 1800, 1950);
    Label1 = label(Frame4, QStringLiteral("Label1"), QStringLiteral("Melyiket keressük:"), 90, 90, 1680, 270);
    auto *dividerGroup = new QButtonGroup(this);
    const char *const dividerNames[] = {"U1", "R1", "U2", "R2"};
    for (int i = 0; i < 4; ++i) {
        Option1[i] = make<QRadioButton>(Frame4, indexed("Option1", i), 240, 420 + i * 360, 1200, 300);
        Option1[i]->setText(QLatin1String(dividerNames[i]));
        dividerGroup->addButton(Option1[i], i);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });

        const double top = kRowTop + i * kRowPitch;
        label(Frame1, indexed("Label_row", i), QLatin1String(dividerNames[i]), 2040, top + 45, 330, 270);
        lblText[i] = resultLabel(Frame1, indexed("lblText", i), 2400, top);
        Text[i] = make<QLineEdit>(Frame1, indexed("Text", i), 2400, top, 1320, 330);
        VScroll1[i] = scroller(Frame1, indexed("VScroll1", i), 3750, top - 22);
        lbl_ME[i] = label(Frame1, indexed("lbl_ME", i), oszt::dividerUnitLabel(i, 0).trimmed(), 4050,
                          top + 45, 1080, 270);
        Text[i]->installEventFilter(this);
        connect(Text[i], &QLineEdit::textChanged, this, [this, i] { Text_Change(i); });
        VScroll1[i]->installEventFilter(this);
        connect(VScroll1[i], &QScrollBar::valueChanged, this, [this, i] { VScroll1_Change(i); });
    }
    Image1 = make<ImageControl>(Frame1, QStringLiteral("Image1"), 5190, 240, 1800, 1950);

    Frame2 = frame(Frame1, QStringLiteral("Frame2"), QString(), 120, 2250, 6870, 1920);
    Label4 = label(Frame2, QStringLiteral("Label4"), QString(), 180, 165, 5640, 300);
    Label2 = label(Frame2, QStringLiteral("Label2"), QString(), 180, 495, 5640, 300);
    Label3 = label(Frame2, QStringLiteral("Label3"), QString(), 180, 825, 5640, 300);
    Label5 = label(Frame2, QStringLiteral("Label5"), QString(), 180, 1155, 5640, 300);
    Label6 = label(Frame2, QStringLiteral("Label6"), QString(), 180, 1485, 5640, 300);
    for (QLabel *l : {Label2, Label3, Label4, Label5, Label6}) {
        setBold(l);
        setTextColour(l, QColor(0, 0, 128));
    }
    lbl_hiba = label(Frame1, QStringLiteral("lbl_hiba"), QString(), 120, 4260, 6870, 600);
    lbl_hiba->setAlignment(Qt::AlignCenter);
    setTextColour(lbl_hiba, QColor(255, 0, 0));
    setBold(lbl_hiba, 1.4);

    // The parallel pair.
    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Párhuzamos ellenállások"), 7350, 90,
                   4740, 5010);
    Frame5 = frame(Frame3, QStringLiteral("Frame5"), QString(), 120, 240, 1800, 1590);
    Label8 = label(Frame5, QStringLiteral("Label8"), QStringLiteral("Melyiket keressük:"), 90, 90, 1680, 270);
    auto *parallelGroup = new QButtonGroup(this);
    const char *const parallelNames[] = {"R1", "R2", "RE"};
    for (int i = 0; i < 3; ++i) {
        optPH[i] = make<QRadioButton>(Frame5, indexed("optPH", i), 240, 420 + i * 360, 1200, 300);
        optPH[i]->setText(QLatin1String(parallelNames[i]));
        parallelGroup->addButton(optPH[i], i);
        connect(optPH[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optPH_Click(i);
        });

        const double top = kRowTop + i * kRowPitch;
        label(Frame3, indexed("Label_rowPH", i), QLatin1String(parallelNames[i]), 2040, top + 45, 330, 270);
        lblEPH[i] = resultLabel(Frame3, indexed("lblEPH", i), 2400, top);
        textPH[i] = make<QLineEdit>(Frame3, indexed("textPH", i), 2400, top, 1110, 330);
        twips::setWidth(lblEPH[i], 1110);
        scrollPH[i] = scroller(Frame3, indexed("scrollPH", i), 3540, top - 22);
        lblPH[i] = label(Frame3, indexed("lblPH", i), QStringLiteral("ohm"), 3840, top + 45, 840, 270);
        textPH[i]->installEventFilter(this);
        connect(textPH[i], &QLineEdit::textChanged, this, [this, i] { textPH_Change(i); });
        scrollPH[i]->installEventFilter(this);
        connect(scrollPH[i], &QScrollBar::valueChanged, this, [this, i] { scrollPH_Change(i); });
    }
    Image2 = make<ImageControl>(Frame3, QStringLiteral("Image2"), 240, 1920, 4260, 2280);
    Label7 = label(Frame3, QStringLiteral("Label7"), QString(), 120, 4260, 4500, 600);
    Label7->setAlignment(Qt::AlignCenter);
    setTextColour(Label7, QColor(255, 0, 0));
    setBold(Label7, 1.4);
    drawSchematics();

    // Form_Load.
    Option1[3]->setChecked(true);
    Text[3]->clear();
    VScroll1[3]->setEnabled(false);
    for (int i = 0; i < 4; ++i) {
        VScroll1[i]->setValue(0);
        VScroll1_Change(i);   // the unit label, also where the value stays 0
    }
    optPH[2]->setChecked(true);
    textPH[2]->clear();
    scrollPH[2]->setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        scrollPH[i]->setValue(0);
        scrollPH_Change(i);
    }
}

void frm_oszt::drawSchematics()
{
    Image1->setPicture(QPixmap::fromImage(schematics::divider(Image1->size() * 2)));
    Image2->setPicture(QPixmap::fromImage(schematics::parallel(Image2->size() * 2)));
}

void frm_oszt::Form_Resize()
{
    ToolWindow::Form_Resize();
    drawSchematics();
}

void frm_oszt::Option1_Click(int Index)
{
    if (Index < 0 || Index > 3)
        return;
    for (int i = 0; i < 4; ++i) {
        Text[i]->show();
        Text[i]->clear();
        VScroll1[i]->setEnabled(true);
    }
    Text[Index]->hide();
    VScroll1[Index]->setEnabled(false);
    m_sought = Index;
    dividerCalculation();
}

void frm_oszt::Text_Change(int)
{
    dividerCalculation();
}

bool frm_oszt::snapToStep(QScrollBar *bar)
{
    // Dragging the thumb may stop between prefixes.
    const int v = bar->value();
    const int snapped = v >= 0 ? (v + 1) / 3 * 3 : -((-v + 1) / 3 * 3);
    if (snapped == v)
        return false;
    bar->setValue(snapped);
    return true;
}

void frm_oszt::VScroll1_Change(int Index)
{
    if (snapToStep(VScroll1[Index]))
        return;
    lbl_ME[Index]->setText(oszt::dividerUnitLabel(Index, VScroll1[Index]->value()));
    dividerCalculation();
}

void frm_oszt::optPH_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    for (int i = 0; i < 3; ++i) {
        lblEPH[i]->clear();
        textPH[i]->show();
        textPH[i]->clear();
        scrollPH[i]->setEnabled(true);
    }
    textPH[Index]->hide();
    scrollPH[Index]->setEnabled(false);
    m_soughtPH = Index;
    parallelCalculation();
}

void frm_oszt::textPH_Change(int)
{
    parallelCalculation();
}

void frm_oszt::scrollPH_Change(int Index)
{
    if (snapToStep(scrollPH[Index]))
        return;
    lblPH[Index]->setText(oszt::parallelUnitLabel(scrollPH[Index]->value()));
    parallelCalculation();
}

void frm_oszt::dividerCalculation()
{
    lbl_hiba->clear();
    double values[4];
    for (int i = 0; i < 4; ++i)
        values[i] = i == m_sought ? 0 : oszt::rowValue(Text[i]->text(), VScroll1[i]->value());
    const oszt::DividerOutcome out = oszt::divider(m_sought, values);
    if (out.status == oszt::Status::NotEnough)
        return;
    if (out.soughtShown) {
        lblText[m_sought]->setText(num::generalText(out.soughtScaled.mantissa));
        VScroll1[m_sought]->setValue(out.soughtScaled.exponent);   // recalculates: the same result
    }
    if (out.status == oszt::Status::Failed) {
        lbl_hiba->setText(QStringLiteral("HIBA!!!!!!"));
        return;
    }
    Label2->setText(out.powerR1);
    Label3->setText(out.powerR2);
    Label4->setText(out.current);
    Label5->setText(out.ratio);
    Label6->setText(out.decibel);
}

void frm_oszt::parallelCalculation()
{
    Label7->clear();
    double values[3];
    for (int i = 0; i < 3; ++i)
        values[i] = i == m_soughtPH ? 0 : oszt::rowValue(textPH[i]->text(), scrollPH[i]->value());
    const oszt::ParallelOutcome out = oszt::parallel(m_soughtPH, values);
    if (out.status == oszt::Status::NotEnough)
        return;
    if (out.status == oszt::Status::Failed) {
        Label7->setText(QStringLiteral("HIBA !!!!!!"));
        return;
    }
    lblEPH[m_soughtPH]->setText(num::generalText(out.soughtScaled.mantissa));
    scrollPH[m_soughtPH]->setValue(out.soughtScaled.exponent);
}

bool frm_oszt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        if (auto *bar = qobject_cast<QScrollBar *>(watched)) {
            // Turned like the arrows: the wheel away from the user goes to the
            // larger prefix, one step per notch.
            m_wheel += static_cast<QWheelEvent *>(event)->angleDelta().y();
            while (bar->isEnabled() && std::abs(m_wheel) >= 120) {
                const bool up = m_wheel > 0;
                m_wheel += up ? -120 : 120;
                bar->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                      : QAbstractSlider::SliderSingleStepAdd);
            }
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched))
        return filterNumericKey(watched, static_cast<QKeyEvent *>(event));
    return ToolWindow::eventFilter(watched, event);
}
