// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_szotar.h"

#include "catalogs/dictionarymodel.h"
#include "core/search.h"
#include "core/userdata.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/reportlist.h"
#include "ui/twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const char *const kLanguageCodes[kDictionaryLanguages] = {"hu", "en", "de"};
const char *const kFrameCaptions[kDictionaryLanguages] = {
    "Keresés Magyar nyelven.", "Keresés Angol nyelven.", "Keresés Német nyelven."};
const char *const kLanguageNames[kDictionaryLanguages] = {"Magyar", "Angol", "Német"};

QString flagPicture(int language)
{
    return QStringLiteral(":/catalogs/szotar/flag_%1.png").arg(QLatin1String(kLanguageCodes[language]));
}

QFont sized(const QFont &base, double points)
{
    QFont f = base;
    f.setPointSizeF(points);
    return f;
}
} // namespace

QChar frm_szotar::translateKey(QChar typed)
{
    switch (typed.unicode()) {
    case u',':
        return QLatin1Char('.');
    case 0x0150:   // Ő
    case 0x0151:   // ő
        return QChar(0x00F6);
    case 0x0170:   // Ű
    case 0x0171:   // ű
        return QChar(0x00FC);
    default:
        return typed;
    }
}

frm_szotar::frm_szotar(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_szotar"), QString::fromUtf8(" Magyar-Angol-Német-  műszaki kisszótár."),
                 11895, 7275, true, parent)
{
    for (int l = 0; l < kDictionaryLanguages; ++l)
        for (int k = 0; k < kFrames; ++k)
            imlKep[size_t(l)][size_t(k)] = pictures::png(QStringLiteral(":/catalogs/szotar/anim_%1_%2.png")
                                                             .arg(QLatin1String(kLanguageCodes[l]))
                                                             .arg(k + 1));
    const QCursor pointer(pictures::png(QStringLiteral(":/catalogs/szotar/pointer.png")), 2, 2);   // the arrow tip

    Frame1 = new QGroupBox(QString::fromUtf8(kFrameCaptions[0]), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    twips::place(Frame1, 120, 0, 11655, 1215);

    Image1 = new ImageControl(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    twips::place(Image1, 120, 240, 1095, 855);
    Image1->setPicture(imlKep[0][0]);   // until the first tick

    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(sized(font(), 12));
    twips::place(Text1, 1440, 480, 3375, 375);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, &frm_szotar::Text1_Change);

    Frame2 = new QGroupBox(QString::fromUtf8("Nyelv kiválasztása"), Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    twips::place(Frame2, 5160, 120, 3135, 975);
    for (int i = 0; i < kDictionaryLanguages; ++i) {
        auto *z = new ImageControl(Frame2);
        z->setObjectName(QStringLiteral("Zaszlo(%1)").arg(i));
        z->setStretch(true);
        z->setPicture(pictures::png(flagPicture(i)));
        z->setCursor(pointer);
        z->setToolTip(QString::fromUtf8(kFrameCaptions[i]));
        twips::place(z, 240 + 960 * i, 240, 735, 615);
        connect(z, &ImageControl::clicked, this, [this, i] { Zaszlo_Click(i); });
        Zaszlo[size_t(i)] = z;
    }

    Command1 = new QPushButton(QString::fromUtf8("Teljes lista"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QString::fromUtf8("A teljes szótár megjelenítése."));
    twips::place(Command1, 8640, 240, 1935, 735);
    connect(Command1, &QPushButton::clicked, this, &frm_szotar::Command1_Click);

    m_model = new DictionaryModel(&m_table, this);
    LV1 = new ReportList(this);
    LV1->setObjectName(QStringLiteral("LV1"));
    LV1->setModel(m_model);
    LV1->header()->setSectionsClickable(true);
    LV1->header()->setSortIndicatorShown(true);
    LV1->setColumnWidthsTwips({6703, 6703, 6615});
    twips::place(LV1, 120, 1200, 11655, 3135);
    connect(LV1, &ReportList::itemClicked, this, &frm_szotar::LV1_ItemClick);
    connect(LV1->header(), &QHeaderView::sectionClicked, this, &frm_szotar::LV1_ColumnClick);
    // Moving through the list with the keyboard shows the entry as a click does.
    connect(LV1, &ReportList::currentMovedByKey, this, [this](int row) { LV1_ItemClick(row); });

    for (int i = 0; i < kDictionaryLanguages; ++i) {
        auto *f = new QGroupBox(QString::fromUtf8(kLanguageNames[i]), this);
        f->setObjectName(QStringLiteral("Fre(%1)").arg(i));
        twips::place(f, 120, 4320 + 960 * i, 11655, 975);
        auto *flag = new ImageControl(f);
        flag->setObjectName(QStringLiteral("Flag(%1)").arg(i));
        flag->setStretch(true);
        flag->setPicture(pictures::png(flagPicture(i)));
        twips::place(flag, 120, 240, 855, 615);
        auto *out = new QLabel(QStringLiteral("lblOUT"), f);
        out->setObjectName(QStringLiteral("lblOut(%1)").arg(i));
        out->setTextFormat(Qt::PlainText);
        out->setFont(sized(font(), 12));
        out->setTextInteractionFlags(Qt::TextSelectableByMouse);
        twips::place(out, 1080, 240, 10455, 615);
        Fre[size_t(i)] = f;
        Flag[size_t(i)] = flag;
        lblOut[size_t(i)] = out;
    }

    // The terms are shown as they are, to be copied: the user's own entry is
    // marked beside the first box's caption instead.
    lbl_sajat = new QLabel(userdata::marker(), this);
    lbl_sajat->setObjectName(QStringLiteral("lbl_sajat"));
    lbl_sajat->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QPalette own = lbl_sajat->palette();
    own.setColor(QPalette::WindowText, ownRecordColour());
    lbl_sajat->setPalette(own);
    twips::place(lbl_sajat, 8775, 4320, 3000, 255);
    lbl_sajat->hide();

    lbl_hiba = new QLabel(this);
    lbl_hiba->setObjectName(QStringLiteral("lbl_hiba"));
    lbl_hiba->setTextFormat(Qt::PlainText);
    lbl_hiba->setWordWrap(true);
    QFont bold = sized(font(), 10);
    bold.setBold(true);
    lbl_hiba->setFont(bold);
    lbl_hiba->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    twips::place(lbl_hiba, 360, 1800, 11175, 615);
    lbl_hiba->hide();
    connect(Text1, &QLineEdit::textEdited, lbl_hiba, [this] { hideListMessageOverRows(lbl_hiba); });
    connect(LV1, &ReportList::itemClicked, lbl_hiba, [this] { hideListMessageOverRows(lbl_hiba); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frm_szotar::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

// The list goes first: it may still ask its model for rows while the
// window's own table is being destroyed.
frm_szotar::~frm_szotar()
{
    delete LV1;
}

QPixmap frm_szotar::animationPicture(int language, int step) const
{
    if (language < 0 || language >= kDictionaryLanguages || step < 1 || step > kFrames)
        return QPixmap();
    return imlKep[size_t(language)][size_t(step - 1)];
}

void frm_szotar::Form_Load()
{
    m_language = 0;
    Load_Dictionary();
}

void frm_szotar::Load_Dictionary()
{
    m_report = Load_Dictionary_Data(&m_table);
    showListMessage(lbl_hiba, m_report.message(), m_table.size() > 0);

    m_model->setSortColumn(0);
    m_model->listAll();
    LV1->header()->setSortIndicator(0, Qt::AscendingOrder);
    const int row = m_model->rowOfKey(QStringLiteral("A0"));
    if (row >= 0) {
        const QModelIndex idx = m_model->index(row, 0);
        LV1->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect
                                                        | QItemSelectionModel::Rows);
        LV1->scrollTo(idx);
        LV1_ItemClick(row);
    } else {
        clearLabels();
    }
    repaint();
}

void frm_szotar::clearLabels()
{
    for (QLabel *l : lblOut)
        l->clear();
    lbl_sajat->hide();
}

void frm_szotar::Command1_Click()
{
    m_model->clearList();
    Load_Dictionary();
}

void frm_szotar::Zaszlo_Click(int index)
{
    if (index < 0 || index >= kDictionaryLanguages)
        return;
    Frame1->setTitle(QString::fromUtf8(kFrameCaptions[index]));
    m_model->clearList();
    clearLabels();
    m_language = index;
    Text1->clear();
    Text1->setFocus();
}

void frm_szotar::Text1_Change()
{
    const QString text = Text1->text();
    if (text.size() < search::kMinChars)
        return;
    clearLabels();
    m_model->search(m_language, text);
}

void frm_szotar::LV1_ColumnClick(int column)
{
    if (column < 0 || column >= kDictionaryLanguages)
        return;
    m_model->setSortColumn(column);
    LV1->header()->setSortIndicator(column, Qt::AscendingOrder);
}

void frm_szotar::LV1_ItemClick(int row)
{
    const int r = m_model->tableRowAt(row);
    if (r < 0)
        return;
    const Dictionary_Entry &e = m_table.entry(r);
    for (int i = 0; i < kDictionaryLanguages; ++i)
        lblOut[size_t(i)]->setText(e.term[size_t(i)]);
    lbl_sajat->setVisible(m_table.isOwn(r));
}

void frm_szotar::Timer1_Timer()
{
    if (++m_step >= kFrames + 1)
        m_step = 1;
    Image1->setPicture(animationPicture(m_language, m_step));
}

bool frm_szotar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        if (typed.size() == 1 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const QChar c = translateKey(typed.at(0));
            if (c != typed.at(0)) {
                Text1->insert(QString(c));
                return true;
            }
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
