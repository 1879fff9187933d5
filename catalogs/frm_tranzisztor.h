// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogs/module1.h"
#include "ui/toolwindow.h"

#include <array>
#include <utility>

class ClickLabel;
class ImageControl;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ReportList;
class TransistorModel;

// The transistor catalog: search by type name, list, details with pictures.
class frm_tranzisztor : public ToolWindow
{
    Q_OBJECT
public:
    static constexpr int kPrefixButtons = 24;
    static constexpr int kLabels = 18;

    explicit frm_tranzisztor(QWidget *parent = nullptr);

    static QString prefixCaption(int index);
    // The two structure pictures for a structure text ("npn", "pnp", any
    // case), a field-effect transistor's symbol and an empty second path for
    // "N-MOSFET" .. "N-MOSFET, 2 gate"; empty paths for any other structure.
    static std::pair<QString, QString> structurePictures(const QString &structure);
    const Transistor_LoadReport &loadReport() const { return m_report; }
    TransistorModel *model() const { return m_model; }
    // Searches for a type name and selects that type with its details, as
    // when another window sends the user here for it.
    void Show_Type(const QString &type);

public Q_SLOTS:
    void Text1_Change();
    void Cmd_Click(int index);
    void LV1_ItemClick(int row);
    void Image1_Click();
    void Image3_Click();
    void Picture1_Click();
    void Image2_Click();

protected:
    void Form_Resize() override;
    void showEvent(QShowEvent *e) override;

private:
    void Form_Load();
    void showLoadMessage(bool show);

    Transistor_LoadReport m_report;
    TransistorModel *m_model;

    QLabel *Label1;
    QLineEdit *Text1;
    std::array<QPushButton *, kPrefixButtons> Cmd{};
    ReportList *LV1;
    QFrame *Frame1;
    std::array<QLabel *, kLabels> lbl{};
    std::array<ImageControl *, 2> ImgStrukt{};
    ImageControl *Image1;
    ClickLabel *Picture1;
    ImageControl *Image3;
    ImageControl *Image2;
    QLabel *lbl_hiba;
};
