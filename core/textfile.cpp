// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textfile.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>

namespace textfile {

namespace {

// Code page 1250 has one character per byte: its 256 characters, as the
// system's converter reads them, are taken once, and decoding is a lookup
// instead of opening a converter for every file (which costs more than
// decoding a short one). No table when the converter is missing or does not
// read byte for byte; each call then converts as before.
struct Cp1250
{
    bool valid = false;
    char16_t ch[256];
    Cp1250()
    {
        QStringDecoder dec("windows-1250");
        if (!dec.isValid())
            return;
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString text = dec.decode(all);
        if (text.size() != 256)
            return;
        for (int i = 0; i < 256; ++i)
            ch[i] = text.at(i).unicode();
        valid = true;
    }
};

const Cp1250 &cp1250()
{
    static const Cp1250 table;
    return table;
}

} // namespace

qsizetype decodedRoom(qsizetype bytes)
{
    if (cp1250().valid)
        return bytes;
    const QStringDecoder dec("windows-1250");
    return dec.isValid() ? dec.requiredSpace(bytes) : bytes;
}

qsizetype decodeInto(QByteArrayView bytes, char16_t *out)
{
    const Cp1250 &t = cp1250();
    const qsizetype n = bytes.size();
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    if (t.valid) {
        for (qsizetype i = 0; i < n; ++i)
            out[i] = t.ch[in[i]];
        return n;
    }
    QStringDecoder dec("windows-1250");
    if (!dec.isValid()) {   // Latin-1 then
        for (qsizetype i = 0; i < n; ++i)
            out[i] = in[i];
        return n;
    }
    QChar *o = reinterpret_cast<QChar *>(out);
    return dec.appendToBuffer(o, bytes) - o;
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
