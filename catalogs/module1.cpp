// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/module1.h"

#include "core/appdir.h"
#include "core/textfile.h"
#include "core/userdata.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <cstring>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Constant texts a coded field refers to; index 0 means "the line as read".
const QStringView kConstants[] = {
    QStringView(),
    u"Ge", u"Si",                                    // material 1, 2
    u"pnp", u"npn", u"p/n", u"n/p",                  // structure 1..4
    u"N-MOSFET", u"P-MOSFET", u"N-JFET", u"P-JFET",  // field-effect 5..8
    u"N-MOSFET, 2 gate",                             // 9
    // usage classes, in the order of kUsageCodes
    u"Nagyteljesítményű, Nagyfeszültségű, Általános célra",
    u"Nagyteljesítményű, Nagyfeszültségű, Nagyfrekvenciás",
    u"Kisteljesítményű, Nagyfeszültségű, Általános célra",
    u"Kisteljesítményű, Kiszajú, Általános célra",
    u"Kisteljesítményű, Kapcsoló, Nagyfrekvenciás",
    u"Közepes teljesítményű, Nagyfeszültségű, Általános célra",
    u"Közepes teljesítményű, Kapcsoló, Nagyfrekvenciás",
    u"Teljesítmény-tranzisztor, Nagyfeszültségű, Gyors-kapcsoló",
    u"Teljesítmény-tranzisztor, Általános célra",
    u"Közepes teljesítményű, Kapcsoló",
    u"Közepes teljesítményű, Általános célra",
    u"Kisteljesítményű, Általános célra",
    u"Darlington, Teljesítmény-tranzisztor, Nagyfeszültségű",
    u"Nagyfrekvenciás, Általános célra",
    u"Nagyfeszültségű, Gyors-kapcsoló",
    u"Darlington, Kisteljesítményű",
    u"Darlington, Közepes teljesítményű",
    u"Darlington, Teljesítmény-tranzisztor",
    u"Ultra Nagy Frekvencia, Teljesítmény tranzisztor",
    u"Ultra Nagy Frekvencia, Közepes Teljesítmény",
    u"Négyes",
    u"RF szélessávú",
    u"DUA Belső ellenállások",
    u"Belső ellenállások",
    u"Ultra Nagy Frekvencia",
};
constexpr uint8_t kFirstMaterial = 1;
constexpr uint8_t kFirstStructure = 3;
constexpr uint8_t kFirstUsage = 12;

const QStringView kUsageCodes[] = {
    u"<A46", u"<A45", u"<246", u"<286", u"<295", u"<346", u"<395", u"<047", u"<06",
    u"<39",  u"<36",  u"<26",  u"<104", u"<56",  u"<47",  u"<12",  u"<13",  u"<10",
    u"<B0",  u"<B3",  u"<C",   u"<D",   u"<E",   u"<F",   u"<B",
};
constexpr int kUsageCount = int(std::size(kUsageCodes));
static_assert(kFirstUsage + kUsageCount == int(std::size(kConstants)));

// Up to four characters packed into one number, for comparing short codes.
constexpr uint64_t packCode(const char16_t *s, int n)
{
    uint64_t k = uint64_t(n);
    for (int i = 0; i < n; ++i)
        k = (k << 16) | s[i];
    return k;
}
uint64_t packCode(QStringView s)
{
    uint64_t k = uint64_t(s.size());
    for (QChar c : s)
        k = (k << 16) | c.unicode();
    return k;
}

// The usage class of a packed code (packCode), or -1. A small hash table:
// the usage file has a code on most of its lines.
int usageIndexOf(uint64_t key)
{
    constexpr int kBits = 6;
    struct Slot { uint64_t key; int index; };
    static const auto table = [] {
        std::array<Slot, 1 << kBits> t{};
        for (int i = 0; i < kUsageCount; ++i) {
            const uint64_t k = packCode(kUsageCodes[i].utf16(), int(kUsageCodes[i].size()));
            size_t h = size_t((k * 0x9e3779b97f4a7c15ull) >> (64 - kBits));
            while (t[h].key)
                h = (h + 1) & ((1 << kBits) - 1);
            t[h] = {k, i};
        }
        return t;
    }();
    for (size_t h = size_t((key * 0x9e3779b97f4a7c15ull) >> (64 - kBits)); table[h].key;
         h = (h + 1) & ((1 << kBits) - 1))
        if (table[h].key == key)
            return table[h].index;
    return -1;
}

// Whole line, exact and case-sensitive; -1 when the line is no code.
int usageIndex(QStringView line)
{
    if (line.isEmpty() || line.front() != QLatin1Char('<') || line.size() > 4)
        return -1;
    return usageIndexOf(packCode(line));
}

