// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_head.h"

#include "app/tooltable.h"
#include "core/appdir.h"
#include "ui/about.h"
#include "ui/pictures.h"
#include "ui/resizer.h"
#include "ui/startahead.h"
#include "ui/twips.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

namespace {
// Narrow separators and spacing, so that fifteen buttons and their separators
// fit the window's design width.
class CompactToolbarStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric m, const QStyleOption *opt, const QWidget *w) const override
    {
        switch (m) {
        case PM_ToolBarSeparatorExtent:
            return 6;
        case PM_ToolBarItemSpacing:
            return 0;
        case PM_ToolBarItemMargin:
            return 0;
        default:
            return QProxyStyle::pixelMetric(m, opt, w);
        }
    }
    QSize sizeFromContents(ContentsType t, const QStyleOption *opt, const QSize &size,
                           const QWidget *w) const override
    {
        if (t == CT_ToolButton)
            return size + QSize(4, 4);
        return QProxyStyle::sizeFromContents(t, opt, size, w);
    }
};

QString iconPath(int n)
{
    return QStringLiteral(":/icons/%1.png").arg(n, 2, 10, QLatin1Char('0'));
}

QIcon imageList1(int n)
{
    return pictures::pngIcon(iconPath(n));
}

const QString kLogo = QStringLiteral(":/icons/kondrix.png");
} // namespace

frm_head::frm_head(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frm_head"));
    setWindowTitle(QStringLiteral("Norvali software "));
    // The program's icon, also on every dialog and on the tool windows' menu
    // button.
    QApplication::setWindowIcon(pictures::pngIcon(kLogo));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setBackground(palette().brush(QPalette::Dark));   // the workspace colour
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &frm_head::subWindowActivated);

    mnu_file = menuBar()->addMenu(QStringLiteral("File"));
    mnu_file->setObjectName(QStringLiteral("mnu_file"));
    mnu_exit = mnu_file->addAction(QStringLiteral("Kilépés"));
    mnu_exit->setObjectName(QStringLiteral("mnu_exit"));
    connect(mnu_exit, &QAction::triggered, this, &frm_head::mnu_exit_Click);

    buildToolbar();
    buildCalculationMenu();

    // Client area 10275 x 5325 twips below the menu, centred on the screen.
    startahead::await();
    resize(twips::toPixels(10275), twips::toPixels(5325) + menuBar()->sizeHint().height());
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());

    ToolHost::setInstance(this);
    registerTools(m_registry);
    Form_Load();
}

frm_head::~frm_head()
{
    // Tool windows go before their frames: a frame that still holds its
    // window when the workspace is torn down reads freed memory (Qt 6.4).
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        delete sub->widget();
        delete sub;
    }
    if (ToolHost::instance() == this)
        ToolHost::setInstance(nullptr);
}

void frm_head::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto *compact = new CompactToolbarStyle;
    compact->setParent(Toolbar1);
    Toolbar1->setStyle(compact);
    bool first = true;
    for (const tooltable::Tool &t : tooltable::tools()) {
        if (t.launcher != tooltable::Launcher::Toolbar)
            continue;
        if (!first)
            Toolbar1->addSeparator();
        first = false;
        const QString tag = QString::fromUtf8(t.tag);
        QAction *a = Toolbar1->addAction(imageList1(t.icon), QString());
        a->setObjectName(tag);
        a->setData(tag);
        a->setToolTip(QString::fromUtf8(t.caption));
        a->setIconText(tag);
        if (QWidget *tb = Toolbar1->widgetForAction(a))
            tb->setStyle(compact);
    }
    // Dispatched once the click is done: a tool that opens larger than the
    // workspace grows the window, which relays the toolbar out and may delete
    // its overflow menu while that menu is still handling the click. A modal
    // window opened meanwhile blocks the toolbar, so the click is then void:
    // closing the tools under it would delete the modal window's owner.
    connect(Toolbar1, &QToolBar::actionTriggered, this, &frm_head::dispatchLater);
}

void frm_head::buildCalculationMenu()
{
    mnu_calc = menuBar()->addMenu(QStringLiteral("Számítások"));
    mnu_calc->setObjectName(QStringLiteral("mnu_calc"));
    for (const tooltable::Tool &t : tooltable::tools()) {
        if (t.launcher != tooltable::Launcher::Menu)
            continue;
        const QString name = QString::fromUtf8(t.tag);
        QAction *a = mnu_calc->addAction(QString::fromUtf8(t.caption));
        a->setObjectName(name);
        a->setData(name);
        if (t.icon)
            a->setIcon(imageList1(t.icon));
    }
    connect(mnu_calc, &QMenu::triggered, this, &frm_head::dispatchLater);
}

