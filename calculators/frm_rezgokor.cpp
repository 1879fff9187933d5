// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_rezgokor.h"

#include "calculators/calcwidgets.h"
#include "calculators/mod_rlc.h"
#include "calculators/rezgokor_calc.h"
#include "core/numbers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

using namespace calcwidgets;

namespace {
const int kUnitColumn[3] = {mod_RLC::Farad, mod_RLC::Henry, mod_RLC::Hertz};
const char *const kListUnit[3] = {"Farad", "Henry", "Hertz"};
constexpr double kRowTop = 600;
constexpr double kRowPitch = 390;
} // namespace

frm_rezgokor::frm_rezgokor(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_rezgokor"),
                 QStringLiteral("Párhuzamos rezgőkörök számítása.  Au/DB átszámítás."), 9840, 5460, true,
                 parent)
{
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Rezgőkőr"), 120, 90, 5790, 3750);
    Frame2 = frame(Frame1, QStringLiteral("Frame2"), QStringLiteral("Kiindulási adatok"), 120, 270, 1680,
                   1590);
    const char *const checks[] = {"Kapacitás", "Induktivitás", "Frekvencia"};
    for (int r = 0; r < 3; ++r) {
        const double top = kRowTop + r * kRowPitch;
        Check[r] = make<QCheckBox>(Frame2, QStringLiteral("Check%1").arg(r + 1), 120, top - 270 + 15, 1500,
                                   300);
        Check[r]->setText(QString::fromUtf8(checks[r]));
        connect(Check[r], &QCheckBox::toggled, this, [this, r] { Check_Click(r); });
        Text[r] = make<QLineEdit>(Frame1, QStringLiteral("Text%1").arg(r + 1), 1920, top, 1650, 330);
        Text[r]->setEnabled(false);
        Combo[r] = make<QComboBox>(Frame1, QStringLiteral("Combo%1").arg(r + 1), 3630, top, 1500, 330);
        UnitLabel[r] = label(Frame1, QStringLiteral("Label%1").arg(r + 2), QString(), 5190, top + 30, 540,
                             270);
        setBold(UnitLabel[r]);
    }
    Command1 = make<QPushButton>(Frame1, QStringLiteral("Command1"), 1920, 1920, 1650, 420);
    Command1->setText(QStringLiteral("Számol"));
    connect(Command1, &QPushButton::clicked, this, &frm_rezgokor::Command1_Click);
    Label1 = label(Frame1, QStringLiteral("Label1"), QString(), 3630, 1980, 2100, 300);
    setTextColour(Label1, QColor(255, 0, 0));
    Label9 = label(Frame1, QStringLiteral("Label9"), QString(), 120, 2520, 5550, 330);
    setBold(Label9, 1.15);
    setTextColour(Label9, QColor(0, 0, 128));
    lbl_hiba = label(Frame1, QStringLiteral("lbl_hiba"), QString(), 120, 3000, 5550, 570);
    lbl_hiba->setAlignment(Qt::AlignCenter);
    setTextColour(lbl_hiba, QColor(255, 0, 0));
    setBold(lbl_hiba, 1.4);

    Frame4 = frame(this, QStringLiteral("Frame4"), QString(), 6030, 90, 3690, 3750);
    Label10 = label(Frame4, QStringLiteral("Label10"), QString(), 150, 150, 3420, 3480);
    Label10->setWordWrap(true);
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("AU/DB"), 120, 3960, 9600, 1380);
    Label5 = label(Frame3, QStringLiteral("Label5"), QStringLiteral("Erősítésből - Decibel"), 150, 375,
                   2550, 270);
    Text[3] = make<QLineEdit>(Frame3, QStringLiteral("Text4"), 2760, 345, 1800, 330);
    Label7 = label(Frame3, QStringLiteral("Label7"), QString(), 4680, 375, 4800, 270);
    Label6 = label(Frame3, QStringLiteral("Label6"), QStringLiteral("Decibelből - Erősítés"), 150, 855,
                   2550, 270);
    Text[4] = make<QLineEdit>(Frame3, QStringLiteral("Text5"), 2760, 825, 1800, 330);
    Label8 = label(Frame3, QStringLiteral("Label8"), QString(), 4680, 855, 4800, 270);
    for (QLabel *l : {Label7, Label8}) {
        setBold(l);
        setTextColour(l, QColor(0, 0, 128));
    }

    for (int b = 0; b < 5; ++b) {
        Text[b]->installEventFilter(this);
        connect(Text[b], &QLineEdit::textChanged, this, [this, b] { Text_Change(b); });
    }

    // Form_Load.
    mod_RLC::FillTables();
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < mod_RLC::kPrefixes; ++i)
            Combo[r]->addItem(mod_RLC::shortName(i) + QLatin1String(kListUnit[r]));
        connect(Combo[r], &QComboBox::currentIndexChanged, this, [this, r] { Combo_Click(r); });
    }
    Combo[0]->setCurrentIndex(2);
    Combo[1]->setCurrentIndex(4);
    Combo[2]->setCurrentIndex(8);
    const QString crlf = QStringLiteral("\r\n");
    Label10->setText(QStringLiteral(" 1. Válassz 2 kiindulási adatot.") + crlf
                     + QStringLiteral("(Pl.: Ha frekvenciát akarod megtudni: jelöld be a Kapacitás és az "
                                      "Induktivitás négyzeteket.)")
                     + crlf + crlf
                     + QStringLiteral(" 2. Írd be a két kijelölt szövegmezőbe a számolandó értékeket.") + crlf
                     + crlf + QStringLiteral(" 3. Válaszd ki a megfelelő mértékegységet (pl.:nanoFarad)") + crlf
                     + crlf + QStringLiteral(" 4. Nyomd meg számol gombot."));
}

