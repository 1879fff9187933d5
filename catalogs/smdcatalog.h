// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

// The catalog of SMD active-component marking codes.

constexpr int kSmdFields = 6;   // code, device, maker, base, package, data

using Smd_Record = std::array<QString, kSmdFields>;

// Fields 1 to 5 end at the first five commas, nothing trimmed; field 6 is the
// rest of the line, commas included. Fields a short line does not reach are
// empty, and its remaining text is the data field.
Smd_Record Split_Smd_Line(QStringView line);

struct Smd_Maker
{
    QString code;
    QString name;
};

// Maker file: comma-separated (short code, name) pairs.
std::vector<Smd_Maker> Read_Smd_Makers(const QString &text);
// Code file: one record per line, in file order.
std::vector<Smd_Record> Read_Smd_Codes(const QString &text);

// The name of the first maker whose short code equals code exactly, or code
// itself when none does.
QString Maker_Name(const std::vector<Smd_Maker> &makers, const QString &code);

// The details of a code as the catalog shows them: "Kód: ", "Egység: ",
// "Gyártó: " with the maker's name, "Tokozás: ", "Adatok: ".
QStringList Smd_Details(const Smd_Record &record, const std::vector<Smd_Maker> &makers);

// Records whose code is code as a whole, case ignored; when none is, those
// whose code contains it, case ignored, from two characters on. In file order.
std::vector<int> Find_Smd_Codes(const std::vector<Smd_Record> &records, const QString &code,
                                bool *exact = nullptr);

// Read the maker file and the code file of the application directory; a
// missing file gives an empty table and is named in problems. The codes of
// the user's own code file follow the shipped ones, from *shipped on; a
// user's file that cannot be read is named too.
std::vector<Smd_Maker> Load_Smd_Makers(QStringList *problems);
std::vector<Smd_Record> Load_Smd_Codes(QStringList *problems, int *shipped = nullptr);

// File names under the application directory.
QString Smd_CodeFile();    // "\SMD\!smd.txt"
QString Smd_MakerFile();   // "\SMD\!gyártók.txt"
// Picture of a base type's inner circuit / of a package; empty when the name
// is empty or could leave its folder.
QString Smd_InnerPicture(const QString &base);
QString Smd_PackagePicture(const QString &package);
