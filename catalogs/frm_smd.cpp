// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_smd.h"

#include "catalogs/frm_tranzisztor.h"
#include "catalogs/module1.h"
#include "catalogs/smdlink.h"
#include "catalogs/smdmodel.h"
#include "core/userdata.h"
#include "ui/controls.h"
#include "ui/reportlist.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>

namespace {

struct LabelDesign
{
    int index, left, top, width, height;
};
const LabelDesign kLabels[] = {
    {0, 240, 240, 1095, 255}, {1, 240, 720, 3255, 255}, {2, 240, 1200, 3495, 255},
    {4, 240, 1680, 3375, 255}, {5, 240, 2160, 3375, 855},
};

QFrame *plainFrame(QWidget *parent, const char *name)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

frm_SMD::frm_SMD(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_SMD"), QString::fromUtf8(" SMD aktív alkatrészek."), 11880, 6855,
                 true, parent)
{
    m_model = new SmdModel(this);
    LV1 = new ReportList(this);
    LV1->setObjectName(QStringLiteral("LV1"));
    LV1->setModel(m_model);
    QList<int> widths;
    for (int c = 0; c < kSmdFields; ++c)
        widths << SmdModel::widthTwips(c);
    LV1->setColumnWidthsTwips(widths);
    twips::place(LV1, 120, 120, 11775, 3375);
    connect(LV1, &ReportList::itemClicked, this, &frm_SMD::LV1_ItemClick);
    // Moving through the list with the keyboard shows the details as a click does.
    connect(LV1, &ReportList::currentMovedByKey, this, [this](int row) { LV1_ItemClick(row); });
    // From a code to its base type's full ratings in the transistor catalog.
    connect(LV1, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { Search_Transistor(index.row()); });
    LV1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LV1, &QWidget::customContextMenuRequested, this, &frm_SMD::LV1_ContextMenu);

    Frame1 = plainFrame(this, "Frame1");
    twips::place(Frame1, 120, 3480, 7935, 3255);
    Image2 = new ImageControl(Frame1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setStretch(true);
    twips::place(Image2, 0, 120, 4575, 3100);
    Image1 = new ImageControl(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    twips::place(Image1, 4680, 240, 3135, 2895);

    lbl_hiba = new QLabel(Frame1);
    lbl_hiba->setObjectName(QStringLiteral("lbl_hiba"));
    lbl_hiba->setTextFormat(Qt::PlainText);
    lbl_hiba->setWordWrap(true);
    lbl_hiba->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    lbl_hiba->setFont(bold);
    lbl_hiba->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    twips::place(lbl_hiba, 240, 240, 7455, 2775);
    lbl_hiba->hide();

    Frame2 = plainFrame(this, "Frame2");
    twips::place(Frame2, 8040, 3480, 3855, 3255);
    for (const LabelDesign &d : kLabels) {
        auto *l = new QLabel(Frame2);
        l->setObjectName(QStringLiteral("lbl(%1)").arg(d.index));
        l->setTextFormat(Qt::PlainText);
        l->setFont(bold);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(d.index == 5);
        twips::place(l, d.left, d.top, d.width, d.height);
        lbl[size_t(d.index)] = l;
    }

    Form_Load();
}

void frm_SMD::Load_Makers()
{
    m_makers = Load_Smd_Makers(&m_problems);
}

void frm_SMD::Form_Load()
{
    m_problems.clear();
    Load_Makers();
    int shipped = 0;
    std::vector<Smd_Record> codes = Load_Smd_Codes(&m_problems, &shipped);
    m_model->setRecords(std::move(codes), shipped);
    lbl_hiba->setText(m_problems.join(QLatin1Char('\n')));
    lbl_hiba->setVisible(!m_problems.isEmpty());
    repaint();
}

QString frm_SMD::Maker_Name(const QString &code) const
{
    return ::Maker_Name(m_makers, code);
}

void frm_SMD::LV1_ItemClick(int row)
{
    const Smd_Record *r = m_model->record(row);
    if (!r)
        return;
    lbl_hiba->hide();
    Image1->clear();
    Image2->clear();
    const QStringList details = Smd_Details(*r, m_makers);
    lbl[0]->setText(details[0]);
    lbl[1]->setText(details[1]);
    lbl[2]->setText(details[2]);
    lbl[4]->setText(details[3]);
    lbl[5]->setText(m_model->isOwn(row) ? userdata::marked(details[4]) : details[4]);
    // A missing picture leaves its image empty.
    const QString inner = Smd_InnerPicture((*r)[3]);
    if (!inner.isEmpty())
        Image1->load(inner);
    const QString package = Smd_PackagePicture((*r)[4]);
    if (!package.isEmpty())
        Image2->load(package);
}

void frm_SMD::LV1_ContextMenu(const QPoint &pos)
{
    QModelIndex index = LV1->indexAt(pos);
    if (!index.isValid())
        index = LV1->currentIndex();   // the menu key over an empty spot
    if (!index.isValid())
        return;
    const int row = index.row();
    LV1->setCurrentIndex(m_model->index(row, 0));
    LV1_ItemClick(row);
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnu_LV1"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *search = menu->addAction(QString::fromUtf8("Keresés a tranzisztor katalógusban"));
    search->setObjectName(QStringLiteral("mnu_tranzisztor"));
    connect(search, &QAction::triggered, this, [this, row] { Search_Transistor(row); });
    menu->popup(LV1->viewport()->mapToGlobal(pos));
}

void frm_SMD::Search_Transistor(int row)
{
    const Smd_Record *r = m_model->record(row);
    if (!r)
        return;
    const QString base = (*r)[3];
    // The catalog is read afresh, as its own window does at every opening.
    const Transistor_LoadReport report = Load_Transistor_Data();
    const std::optional<Transistor_Match> match = Find_Transistor_Type(Transistor_Table_Instance(), base);
    if (!match) {
        QString message = Smd_NoTransistorMessage(base);
        if (!report.ok())
            message += QLatin1Char('\n') + report.message();
        lbl_hiba->setText(message);
        lbl_hiba->raise();
        lbl_hiba->show();
        return;
    }
    ToolHost *host = ToolHost::instance();
    if (!host)
        return;
    // As a toolbar click: this window closes, the catalog opens fresh.
    const QString type = match->type;
    unload();
    if (auto *catalog = qobject_cast<frm_tranzisztor *>(host->showTool(QStringLiteral("frm_tranzisztor"))))
        catalog->Show_Type(type);
}
