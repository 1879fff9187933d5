// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

class QIODevice;

// The technical dictionary: "\műszaki.txt", one entry a line,
// "magyar,english,deutsch"; the German term runs to the line end, further
// commas included.

constexpr int kDictionaryLanguages = 3;   // 0 Hungarian, 1 English, 2 German

struct Dictionary_Entry
{
    std::array<QString, kDictionaryLanguages> term;
};

// Splits one line: up to the first comma, up to the second, the rest. A line
// with one comma has an empty German term, one without a comma is a
// Hungarian term alone.
Dictionary_Entry Split_Dictionary_Line(QStringView line);

// Folding used by the search: case ignored, and "ő" / "ű" taken as "ö" / "ü"
// (the search box turns the typed long vowels into short ones).
QString Dictionary_Fold(QStringView text);

class Dictionary_Table
{
public:
    int size() const { return int(m_entries.size()); }
    // Rows count from 0 in file order, the user's own entries after the
    // shipped ones; an empty entry out of range.
    const Dictionary_Entry &entry(int row) const;
    bool isOwn(int row) const { return row >= m_shipped && row < size(); }

    // Reads every non-empty line of text, then of own (the user's file),
    // then orders every column in Hungarian alphabetical order (sort keys
    // computed here, once).
    void read(const QString &text, const QString &own = QString());
    void clear();

    // Rows in ascending order of column, equal terms in file order; the
    // user's own entries, ordered alike, after all the shipped ones.
    const std::vector<int> &order(int column) const;

    // Marks the rows whose term in language contains needle (folded as
    // Dictionary_Fold). matchNo[row] becomes the row's number among the
    // matches in file order (1, 2, ...) or 0; returns the match count.
    int match(int language, QStringView needle, std::vector<int> *matchNo) const;

private:
    void readLines(const QString &text);

    int m_shipped = 0;
    std::vector<Dictionary_Entry> m_entries;
    std::array<std::vector<QString>, kDictionaryLanguages> m_folded;
    std::array<std::vector<int>, kDictionaryLanguages> m_order;
};

struct Dictionary_LoadReport
{
    bool ok = true;   // the shipped file was read
    int entries = 0;
    QStringList ownProblems;   // the user's file, when it is there but unreadable
    QString message() const;   // Hungarian, empty when every file there was read
};

QString Dictionary_FileName();

Dictionary_LoadReport Load_Dictionary_Data(QIODevice &device, Dictionary_Table *table);
// Reads "\műszaki.txt" of the application directory, then the user's own.
Dictionary_LoadReport Load_Dictionary_Data(Dictionary_Table *table);
