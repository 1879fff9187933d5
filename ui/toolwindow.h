// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QKeyEvent;

// A tool window shown inside the main window. Its constructor is its loading
// step; closing discards it.
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    // objectName: the window's fixed name (frm_...); design size in twips.
    ToolWindow(const QString &objectName, const QString &caption, double designWidthTw,
               double designHeightTw, bool scalesLayout, QWidget *parent = nullptr);
    ~ToolWindow() override;

    QSize designSizePixels() const;
    QSize sizeHint() const override { return designSizePixels(); }
    int designWidthTwips() const { return m_designW; }
    int designHeightTwips() const { return m_designH; }
    bool scalesLayout() const { return m_scales; }

    // Activation among the main window's child windows.
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}

    // Closes the window (and its frame inside the main window).
    void unload();

protected:
    // Default: the proportional scaler for windows that use it.
    virtual void Form_Resize();
    // The catalogs' resize: the list spans the window (outer width less 300
    // twips), then the scaler runs over everything.
    void stretchListThenScale(QWidget *list);
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;

    // Key preview: the window sees key presses and releases anywhere inside
    // it before its controls do. The controls still get the key afterwards.
    void setKeyPreview(bool on);
    virtual void Form_KeyDown(QKeyEvent *) {}
    virtual void Form_KeyUp(QKeyEvent *) {}
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_designW;
    int m_designH;
    bool m_scales;
    bool m_shown = false;
    bool m_keyPreview = false;
    bool m_resending = false;
};

// Lets a tool window open another one the way the toolbar does (the
// four-band resistor window opens the five-band one and back).
class ToolHost
{
public:
    virtual ~ToolHost() = default;
    virtual QWidget *showTool(const QString &windowName) = 0;

    static ToolHost *instance();
    static void setInstance(ToolHost *host);
};