// Usage codes read straight from code page 1250 bytes: the codes are ASCII,
// which the code page keeps, and any other byte decodes to no code letter.
// The line's first bytes (to its CR, at most four) and their count form one
// number, looked up in a collision-free table without a branch: most lines of
// the usage file hold a code.
class UsageBytes
{
public:
    UsageBytes()
    {
        std::array<uint64_t, kUsageCount> keys{};
        for (int i = 0; i < kUsageCount; ++i) {
            uint64_t k = 0;
            for (qsizetype j = 0; j < kUsageCodes[i].size(); ++j)
                k |= uint64_t(kUsageCodes[i][j].unicode()) << (8 * j);
            keys[size_t(i)] = k | (uint64_t(kUsageCodes[i].size()) << 56);
        }
        for (uint64_t seed = 1;; ++seed) {   // a multiplier that spreads the 25 keys apart
            m_mul = (seed * 0x9e3779b97f4a7c15ull) | 1;
            m_slots.fill(Slot{});
            bool clash = false;
            for (int i = 0; i < kUsageCount && !clash; ++i) {
                Slot &sl = m_slots[slotOf(keys[size_t(i)])];
                clash = sl.code != 0;
                sl = Slot{keys[size_t(i)], uint8_t(kFirstUsage + i)};
            }
            if (!clash)
                return;
        }
    }

    // The constant index of the usage code on the line at b, or 0.
    uint8_t codeAt(const char *p, qsizetype n, qsizetype b) const
    {
        uint64_t w = 0;
        int len;
        if (b + 8 <= n) {
            std::memcpy(&w, p + b, 8);
            const uint64_t x = w ^ 0x0d0d0d0d0d0d0d0dull;   // a zero byte where a CR is
            const uint64_t cr = (x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull;
            len = cr ? __builtin_ctzll(cr) / 8 : 8;
        } else {
            len = 0;
            while (b + len < n && p[b + len] != '\r' && len < 8) {
                w |= uint64_t(uchar(p[b + len])) << (8 * len);
                ++len;
            }
        }
        const bool shortEnough = len <= 4;
        const int kept = shortEnough ? len : 0;
        const uint64_t key = (w & ((uint64_t(1) << (8 * kept)) - 1)) | (uint64_t(kept) << 56);
        const Slot &sl = m_slots[slotOf(key)];
        return sl.key == key && shortEnough && p[b] == '<' ? sl.code : 0;
    }

private:
    struct Slot
    {
        uint64_t key = 0;
        uint8_t code = 0;
    };
    size_t slotOf(uint64_t key) const { return size_t((key * m_mul) >> 57); }
    uint64_t m_mul = 1;
    std::array<Slot, 128> m_slots{};
};

// Fields with codes and where their code column lies in m_code.
int codeColumn(int field)
{
    switch (field) {
    case 1: return 0;
    case 2: return 1;
    case 14: return 2;
    default: return -1;
    }
}

inline char16_t foldChar(char16_t u)
{
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
    return QChar(u).toCaseFolded().unicode();   // simple folding: one character for one
}

// Folds n characters from in to out, one for one.
void foldInto(const char16_t *in, qsizetype n, char16_t *o)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    // Blocks of plain ASCII (nearly every type name) fold eight at a time.
    const __m128i high = _mm_set1_epi16(short(0xff80));
    const __m128i zero = _mm_setzero_si128();
    const __m128i beforeA = _mm_set1_epi16('A' - 1), afterZ = _mm_set1_epi16('Z' + 1);
    const __m128i bit = _mm_set1_epi16(0x20);
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, high), zero)) != 0xffff) {
            for (qsizetype j = i; j < i + 8; ++j)
                o[j] = foldChar(in[j]);
            continue;
        }
        const __m128i upper = _mm_and_si128(_mm_cmpgt_epi16(v, beforeA), _mm_cmplt_epi16(v, afterZ));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(o + i), _mm_or_si128(v, _mm_and_si128(upper, bit)));
    }
#endif
    for (; i < n; ++i)
        o[i] = foldChar(in[i]);
}

QString foldText(QStringView s)
{
    QString out(s.size(), Qt::Uninitialized);
    foldInto(s.utf16(), s.size(), reinterpret_cast<char16_t *>(out.data()));
    return out;
}

// The end of the line [b, e) without the CR LF or CR that closes it.
inline uint32_t lineEnd(const char16_t *d, uint32_t b, uint32_t e)
{
    if (e > b) {
        if (d[e - 1] == u'\n' && e - b >= 2 && d[e - 2] == u'\r')
            return e - 2;
        if (d[e - 1] == u'\r')
            return e - 1;
    }
    return e;
}

