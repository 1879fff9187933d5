// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/windowtest.h"
#include "ui/reportlist.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Drives a window as a user would after it opened on damaged data: paints it,
// resizes it, clicks and walks its list, types into its search box.
namespace usage {


inline QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void paint(QWidget &w)
{
    QApplication::processEvents();
    (void)w.grab();
}

inline void clickRow(ReportList *lv, int row)
{
    const QModelIndex idx = lv->model()->index(row, 0);
    lv->scrollTo(idx);
    QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualRect(idx).center());
}

// Clicks the first row and walks the list with the keyboard.
inline void walkList(ReportList *lv)
{
    if (lv->model()->rowCount() > 0)
        clickRow(lv, 0);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_Home, Qt::Key_PageDown})
        QTest::keyClick(lv, k);
}

inline void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

inline void resize(QWidget &w)
{
    w.resize(w.width() + 40, w.height() + 30);
    QApplication::processEvents();
}

inline bool shows(const QWidget &w, const char *name, const QString &text)
{
    auto *l = part<QLabel>(w, QString::fromUtf8(name));
    return l->isVisibleTo(&w) && l->text().contains(text);
}

} // namespace usage
