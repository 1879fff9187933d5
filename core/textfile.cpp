// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textfile.h"

#include <QIODevice>
#include <QStringEncoder>

namespace textfile {

namespace {

// Code page 1250 as Windows reads it: ASCII below 0x80, and above it this
// table; the five bytes it leaves undefined stand for the control character
// of the same number, as the system's converter reads them too. Built in,
// because opening that converter (ICU loads its tables) cost more at start
// than reading the transformer's settings.
constexpr char16_t kHigh[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,   // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,   // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,   // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,   // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,   // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,   // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,   // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,   // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,   // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,   // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,   // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,   // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,   // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,   // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,   // F8
};
} // namespace

qsizetype decodedRoom(qsizetype bytes)
{
    return bytes;
}

qsizetype decodeInto(QByteArrayView bytes, char16_t *out)
{
    const qsizetype n = bytes.size();
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < n; ++i)
        out[i] = in[i] < 0x80 ? char16_t(in[i]) : kHigh[in[i] - 0x80];
    return n;
}

QString decode(const QByteArray &bytes)
{
    QString text(decodedRoom(bytes.size()), Qt::Uninitialized);
    text.resize(decodeInto(bytes, reinterpret_cast<char16_t *>(text.data())));
    return text;
}

QByteArray encode(const QString &text)
{
    // One encoder per thread: opening one for every value costs more than
    // encoding it.
    thread_local QStringEncoder enc("windows-1250");
    if (!enc.isValid())
        return text.toLatin1();
    enc.resetState();
    return enc.encode(text);
}

bool readAll(QIODevice &device, QString *text)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return false;
    if (!device.isReadable())
        return false;
    const QByteArray bytes = device.readAll();
    *text = decode(bytes);
    return true;
}

namespace {
// Takes the line that starts at pos and moves pos past its CR or CR LF.
QStringView takeLine(const QString &text, qsizetype &pos)
{
    const qsizetype n = text.size();
    if (pos >= n)
        return {};
    const QChar *d = text.constData();
    qsizetype end = pos;
    while (end < n && d[end] != QLatin1Char('\r'))
        ++end;
    QStringView line(d + pos, end - pos);
    pos = end;
    if (pos < n) {
        ++pos;
        if (pos < n && d[pos] == QLatin1Char('\n'))
            ++pos;
    }
    return line;
}
} // namespace

QStringView LineReader::readLineView()
{
    return takeLine(m_text, m_pos);
}

QString LineReader::readLine()
{
    return readLineView().toString();
}

QStringList splitLines(const QString &text)
{
    QStringList out;
    LineReader r(text);
    while (!r.atEnd())
        out.append(r.readLine());
    return out;
}

namespace {
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
} // namespace

QString FieldReader::readField()
{
    const qsizetype n = m_text.size();
    while (m_pos < n && isBlank(m_text.at(m_pos)))
        ++m_pos;
    QString value;
    if (m_pos < n && m_text.at(m_pos) == QLatin1Char('"')) {
        ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < n && m_text.at(m_pos) != QLatin1Char('"'))
            ++m_pos;
        value = m_text.mid(start, m_pos - start);
        if (m_pos < n)
            ++m_pos;   // closing quote
        // Anything between the closing quote and the delimiter is dropped.
        while (m_pos < n && m_text.at(m_pos) != QLatin1Char(',') && !isLineEnd(m_text.at(m_pos)))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_text.at(m_pos) != QLatin1Char(',') && !isLineEnd(m_text.at(m_pos)))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && isBlank(m_text.at(end - 1)))
            --end;
        value = m_text.mid(start, end - start);
    }
    if (m_pos < n) {
        if (m_text.at(m_pos) == QLatin1Char(',')) {
            ++m_pos;
        } else if (m_text.at(m_pos) == QLatin1Char('\r')) {
            ++m_pos;
            if (m_pos < n && m_text.at(m_pos) == QLatin1Char('\n'))
                ++m_pos;
        } else {
            ++m_pos;   // lone LF
        }
    }
    return value;
}

QString FieldReader::readLine()
{
    return takeLine(m_text, m_pos).toString();
}

} // namespace textfile
