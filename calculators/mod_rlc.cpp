#include "calculators/mod_rlc.h"

#include <cmath>

namespace mod_RLC {
namespace {

const char *const kShortNames[kPrefixes] = {"atto", "femto", "piko", "nano", "mikro", "mili", "",
                                            "kilo", "Mega", "Giga", "Tera", "Peta", "Exa"};
const char kLetters[] = "afpnum KMGTPE";
const char *const kUnits[4] = {"ohm", "F", "H", "Hz"};

struct Tables
{
    bool filled = false;
    QString name[kPrefixes];
    QChar letter[kPrefixes];
    int exponent[kPrefixes] = {};
    QString unit[kPrefixes][4];
};

Tables g_tables;

const Tables &tables()
{
    if (!g_tables.filled)
        FillTables();
    return g_tables;
}

bool inRange(int index) { return index >= 0 && index < kPrefixes; }

} // namespace

void FillTables()
{
    for (int i = 0; i < kPrefixes; ++i) {
        g_tables.name[i] = QString::fromLatin1(kShortNames[i]);
        g_tables.letter[i] = QLatin1Char(kLetters[i]);
        g_tables.exponent[i] = -18 + 3 * i;
        for (int c = 0; c < 4; ++c)
            g_tables.unit[i][c] = g_tables.letter[i] + QLatin1String(kUnits[c]);
    }
    g_tables.filled = true;
}

QString shortName(int index) { return inRange(index) ? tables().name[index] : QString(); }

QChar letter(int index) { return inRange(index) ? tables().letter[index] : QLatin1Char(' '); }

int exponent(int index) { return inRange(index) ? tables().exponent[index] : 0; }

QString unitSymbol(int index, int column)
{
    if (!inRange(index) || column < 0 || column > 3)
        return QString();
    return tables().unit[index][column];
}

double scale(double x, int index)
{
    return x * std::pow(10.0, exponent(index));
}

std::optional<Normalised> qqq(double v)
{
    if (!(v > 0) || !std::isfinite(v))
        return std::nullopt;
    int k = kBaseIndex;
    for (;;) {
        if (v >= 1000) {
            v /= 1000;
            ++k;
        } else if (v < 1) {
            v *= 1000;
            --k;
        } else {
            break;
        }
    }
    return Normalised{v, k};
}

} // namespace mod_RLC
