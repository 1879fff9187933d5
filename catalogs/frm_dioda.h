// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogs/diodetable.h"
#include "ui/toolwindow.h"

class DiodeModel;
class ImageControl;
class QLabel;
class QLineEdit;
class QPushButton;
class ReportList;

// The diode catalog: a two-column list of types and their data, searched by
// type name.
class frm_dioda : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_dioda(QWidget *parent = nullptr);
    ~frm_dioda() override;

    const Diode_Table &table() const { return m_table; }
    const Diode_LoadReport &loadReport() const { return m_report; }
    DiodeModel *model() const { return m_model; }

public Q_SLOTS:
    void Text1_Change();
    void Command1_Click();

protected:
    void Form_Resize() override;
    void showEvent(QShowEvent *e) override;

private:
    void Form_Load();
    void List_All_Diodes();

    Diode_Table m_table;
    Diode_LoadReport m_report;
    DiodeModel *m_model;

    QLabel *Label1;
    QLineEdit *Text1;
    QPushButton *Command1;
    ReportList *LV1;
    ImageControl *Image1;
    QLabel *lbl_hiba;
};
