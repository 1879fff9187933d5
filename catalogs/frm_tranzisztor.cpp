// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_tranzisztor.h"

#include "catalogs/transistormodel.h"
#include "core/appdir.h"
#include "core/search.h"
#include "core/userdata.h"
#include "ui/about.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/reportlist.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

const char *const kPrefixes[frm_tranzisztor::kPrefixButtons] = {
    "2N", "2SA", "2SB", "2SC", "2SD", "AC", "AD", "AF", "AU", "BC",  "BCW", "BCX",
    "BCY", "BD", "BDX", "BDY", "BF", "BL", "BU", "KT", "MJ", "MM", "TIP", "ZTX",
};

struct LabelDesign
{
    const char *caption;   // UTF-8
    int left, top, width, height;
};
const LabelDesign kLabelDesign[frm_tranzisztor::kLabels] = {
    {"BFY46", 120, 120, 2175, 375},      {"Si", 2400, 240, 495, 255},
    {"P:", 3240, 240, 2175, 255},        {"Ucb:", 120, 600, 1695, 255},
    {"Uce:", 1920, 600, 1455, 255},      {"Ueb:", 3480, 600, 1935, 255},
    {"Ic:", 3480, 960, 1935, 255},       {"Hfe:", 1920, 960, 1515, 240},
    {"Tj:", 120, 960, 1695, 255},        {"FTr:", 120, 1320, 1575, 255},
    {"Gyár:", 1920, 1320, 1575, 255},    {"Tok:", 3480, 1320, 1815, 255},
    {"Jellemzők:", 120, 1680, 5055, 855}, {"EU:", 120, 2760, 2415, 255},
    {"USA:", 2640, 2760, 2775, 255},     {"Orosz:", 120, 3120, 2295, 255},
    {"Japán:", 2640, 3120, 2535, 255},   {"Helyettesítő típusok:", 120, 2520, 4815, 255},
};


QFont boldFont(const QFont &base, double points)
{
    QFont f = base;
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

// The package picture's path; empty when the name would leave Tokpic.
QString packagePicture(QString package)
{
    const qsizetype hyphen = package.indexOf(QLatin1Char('-'));
    if (hyphen >= 0)
        package.truncate(hyphen);
    if (package.contains(QLatin1Char('/')) || package.contains(QLatin1Char('\\'))
        || package.contains(QLatin1String("..")))
        return QString();
    return appdir::file(QStringLiteral("\\Tranzisztor\\Tokpic\\") + package + QStringLiteral(".jpg"));
}

} // namespace

std::pair<QString, QString> frm_tranzisztor::structurePictures(const QString &structure)
{
    if (structure.compare(QLatin1String("npn"), Qt::CaseInsensitive) == 0)
        return {appdir::file(QStringLiteral("\\Tranzisztor\\npn.jpg")),
                appdir::file(QStringLiteral("\\Tranzisztor\\npn1.jpg"))};
    if (structure.compare(QLatin1String("pnp"), Qt::CaseInsensitive) == 0)
        return {appdir::file(QStringLiteral("\\Tranzisztor\\pnp.jpg")),
                appdir::file(QStringLiteral("\\Tranzisztor\\pnp1.jpg"))};
    // A field-effect transistor has its symbol only.
    static const char *const kFet[][2] = {{"N-MOSFET", "nmos"}, {"P-MOSFET", "pmos"}, {"N-JFET", "njfet"},
                                          {"P-JFET", "pjfet"}, {"N-MOSFET, 2 gate", "nmos2g"}};
    for (const auto &f : kFet)
        if (structure.compare(QLatin1String(f[0]), Qt::CaseInsensitive) == 0)
            return {appdir::file(QStringLiteral("\\Tranzisztor\\") + QLatin1String(f[1]) + QStringLiteral(".jpg")),
                    QString()};
    return {};
}

QString frm_tranzisztor::prefixCaption(int index)
{
    return index >= 0 && index < kPrefixButtons ? QString::fromLatin1(kPrefixes[index]) : QString();
}

