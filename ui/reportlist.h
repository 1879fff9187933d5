// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeView>

// A report-style list (columns of text, one row per item) over a model. The
// model holds the data; the view only shows the rows the model exposes.
class ReportList : public QTreeView
{
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);
    // Column widths given in twips; set after the model.
    void setColumnWidthsTwips(const QList<int> &widths);
    void setModel(QAbstractItemModel *model) override;

Q_SIGNALS:
    // A row was clicked (the model's row number).
    void itemClicked(int row);
    // The current row was moved with the keyboard (a click reports itemClicked).
    void currentMovedByKey(int row);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_focusing = false;
};