void frm_rezgokor::Check_Click(int row)
{
    const bool all = Check[0]->isChecked() && Check[1]->isChecked() && Check[2]->isChecked();
    Label1->setText(all ? QStringLiteral("Max 2 adatot válassz!") : QString());
    Text[row]->setEnabled(Check[row]->isChecked());
}

void frm_rezgokor::Combo_Click(int row)
{
    const int i = Combo[row]->currentIndex();
    if (i < 0 || i >= mod_RLC::kPrefixes)
        return;
    UnitLabel[row]->setText(mod_RLC::unitSymbol(i, kUnitColumn[row]));
    m_prefix[row] = i;
}

void frm_rezgokor::Text_Change(int box)
{
    QLineEdit *t = Text[box];
    QString s = t->text();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    lbl_hiba->setText(s.count(QLatin1Char('.')) > 1 ? QStringLiteral("Túl sok a tizedespont! (vessző)")
                                                     : QString());
    if (s != t->text()) {
        const int cursor = t->cursorPosition();
        t->setText(s);   // runs this handler again on the cleaned text
        t->setCursorPosition(cursor);
        return;
    }
    if (box == 3)
        Text4_Convert();
    else if (box == 4)
        Text5_Convert();
}

void frm_rezgokor::Text4_Convert()
{
    const QString s = Text[3]->text();
    if (s.isEmpty()) {
        Label7->clear();
        return;
    }
    const double au = num::leadingNumber(s);
    if (!(au > 0))
        return;
    const QString text = rezgokor::decibelText(au);
    if (text.isEmpty()) {
        beep();
        return;
    }
    Label7->setText(text);
}

void frm_rezgokor::Text5_Convert()
{
    const QString s = Text[4]->text();
    if (s.isEmpty()) {
        Label8->clear();
        return;
    }
    const QString text = rezgokor::gainText(num::leadingNumber(s));
    if (text.isEmpty()) {
        beep();
        return;
    }
    Label8->setText(text);
}

void frm_rezgokor::beep()
{
    Q_EMIT beeped();
    QApplication::beep();
}

void frm_rezgokor::showResult(int row, double v)
{
    const std::optional<rezgokor::Shown> shown = rezgokor::shownValue(v);
    if (!shown)
        return;
    const int k = shown->prefix;
    Text[row]->setText(shown->number);
    Text[row]->setCursorPosition(0);   // the leading digits matter most
    m_prefix[row] = k;
    Combo[row]->setCurrentIndex(k);
    UnitLabel[row]->setText(mod_RLC::unitSymbol(k, kUnitColumn[row]));
}

void frm_rezgokor::Command1_Click()
{
    double value[3];
    bool ticked[3];
    for (int r = 0; r < 3; ++r) {
        value[r] = mod_RLC::scale(num::leadingNumber(Text[r]->text()), m_prefix[r]);
        ticked[r] = Check[r]->isChecked();
    }
    const rezgokor::Outcome out = rezgokor::calculate(ticked, value);
    // Each derivation is shown before the next one runs, as the user sees it.
    for (int r : {rezgokor::Frequency, rezgokor::Inductance, rezgokor::Capacitance})
        if (out.derived[r])
            showResult(r, out.value[r]);
    if (out.hiba) {
        lbl_hiba->setText(QStringLiteral("HIBA!!!!"));
        return;
    }
    if (out.impedance)
        m_Z = out.impedance;
    if (!m_Z)
        return;   // nothing computed yet: the label keeps what it shows
    const QString text = rezgokor::impedanceText(*m_Z);
    if (!text.isEmpty())
        Label9->setText(text);
}

bool frm_rezgokor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        for (int b = 0; b < 5; ++b) {
            if (watched != Text[b])
                continue;
            auto *key = static_cast<QKeyEvent *>(event);
            // The decibel box converts its current text again at every key,
            // so a value that cannot be shown beeps again.
            if (b == 4 && !key->text().isEmpty())
                Text_Change(4);
            // Only the box's own handling follows: the key is not passed on twice.
            return filterNumericKey(watched, key, b == 4);
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