void frm_head::dispatchLater(QAction *a)
{
    QPointer<QAction> button(a);
    QMetaObject::invokeMethod(
        this,
        [this, button] {
            if (button && !QApplication::activeModalWidget())
                Toolbar1_ButtonClick(button);
        },
        Qt::QueuedConnection);
}

void frm_head::Form_Load()
{
    showTool(QStringLiteral("frm_trafo"));
}

void frm_head::Toolbar1_ButtonClick(QAction *button)
{
    const QString tag = button->data().toString();
    if (tag == QStringLiteral("Névjegy")) {
        About::showModal(this);
        return;
    }
    if (tag == QLatin1String("Help")) {
        // A missing page or no viewer: nothing to report.
        const QString page = appdir::file(QStringLiteral("\\help.htm"));
        if (appdir::fileExists(page))
            QDesktopServices::openUrl(QUrl::fromLocalFile(page));
        return;
    }
    closeTools();
    if (tag == QStringLiteral("Kilép")) {
        endProgram();
        return;
    }
    const QString window = ToolRegistry::windowForTag(tag);
    if (!window.isEmpty())
        showTool(window);
}

void frm_head::mnu_exit_Click()
{
    endProgram();
}

void frm_head::closeEvent(QCloseEvent *e)
{
    closeTools();
    e->accept();
    endProgram();
}

void frm_head::endProgram()
{
    Q_EMIT programEnding();
    QCoreApplication::exit(0);
}

ToolWindow *frm_head::openTool(const QString &windowName) const
{
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        auto *w = qobject_cast<ToolWindow *>(sub->widget());
        if (w && w->objectName() == windowName && !sub->isHidden())
            return w;
    }
    return nullptr;
}

void frm_head::closeTools()
{
    for (const QString &name : ToolRegistry::closingOrder()) {
        for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
            auto *w = qobject_cast<ToolWindow *>(sub->widget());
            if (!w || w->objectName() != name)
                continue;
            if (sub->close())
                delete sub;   // at once: the next window may have the same name
        }
    }
}

QWidget *frm_head::showTool(const QString &windowName)
{
    ToolWindow *w = m_registry.create(windowName);
    if (!w)
        return nullptr;
    QMdiSubWindow *sub = m_mdi->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    // The window opens at its design size, so its design layout stands as it
    // is drawn; the scaler takes over from there.
    sub->resize(sub->sizeHint());
    if (w->scalesLayout())
        resizer::remember(w->designWidthTwips(), w->designHeightTwips());
    sub->show();
    sub->resize(sub->size() + (w->designSizePixels() - w->size()));
    if (w->scalesLayout())
        resizer::remember(int(twips::fromPixels(w->width())), int(twips::fromPixels(w->height())));
    fitWorkspaceTo(sub);
    m_mdi->setActiveSubWindow(sub);
    return w;
}

void frm_head::fitWorkspaceTo(QMdiSubWindow *sub)
{
    // A tool larger than the workspace grows the main window as far as the
    // screen allows, rather than hiding half of it behind scroll bars.
    if (!isVisible() || isMaximized() || isFullScreen())
        return;
    const QRect need = sub->frameGeometry();
    const QSize have = m_mdi->viewport()->size();
    const QSize grow(std::max(0, need.right() + 1 - have.width()),
                     std::max(0, need.bottom() + 1 - have.height()));
    if (grow.isNull())
        return;
    QSize target = size() + grow;
    const QScreen *s = screen();
    if (!s) {
        resize(target);
        return;
    }
    const QRect avail = s->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(target.boundedTo(avail.size() - frame));
    const QRect r = frameGeometry();
    move(std::clamp(r.left(), avail.left(), std::max(avail.left(), avail.right() + 1 - r.width())),
         std::clamp(r.top(), avail.top(), std::max(avail.top(), avail.bottom() + 1 - r.height())));
}

void frm_head::subWindowActivated(QMdiSubWindow *sub)
{
    ToolWindow *next = sub ? qobject_cast<ToolWindow *>(sub->widget()) : nullptr;
    if (next == m_active)
        return;
    if (m_active)
        m_active->Form_Deactivate();
    m_active = next;
    if (m_active)
        m_active->Form_Activate();
}