frm_tranzisztor::frm_tranzisztor(QWidget *parent)
    : ToolWindow(QStringLiteral("frm_tranzisztor"), QString(), 11880, 7260, true, parent)
{

    Label1 = new QLabel(QString::fromUtf8("Keresés"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    twips::place(Label1, 120, 120, 1695, 255);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(boldFont(font(), 12));
    twips::place(Text1, 120, 480, 2775, 420);
    connect(Text1, &QLineEdit::textChanged, this, &frm_tranzisztor::Text1_Change);

    for (int i = 0; i < kPrefixButtons; ++i) {
        auto *b = new QPushButton(prefixCaption(i), this);
        b->setObjectName(QStringLiteral("Cmd(%1)").arg(i));
        b->setFocusPolicy(Qt::NoFocus);   // typing goes on in Text1
        const int col = i % 12;
        twips::place(b, 3000 + 600 * col, i < 12 ? 120 : 480, 615, 375);
        connect(b, &QPushButton::clicked, this, [this, i] { Cmd_Click(i); });
        Cmd[size_t(i)] = b;
    }

    m_model = new TransistorModel(&Transistor_Table_Instance(), this);
    LV1 = new ReportList(this);
    LV1->setObjectName(QStringLiteral("LV1"));
    LV1->setModel(m_model);
    QList<int> widths;
    for (int c = 0; c < kTransistorFields; ++c)
        widths << TransistorModel::widthTwips(c);
    LV1->setColumnWidthsTwips(widths);
    twips::place(LV1, 120, 960, 11775, 2805);
    connect(LV1, &ReportList::itemClicked, this, &frm_tranzisztor::LV1_ItemClick);
    // Moving through the list with the keyboard shows the details as a click does.
    connect(LV1, &ReportList::currentMovedByKey, this, [this](int row) { LV1_ItemClick(row); });

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    twips::place(Frame1, 120, 3720, 5535, 3495);
    const QFont labelFont = boldFont(font(), 9.75);
    for (int i = 0; i < kLabels; ++i) {
        const LabelDesign &d = kLabelDesign[i];
        auto *l = new QLabel(QString::fromUtf8(d.caption), Frame1);
        l->setObjectName(QStringLiteral("lbl(%1)").arg(i));
        l->setTextFormat(Qt::PlainText);   // data such as "<Bx" is no markup
        l->setFont(i == 0 ? boldFont(font(), 13.5) : labelFont);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (i == 12)
            l->setWordWrap(true);
        twips::place(l, d.left, d.top, d.width, d.height);
        lbl[size_t(i)] = l;
    }
    lbl[17]->setStyleSheet(QStringLiteral("color: #1f4e8c;"));
    Frame1->hide();

    for (int i = 0; i < 2; ++i) {
        auto *img = new ImageControl(this);
        img->setObjectName(QStringLiteral("ImgStrukt(%1)").arg(i));
        img->setStretch(true);
        twips::place(img, 5760, i == 0 ? 3840 : 5520, 1695, 1695);
        ImgStrukt[size_t(i)] = img;
    }

    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    twips::place(Image1, 7560, 3840, 4335, 3375);
    Image1->hide();
    connect(Image1, &ImageControl::clicked, this, &frm_tranzisztor::Image1_Click);

    lbl_hiba = new QLabel(this);
    lbl_hiba->setObjectName(QStringLiteral("lbl_hiba"));
    lbl_hiba->setTextFormat(Qt::PlainText);
    lbl_hiba->setWordWrap(true);
    lbl_hiba->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl_hiba->setFont(boldFont(font(), 9.75));
    lbl_hiba->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    twips::place(lbl_hiba, 5760, 3840, 6135, 3375);
    lbl_hiba->hide();

    Picture1 = new ClickLabel(QString(), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Raised);
    Picture1->setLineWidth(2);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);
    twips::place(Picture1, 120, 840, 7500, 5000);
    Picture1->hide();
    connect(Picture1, &ClickLabel::clicked, this, &frm_tranzisztor::Picture1_Click);

    Image3 = new ImageControl(Picture1);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setStretch(true);
    twips::place(Image3, 0, 0, 7500, 5000);
    connect(Image3, &ImageControl::clicked, this, &frm_tranzisztor::Image3_Click);

    Image2 = new ImageControl(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setStretch(true);
    Image2->setPicture(pictures::png(QStringLiteral(":/catalogs/logo.png")));
    Image2->setToolTip(QString::fromUtf8("Névjegy."));
    Image2->setCursor(Qt::PointingHandCursor);
    twips::place(Image2, 10320, 0, 1485, 915);
    connect(Image2, &ImageControl::clicked, this, &frm_tranzisztor::Image2_Click);

    Form_Load();
}

void frm_tranzisztor::Form_Load()
{
    m_report = Load_Transistor_Data();
    setWindowTitle(QString::fromUtf8("   Tranzisztor katalógus.   <%1 tranzisztor>").arg(m_report.records));
    lbl_hiba->setText(m_report.message());
    showLoadMessage(true);
    repaint();
}

// What went wrong at loading stays readable in the picture area while that
// area has nothing else to show.
void frm_tranzisztor::showLoadMessage(bool show)
{
    lbl_hiba->setVisible(show && !m_report.ok());
}

void frm_tranzisztor::Form_Resize()
{
    stretchListThenScale(LV1);
}

void frm_tranzisztor::showEvent(QShowEvent *e)
{
    ToolWindow::showEvent(e);
    // The first size is never a resize: without this the list keeps its
    // design width until the user first drags the frame.
    Form_Resize();
}

void frm_tranzisztor::Text1_Change()
{
    Picture1->hide();
    Image1->hide();
    const QString text = Text1->text();
    if (text.size() < search::kMinChars)
        return;
    m_model->search(text);
}

void frm_tranzisztor::Cmd_Click(int index)
{
    if (index < 0 || index >= kPrefixButtons)
        return;
    for (QLabel *l : lbl)
        l->setText(QString());
    lbl[0]->setText(QString::fromUtf8("Keresés....."));
    Text1->setText(QString());
    Frame1->show();
    ImgStrukt[1]->clear();
    ImgStrukt[0]->clear();
    Image1->clear();
    showLoadMessage(true);
    repaint();
    Text1->setText(prefixCaption(index));
    lbl[0]->setText(prefixCaption(index));
}

void frm_tranzisztor::LV1_ItemClick(int row)
{
    const int slot = m_model->slotAt(row);
    if (slot < 0)
        return;
    const Transistor_Record rec = Transistor_Table_Instance().record(slot);

    Image1->clear();
    Picture1->hide();
    Frame1->show();
    showLoadMessage(false);
    const std::array<QString, kTransistorDetails> details = Transistor_Details(rec);
    lbl[0]->setText(details[0]);
    lbl[1]->setText(details[1]);

    // A picture that cannot be loaded leaves its image as it was.
    const auto pictures = structurePictures(rec.field[2]);
    ImgStrukt[0]->load(pictures.first);
    ImgStrukt[1]->load(pictures.second);

    for (size_t i = 2; i < 17; ++i) {
        QLabel *l = lbl[i];
        l->setText(details[i]);
        // The description (label 12) wraps instead.
        const bool clipped = i != 12 && l->fontMetrics().horizontalAdvance(l->text()) > l->width();
        l->setToolTip(clipped ? l->text() : QString());
    }
    lbl[17]->setText(details[17]);
    if (Transistor_Table_Instance().isOwn(slot))
        lbl[12]->setText(userdata::marked(details[12]));

    const QString path = packagePicture(rec.field[13]);
    if (!appdir::fileExists(path)) {
        Image1->hide();
        Picture1->hide();
        Image1->unsetCursor();
    } else {
        Image1->show();
        Image1->setCursor(QCursor(pictures::png(QStringLiteral(":/catalogs/zoom_cursor.png")), 12, 12));
    }
    if (!path.isEmpty())
        Image1->load(path);
}

void frm_tranzisztor::Image1_Click()
{
    if (!Image1->isHidden()) {
        Picture1->show();
        Picture1->raise();
        const QSize natural = Image1->naturalSize();
        const bool landscape = natural.width() > natural.height();
        twips::setWidth(Picture1, landscape ? 7500 : 5000);
        twips::setHeight(Picture1, landscape ? 5000 : 6500);
    }
    twips::setWidth(Image3, twips::width(Picture1));
    twips::setHeight(Image3, twips::height(Picture1));
    Image3->setPicture(Image1->picture());
}

void frm_tranzisztor::Image3_Click()
{
    Picture1->hide();
}

void frm_tranzisztor::Picture1_Click()
{
    Picture1->hide();
}

void frm_tranzisztor::Image2_Click()
{
    About::showModal(this);
}

void frm_tranzisztor::Show_Type(const QString &type)
{
    Text1->setText(type);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        if (index.data().toString().trimmed().compare(type, Qt::CaseInsensitive) != 0)
            continue;
        LV1->setCurrentIndex(index);
        LV1->scrollTo(index);
        LV1_ItemClick(row);
        return;
    }
}