// A buffer that keeps its memory from one load to the next: reopening the
// catalog then touches no fresh pages. Shrinks when far too big.
template<typename T> void fitBuffer(std::unique_ptr<T[]> *buf, size_t *capacity, size_t need, size_t keep)
{
    if (*capacity >= need && *capacity <= need + need / 4 + 4096)
        return;
    std::unique_ptr<T[]> fresh(new T[need]);
    if (keep)
        std::memcpy(fresh.get(), buf->get(), std::min(keep, need) * sizeof(T));
    *buf = std::move(fresh);
    *capacity = need;
}

constexpr size_t kStartSlack = 65;   // room for one block of line starts
// The display-only files keep the start of every 64th line: a field is then
// found by reading on over at most 63 short lines, and the table needs no
// number per field.
constexpr int kSparse = 64;

} // namespace

struct Transistor_Table::Column
{
    size_t textPos = 0;   // in m_text
    uint32_t textLength = 0;
    int lines = 0;
    // Where lines start: every line (then the end of the text) when stride is
    // 1; when it is kSparse, line k * kSparse for each k, the lines between
    // being found by reading on.
    int stride = 1;
    std::unique_ptr<uint32_t[]> start;
    size_t startCapacity = 0;
    std::vector<uint8_t> code;   // fields 1, 2, 14 by line: 0 = as read, k = constant k

    uint32_t *room(size_t used, size_t more)
    {
        if (used + more > startCapacity)
            fitBuffer(&start, &startCapacity, std::max(used + more, startCapacity + startCapacity / 2), used);
        return start.get();
    }
};

namespace {

// Line starts by the data file rule, as textfile::LineReader reads lines: a
// line starts after a CR that no LF follows, or after a CR LF pair. The files
// are megabytes of short lines, so the starts are read off bit masks of 64
// bytes at a time. Calls block(i) before each block of 64 bytes from i, and
// line(b) for every line start b after the first (which is 0).
template<typename Block, typename Line> void forEachLineStart(const char *p, qsizetype n, Block block, Line line)
{
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i crv = _mm_set1_epi8('\r'), lfv = _mm_set1_epi8('\n');
    uint64_t prevCr = 0, prevLf = 0;
    for (; i + 64 <= n; i += 64) {
        block(i);
        uint64_t cr = 0, lf = 0;
        for (int j = 0; j < 4; ++j) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i + 16 * j));
            cr |= uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, crv)))) << (16 * j);
            lf |= uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lfv)))) << (16 * j);
        }
        const uint64_t crBefore = (cr << 1) | (prevCr >> 63);
        const uint64_t crTwoBefore = (cr << 2) | (prevCr >> 62);
        const uint64_t lfBefore = (lf << 1) | (prevLf >> 63);
        uint64_t m = (crBefore & ~lf) | (crTwoBefore & lfBefore);
        while (m) {
            line(i + __builtin_ctzll(m));
            m &= m - 1;
        }
        prevCr = cr;
        prevLf = lf;
    }
#endif
    block(i);
    for (qsizetype g = std::max<qsizetype>(i, 1); g < n; ++g)
        if ((p[g - 1] == '\r' && p[g] != '\n') || (g >= 2 && p[g - 2] == '\r' && p[g - 1] == '\n'))
            line(g);
}

// Every line's start, then the end of the text.
int indexLines(const char *p, qsizetype n, Transistor_Table::Column *c)
{
    c->stride = 1;
    if (n == 0) {
        c->room(0, 1)[0] = 0;
        return 0;
    }
    size_t k = 1;
    uint32_t *st = c->room(0, kStartSlack);
    st[0] = 0;
    forEachLineStart(
        p, n,
        [&](qsizetype i) {
            if (k + kStartSlack > c->startCapacity)
                st = c->room(k, kStartSlack + size_t(n - i) / 8);
        },
        [&](qsizetype b) { st[k++] = uint32_t(b); });
    st[k] = uint32_t(n);
    return int(k);
}

// Material and structure files hold one-character codes: only a line that is
// exactly "1".."9" counts, and code page 1250 keeps those digits as they are,
// so these files are read from their bytes without decoding or keeping them.
int digitCodes(const char *p, qsizetype n, std::vector<uint8_t> *code, char last, uint8_t first)
{
    if (n == 0) {
        code->clear();
        return 0;
    }
    size_t k = 0;
    auto line = [&](qsizetype b) {
        const bool isCode = p[b] >= '1' && p[b] <= last && (b + 1 == n || p[b + 1] == '\r');
        (*code)[k++] = isCode ? uint8_t(first + (p[b] - '1')) : 0;
    };
    if (code->size() < 65)
        code->resize(65);
    line(0);
    forEachLineStart(
        p, n,
        [&](qsizetype i) {
            if (k + 64 > code->size())
                code->resize(std::max(k + 64 + size_t(n - i) / 4, code->size() + code->size() / 2));
        },
        line);
    code->resize(k);
    return int(k);
}

