// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_dioda.h"

#include "catalogs/diodemodel.h"
#include "core/search.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/reportlist.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
QFont boldFont(const QFont &base, double points)
{
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}
} // namespace

frm_dioda::frm_dioda(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_dioda"), QString::fromUtf8("  Dióda katalógus"), 8325, 7005, true,
                 parent)
{
    Label1 = new QLabel(QString::fromUtf8("Keresés"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(boldFont(font(), 13.5));
    twips::place(Label1, 120, 120, 2535, 375);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(boldFont(font(), 13.5));
    twips::place(Text1, 120, 600, 2655, 495);
    connect(Text1, &QLineEdit::textChanged, this, &frm_dioda::Text1_Change);

    Command1 = new QPushButton(QString::fromUtf8("Összes dióda"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    twips::place(Command1, 3000, 600, 1215, 495);
    connect(Command1, &QPushButton::clicked, this, &frm_dioda::Command1_Click);

    m_model = new DiodeModel(&m_table, this);
    LV1 = new ReportList(this);
    LV1->setObjectName(QStringLiteral("LV1"));
    LV1->setModel(m_model);
    LV1->setColumnWidthsTwips({3528, 5292});
    twips::place(LV1, 120, 1440, 8055, 5535);

    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    Image1->setPicture(pictures::png(QStringLiteral(":/catalogs/dioda.png")));
    twips::place(Image1, 5110, 0, 3045, 1275);

    lbl_hiba = new QLabel(this);
    lbl_hiba->setObjectName(QStringLiteral("lbl_hiba"));
    lbl_hiba->setTextFormat(Qt::PlainText);
    lbl_hiba->setWordWrap(true);
    lbl_hiba->setFont(boldFont(font(), 10));
    lbl_hiba->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    twips::place(lbl_hiba, 360, 2040, 7575, 615);   // over the list
    lbl_hiba->hide();
    connect(Text1, &QLineEdit::textEdited, lbl_hiba, [this] { hideListMessageOverRows(lbl_hiba); });
    connect(LV1, &ReportList::itemClicked, lbl_hiba, [this] { hideListMessageOverRows(lbl_hiba); });

    Form_Load();
}

// The list goes first: it may still ask its model for rows while the
// window's own table is being destroyed.
frm_dioda::~frm_dioda()
{
    delete LV1;
}

void frm_dioda::Form_Load()
{
    m_report = Load_Diode_Data(&m_table);
    List_All_Diodes();
    showListMessage(lbl_hiba, m_report.message(), m_table.size() > 0);
}

void frm_dioda::List_All_Diodes()
{
    m_model->listAll();
    const int row = m_model->rowOfKey(QStringLiteral("A1"));
    if (row >= 0) {
        const QModelIndex idx = m_model->index(row, 0);
        LV1->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect
                                                        | QItemSelectionModel::Rows);
        LV1->scrollTo(idx);
    }
    repaint();
}

void frm_dioda::Command1_Click()
{
    List_All_Diodes();
}

void frm_dioda::Text1_Change()
{
    const QString text = Text1->text();
    if (text.size() < search::kMinChars)
        return;
    m_model->search(text);
}

void frm_dioda::Form_Resize()
{
    stretchListThenScale(LV1);
}

void frm_dioda::showEvent(QShowEvent *e)
{
    ToolWindow::showEvent(e);
    // The first size is never a resize: without this the list keeps its
    // design width until the user first drags the frame.
    Form_Resize();
}
