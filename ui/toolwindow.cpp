#include "ui/toolwindow.h"

#include "ui/resizer.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>

namespace {
ToolHost *g_host = nullptr;

// One key event travels up the parent chain when a control ignores it; the
// window must see it once.
const QEvent *g_lastKey = nullptr;
QPointer<QObject> g_lastKeyReceiver;
} // namespace

ToolWindow::ToolWindow(const QString &objectName, const QString &caption, double designWidthTw,
                       double designHeightTw, bool scalesLayout, QWidget *parent)
    : QWidget(parent), m_designW(int(designWidthTw)), m_designH(int(designHeightTw)),
      m_scales(scalesLayout)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(designSizePixels());
}

ToolWindow::~ToolWindow()
{
    if (m_keyPreview)
        qApp->removeEventFilter(this);
}

QSize ToolWindow::designSizePixels() const
{
    return QSize(twips::toPixels(m_designW), twips::toPixels(m_designH));
}

void ToolWindow::unload()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void ToolWindow::Form_Resize()
{
    if (m_scales)
        resizer::Rescale(this);
}

void ToolWindow::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    // Sizes seen while the frame is still being set up are not the user's.
    if (m_shown)
        Form_Resize();
}

void ToolWindow::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    m_shown = true;
}

void ToolWindow::setKeyPreview(bool on)
{
    if (on == m_keyPreview)
        return;
    m_keyPreview = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool ToolWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    if ((t == QEvent::KeyPress || t == QEvent::KeyRelease) && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        if (w == this || isAncestorOf(w)) {
            const bool repeat = event == g_lastKey && g_lastKeyReceiver
                                && w->isAncestorOf(static_cast<QWidget *>(g_lastKeyReceiver.data()));
            g_lastKey = event;
            g_lastKeyReceiver = watched;
            if (!repeat) {
                QPointer<ToolWindow> self(this);
                if (t == QEvent::KeyPress)
                    Form_KeyDown(static_cast<QKeyEvent *>(event));
                else
                    Form_KeyUp(static_cast<QKeyEvent *>(event));
                // The handler may have closed the window: the key ends here.
                if (!self || !self->isVisible())
                    return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

ToolHost *ToolHost::instance()
{
    return g_host;
}

void ToolHost::setInstance(ToolHost *host)
{
    g_host = host;
}