// Line k starts after the k-th CR (and the LF that may follow it): the CRs
// are counted 64 bytes at a time, and only every kSparse-th is located.
int indexSparse(const char *p, qsizetype n, Transistor_Table::Column *c)
{
    c->stride = kSparse;
    uint32_t *st = c->room(0, 2);
    st[0] = 0;
    if (n == 0)
        return 0;
    qsizetype crs = 0, next = kSparse;   // CRs so far; the CR whose line is recorded next
    auto record = [&](qsizetype cr) {
        st = c->room(size_t(next / kSparse), 2);
        st[next / kSparse] = uint32_t(cr + 1 + (cr + 1 < n && p[cr + 1] == '\n'));
        next += kSparse;
    };
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i crv = _mm_set1_epi8('\r');
    const __m128i zero = _mm_setzero_si128();
    for (; i + 64 <= n; i += 64) {
        // Counted first; the bit mask only where a recorded CR lies.
        __m128i acc = zero;
        for (int j = 0; j < 4; ++j)
            acc = _mm_sub_epi8(acc, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i + 16 * j)), crv));
        const __m128i sums = _mm_sad_epu8(acc, zero);
        const int count = _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
        if (crs + count < next) {
            crs += count;
            continue;
        }
        uint64_t cr = 0;
        for (int j = 0; j < 4; ++j) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i + 16 * j));
            cr |= uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, crv)))) << (16 * j);
        }
        while (crs + count >= next) {   // the next recorded CR lies in this block
            uint64_t m = cr;
            for (qsizetype r = next - crs - 1; r > 0; --r)
                m &= m - 1;
            record(i + __builtin_ctzll(m));
        }
        crs += count;
    }
#endif
    for (; i < n; ++i) {
        if (p[i] == '\r' && ++crs == next)
            record(i);
    }
    // Text after the last line end is one more line.
    qsizetype r = n - 1;
    while (r >= 0 && p[r] != '\r')
        --r;
    const qsizetype after = r < 0 ? 0 : r + 1 + (r + 1 < n && p[r + 1] == '\n');
    return int(crs + (after < n ? 1 : 0));
}

// The same for a decoded text that did not keep one character per byte.
int indexLines(const char16_t *p, qsizetype n, Transistor_Table::Column *c)
{
    c->stride = 1;
    size_t k = n > 0 ? 1 : 0;
    uint32_t *st = c->room(0, kStartSlack);
    st[0] = 0;
    for (qsizetype g = 1; g < n; ++g) {
        if ((p[g - 1] == u'\r' && p[g] != u'\n') || (g >= 2 && p[g - 2] == u'\r' && p[g - 1] == u'\n')) {
            st = c->room(k, 2);
            st[k++] = uint32_t(g);
        }
    }
    st[k] = uint32_t(n);
    return int(k);
}

// Code page 1250 text into out (room for decodedRoom); returns its length.
qsizetype decodeInto(const QByteArray &bytes, char16_t *out)
{
    return textfile::decodeInto(bytes, out);
}

qsizetype decodedRoom(qsizetype bytes)
{
    return textfile::decodedRoom(bytes);
}

} // namespace

// ---------------------------------------------------------------------------

Transistor_Table::Transistor_Table() : m_columns(new Column[kTransistorFields]) {}
Transistor_Table::~Transistor_Table() = default;
Transistor_Table::Transistor_Table(Transistor_Table &&) noexcept = default;
Transistor_Table &Transistor_Table::operator=(Transistor_Table &&) noexcept = default;

inline QStringView Transistor_Table::line(int slot, int f) const
{
    const Column &c = m_columns[f];
    if (slot >= c.lines)
        return {};
    const char16_t *d = m_text.get() + c.textPos;
    if (c.stride == 1) {
        const uint32_t b = c.start[slot];
        return QStringView(d + b, qsizetype(lineEnd(d, b, c.start[slot + 1]) - b));
    }
    const char16_t *end = d + c.textLength;
    const char16_t *b = d + c.start[slot / kSparse];
    for (int k = slot % kSparse; k > 0; --k) {
        while (*b != u'\r')   // the line exists, so its CR does
            ++b;
        ++b;
        if (b < end && *b == u'\n')
            ++b;
    }
    const char16_t *e = b;
    while (e < end && *e != u'\r')
        ++e;
    return QStringView(b, e - b);
}

