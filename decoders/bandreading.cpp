// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/bandreading.h"

#include "decoders/mod_r.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace bands {
namespace {

// IEC 60063 values of one decade. E24 and E192 keep the standard's historical
// values (27, 30, 33, 36, 39, 43, 47, 82 and 920) where rounding would differ.
const QVector<int> kE6 = {10, 15, 22, 33, 47, 68};
const QVector<int> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
const QVector<int> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                           33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
const QVector<int> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                           178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                           316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                           562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
const QVector<int> kE96 = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130,
                           133, 137, 140, 143, 147, 150, 154, 158, 162, 165, 169, 174,
                           178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232,
                           237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                           316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
                           422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549,
                           562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                           750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
const QVector<int> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// Lower case without accents: "Vörös", "voros" and "VÖRÖS" are one name.
QString folded(const QString &name)
{
    const QString decomposed = name.trimmed().toLower().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    return out;
}

const QHash<QString, int> &nameTable()
{
    static const QHash<QString, int> table = [] {
        QHash<QString, int> t;
        const char *const english[][2] = {
            {"black", "black"}, {"brown", "brown"},   {"red", "red"},     {"orange", "orange"},
            {"yellow", "yellow"}, {"green", "green"}, {"blue", "blue"},   {"violet", "purple"},
            {"grey", "gray"},     {"white", "white"}, {"silver", "silver"}, {"gold", "gold"},
            {"none", "unmarked"}};
        for (int i = 0; i < mod_R::kColourCount; ++i) {
            t.insert(folded(hungarianName(i)), i);
            t.insert(QString::fromLatin1(english[i][0]), i);
            t.insert(QString::fromLatin1(english[i][1]), i);
            if (i <= 9)
                t.insert(QString::number(i), i);
        }
        // Everyday Hungarian names beside the windows' own.
        t.insert(QStringLiteral("piros"), 2);
        t.insert(QStringLiteral("lila"), 7);
        return t;
    }();
    return table;
}

// The number written with at most 15 significant digits and read back, so the
// residue of a division (46.99999999999999) does not hide a whole number.
double cleaned(double v)
{
    return QString::number(v, 'g', 15).toDouble();
}

bool isWhole(double v)
{
    return std::isfinite(v) && v == std::floor(v);
}

// The digits of n, padded with leading zeros to count digits.
QVector<int> spelledDigits(int n, int count)
{
    QVector<int> digits(count);
    for (int i = count - 1; i >= 0; --i) {
        digits[i] = n % 10;
        n /= 10;
    }
    return digits;
}

std::optional<Reading> readOne(const QVector<int> &colours, bool reversed)
{
    const int n = int(colours.size());
    const QVector<int> digits = colours.mid(0, n - 2);
    const int multiplier = colours[n - 2];
    const int tolerance = colours[n - 1];
    if (!mod_R::roleOffers(mod_R::BandRole::Tolerance, tolerance))
        return std::nullopt;
    const std::optional<double> ohms = mod_R::resistance(digits, multiplier);
    if (!ohms)
        return std::nullopt;
    const std::optional<QString> text = mod_R::valueText(*ohms, tolerance);
    if (!text)
        return std::nullopt;
    Reading r;
    r.colours = colours;
    r.reversed = reversed;
    r.ohms = *ohms;
    r.valueText = *text;
    r.tolerance = mod_R::tables().tolerance[size_t(tolerance)];
    r.series = seriesForTolerance(tolerance);
    r.inSeries = r.series && inSeries(*ohms, *r.series);
    return r;
}

} // namespace

QString seriesName(Series s)
{
    static const char *const names[] = {"E6", "E12", "E24", "E48", "E96", "E192"};
    return QString::fromLatin1(names[int(s)]);
}

const QVector<int> &seriesValues(Series s)
{
    switch (s) {
    case Series::E6: return kE6;
    case Series::E12: return kE12;
    case Series::E24: return kE24;
    case Series::E48: return kE48;
    case Series::E96: return kE96;
    case Series::E192: break;
    }
    return kE192;
}

std::optional<Series> seriesForTolerance(int toleranceColour)
{
    switch (toleranceColour) {
    case mod_R::kUnmarked: return Series::E6;     // 20 %
    case mod_R::kSilver: return Series::E12;      // 10 %
    case mod_R::kGold: return Series::E24;        // 5 %
    case 2: return Series::E48;                   // 2 %
    case 1: return Series::E96;                   // 1 %
    case 5: case 6: case 7: return Series::E192;  // 0,5 %, 0,25 %, 0,1 %
    default: return std::nullopt;
    }
}

bool inSeries(double ohms, Series s)
{
    if (!std::isfinite(ohms) || ohms <= 0)
        return false;
    // Three significant digits: 4700 -> 470, 0.47 -> 470, 22.6 -> 226.
    const int decade = int(std::floor(std::log10(ohms)));
    double m = cleaned(ohms / std::pow(10.0, decade - 2));
    if (m >= 1000) {   // log10 rounded down a power of ten
        m = cleaned(m / 10);
    }
    if (!isWhole(m))
        return false;
    const int three = int(m);
    const QVector<int> &values = seriesValues(s);
    if (values.first() < 100) {
        if (three % 10 != 0)
            return false;
        return std::binary_search(values.begin(), values.end(), three / 10);
    }
    return std::binary_search(values.begin(), values.end(), three);
}

