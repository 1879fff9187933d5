// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_synth.h"

#include <cstdint>

namespace dictionary_synth {

namespace {
const char *const kHu[] = {"a", "á", "e", "é", "i", "ko", "ö", "ő", "u", "ü", "ű", "cs", "sz", "zs",
                           "gy", "ny", "ta", "ren", "dez", "ál", "lás", "mé", "rő", "kör", "ító"};
const char *const kEn[] = {"con", "tor", "re", "sis", "ance", "cir", "cuit", "volt", "age", "ca",
                           "pac", "it", "ind", "uct", "wire", "loop", "gain", "meter"};
const char *const kDe[] = {"Wi", "der", "stand", "Kon", "den", "sa", "tor", "Schal", "tung", "Strö",
                           "mung", "Spu", "le", "Mess", "gerät", "Lö", "ten", "ß", "ä", "ü"};

struct Random
{
    uint32_t s = 12345;
    uint32_t next(uint32_t n)
    {
        s = s * 1103515245u + 12345u;
        return (s >> 8) % n;
    }
};

template<size_t N> QString word(Random &r, const char *const (&parts)[N], int minParts)
{
    QString w;
    const int n = minParts + int(r.next(3));
    for (int i = 0; i < n; ++i)
        w += QString::fromUtf8(parts[r.next(N)]);
    return w;
}
} // namespace

QString generate(int rows)
{
    Random r;
    QString text;
    text.reserve(rows * 48);
    for (int i = 0; i < rows; ++i) {
        QString hu = word(r, kHu, 2);
        if (r.next(4) == 0)
            hu += QLatin1Char(' ') + word(r, kHu, 2);
        text += hu + QLatin1Char(',') + word(r, kEn, 2) + QLatin1Char(' ') + word(r, kEn, 1)
              + QLatin1Char(',') + word(r, kDe, 2) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace dictionary_synth