QStringView Transistor_Table::field(int slot, int f) const
{
    if (slot < 0 || f < 0 || f >= kTransistorFields)
        return {};
    if (slot >= m_count)
        return m_own ? m_own->field(slot - m_count, f) : QStringView();
    const Column &c = m_columns[f];
    if (codeColumn(f) >= 0) {
        const uint8_t code = slot < c.lines ? c.code[size_t(slot)] : 0;
        if (code)
            return kConstants[code];
        if (f != 14)   // a material or structure line that is no code is not kept
            return {};
    }
    return line(slot, f);
}

Transistor_Record Transistor_Table::record(int slot) const
{
    Transistor_Record r;
    for (int f = 0; f < kTransistorFields; ++f)
        r.field[size_t(f)] = field(slot, f).toString();
    return r;
}

void Transistor_Table::findTypes(QStringView needle, std::vector<int> *out) const
{
    findShipped(needle, out);
    if (!m_own || m_own->m_count == 0)
        return;
    std::vector<int> own;
    m_own->findShipped(needle, &own);
    for (int s : own)
        out->push_back(m_count + s);
}

void Transistor_Table::findShipped(QStringView needle, std::vector<int> *out) const
{
    out->clear();
    const Column &names = m_columns[0];
    if (needle.isEmpty()) {
        out->resize(size_t(m_count));
        for (int s = 0; s < m_count; ++s)
            (*out)[size_t(s)] = s;
        return;
    }
    if (names.lines == 0)
        return;
    const QString fn = foldText(needle);
    const char16_t *h = m_folded.get();
    const char16_t *text = m_text.get() + names.textPos;
    // Lines beyond the record count (a damaged, longer name file) are no records.
    const qsizetype n = names.lines > m_count ? qsizetype(names.start[size_t(m_count)]) : names.textLength;
    const qsizetype len = fn.size();
    const char16_t *nd = reinterpret_cast<const char16_t *>(fn.constData());
    const uint32_t *st = names.start.get();
    int s = 0;

    // Takes a candidate position; returns where to look on.
    auto candidate = [&](qsizetype p) -> qsizetype {
        if (p + len > n || std::memcmp(h + p, nd, size_t(len) * sizeof(char16_t)) != 0)
            return p + 1;
        while (s + 1 < names.lines && st[s + 1] <= p)
            ++s;
        // The match must lie inside the name, not reach into its line end.
        if (p + len > qsizetype(lineEnd(text, st[s], st[s + 1])))
            return p + 1;
        out->push_back(s);
        return st[s + 1];
    };

    qsizetype i = 0;
#if defined(__SSE2__)
    if (len >= 2) {
        // Pairs of the needle's first two characters, eight positions at a time.
        const __m128i c0 = _mm_set1_epi16(short(nd[0])), c1 = _mm_set1_epi16(short(nd[1]));
        while (i + 9 <= n) {   // the second load reads up to h[i + 8]
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + i + 1));
            unsigned m = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(a, c0), _mm_cmpeq_epi16(b, c1))));
            qsizetype resume = i + 8;
            while (m) {   // two mask bits per character
                const qsizetype p = i + (__builtin_ctz(m) >> 1);
                const qsizetype on = candidate(p);
                m &= m - 1;
                m &= m - 1;
                if (on > p + 1) {   // found: go on at the next name
                    if (on >= i + 8) {
                        resume = on;
                        break;
                    }
                    m &= ~((1u << (2 * (on - i))) - 1);
                }
            }
            i = resume;
        }
    }
#endif
    while (i < n)
        i = h[i] == nd[0] ? candidate(i) : i + 1;
}

qsizetype Transistor_Table::memoryBytes() const
{
    qsizetype bytes = sizeof(*this) + qsizetype(sizeof(Column)) * kTransistorFields;
    bytes += qsizetype(m_textCapacity + m_foldedCapacity) * qsizetype(sizeof(char16_t));
    for (int f = 0; f < kTransistorFields; ++f) {
        bytes += qsizetype(m_columns[f].startCapacity * sizeof(uint32_t));
        bytes += qsizetype(m_columns[f].code.capacity());
    }
    return bytes + (m_own ? m_own->memoryBytes() : 0);
}

Transistor_Table &Transistor_Table_Instance()
{
    static Transistor_Table table;
    return table;
}

// ---------------------------------------------------------------------------

QString Transistor_FileName(int field)
{
    // Every load names every file: the names are made once.
    static const std::array<QString, kTransistorFields> names = [] {
        std::array<QString, kTransistorFields> n;
        for (int f = 0; f < kTransistorFields; ++f)
            n[size_t(f)] = QStringLiteral("f%1.txt").arg(f, 2, 10, QLatin1Char('0'));
        return n;
    }();
    if (field >= 0 && field < kTransistorFields)
        return names[size_t(field)];
    return QStringLiteral("f%1.txt").arg(field, 2, 10, QLatin1Char('0'));
}

