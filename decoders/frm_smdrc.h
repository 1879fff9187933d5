// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "decoders/smdcodes.h"
#include "ui/toolwindow.h"

class ImageControl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Printed codes of SMD resistors, ceramic and electrolytic capacitors,
// decoded as the user types.
class frm_smdRC : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_smdRC(QWidget *parent = nullptr);

    const smdcodes::Tables &tables() const { return m_tables; }
    const QStringList &loadProblems() const { return m_problems; }

public Q_SLOTS:
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();

private:
    void Form_Load();
    void readList(const QString &relative, QListWidget *list);

    smdcodes::Tables m_tables;
    QStringList m_problems;

    QGroupBox *Frame3, *Frame4, *Frame1, *Frame2, *Frame6, *Frame5;
    QLineEdit *Text1, *Text2, *Text3;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QListWidget *List1, *List2;
    ImageControl *Image1, *Image2, *Image3;
    QLabel *lbl_hiba;
};
