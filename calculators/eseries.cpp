// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/eseries.h"

#include "decoders/bandreading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace eseries {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Three significant digits from the colour-code decoder's tables, which
// keep the older series as two.
std::vector<int> threeDigits(bands::Series s)
{
    std::vector<int> v;
    for (int x : bands::seriesValues(s))
        v.push_back(x < 100 ? x * 10 : x);
    return v;
}

std::vector<int> everySecond(const std::vector<int> &v)
{
    std::vector<int> out;
    for (size_t i = 0; i < v.size(); i += 2)
        out.push_back(v[i]);
    return out;
}

// m * 10^(exponent - 2), divided rather than multiplied below 100 so that
// 4.7 comes out as the double nearest to 4.7.
double valueOf(int mantissa, int exponent)
{
    const int e = exponent - 2;
    return e >= 0 ? mantissa * std::pow(10.0, e) : mantissa / std::pow(10.0, -e);
}

} // namespace

QString seriesName(Series s)
{
    static const char *const names[] = {"E3", "E6", "E12", "E24", "E48", "E96", "E192"};
    return QString::fromLatin1(names[int(s)]);
}

std::optional<Series> seriesFromName(QStringView name)
{
    QString n = name.trimmed().toString().toUpper();
    if (!n.startsWith(QLatin1Char('E')))
        n.prepend(QLatin1Char('E'));
    for (Series s : kAllSeries)
        if (seriesName(s) == n)
            return s;
    return std::nullopt;
}

const std::vector<int> &mantissas(Series s)
{
    static const std::vector<std::vector<int>> tables = [] {
        std::vector<std::vector<int>> t;
        t.push_back(everySecond(threeDigits(bands::Series::E6)));
        for (bands::Series b : {bands::Series::E6, bands::Series::E12, bands::Series::E24, bands::Series::E48,
                                bands::Series::E96, bands::Series::E192})
            t.push_back(threeDigits(b));
        return t;
    }();
    return tables[size_t(s)];
}

std::vector<double> valuesBetween(Series s, double lo, double hi)
{
    std::vector<double> out;
    if (!calc::positive(lo) || !calc::positive(hi) || lo > hi)
        return out;
    const double loEdge = lo * (1 - 1e-12), hiEdge = hi * (1 + 1e-12);
    const int first = int(std::floor(std::log10(lo))) - 1;
    const int last = int(std::floor(std::log10(hi))) + 1;
    for (int e = first; e <= last; ++e)
        for (int m : mantissas(s)) {
            const double v = valueOf(m, e);
            if (v >= loEdge && v <= hiEdge)
                out.push_back(v);
        }
    return out;
}

std::optional<double> atOrAbove(Series s, double v)
{
    if (!calc::positive(v) || v > 1e300)
        return std::nullopt;
    // The widest step of any series is below 2.5.
    for (double x : valuesBetween(s, v, v * 2.5))
        if (x >= v * (1 - 1e-12))
            return x;
    return std::nullopt;
}

std::optional<double> atOrBelow(Series s, double v)
{
    if (!calc::positive(v) || v > 1e300)
        return std::nullopt;
    const std::vector<double> below = valuesBetween(s, v / 2.5, v);
    if (below.empty())
        return std::nullopt;
    return below.back();
}

std::optional<double> nearest(Series s, double v)
{
    const std::optional<double> lo = atOrBelow(s, v), hi = atOrAbove(s, v);
    if (!lo || !hi)
        return lo ? lo : hi;
    return std::log(v / *lo) <= std::log(*hi / v) ? lo : hi;
}

QString connectionKey(Connection c)
{
    static const char *const keys[] = {"single", "series", "parallel", "series3", "parallel3", "(a+b)||c", "a+(b||c)"};
    return QString::fromLatin1(keys[int(c)]);
}

QString connectionText(Connection c)
{
    static const char *const texts[] = {"egy ellenállás", "soros", "párhuzamos", "három sorosan",
                                        "három párhuzamosan", "(a + b) || c", "a + (b || c)"};
    return QString::fromUtf8(texts[int(c)]);
}

QString formula(const Combination &c)
{
    static const char *const patterns[] = {"%1", "%1 + %2", "%1 || %2", "%1 + %2 + %3", "%1 || %2 || %3",
                                           "(%1 + %2) || %3", "%1 + (%2 || %3)"};
    QString f = QString::fromLatin1(patterns[int(c.connection)]);
    for (double x : c.values)
        f = f.arg(calc::siText(x, QStringLiteral("Ω")));
    return f;
}

namespace {

double par(double a, double b) { return a * b / (a + b); }

struct Candidate
{
    Connection connection;
    std::array<double, 3> v;
    int n;
    double total;
    double absError;   // relative
};

bool better(const Candidate &x, const Candidate &y)
{
    if (x.absError != y.absError)
        return x.absError < y.absError;
    if (x.n != y.n)
        return x.n < y.n;
    if (x.connection != y.connection)
        return x.connection < y.connection;
    return x.v < y.v;
}

// The few best candidates, kept sorted; worst() lets the loops stop early.
class Best
{
public:
    Best(double target, int count) : m_target(target), m_count(size_t(std::max(1, count))) {}

