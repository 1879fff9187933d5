// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/toolregistry.h"
#include "ui/toolwindow.h"

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: a frame for the tool windows with the toolbar and the
// calculation menu that open them.
class frm_head : public QMainWindow, public ToolHost
{
    Q_OBJECT
public:
    explicit frm_head(QWidget *parent = nullptr);
    ~frm_head() override;

    // Opens windowName fresh as a child window; nullptr when no such window
    // is registered.
    QWidget *showTool(const QString &windowName) override;
    // Closes the tool windows in their fixed order.
    void closeTools();
    // The open tool window of that name, if any.
    ToolWindow *openTool(const QString &windowName) const;

    QMdiArea *workspace() const { return m_mdi; }
    ToolRegistry &registry() { return m_registry; }

public Q_SLOTS:
    // A toolbar button or calculation menu item, by its tag.
    void Toolbar1_ButtonClick(QAction *button);
    void mnu_exit_Click();

Q_SIGNALS:
    // Emitted just before the program ends (tests watch it).
    void programEnding();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void Form_Load();
    void buildToolbar();
    void buildCalculationMenu();
    void dispatchLater(QAction *a);
    void endProgram();
    void subWindowActivated(QMdiSubWindow *sub);
    void fitWorkspaceTo(QMdiSubWindow *sub);

    ToolRegistry m_registry;
    QMdiArea *m_mdi;
    QToolBar *Toolbar1;
    QMenu *mnu_file;
    QMenu *mnu_calc;
    QAction *mnu_exit;
    QPointer<ToolWindow> m_active;
};
