// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/resistorwindow.h"

#include "decoders/bandimages.h"
#include "decoders/mod_r.h"
#include "ui/build.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>

namespace {

// A push button whose caption wraps onto more lines when it is too wide.
class WrapButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        const QString caption = opt.text;
        opt.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        const int shift = isDown() ? 1 : 0;
        p.drawText(rect().adjusted(4 + shift, 2 + shift, -4 + shift, -2 + shift),
                   Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
};

// A label whose one-line caption is squeezed sideways rather than cut off
// when the font is wider than the box (the box sizes are fixed in twips).
template <typename Label>
class FitLabel : public Label
{
public:
    using Label::Label;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        this->drawFrame(&p);
        const QRect r = this->contentsRect().adjusted(1, 0, -1, 0);
        const QString text = this->text();
        const int need = this->fontMetrics().horizontalAdvance(text);
        p.setPen(this->palette().color(QPalette::WindowText));
        if (need <= r.width() || r.width() <= 0) {
            p.drawText(r, int(this->alignment()), text);
            return;
        }
        p.translate(r.left(), 0);
        p.scale(double(r.width()) / need, 1);
        p.drawText(QRect(0, r.top(), need, r.height()), int(this->alignment()), text);
    }
};

QColor toColor(const mod_R::Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

QFont pointFont(const QFont &base, double points, bool bold)
{
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

using build::indexed;
using build::named;

constexpr double kBandPitch = 360;

} // namespace

ResistorBandsWindow::ResistorBandsWindow(const Setup &s)
    : ToolWindow(QString::fromUtf8(s.objectName), QString::fromUtf8(s.caption), 11385, s.heightTwips,
                 true),
      m_bandCount(s.bandCount), m_switchTarget(QString::fromUtf8(s.switchTarget)),
      m_colours(s.bandCount + 1, mod_R::kUnmarked)
{
    setFont(pointFont(font(), 8, false));
    mod_R::InitColourTables();
    m_images = bandimages::imageList();

    Frame2 = named(new QGroupBox(QStringLiteral("Színek átszámítása értékre."), this),
                   QStringLiteral("Frame2"));
    twips::place(Frame2, 720, 120, 7095, 4215);

    Image1 = named(new ImageControl(Frame2), QStringLiteral("Image1"));
    twips::place(Image1, 480, 1665, 6315, 1785);
    Image1->setPicture(QPixmap::fromImage(bandimages::resistorBody(Image1->size())));

    const QString bandTip = QStringLiteral("Klikkelj ide, ha ezt a sávot akarod átszínezni !");
    Sáv_pic.resize(m_bandCount + 1);
    Nyíl.resize(m_bandCount + 1);
    for (int i = 1; i <= m_bandCount; ++i) {
        auto *band = named(new ImageControl(Frame2), indexed("Sáv_pic", i));
        twips::place(band, 1800 + kBandPitch * (i - 1), 2040, 300, 1035);
        band->setToolTip(bandTip);
        band->setCursor(Qt::PointingHandCursor);
        connect(band, &ImageControl::clicked, this, [this, i] { Sáv_pic_Click(i); });
        Sáv_pic[i] = band;

        auto *bar = named(new QLabel(QStringLiteral("   "), Frame2), indexed("Nyíl", i));
        bar->setAutoFillBackground(true);
        QPalette pal = bar->palette();
        pal.setColor(QPalette::Window, Qt::black);
        bar->setPalette(pal);
        twips::place(bar, 1920 + kBandPitch * (i - 1), 960, 105, 915);
        Nyíl[i] = bar;
    }

    Label2 = named(new QLabel(QStringLiteral("1. Sáv"), Frame2), QStringLiteral("Label2"));
    Label2->setFont(pointFont(font(), 12, true));
    twips::place(Label2, 2280, 480, 0, twips::fromPixels(Label2->sizeHint().height()));
    fitLabel2();

    Label1 = named(new FitLabel<QLabel>(Frame2), QStringLiteral("Label1"));
    Label1->setFont(pointFont(font(), 13.5, true));
    Label1->setAutoFillBackground(true);
    Label1->setAlignment(Qt::AlignCenter);
    {
        QPalette pal = Label1->palette();
        pal.setColor(QPalette::Window, QColor(255, 255, 0));
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        Label1->setPalette(pal);
    }
    twips::place(Label1, 2400, 3600, 2055, 420);

    Frame3 = named(new QGroupBox(QStringLiteral("Színek"), this), QStringLiteral("Frame3"));
    twips::place(Frame3, 8040, 120, 1815, 6855);
    const QString hint = mod_R::tables().paletteHint;
    for (int i = 0; i < mod_R::kColourCount; ++i) {
        const mod_R::ColourInfo &c = mod_R::colour(i);
        auto *entry = named(new FitLabel<ClickLabel>(QString::fromUtf8(c.caption), Frame3),
                           indexed("Col_lab", i));
        entry->setFont(pointFont(font(), 12, true));
        entry->setAlignment(Qt::AlignCenter);
        entry->setColors(toColor(c.paletteBackground), toColor(c.paletteText));
        entry->setToolTip(hint);
        entry->setCursor(Qt::PointingHandCursor);
        entry->setFrameShape(QFrame::Box);
        const double top = i <= 9 ? 360 + 480 * i : 5400 + 480 * (i - 10);
        twips::place(entry, 240, top, 1335, 375);
        connect(entry, &ClickLabel::clicked, this, [this, i] { Col_lab_Click(i); });
        Col_lab.append(entry);
    }

    Command2 = named(new WrapButton(QString::fromUtf8(s.switchCaption), this), QStringLiteral("Command2"));
    Command2->setFont(pointFont(font(), 8, true));
    {
        QPalette pal = Command2->palette();
        pal.setColor(QPalette::Button, QColor(224, 224, 224));
        Command2->setPalette(pal);
    }
    twips::place(Command2, 9960, 240, 1335, 735);
    connect(Command2, &QPushButton::clicked, this, &ResistorBandsWindow::Command2_Click);

    Frame4 = named(new QGroupBox(this), QStringLiteral("Frame4"));
    twips::place(Frame4, 9960, 960, 1335, 6015);
    Label6 = named(new QLabel(Frame4), QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips::place(Label6, 120, 240, 1095, 5655);

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &ResistorBandsWindow::Timer1_Timer);

    // The loading step proper.
    for (int band = 1; band <= m_bandCount; ++band) {
        const int c = band <= s.loadColours.size() ? s.loadColours[band - 1] : mod_R::kUnmarked;
        Sáv_pic[band]->setPicture(bandPicture(c));
        m_colours[band] = c;
    }
    Col_lab[mod_R::kGold]->setColors(QColor(240, 220, 136), Col_lab[mod_R::kGold]->textColor());
    for (int i = mod_R::kSilver; i <= mod_R::kUnmarked; ++i)
        Col_lab[i]->hide();
    for (int band = 2; band <= m_bandCount; ++band)
        Nyíl[band]->hide();
    Label1->setText(QString::fromUtf8(s.loadText));
    m_selected = 1;
    Timer1->start();
    Label6->setText(QStringLiteral(" 1. Először klikkelj arra a gyűrűre amit át akarsz színezni.\n"
                                   "A villogó vonal a gyűrű fölé ugrik.\n"
                                   " 2. Válaszd ki függőleges szín oszlopon a színt!"));
}

int ResistorBandsWindow::bandColour(int band) const
{
    return band >= 1 && band <= m_bandCount ? m_colours[band] : -1;
}

QPixmap ResistorBandsWindow::bandPicture(int colourIndex) const
{
    return mod_R::isColourIndex(colourIndex) ? m_images[colourIndex] : QPixmap();
}

void ResistorBandsWindow::Form_Activate()
{
    Timer1->start();
}

void ResistorBandsWindow::Form_Deactivate()
{
    Timer1->stop();
}

void ResistorBandsWindow::Timer1_Timer()
{
    if (m_selected >= 1 && m_selected <= m_bandCount)
        Nyíl[m_selected]->setVisible(Nyíl[m_selected]->isHidden());
}

void ResistorBandsWindow::Sáv_pic_Click(int Index)
{
    if (Index < 1 || Index > m_bandCount)
        return;
    for (int band = 1; band <= m_bandCount; ++band)
        Nyíl[band]->hide();
    Nyíl[Index]->show();
    twips::setLeft(Label2, twips::left(Nyíl[Index]));
    for (ClickLabel *entry : Col_lab)
        entry->hide();

    mod_R::BandRole role = mod_R::BandRole::Digit;
    if (Index == m_bandCount) {
        role = mod_R::BandRole::Tolerance;
        Label2->setText(QStringLiteral("%1. Sáv (Tűrés %)").arg(Index));
    } else {
        if (Index == m_bandCount - 1)
            role = mod_R::BandRole::Multiplier;
        Label2->setText(QStringLiteral("%1. Sáv").arg(Index));
    }
    fitLabel2();
    m_selected = Index;
    for (int i = 0; i < mod_R::kColourCount; ++i)
        if (mod_R::roleOffers(role, i))
            Col_lab[i]->show();
}

void ResistorBandsWindow::Col_lab_Click(int Index)
{
    if (!mod_R::isColourIndex(Index) || m_selected < 1 || m_selected > m_bandCount)
        return;
    Sáv_pic[m_selected]->setPicture(bandPicture(Index));
    m_colours[m_selected] = Index;
    ShowBandValue();
}

void ResistorBandsWindow::ShowBandValue()
{
    QVector<int> digits;
    for (int band = 1; band <= m_bandCount - 2; ++band)
        digits.append(m_colours[band]);
    std::optional<QString> text;
    if (const auto ohms = mod_R::resistance(digits, m_colours[m_bandCount - 1]))
        text = mod_R::valueText(*ohms, m_colours[m_bandCount]);
    Label1->setText(text.value_or(QStringLiteral("Hiba ! ")));
}

void ResistorBandsWindow::Command2_Click()
{
    const QString target = m_switchTarget;
    unload();
    if (ToolHost *host = ToolHost::instance())
        host->showTool(target);
}

void ResistorBandsWindow::handleKey(int key)
{
    switch (key) {
    case Qt::Key_K:
        unload();
        break;
    case Qt::Key_Left:
        Sáv_pic_Click(std::max(1, m_selected - 1));
        break;
    case Qt::Key_Right:
        Sáv_pic_Click(std::min(m_bandCount, m_selected + 1));
        break;
    default:
        break;
    }
}

void ResistorBandsWindow::fitLabel2()
{
    twips::setWidth(Label2, twips::fromPixels(Label2->sizeHint().width()));
}