    double worst() const { return m_worst; }

    void offer(Connection c, double a, double b, double cc, int n, double total)
    {
        double err = std::fabs(total - m_target) / m_target;
        if (err < 1e-12)
            err = 0;   // exact up to rounding: let ties fall to fewer parts
        if (!(err <= worst()))
            return;
        const Candidate cand{c, {a, b, cc}, n, total, err};
        const auto pos = std::lower_bound(m_list.begin(), m_list.end(), cand, better);
        m_list.insert(pos, cand);
        if (m_list.size() > m_count)
            m_list.pop_back();
        if (m_list.size() == m_count)
            m_worst = m_list.back().absError;
    }

    const std::vector<Candidate> &list() const { return m_list; }

private:
    double m_target;
    size_t m_count;
    double m_worst = kInf;   // of the last kept, once the list is full
    std::vector<Candidate> m_list;
};

// Indexes of the standard values either side of an ideal one (i is where
// the ideal would go), limited to [from, size): a total that grows with the
// value is best at one of them.
template <typename F>
void bracketAt(const std::vector<double> &v, size_t from, size_t i, F &&use)
{
    if (from >= v.size())
        return;
    i = std::clamp(i, from, v.size() - 1);
    use(i);
    if (i > from)
        use(i - 1);
}

template <typename F>
void bracket(const std::vector<double> &v, size_t from, double ideal, F &&use)
{
    bracketAt(v, from, size_t(std::lower_bound(v.begin(), v.end(), ideal) - v.begin()), use);
}

// Along each inner loop of the solver the ideal last value only falls, so
// its place walks down the list instead of being searched for every time.
class Cursor
{
public:
    explicit Cursor(const std::vector<double> &v) : m_v(v) {}
    void restart() { m_fresh = true; }
    size_t place(double ideal)
    {
        if (m_fresh) {
            m_i = size_t(std::lower_bound(m_v.begin(), m_v.end(), ideal) - m_v.begin());
            m_fresh = false;
        }
        while (m_i > 0 && m_v[m_i - 1] >= ideal)
            --m_i;
        return m_i;
    }

private:
    const std::vector<double> &m_v;
    size_t m_i = 0;
    bool m_fresh = true;
};

} // namespace

SolveResult solve(const SolveInput &in)
{
    SolveResult r;
    r.targetOhms = in.targetOhms;
    r.series = in.series;
    const double T = in.targetOhms;
    if (!calc::positive(T))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("Az ellenállás pozitív szám legyen."));
    if (T > 1e15)
        return calc::failure(r, calc::Status::BadInput, calc::outOfRange());
    if (in.maxResistors < 1 || in.maxResistors > 3)
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("Legfeljebb 1, 2 vagy 3 ellenállás lehet."));
    const double span = std::pow(10.0, kSpanDecades);
    const std::vector<double> v = valuesBetween(in.series, std::max(in.minOhms, T / span),
                                                std::min(in.maxOhms, T * span));
    if (v.empty())
        return calc::failure(r, calc::Status::NoSolution,
                             QStringLiteral("Ehhez az értékhez nincs szabványos ellenállás a kínálatban."));
    const size_t n = v.size();
    Best best(T, in.count);

    bracket(v, 0, T, [&](size_t i) { best.offer(Connection::Single, v[i], 0, 0, 1, v[i]); });

    if (in.maxResistors >= 2) {
        for (size_t a = 0; a < n; ++a) {
            if ((2 * v[a] - T) / T > best.worst())
                break;
            bracket(v, a, T - v[a] > 0 ? T - v[a] : 0,
                    [&](size_t b) { best.offer(Connection::Series, v[a], v[b], 0, 2, v[a] + v[b]); });
        }
        for (size_t a = 0; a < n; ++a) {
            const double g = 1 / T - 1 / v[a];
            bracket(v, a, g > 0 ? 1 / g : kInf,
                    [&](size_t b) { best.offer(Connection::Parallel, v[a], v[b], 0, 2, par(v[a], v[b])); });
        }
    }

    if (in.maxResistors >= 3) {
        Cursor cursor(v);
        // a <= b <= c: each set of values once.
        for (size_t a = 0; a < n; ++a) {
            if ((3 * v[a] - T) / T > best.worst())
                break;
            cursor.restart();
            for (size_t b = a; b < n; ++b) {
                const double ab = v[a] + v[b];
                if ((ab + v[b] - T) / T > best.worst())
                    break;
                bracketAt(v, b, cursor.place(T - ab > 0 ? T - ab : 0),
                          [&](size_t c) { best.offer(Connection::Series3, v[a], v[b], v[c], 3, ab + v[c]); });
            }
        }
        for (size_t a = 0; a < n; ++a) {
            if ((v[a] / 3 - T) / T > best.worst())
                break;
            cursor.restart();
            for (size_t b = a; b < n; ++b) {
                const double ab = par(v[a], v[b]);
                if ((par(ab, v[b]) - T) / T > best.worst())
                    break;
                const double g = 1 / T - 1 / ab;
                bracketAt(v, b, cursor.place(g > 0 ? 1 / g : kInf),
                          [&](size_t c) { best.offer(Connection::Parallel3, v[a], v[b], v[c], 3, par(ab, v[c])); });
            }
        }
        // (a + b) || c with a <= b.
        for (size_t a = 0; a < n; ++a) {
            cursor.restart();
            for (size_t b = a; b < n; ++b) {
                const double s = v[a] + v[b];
                if ((T - s) / T > best.worst())
                    continue;   // the total stays below a + b
                bracketAt(v, 0, cursor.place(s > T ? s * T / (s - T) : kInf), [&](size_t c) {
                    best.offer(Connection::SeriesInParallel, v[a], v[b], v[c], 3, par(s, v[c]));
                });
            }
        }
        // a + (b || c) with b <= c.
        for (size_t b = 0; b < n; ++b) {
            cursor.restart();
            for (size_t c = b; c < n; ++c) {
                const double p = par(v[b], v[c]);
                if ((p - T) / T > best.worst())
                    break;   // the total stays above b || c, which only grows with c
                bracketAt(v, 0, cursor.place(T - p > 0 ? T - p : 0), [&](size_t a) {
                    best.offer(Connection::ParallelInSeries, v[a], v[b], v[c], 3, v[a] + p);
                });
            }
        }
    }

    for (const Candidate &c : best.list()) {
        Combination out;
        out.connection = c.connection;
        out.values.assign(c.v.begin(), c.v.begin() + c.n);
        out.totalOhms = c.total;
        out.errorPercent = c.absError == 0 ? 0 : (c.total - T) / T * 100;
        r.best.push_back(out);
    }
    return r;
}

