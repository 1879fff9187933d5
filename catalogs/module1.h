// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The transistor catalog: nineteen field files (f00.txt .. f18.txt), line k of
// every file describing the same transistor.

constexpr int kTransistorFields = 19;

// One transistor with its nineteen display texts (codes already decoded).
struct Transistor_Record
{
    std::array<QString, kTransistorFields> field;
};

// The loaded catalog. All decoded text lies in one buffer, file after file,
// with the start of every line; so the table stays close to the size of the
// files (a string object per field would more than triple it). Material,
// structure and usage codes are decoded into references to constant texts.
// Reloading reuses the buffers.
class Transistor_Table
{
public:
    Transistor_Table();
    ~Transistor_Table();
    Transistor_Table(Transistor_Table &&) noexcept;
    Transistor_Table &operator=(Transistor_Table &&) noexcept;

    // Every record, the shipped ones first, then the user's own.
    int size() const { return m_count + (m_own ? m_own->m_count : 0); }
    // The user's own records take the slots from shippedSize() on.
    int shippedSize() const { return m_count; }
    bool isOwn(int slot) const { return slot >= m_count && slot < size(); }
    // Empty for a slot or field out of range.
    QStringView field(int slot, int field) const;
    Transistor_Record record(int slot) const;

    // Slots whose type name (field 0) contains needle, case ignored, in
    // ascending order. Replaces the contents of out.
    void findTypes(QStringView needle, std::vector<int> *out) const;

    // Bytes held by the table.
    qsizetype memoryBytes() const;

    struct Column;   // one file's text, line starts and codes (implementation)

private:
    friend struct TransistorLoader;
    QStringView line(int slot, int field) const;   // as read, without its line end
    void findShipped(QStringView needle, std::vector<int> *out) const;

    int m_count = 0;
    std::unique_ptr<char16_t[]> m_text;   // the decoded files, line ends included
    size_t m_textCapacity = 0;
    std::unique_ptr<Column[]> m_columns;
    std::unique_ptr<char16_t[]> m_folded;   // file 0 case-folded, character for character
    size_t m_foldedCapacity = 0;
    // The user's own records, a table of their own: the shipped table stays
    // as compact and fast as before, and a damaged user file cannot touch it.
    std::unique_ptr<Transistor_Table> m_own;
};

// One field file as handed to the loader.
struct Transistor_File
{
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    QByteArray bytes;
};

// Where the loader gets the files from, one at a time, so that only one is
// held in memory at once.
struct Transistor_Source
{
    // The expected size of a file in bytes (for sizing the table), -1 when
    // unknown; and the file itself.
    std::function<qint64(int field)> size;
    std::function<Transistor_File(int field)> read;
};

// What a load found wrong, in Hungarian for the window.
struct Transistor_LoadReport
{
    int records = 0;
    QStringList problems;   // one line per file that was missing, unreadable, short or long
    bool ok() const { return problems.isEmpty(); }
    QString message() const;   // empty when ok
};

// Field file name: "f00.txt" .. "f18.txt".
QString Transistor_FileName(int field);

// Fills table from the nineteen files. The record count is the line count
// that most of the files read share (a tie goes to the count of f00.txt, else
// to the larger count). A missing file or a file with fewer lines gives empty
// fields, the lines of a longer file beyond the count are left out; the report
// names every such file.
Transistor_LoadReport Load_Transistor_Data(const Transistor_Source &source, Transistor_Table *table);
Transistor_LoadReport Load_Transistor_Data(const std::array<Transistor_File, kTransistorFields> &files,
                                           Transistor_Table *table);

// Both of the above leave the table without records of the user's own.

// Reads "\Tranzisztor\f00.txt" .. "\Tranzisztor\f18.txt" of the application
// directory into the program-wide table, then the user's own files when the
// user has any. The report counts both; a damaged user file is named after
// the shipped ones, under the user's folder.
Transistor_LoadReport Load_Transistor_Data();

// The program-wide transistor table.
Transistor_Table &Transistor_Table_Instance();

// Bipolar, or the kind of field-effect transistor a decoded structure text
// names; the details panel names the ratings after the electrodes.
enum class Transistor_Kind { Bipolar, Mosfet, Jfet, DualGate };
Transistor_Kind Transistor_KindOf(QStringView structure);

// The texts of the details panel, labels 0 to 17: type name, material,
// "P: " and the power ... "Jap: " and field 18, "Helyettesítő típusok:".
// A field-effect transistor shows "Udg: ", "Uds: ", "Ugs: ", then in label
// 6 "Rds(on): " (MOSFET) or "Idss: " and in label 7 "Id: ", where a bipolar
// one shows Ucb, Uce, Ueb, Ic and Hfe.
constexpr int kTransistorDetails = 18;
std::array<QString, kTransistorDetails> Transistor_Details(const Transistor_Record &rec);
// The field each of the labels 0..16 shows for that kind of transistor.
int Transistor_DetailField(int label, Transistor_Kind kind = Transistor_Kind::Bipolar);

// The description of a usage class code, or the text unchanged.
QString Decode_Usage_Class(const QString &code);
