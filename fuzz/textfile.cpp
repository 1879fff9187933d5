// SPDX-License-Identifier: GPL-3.0-or-later
// Line reading and comma-separated values: lines never hold a CR and join back
// into the input; fields read back what a writer put in.
#include "core/textfile.h"
#include "fuzz/fuzzcheck.h"

#include <QStringList>

namespace {

void checkLines(const QString &text)
{
    const QStringList lines = textfile::splitLines(text);
    textfile::LineReader views(text);
    QString joined;
    for (const QString &l : lines) {
        FUZZ_CHECK(!l.contains(u'\r'));
        FUZZ_CHECK(!views.atEnd() && views.readLineView() == l);
        joined += l;
        joined += u"\r\n";
    }
    FUZZ_CHECK(views.atEnd() && views.readLine().isEmpty());
    // With CR LF line ends only, re-joining gives back the input exactly.
    bool crlfOnly = true;
    for (qsizetype i = 0; i < text.size() && crlfOnly; ++i)
        crlfOnly = text[i] != u'\r' || (i + 1 < text.size() && text[i + 1] == u'\n');
    if (crlfOnly) {
        if (!text.endsWith(u"\r\n") && !lines.isEmpty())
            joined.chop(2);
        FUZZ_CHECK(joined == text);
    }
}

void checkRawFields(const QString &text)
{
    textfile::FieldReader r(text);
    qsizetype reads = 0;
    while (!r.atEnd()) {
        const QString f = r.readField();
        FUZZ_CHECK(++reads <= text.size());   // every read moves on
        FUZZ_CHECK(!f.startsWith(u' ') || text.contains(u'"'));
    }
}

bool needsQuotes(const QString &f)
{
    return f.contains(u',') || f.startsWith(u' ') || f.startsWith(u'\t') || f.endsWith(u' ')
        || f.endsWith(u'\t');
}

// Builds values from the input (split at 0x1F, a value never holding a quote
// or a line end), writes them one row, reads them back.
void checkFieldRoundTrip(const QString &text)
{
    QStringList values;
    for (QString v : text.split(QChar(0x1F))) {
        v.remove(u'"');
        v.remove(u'\r');
        v.remove(u'\n');
        values << v;
    }
    QStringList written;
    for (const QString &v : std::as_const(values))
        written << (needsQuotes(v) ? u'"' + v + u'"' : v);
    const QString row = written.join(u',') + QStringLiteral("\r\nnext");
    textfile::FieldReader r(row);
    for (const QString &v : std::as_const(values)) {
        FUZZ_CHECK(!r.atEnd());
        FUZZ_CHECK(r.readField() == v);
    }
    FUZZ_CHECK(r.readLine() == u"next" && r.atEnd());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textfile::decode(fuzzBytes(data, size));
    FUZZ_CHECK(text.size() == qsizetype(size));   // one character per byte
    checkLines(text);
    checkRawFields(text);
    checkFieldRoundTrip(text);
    return 0;
}