QString Transistor_LoadReport::message() const
{
    if (problems.isEmpty())
        return QString();
    return QString::fromUtf8("Hibás tranzisztor adatfájlok:\n") + problems.join(QLatin1Char('\n'))
         + QString::fromUtf8("\nA hiányzó adatok helyén üres mező áll.");
}

struct TransistorLoader
{
    static Transistor_LoadReport load(const Transistor_Source &source, Transistor_Table *table);
    static Transistor_LoadReport loadOwn(const Transistor_Source &source, Transistor_Table *table)
    {
        if (!table->m_own)
            table->m_own = std::make_unique<Transistor_Table>();
        return load(source, table->m_own.get());
    }
    static void decodeUsage(Transistor_Table::Column &c, const char16_t *d);
    static void usageFromBytes(Transistor_Table::Column &c, const char *p, qsizetype n);
};

// Usage codes: the whole line, exact and case-sensitive.
void TransistorLoader::decodeUsage(Transistor_Table::Column &c, const char16_t *d)
{
    c.code.assign(size_t(c.lines), 0);
    const uint32_t *st = c.start.get();
    for (int s = 0; s < c.lines; ++s) {
        const uint32_t b = st[s];
        if (d[b] != u'<')
            continue;
        const uint32_t len = lineEnd(d, b, st[s + 1]) - b;
        const int u = len <= 4 ? usageIndex(QStringView(d + b, len)) : -1;
        if (u >= 0)
            c.code[size_t(s)] = uint8_t(kFirstUsage + u);
    }
}

void TransistorLoader::usageFromBytes(Transistor_Table::Column &c, const char *p, qsizetype n)
{
    static const UsageBytes usage;
    c.code.resize(size_t(c.lines));
    const uint32_t *st = c.start.get();
    uint8_t *code = c.code.data();
    for (int s = 0; s < c.lines; ++s)
        code[s] = usage.codeAt(p, n, st[s]);
}