std::optional<int> colourFromName(const QString &name)
{
    QString key = folded(name);
    // The palette caption "4-Sárga" names the colour too.
    static const QRegularExpression caption(QStringLiteral("^([0-9])-(.+)$"));
    const QRegularExpressionMatch m = caption.match(key);
    if (m.hasMatch()) {
        const auto it = nameTable().constFind(m.captured(2));
        if (it == nameTable().constEnd() || *it != m.captured(1).toInt())
            return std::nullopt;
        return *it;
    }
    const auto it = nameTable().constFind(key);
    if (it == nameTable().constEnd())
        return std::nullopt;
    return *it;
}

QString hungarianName(int colour)
{
    if (!mod_R::isColourIndex(colour))
        return QString();
    QString caption = QString::fromUtf8(mod_R::colour(colour).caption);
    const qsizetype dash = caption.indexOf(QLatin1Char('-'));
    return colour <= 9 && dash >= 0 ? caption.mid(dash + 1) : caption;
}

QString englishName(int colour)
{
    static const char *const names[] = {"black",  "brown", "red",  "orange", "yellow",
                                        "green",  "blue",  "violet", "grey", "white",
                                        "silver", "gold",  "none"};
    return mod_R::isColourIndex(colour) ? QString::fromLatin1(names[colour]) : QString();
}

QVector<Reading> readBands(const QVector<int> &colours)
{
    QVector<Reading> out;
    if (colours.size() != 4 && colours.size() != 5)
        return out;
    for (int c : colours)
        if (!mod_R::isColourIndex(c))
            return out;
    QVector<int> reverse(colours.rbegin(), colours.rend());
    if (auto r = readOne(colours, false))
        out.append(*r);
    if (reverse != colours)
        if (auto r = readOne(reverse, true))
            out.append(*r);
    const auto rank = [](const Reading &r) {
        return std::make_tuple(!r.inSeries, r.reversed);
    };
    std::stable_sort(out.begin(), out.end(),
                     [&](const Reading &a, const Reading &b) { return rank(a) < rank(b); });
    return out;
}

std::optional<double> parseValueText(const QString &text)
{
    QString s = text;
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    // A unit written out: "ohm", "-ohm" after a prefix letter, or the sign.
    static const QRegularExpression unit(QStringLiteral("-?(ohm|\u03a9|\u2126)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    s.remove(unit);
    // 4,7k  4.7k  470  1M  (prefix after the number)
    static const QRegularExpression plain(QStringLiteral("^([0-9]+)(?:[.,]([0-9]*))?([kKMGgRr]?)$"));
    // 4k7  0R47  R47  (prefix letter as the decimal point)
    static const QRegularExpression infix(QStringLiteral("^([0-9]*)([kKMGgRr])([0-9]+)$"));
    // ,47 (leading decimal comma, as the resistor window accepts it)
    static const QRegularExpression bare(QStringLiteral("^[.,]([0-9]+)$"));

    QString whole, fraction, prefix;
    if (QRegularExpressionMatch m = plain.match(s); m.hasMatch()) {
        whole = m.captured(1);
        fraction = m.captured(2);
        prefix = m.captured(3);
    } else if (QRegularExpressionMatch m = infix.match(s); m.hasMatch()) {
        whole = m.captured(1);
        prefix = m.captured(2);
        fraction = m.captured(3);
    } else if (QRegularExpressionMatch m = bare.match(s); m.hasMatch()) {
        fraction = m.captured(1);
    } else {
        return std::nullopt;
    }
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    bool ok = false;
    double v = QString(whole + QLatin1Char('.') + (fraction.isEmpty() ? QStringLiteral("0") : fraction))
                   .toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    const QChar p = prefix.isEmpty() ? QLatin1Char('R') : prefix.at(0);
    if (p == QLatin1Char('k') || p == QLatin1Char('K'))
        v *= 1e3;
    else if (p == QLatin1Char('M'))
        v *= 1e6;
    else if (p == QLatin1Char('G') || p == QLatin1Char('g'))
        v *= 1e9;
    if (!std::isfinite(v))
        return std::nullopt;
    return cleaned(v);
}

BandCode valueToBands(double ohms, int digitCount)
{
    BandCode code;
    const QString bandsWord = digitCount == 2 ? QStringLiteral("Négy") : QStringLiteral("Öt");
    if (!std::isfinite(ohms) || ohms < 0) {
        code.message = QStringLiteral("Nem ellenállásérték.");
        return code;
    }
    if (ohms == 0) {
        code.message = QStringLiteral("A 0 ohmos átkötést egyetlen fekete sáv jelöli.");
        return code;
    }
    const double low = std::pow(10.0, digitCount - 1);
    const double high = std::pow(10.0, digitCount);
    // Multiplier exponents from silver (-2) to white (9).
    for (int e = 9; e >= -2; --e) {
        const double n = cleaned(ohms / std::pow(10.0, e));
        if (n < low || n >= high || !isWhole(n))
            continue;
        code.colours = spelledDigits(int(n), digitCount);
        code.colours.append(e >= 0 ? e : (e == -1 ? mod_R::kGold : mod_R::kSilver));
        return code;
    }
    // Below the smallest multiplier the first digits are black (0,05 ohm:
    // black, green, silver).
    const double n = cleaned(ohms / 0.01);
    if (n >= 1 && n < low && isWhole(n)) {
        code.colours = spelledDigits(int(n), digitCount);
        code.colours.append(mod_R::kSilver);
        return code;
    }
    const double largest = (high - 1) * 1e9;
    if (ohms > largest || ohms < 0.01)
        code.message = QStringLiteral("%1 sávval ez az érték nem jelölhető: kívül esik a színkód tartományán.")
                           .arg(bandsWord);
    else
        code.message = QStringLiteral("%1 sávval csak %2 értékes jegy jelölhető.")
                           .arg(bandsWord, digitCount == 2 ? QStringLiteral("két") : QStringLiteral("három"));
    return code;
}

} // namespace bands
