// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogs/smdcatalog.h"
#include "ui/toolwindow.h"

#include <array>

class ImageControl;
class QFrame;
class QLabel;
class ReportList;
class SmdModel;

// The SMD active-component code catalog: every code in a list, details and
// two pictures (inner circuit, package) for the clicked one.
class frm_SMD : public ToolWindow
{
    Q_OBJECT
public:
    explicit frm_SMD(QWidget *parent = nullptr);

    SmdModel *model() const { return m_model; }
    const QStringList &loadProblems() const { return m_problems; }
    QString Maker_Name(const QString &code) const;

public Q_SLOTS:
    void LV1_ItemClick(int row);
    // Opens the transistor catalog on the code's base type, or tells here
    // that the catalog has no such type.
    void Search_Transistor(int row);
    void LV1_ContextMenu(const QPoint &pos);

private:
    void Form_Load();
    void Load_Makers();

    std::vector<Smd_Maker> m_makers;
    QStringList m_problems;
    SmdModel *m_model;

    ReportList *LV1;
    QFrame *Frame1;
    ImageControl *Image1;
    ImageControl *Image2;
    QFrame *Frame2;
    std::array<QLabel *, 6> lbl{};   // there is no lbl(3)
    QLabel *lbl_hiba;
};