Transistor_LoadReport TransistorLoader::load(const Transistor_Source &source, Transistor_Table *table)
{
    Transistor_LoadReport report;
    Transistor_Table &t = *table;
    t.m_count = 0;
    if (t.m_own)   // kept for its buffers
        t.m_own->m_count = 0;
    for (int f = 0; f < kTransistorFields; ++f) {
        t.m_columns[f].lines = 0;
        t.m_columns[f].textLength = 0;
    }

    // Line starts are 32-bit; no real catalog comes near this.
    constexpr qsizetype kMaxFileBytes = INT_MAX - 1;
    auto isDigitCodes = [](int f) { return f == 1 || f == 2; };

    // One text buffer for all decoded files. The decoder asks for more room
    // than it fills; the smallest file goes last, so that only its share of
    // room stays unused.
    std::array<qint64, kTransistorFields> sizes{};
    std::array<int, kTransistorFields> order{};
    for (int f = 0; f < kTransistorFields; ++f) {
        sizes[size_t(f)] = source.size ? source.size(f) : -1;
        order[size_t(f)] = f;
    }
    int smallest = -1;
    for (int f = 0; f < kTransistorFields; ++f)
        if (!isDigitCodes(f) && sizes[size_t(f)] >= 0 && (smallest < 0 || sizes[size_t(f)] < sizes[size_t(smallest)]))
            smallest = f;
    if (smallest >= 0)
        std::rotate(order.begin() + smallest, order.begin() + smallest + 1, order.end());
    size_t expected = 0, room = 0;
    for (int f : order) {
        const qint64 size = sizes[size_t(f)];
        if (!isDigitCodes(f) && size >= 0 && size <= kMaxFileBytes) {
            room = std::max(room, expected + size_t(decodedRoom(size)));
            expected += size_t(size);
        }
    }
    fitBuffer(&t.m_text, &t.m_textCapacity, std::max<size_t>(room, 1), 0);

    size_t pos = 0;
    std::array<QString, kTransistorFields> problem;
    std::array<bool, kTransistorFields> read{};
    for (int f : order) {
        Transistor_Table::Column &c = t.m_columns[f];
        c.textPos = pos;
        const Transistor_File file = source.read(f);
        const QString name = Transistor_FileName(f);
        if (file.state == Transistor_File::State::Missing) {
            problem[size_t(f)] = name + QString::fromUtf8(": hiányzik.");
            continue;
        }
        if (file.state == Transistor_File::State::Unreadable) {
            problem[size_t(f)] = name + QString::fromUtf8(": nem olvasható.");
            continue;
        }
        if (file.bytes.size() > kMaxFileBytes) {
            problem[size_t(f)] = name + QString::fromUtf8(": túl nagy, nem tölthető be.");
            continue;
        }
        read[size_t(f)] = true;
        if (isDigitCodes(f)) {
            const char *p = file.bytes.constData();
            c.lines = f == 1 ? digitCodes(p, file.bytes.size(), &c.code, '2', kFirstMaterial)
                             : digitCodes(p, file.bytes.size(), &c.code, '9', kFirstStructure);
            continue;
        }
        const size_t need = pos + size_t(decodedRoom(file.bytes.size()));
        if (need > t.m_textCapacity)   // the file grew since its size was taken
            fitBuffer(&t.m_text, &t.m_textCapacity, need, pos);
        char16_t *d = t.m_text.get() + pos;
        const qsizetype length = decodeInto(file.bytes, d);
        c.textLength = uint32_t(length);
        pos += size_t(length);
        // Code page 1250 gives one character per byte, so the line ends can be
        // found in the bytes; any other outcome falls back to the text.
        // The names are searched and the usage codes read line by line: these
        // two files get the start of every line.
        const bool everyLine = f == 0 || f == 14;
        const bool fromBytes = length == file.bytes.size();
        if (!fromBytes)
            c.lines = indexLines(d, length, &c);
        else if (everyLine)
            c.lines = indexLines(file.bytes.constData(), file.bytes.size(), &c);
        else
            c.lines = indexSparse(file.bytes.constData(), file.bytes.size(), &c);
        // Memory beyond a quarter more than needed goes back.
        const size_t used = c.stride == 1 ? size_t(c.lines) + 1 : size_t(c.lines) / kSparse + 1;
        fitBuffer(&c.start, &c.startCapacity, used + (c.stride == 1 ? kStartSlack : 2), used);
        if (f == 14) {
            if (fromBytes)
                usageFromBytes(c, file.bytes.constData(), file.bytes.size());
            else
                decodeUsage(c, d);
        }
        if (f == 0) {
            fitBuffer(&t.m_folded, &t.m_foldedCapacity, std::max<size_t>(size_t(length), 1), 0);
            foldInto(d, length, t.m_folded.get());
        }
    }
    for (const QString &p : problem)
        if (!p.isEmpty())
            report.problems << p;

    // The record count is the line count that most of the files read share:
    // one damaged file (bytes appended, a cut copy) must not set it for the
    // others. A tie goes to the count of the type names, which alone make a
    // record findable; failing that to the larger count, which hides no line.
    auto lines = [&t](int f) { return t.m_columns[f].lines; };
    auto preferred = [&](int a, int b) {
        const bool aNames = read[0] && a == lines(0), bNames = read[0] && b == lines(0);
        return aNames != bNames ? aNames : a > b;
    };
    int count = 0, votes = 0;
    for (int f = 0; f < kTransistorFields; ++f) {
        if (!read[size_t(f)])
            continue;
        int v = 0;
        for (int g = 0; g < kTransistorFields; ++g)
            v += read[size_t(g)] && lines(g) == lines(f);
        if (v > votes || (v == votes && preferred(lines(f), count))) {
            count = lines(f);
            votes = v;
        }
    }
    for (int f = 0; f < kTransistorFields; ++f) {
        if (read[size_t(f)] && lines(f) != count)
            report.problems << QString::fromUtf8("%1: %2 sor a %3 helyett.")
                                   .arg(Transistor_FileName(f)).arg(lines(f)).arg(count);
    }
    t.m_count = count;
    report.records = count;
    return report;
}

Transistor_LoadReport Load_Transistor_Data(const Transistor_Source &source, Transistor_Table *table)
{
    return TransistorLoader::load(source, table);
}

Transistor_LoadReport Load_Transistor_Data(const std::array<Transistor_File, kTransistorFields> &files,
                                           Transistor_Table *table)
{
    Transistor_Source source;
    source.size = [&files](int f) -> qint64 {
        return files[size_t(f)].state == Transistor_File::State::Read ? files[size_t(f)].bytes.size() : -1;
    };
    source.read = [&files](int f) { return files[size_t(f)]; };
    return TransistorLoader::load(source, table);
}

namespace {
QString fieldFile(int f)
{
    return QStringLiteral("\\Tranzisztor\\") + Transistor_FileName(f);
}

// The nineteen field files of one folder, read one at a time.
struct FieldFiles
{
    std::array<QString, kTransistorFields> paths;   // empty when missing
    std::array<qint64, kTransistorFields> sizes{};

    void find(QString (*locate)(const QString &relative))
    {
        for (int f = 0; f < kTransistorFields; ++f) {
            const QString path = locate(fieldFile(f));
            const QFileInfo fi(path);
            // Hidden and read-only files count; a directory of that name does not.
            const bool exists = !path.isEmpty() && fi.exists() && !fi.isDir();
            paths[size_t(f)] = exists ? path : QString();
            sizes[size_t(f)] = exists ? fi.size() : -1;
        }
    }

