// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogs/dictionary.h"
#include "ui/toolwindow.h"

#include <QPixmap>

#include <array>

class DictionaryModel;
class ImageControl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ReportList;

// The Hungarian-English-German technical dictionary.
class frm_szotar : public ToolWindow
{
    Q_OBJECT
public:
    static constexpr int kFrames = 7;   // animation pictures per language

    explicit frm_szotar(QWidget *parent = nullptr);
    ~frm_szotar() override;

    const Dictionary_Table &table() const { return m_table; }
    const Dictionary_LoadReport &loadReport() const { return m_report; }
    DictionaryModel *model() const { return m_model; }
    int searchLanguage() const { return m_language; }
    int animationStep() const { return m_step; }
    // The picture an animation step shows for a language (step 1..7).
    QPixmap animationPicture(int language, int step) const;

    // The typed character as it enters the search box.
    static QChar translateKey(QChar typed);

public Q_SLOTS:
    void Command1_Click();
    void Zaszlo_Click(int index);
    void Text1_Change();
    void LV1_ColumnClick(int column);
    void LV1_ItemClick(int row);
    void Timer1_Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Load_Dictionary();
    void clearLabels();

    Dictionary_Table m_table;
    Dictionary_LoadReport m_report;
    DictionaryModel *m_model;
    int m_language = 0;
    int m_step = 0;
    std::array<std::array<QPixmap, kFrames>, kDictionaryLanguages> imlKep;

    QGroupBox *Frame1;
    ImageControl *Image1;
    QLineEdit *Text1;
    QGroupBox *Frame2;
    std::array<ImageControl *, kDictionaryLanguages> Zaszlo{};
    QPushButton *Command1;
    ReportList *LV1;
    std::array<QGroupBox *, kDictionaryLanguages> Fre{};
    std::array<ImageControl *, kDictionaryLanguages> Flag{};
    std::array<QLabel *, kDictionaryLanguages> lblOut{};
    QTimer *Timer1;
    QLabel *lbl_hiba;
    QLabel *lbl_sajat;   // the shown entry is the user's own
};
