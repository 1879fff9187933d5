// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ClickLabel;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The transformer settings: core type and efficiency. A window of its own
// beside the main window; leaving it saves "\trafo.ini".
class frm_option_1 : public QWidget
{
    Q_OBJECT
public:
    // Shows the settings window, creating it (which reads the settings file)
    // when it is not open. owner: the window it belongs to (ending the
    // program with owner discards it unsaved).
    static frm_option_1 *showWindow(QWidget *owner);
    static frm_option_1 *instance();

    // The reference on transformer design behind Label1.
    static QString referenceUrl();

public Q_SLOTS:
    void Opt1_Click(int index);
    void Combo1_Click();
    void Label1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    explicit frm_option_1(QWidget *owner);
    void showSettings();
    void WriteSettings();

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame3;
    QRadioButton *Opt1[2];
    QComboBox *Combo1;
    ClickLabel *Label1;
    QPushButton *Command2;
    bool m_saved = false;
};