RatioResult ratio(const RatioInput &in)
{
    RatioResult r;
    if (!calc::positive(in.uin) || !calc::positive(in.uout))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("A be- és kimenő feszültség pozitív szám legyen."));
    if (in.uout >= in.uin)
        return calc::failure(r, calc::Status::NoSolution,
                             QStringLiteral("Osztóval csak a bemenőnél kisebb feszültség állítható elő."));
    if (in.totalOhms < 0 || in.currentA < 0 || !std::isfinite(in.totalOhms) || !std::isfinite(in.currentA))
        return calc::failure(r, calc::Status::BadInput, QStringLiteral("Az összellenállás és az áram pozitív szám legyen."));
    double lo = kRatioMinTotal, hi = kRatioMaxTotal, preferred = kPreferredTotal;
    const double size = in.totalOhms > 0 ? in.totalOhms : in.currentA > 0 ? in.uin / in.currentA : 0;
    if (size > 0) {
        if (!calc::positive(size) || size > 1e12)
            return calc::failure(r, calc::Status::BadInput, QStringLiteral("Az osztó mérete kívül esik a számolható tartományon."));
        lo = size / kSizeTolerance;
        hi = size * kSizeTolerance;
        preferred = size;
    }
    const double k = in.uout / in.uin;
    // R2 ranges over what can fit in the total, R1 is searched for each.
    const std::vector<double> v = valuesBetween(in.series, lo * std::min(k, 1 - k) / 2, hi);
    bool found = false;
    double bestErr = kInf, bestDist = kInf;
    for (double r2 : v) {
        const double ideal = r2 * (1 - k) / k;
        bracket(v, 0, ideal, [&](size_t i) {
            const double r1 = v[i], total = r1 + r2;
            if (total < lo * (1 - 1e-12) || total > hi * (1 + 1e-12))
                return;
            const double err = std::fabs(r2 / total - k) / k;
            const double dist = std::fabs(std::log(total / preferred));
            // Equal error up to rounding: the total nearest the wanted size.
            const bool tie = std::fabs(err - bestErr) <= 1e-12;
            if ((!tie && err < bestErr) || (tie && dist < bestDist)) {
                bestErr = tie ? std::min(err, bestErr) : err;
                bestDist = dist;
                r.r1Ohms = r1;
                r.r2Ohms = r2;
                found = true;
            }
        });
    }
    if (!found)
        return calc::failure(r, calc::Status::NoSolution,
                             QStringLiteral("Ebben a méretben nincs megfelelő ellenálláspár."));
    const double total = r.r1Ohms + r.r2Ohms;
    r.uout = in.uin * r.r2Ohms / total;
    r.errorPercent = (r.uout - in.uout) / in.uout * 100;
    if (std::fabs(r.errorPercent) < 1e-10)
        r.errorPercent = 0;
    r.currentA = in.uin / total;
    return r;
}

} // namespace eseries
