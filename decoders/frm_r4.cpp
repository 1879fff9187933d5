// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_r4.h"

#include "decoders/bandimages.h"
#include "decoders/mod_r.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace {

// Hands a control's key presses to a handler that may swallow them.
class KeyPressHook : public QObject
{
public:
    KeyPressHook(QObject *parent, std::function<bool(QKeyEvent *)> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && m_handler(static_cast<QKeyEvent *>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(QKeyEvent *)> m_handler;
};

QLabel *caption(QWidget *parent, const char *name, const char *text, double left, double top)
{
    auto *lab = new QLabel(QString::fromUtf8(text), parent);
    lab->setObjectName(QLatin1String(name));
    twips::place(lab, left, top, twips::fromPixels(lab->sizeHint().width()),
                 twips::fromPixels(lab->sizeHint().height()));
    return lab;
}

} // namespace

frm_R4::frm_R4()
    : ResistorBandsWindow({"frm_R4", "Négysávos ellenállás.", 7125, 4, "5 sávos ellenállás", "frm_R5",
                           {4, 7, 2, mod_R::kSilver}, "4,7 k-ohm 10%"})
{
    setKeyPreview(true);

    Frame1 = new QGroupBox(QStringLiteral("Érték átszámítás színekre."), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    twips::place(Frame1, 720, 4320, 7095, 2655);

    Label3 = caption(Frame1, "Label3", "Érték:", 1320, 240);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    twips::place(Text1, 1320, 600, 855, 285);
    Text1->installEventFilter(new KeyPressHook(Text1, [this](QKeyEvent *e) { return Text1_KeyPress(e); }));
    connect(Text1, &QLineEdit::textChanged, this, &frm_R4::Text1_Change);

    Label4 = caption(Frame1, "Label4", "Egység:", 2640, 240);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    twips::place(Combo1, 2640, 600, 1215, 315);
    connect(Combo1, &QComboBox::activated, this, &frm_R4::Combo1_Click);

    Label5 = caption(Frame1, "Label5", "Tűrés: %", 4320, 240);
    Combo2 = new QComboBox(Frame1);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    twips::place(Combo2, 4320, 600, 1215, 315);
    connect(Combo2, &QComboBox::activated, this, &frm_R4::Combo2_Click);

    Image2 = new ImageControl(Frame1);
    Image2->setObjectName(QStringLiteral("Image2"));
    twips::place(Image2, 600, 1080, 5355, 1305);
    Image2->setPicture(QPixmap::fromImage(bandimages::resistorBody(Image2->size())));

    const double bandLeft[4] = {1920, 2280, 2640, 3120};
    for (int i = 0; i < 4; ++i) {
        auto *band = new ImageControl(Frame1);
        band->setObjectName(QStringLiteral("Sáv_B(%1)").arg(i));
        twips::place(band, bandLeft[i], 1360, 255, 735);
        Sáv_B.append(band);
    }

    // The value-to-colours half of the loading step.
    Combo1->addItems(mod_R::tables().units);
    Combo1->setCurrentIndex(0);
    Combo1->setEditText(QStringLiteral("Ohm"));
    Combo2->addItems(mod_R::toleranceList());
    Combo2->setCurrentIndex(-1);
}

void frm_R4::Form_KeyDown(QKeyEvent *e)
{
    handleKey(e->key());
}

bool frm_R4::Text1_KeyPress(QKeyEvent *e)
{
    const QString typed = e->text();
    if (typed.isEmpty())
        return false;   // arrows, Delete and the like edit as usual
    QString kept;
    for (QChar c : typed)
        if (const std::optional<QChar> k = mod_R::keyFilter(c))
            kept.append(*k);
    if (kept == typed)
        return false;
    if (!kept.isEmpty())
        Text1->insert(kept);
    return true;
}

void frm_R4::Text1_Change()
{
    const QString text = Text1->text();
    QPalette pal = Text1->palette();
    if (!mod_R::typedValueAccepted(text)) {
        pal.setColor(QPalette::Text, QColor(255, 0, 0));
        Text1->setPalette(pal);
        ClearValueBands();
        beep();
        return;
    }
    pal.setColor(QPalette::Text, QApplication::palette(Text1).color(QPalette::Text));
    Text1->setPalette(pal);
    if (text.isEmpty())
        ClearValueBands();
    else
        ValueToBands();
}

void frm_R4::ClearValueBands()
{
    for (int i = 0; i < 3; ++i)
        Sáv_B[i]->setPicture(bandPicture(mod_R::kUnmarked));
}

void frm_R4::ValueToBands()
{
    ClearValueBands();
    const QString text = Text1->text();
    if (Combo1->currentText().isEmpty())
        Combo1->setEditText(QStringLiteral("Ohm"));
    const QString unit = Combo1->currentText();
    // A rejected text (also reached by picking a unit) gets no bands: its third
    // significant digit cannot be shown.
    const std::optional<mod_R::ValueBands> bands = mod_R::bandsFromTyped(text, unit);
    if (!bands)
        return;
    Sáv_B[0]->setPicture(bandPicture(bands->first));
    Sáv_B[1]->setPicture(bandPicture(bands->second));
    Sáv_B[2]->setPicture(bandPicture(bands->multiplier));
}

void frm_R4::Combo1_Click()
{
    ValueToBands();
}

void frm_R4::Combo2_Click()
{
    if (const std::optional<int> c = mod_R::toleranceColour(Combo2->currentText()))
        Sáv_B[3]->setPicture(bandPicture(*c));
}

void frm_R4::beep()
{
    Q_EMIT beeped();
    QApplication::beep();
}