    // Valid while this lives.
    Transistor_Source source() const
    {
        Transistor_Source source;
        source.size = [this](int f) { return sizes[size_t(f)]; };
        source.read = [this](int f) {
            Transistor_File file;
            const QString &path = paths[size_t(f)];
            if (path.isEmpty())
                return file;   // missing
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly)) {
                file.state = Transistor_File::State::Unreadable;
                return file;
            }
            file.bytes = in.readAll();
            file.state = in.error() == QFileDevice::NoError ? Transistor_File::State::Read
                                                            : Transistor_File::State::Unreadable;
            return file;
        };
        return source;
    }
};
} // namespace

Transistor_LoadReport Load_Transistor_Data()
{
    Transistor_Table &table = Transistor_Table_Instance();
    FieldFiles files;
    files.find(appdir::file);
    Transistor_LoadReport report = TransistorLoader::load(files.source(), &table);

    // The user's files count once any of them is there: a missing one then
    // is as damaged as a missing shipped one.
    bool own = false;
    for (int f = 0; f < kTransistorFields && !own; ++f)
        own = userdata::present(fieldFile(f));
    if (!own)
        return report;
    files.find(userdata::file);
    const Transistor_LoadReport mine = TransistorLoader::loadOwn(files.source(), &table);
    report.records += mine.records;
    if (!mine.ok()) {
        const QString folder = QFileInfo(userdata::file(fieldFile(0))).path();
        report.problems << QString::fromUtf8("Saját adatfájlok (%1):").arg(folder) << mine.problems;
    }
    return report;
}

QString Decode_Usage_Class(const QString &code)
{
    const int i = usageIndex(code);
    return i < 0 ? code : kConstants[kFirstUsage + i].toString();
}

namespace {
struct DetailField
{
    const char *prefix;
    int field;
};
// Labels 0..16: the prefix text and the field shown after it.
const DetailField kDetails[17] = {
    {"", 0},          {"", 1},          {"P: ", 3},    {"Ucb: ", 4},       {"Uce: ", 5},  {"Ueb: ", 6},
    {"Ic: ", 7},      {"Hfe: ", 11},    {"Tj: ", 8},   {"Ftr: ", 9},       {"Gyár: ", 12}, {"Tok: ", 13},
    {"Jellemzők: ", 14}, {"Eu: ", 15}, {"USA: ", 16}, {"Oro: ", 17},      {"Jap: ", 18},
};
// A field-effect transistor keeps its ratings in the same fields under its
// own electrode names; field 11 holds Rds(on) for a MOSFET, Idss otherwise.
// Its Id and that figure trade places, as the wider label suits the longer text.
const DetailField kFetDetails[5] = {{"Udg: ", 4}, {"Uds: ", 5}, {"Ugs: ", 6}, {"Idss: ", 11}, {"Id: ", 7}};
constexpr int kFirstFetLabel = 3;

const DetailField &detail(int label, Transistor_Kind kind)
{
    if (kind != Transistor_Kind::Bipolar && label >= kFirstFetLabel && label < kFirstFetLabel + 5) {
        static const DetailField rds{"Rds(on): ", 11};
        return label == 6 && kind == Transistor_Kind::Mosfet ? rds : kFetDetails[label - kFirstFetLabel];
    }
    return kDetails[label];
}
} // namespace

Transistor_Kind Transistor_KindOf(QStringView structure)
{
    for (uint8_t c = kFirstStructure + 4; c < kFirstUsage; ++c) {
        if (structure == kConstants[c])
            return c <= kFirstStructure + 5 ? Transistor_Kind::Mosfet
                   : c == kFirstUsage - 1  ? Transistor_Kind::DualGate
                                           : Transistor_Kind::Jfet;
    }
    return Transistor_Kind::Bipolar;
}

int Transistor_DetailField(int label, Transistor_Kind kind)
{
    return label >= 0 && label < 17 ? detail(label, kind).field : -1;
}

std::array<QString, kTransistorDetails> Transistor_Details(const Transistor_Record &rec)
{
    std::array<QString, kTransistorDetails> out;
    const Transistor_Kind kind = Transistor_KindOf(rec.field[2]);
    for (int i = 0; i < 17; ++i) {
        const DetailField &d = detail(i, kind);
        out[size_t(i)] = QString::fromUtf8(d.prefix) + rec.field[size_t(d.field)];
    }
    // The files spell the ohm out (code page 1250 has no Ω); the panel has room for the sign only.
    if (kind == Transistor_Kind::Mosfet)
        out[6].replace(QLatin1String("Ohm"), QString(QChar(0x03A9)));
    out[17] = QString::fromUtf8("Helyettesítő típusok:");
    return out;
}
