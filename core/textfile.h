// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Data files are 8-bit code page 1250 text with CR LF line ends.
namespace textfile {

QString decode(const QByteArray &bytes);   // code page 1250 -> text
QByteArray encode(const QString &text);    // text -> code page 1250
// Decodes into out, which has room for decodedRoom(bytes.size()) characters;
// returns the length of the text.
qsizetype decodeInto(QByteArrayView bytes, char16_t *out);
qsizetype decodedRoom(qsizetype bytes);

// Reads a whole device; false when it cannot be read.
bool readAll(QIODevice &device, QString *text);

// Whole-line reading: a line ends at CR or CR LF; a lone LF stays inside the
// line; the line is taken exactly, without trimming.
class LineReader
{
public:
    explicit LineReader(QString text) : m_text(std::move(text)) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    // The next line; an empty text at the end.
    QString readLine();
    // The next line as a view into the text (valid while the reader lives).
    QStringView readLineView();

private:
    QString m_text;
    qsizetype m_pos = 0;
};

QStringList splitLines(const QString &text);

// Comma-separated value reading: leading blanks are skipped, a value ends at a
// comma or the line end, a quoted value loses its quotes and may hold commas,
// trailing blanks of an unquoted value are dropped.
class FieldReader
{
public:
    explicit FieldReader(QString text) : m_text(std::move(text)) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    QString readField();
    // Whole-line reading from the same position (the two mix in one file).
    QString readLine();

private:
    QString m_text;
    qsizetype m_pos = 0;
};

} // namespace textfile
