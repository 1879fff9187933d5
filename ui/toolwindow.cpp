// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolwindow.h"

#include "ui/resizer.h"
#include "ui/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>

namespace {
ToolHost *g_host = nullptr;
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
    if ((t != QEvent::KeyPress && t != QEvent::KeyRelease) || m_resending || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto *target = static_cast<QWidget *>(watched);
    if (target != this && !isAncestorOf(target))
        return QWidget::eventFilter(watched, event);

    auto *key = static_cast<QKeyEvent *>(event);
    QPointer<ToolWindow> self(this);
    QPointer<QWidget> receiver(target);
    if (t == QEvent::KeyPress)
        Form_KeyDown(key);
    else
        Form_KeyUp(key);
    // The handler may have closed the window: then the key ends here.
    if (self && self->isVisible() && receiver) {
        // A key ignored by a control travels up to its parents, and this filter
        // would see it at every step; deliver a copy while the filter stands
        // aside and stop the original, so the window sees each key once.
        QKeyEvent copy(t, key->key(), key->modifiers(), key->nativeScanCode(),
                       key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                       key->isAutoRepeat(), ushort(key->count()));
        m_resending = true;
        QCoreApplication::sendEvent(receiver, &copy);
        if (self)
            m_resending = false;
    }
    event->accept();
    return true;
}

ToolHost *ToolHost::instance()
{
    return g_host;
}

void ToolHost::setInstance(ToolHost *host)
{
    g_host = host;
}

void ToolWindow::stretchListThenScale(QWidget *list)
{
    const auto *frame = qobject_cast<const QMdiSubWindow *>(parentWidget());
    const double outer = twips::fromPixels(frame ? frame->width() : frameGeometry().width());
    const double inner = twips::fromPixels(width());
    // The list is given the width that the scaler turns into outer less 300.
    const int remembered = resizer::rememberedWidth();
    double w = outer - 300;
    if (remembered != 0 && inner > 0 && !isMinimized())
        w = w * remembered / inner;
    twips::setWidth(list, std::max(0.0, w));
    ToolWindow::Form_Resize();
    const double room = inner - twips::left(list);
    if (twips::width(list) > room)
        twips::setWidth(list, std::max(0.0, room));
}
