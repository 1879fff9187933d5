// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/frm_smdrc.h"

#include "core/datafile.h"
#include "core/textfile.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

template<typename W> W *named(W *w, const char *name, double l, double t, double wd, double h)
{
    w->setObjectName(QString::fromLatin1(name));
    twips::place(w, l, t, wd, h);
    return w;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, double l, double t, double w, double h)
{
    auto *lab = named(new QLabel(text, parent), name, l, t, w, h);
    lab->setTextFormat(Qt::PlainText);
    lab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lab->setWordWrap(true);
    return lab;
}

QLabel *result(QWidget *parent, const char *name, const QString &text, double l, double t, double w, double h)
{
    auto *lab = label(parent, name, text, l, t, w, h);
    lab->setAlignment(Qt::AlignCenter);
    lab->setWordWrap(false);
    lab->setAutoFillBackground(true);
    QFont f = lab->font();
    f.setPointSizeF(10);
    f.setBold(true);
    lab->setFont(f);
    return lab;
}

void setTextColor(QLabel *l, const QColor &c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

QLineEdit *codeBox(QWidget *parent, const char *name, const QString &text, double l, double t)
{
    auto *e = named(new QLineEdit(text, parent), name, l, t, 1095, 420);
    QFont f = e->font();
    f.setPointSizeF(12);
    f.setBold(true);
    e->setFont(f);
    return e;
}

const QColor kLightGreen(192, 255, 192);

} // namespace

frm_smdRC::frm_smdRC(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_smdRC"), u8("SMD passzív alkatrészek"), 12000, 7800, false, parent)
{
    // Resistors.
    Frame3 = named(new QGroupBox(u8("SMD - Ellenállások"), this), "Frame3", 120, 60, 6495, 7620);
    Frame4 = named(new QGroupBox(u8("EIA-96-típus:1%, 2%, 5%"), Frame3), "Frame4", 120, 300, 3735, 1215);
    Text1 = codeBox(Frame4, "Text1", QString(), 120, 420);
    Label2 = result(Frame4, "Label2", QString(), 1320, 300, 2295, 795);
    QPalette green = Label2->palette();
    green.setColor(QPalette::Window, kLightGreen);
    Label2->setPalette(green);
    Image1 = named(new ImageControl(Frame3), "Image1", 3960, 360, 2415, 1095);
    Image1->setPicture(pictures::png(QStringLiteral(":/decoders/smd_resistor.png")));
    Label1 = label(Frame3, "Label1", QString(), 120, 1620, 6255, 2040);
    Frame1 = named(new QGroupBox(u8("3-digit"), Frame3), "Frame1", 120, 3720, 3075, 3780);
    List1 = named(new QListWidget(Frame1), "List1", 120, 300, 2835, 3360);
    Frame2 = named(new QGroupBox(u8("4-digit"), Frame3), "Frame2", 3300, 3720, 3075, 3780);
    List2 = named(new QListWidget(Frame2), "List2", 120, 300, 2835, 3360);

    // Ceramic capacitors.
    Frame6 = named(new QGroupBox(u8("SMD - Kerámia kondenzátorok"), this), "Frame6", 6735, 60, 5145, 4020);
    Text2 = codeBox(Frame6, "Text2", QStringLiteral("A2"), 120, 300);
    Label4 = result(Frame6, "Label4", QStringLiteral("100 pF"), 1320, 300, 1695, 420);
    Label4->setPalette(green);
    Label3 = label(Frame6, "Label3", QString(), 120, 840, 4905, 480);
    Label7 = label(Frame6, "Label7", QString(), 120, 1380, 4905, 480);
    setTextColor(Label7, QColor(255, 0, 0));
    Label8 = label(Frame6, "Label8", QString(), 120, 1860, 4905, 480);
    Label9 = label(Frame6, "Label9", QStringLiteral("KA2"), 480, 2940, 1095, 420);
    QFont big = Label9->font();
    big.setPointSizeF(14);
    big.setBold(true);
    Label9->setFont(big);
    Label9->setAlignment(Qt::AlignCenter);
    Image3 = named(new ImageControl(Frame6), "Image3", 1800, 2400, 2895, 1500);
    Image3->setPicture(pictures::png(QStringLiteral(":/decoders/smd_ceramic.png")));

    // Electrolytic capacitors.
    Frame5 = named(new QGroupBox(u8("SMD - Elektrolit kondenzátorok"), this), "Frame5", 6735, 4140, 5145, 3540);
    Text3 = codeBox(Frame5, "Text3", QStringLiteral("A475"), 120, 300);
    Label5 = result(Frame5, "Label5", u8("4,7 uF/10 V"), 1320, 300, 2055, 420);
    Label6 = label(Frame5, "Label6", QString(), 120, 840, 3375, 2580);
    Image2 = named(new ImageControl(Frame5), "Image2", 3600, 1320, 1425, 1380);
    Image2->setPicture(pictures::png(QStringLiteral(":/decoders/smd_elko.png")));

    lbl_hiba = label(this, "lbl_hiba", QString(), 240, 6360, 6255, 1200);
    setTextColor(lbl_hiba, QColor(192, 0, 0));
    lbl_hiba->setAutoFillBackground(true);
    lbl_hiba->setFrameShape(QFrame::Box);
    lbl_hiba->setMargin(4);
    lbl_hiba->hide();

    Form_Load();

    connect(Text1, &QLineEdit::textChanged, this, &frm_smdRC::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &frm_smdRC::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &frm_smdRC::Text3_Change);
    Text1->setText(QStringLiteral("22A"));
}

void frm_smdRC::readList(const QString &relative, QListWidget *list)
{
    QString text;
    if (!datafile::read(relative, &text, &m_problems))
        return;
    // A list item lays its whole text out: a damaged file's line of
    // megabytes would stall the window. No reference line is near this long.
    constexpr qsizetype kMaxItemText = 1024;
    QStringList lines = textfile::splitLines(text);
    for (QString &line : lines)
        if (line.size() > kMaxItemText)
            line = line.left(kMaxItemText) + QChar(0x2026);
    list->addItems(lines);
}

void frm_smdRC::Form_Load()
{
    const QString crlf = QStringLiteral("\r\n");
    Label3->setText(u8("Az utolsó 2 karakter számít pl.: KA2=>A2=>100pF  S3=4.7nF  Az első: betű; a második: szám!"));
    Label7->setText(u8("A következő karakterek lehetnek (kisbetű/nagybetű érzékeny):"));
    Label8->setText(u8("A a B b C D d E e F f G H J K L M m N n P Q R S T t U V W X Y y Z   0-9"));
    Label6->setText(QStringList{u8("Alap esetben jelölve van a kapacitás-mikrofaradban és utána a feszültség voltban:"),
                                u8("pl: 10 6V= 10uF/6V"), QString(), u8("A másik jelölés: 1-betű, és utána 3 szám:"),
                                u8(" pl: A475= 4,7uF/10V"), u8("Használható karakterek: e G J A C D E V H  0-9"),
                                u8("(Ezt tudjuk fent keresni!)")}
                        .join(crlf));
    readList(QStringLiteral("\\SMD\\!smd_3.txt"), List1);
    readList(QStringLiteral("\\SMD\\!smd_4.txt"), List2);
    // The example follows the decoder: codes 01 to 24 are 2 % parts.
    Label1->setText(QStringList{u8("Kizárólag számokat, ill. A-F,X,Y,R,S- karaktereket tartalmazhat!"),
                                u8("----------------------------"), u8("Számmal kezdődő:"),
                                u8("pl.: 22A=165 ohm 1%"), u8("A szám 01-96-ig terjedhet!"),
                                u8("----------------------------"), u8("Betűvel kezdődő: "),
                                u8("pl.: D18=510 kohm 2%"), u8("A szám 01-48-ig terjedhet!")}
                        .join(crlf));
    m_tables = smdcodes::loadTables(&m_problems);

    if (!m_problems.isEmpty()) {
        // The missing tables are named where the reference lists would be.
        lbl_hiba->setText(m_problems.join(QLatin1Char('\n')));
        lbl_hiba->show();
        lbl_hiba->raise();
    }
}

void frm_smdRC::Text1_Change()
{
    const smdcodes::ResistorResult r = smdcodes::decodeResistor(Text1->text(), m_tables);
    if (r.code.size() == 3 && r.code != Text1->text()) {
        // Written back in upper case; that change decodes again.
        const int pos = Text1->cursorPosition();
        Text1->setText(r.code);
        Text1->setCursorPosition(pos);
        return;
    }
    Label2->setText(r.text);
    setTextColor(Label2, r.known ? QColor(0, 0, 255) : QColor(255, 0, 0));
}

void frm_smdRC::Text2_Change()
{
    Label4->setText(smdcodes::decodeCeramic(Text2->text(), m_tables));
}

void frm_smdRC::Text3_Change()
{
    Label5->setText(smdcodes::decodeElectrolytic(Text3->text()));
}
