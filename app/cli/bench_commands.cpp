// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_args.h"
#include "calculators/coil_calc.h"
#include "calculators/eseries.h"
#include "calculators/led_calc.h"
#include "calculators/mod_rlc.h"
#include "calculators/rc_calc.h"
#include "calculators/regulator_calc.h"
#include "calculators/timer555.h"
#include "calculators/wire_calc.h"
#include "core/numbers.h"

#include <QJsonArray>
#include <cmath>

// The bench calculators: standard values, dividers, LED resistor, 555,
// regulator, RC and reactance, air coil, wire.
namespace cli {
namespace {

using calc::siText;

const QString kOhm = QStringLiteral("Ω");

// The options a command read, by name; prefixed values as the windows take them.
class Reader
{
public:
    Reader(const QStringList &args, const QStringList &options) : m_args(parseArgs(args, options)) {}

    bool ok() const { return m_error.message.isEmpty() && m_args.error.isEmpty(); }
    Result error() const { return m_args.error.isEmpty() ? m_error : usageError(m_args.error); }
    const QStringList &positional() const { return m_args.positional; }
    bool has(const char *option) const { return m_args.options.contains(QLatin1String(option)); }

    // 0 when the option is absent; a reading error otherwise.
    // Metres take no unit letter: "10m" is ten millimetres.
    double value(const char *option, const QString &unit, bool allowNegative = false)
    {
        if (!has(option) || !ok())
            return 0;
        const QString text = m_args.options.value(QLatin1String(option));
        const std::optional<mod_RLC::Typed> t = mod_RLC::readPrefixed(text, unit.isEmpty() ? QStringList() : QStringList{unit});
        if (!t) {
            fail(QStringLiteral("%1 %2: nem szám, vagy túl nagy (pl. 4k7, 100n, 2,2u).").arg(QLatin1String(option), text));
            return 0;
        }
        if (!(t->value > 0) && !(allowNegative && t->value < 0)) {
            fail(QStringLiteral("%1 %2: pozitív érték kell.").arg(QLatin1String(option), text));
            return 0;
        }
        return t->value;
    }

    int count(const char *option, int fallback, int lo, int hi)
    {
        if (!has(option) || !ok())
            return fallback;
        const QString text = m_args.options.value(QLatin1String(option));
        bool isInt = false;
        const int n = text.toInt(&isInt);
        if (!isInt || n < lo || n > hi)
            fail(QStringLiteral("%1 %2: egész szám kell %3 és %4 között.").arg(QLatin1String(option), text).arg(lo).arg(hi));
        return n;
    }

    eseries::Series series(eseries::Series fallback = eseries::Series::E24)
    {
        if (!has("--series") || !ok())
            return fallback;
        const QString text = m_args.options.value(QStringLiteral("--series"));
        const std::optional<eseries::Series> s = eseries::seriesFromName(text);
        if (!s)
            fail(QStringLiteral("--series %1: E3, E6, E12, E24, E48, E96 vagy E192 lehet.").arg(text));
        return s.value_or(fallback);
    }

    QString text(const char *option) const { return m_args.options.value(QLatin1String(option)); }

    void fail(const QString &message)
    {
        if (ok())
            m_error = usageError(message);
    }

    bool noPositional()
    {
        if (!m_args.positional.isEmpty())
            fail(QStringLiteral("Fölösleges argumentum: %1").arg(m_args.positional.first()));
        return ok();
    }

private:
    Args m_args;
    Result m_error;
};

// A failed calculation: nothing to build from good values is code 1.
Result refused(const calc::Outcome &o)
{
    return o.status == calc::Status::NoSolution ? notRecognised(o.message) : usageError(o.message);
}

QString percent(double p) { return num::generalText(std::round(p * 1000) / 1000) + QStringLiteral(" %"); }

QString signedPercent(double p) { return (p > 0 ? QStringLiteral("+") : QString()) + percent(p); }

Result eseriesCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--series"), QStringLiteral("--max"), QStringLiteral("--count")});
    if (r.ok() && r.positional().size() != 1)
        r.fail(QStringLiteral("Egy argumentum kell: a kívánt ellenállás (pl. 4k1)."));
    eseries::SolveInput in;
    in.series = r.series();
    in.maxResistors = r.count("--max", 3, 1, 3);
    in.count = r.count("--count", 10, 1, 100);
    if (!r.ok())
        return r.error();
    const QString text = r.positional().first();
    const std::optional<mod_RLC::Typed> t = mod_RLC::readPrefixed(text, {QStringLiteral("ohm"), kOhm});
    if (!t || !(t->value > 0))
        return usageError(QStringLiteral("%1: pozitív ellenállás kell (pl. 4k1, 3,3k, 120).").arg(text));
    in.targetOhms = t->value;
    const eseries::SolveResult s = eseries::solve(in);
    if (!s.ok())
        return refused(s);
    QStringList lines{QStringLiteral("Kívánt érték: %1 (%2)").arg(siText(in.targetOhms, kOhm), eseries::seriesName(in.series))};
    QJsonArray best;
    for (size_t i = 0; i < s.best.size(); ++i) {
        const eseries::Combination &c = s.best[i];
        lines << QStringLiteral("%1. %2 = %3 (%4, %5)")
                     .arg(i + 1)
                     .arg(eseries::formula(c), siText(c.totalOhms, kOhm, 6), signedPercent(c.errorPercent),
                          eseries::connectionText(c.connection));
        QJsonArray values;
        for (double v : c.values)
            values.append(v);
        best.append(QJsonObject{{QStringLiteral("values_ohms"), values},
                                {QStringLiteral("connection"), eseries::connectionKey(c.connection)},
                                {QStringLiteral("text"), eseries::formula(c)},
                                {QStringLiteral("total_ohms"), c.totalOhms},
                                {QStringLiteral("error_percent"), c.errorPercent}});
    }
    return done(lines, QJsonObject{{QStringLiteral("target_ohms"), in.targetOhms},
                                   {QStringLiteral("series"), eseries::seriesName(in.series)},
                                   {QStringLiteral("max_resistors"), in.maxResistors},
                                   {QStringLiteral("best"), best}});
}

Result ratioCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--uin"), QStringLiteral("--uout"), QStringLiteral("--series"),
                    QStringLiteral("--total"), QStringLiteral("--current")});
    eseries::RatioInput in;
    in.uin = r.value("--uin", QStringLiteral("V"));
    in.uout = r.value("--uout", QStringLiteral("V"));
    in.series = r.series();
    in.totalOhms = r.value("--total", kOhm);
    in.currentA = r.value("--current", QStringLiteral("A"));
    if (r.ok() && (!r.has("--uin") || !r.has("--uout")))
        r.fail(QStringLiteral("A --uin és az --uout kell (pl. --uin 5 --uout 3,3)."));
    if (r.ok() && r.has("--total") && r.has("--current"))
        r.fail(QStringLiteral("A --total és a --current közül csak az egyiket add meg."));
    if (!r.noPositional())
        return r.error();
    const eseries::RatioResult q = eseries::ratio(in);
    if (!q.ok())
        return refused(q);
    return done({QStringLiteral("R1 = %1, R2 = %2 (%3)").arg(siText(q.r1Ohms, kOhm), siText(q.r2Ohms, kOhm),
                                                             eseries::seriesName(in.series)),
                  QStringLiteral("Uki = %1 (%2)").arg(siText(q.uout, QStringLiteral("V"), 6), signedPercent(q.errorPercent)),
                  QStringLiteral("Áram = %1").arg(siText(q.currentA, QStringLiteral("A")))},
                QJsonObject{{QStringLiteral("r1_ohms"), q.r1Ohms},
                            {QStringLiteral("r2_ohms"), q.r2Ohms},
                            {QStringLiteral("uout"), q.uout},
                            {QStringLiteral("error_percent"), q.errorPercent},
                            {QStringLiteral("current_a"), q.currentA},
                            {QStringLiteral("series"), eseries::seriesName(in.series)}});
}

Result ledCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--supply"), QStringLiteral("--uf"), QStringLiteral("--if"),
                    QStringLiteral("--count"), QStringLiteral("--series")});
    led::Input in;
    in.supplyV = r.value("--supply", QStringLiteral("V"));
    in.forwardV = r.value("--uf", QStringLiteral("V"));
    in.currentA = r.value("--if", QStringLiteral("A"));
    in.count = r.count("--count", 1, 1, 1000);
    in.series = r.series();
    if (r.ok() && (!r.has("--supply") || !r.has("--uf") || !r.has("--if")))
        r.fail(QStringLiteral("A --supply, az --uf és az --if kell (pl. --supply 12 --uf 2 --if 20m)."));
    if (!r.noPositional())
        return r.error();
    const led::Result l = led::calculate(in);
    if (!l.ok())
        return refused(l);
    return done({QStringLiteral("Számított ellenállás: %1").arg(siText(l.exactOhms, kOhm)),
                 QStringLiteral("Szabványos érték (%1): %2").arg(eseries::seriesName(in.series), siText(l.standardOhms, kOhm)),
                 QStringLiteral("Áram: %1").arg(siText(l.currentA, QStringLiteral("A"))),
                 QStringLiteral("Disszipáció: %1, ajánlott terhelhetőség: %2")
                     .arg(siText(l.powerW, QStringLiteral("W")), siText(l.ratingW, QStringLiteral("W")))},
                QJsonObject{{QStringLiteral("exact_ohms"), l.exactOhms},
                            {QStringLiteral("standard_ohms"), l.standardOhms},
                            {QStringLiteral("current_a"), l.currentA},
                            {QStringLiteral("power_w"), l.powerW},
                            {QStringLiteral("rating_w"), l.ratingW},
                            {QStringLiteral("series"), eseries::seriesName(in.series)}});
}

QStringList astableLines(const timer555::AstableResult &a)
{
    return {QStringLiteral("Frekvencia: %1").arg(siText(a.frequencyHz, QStringLiteral("Hz"))),
            QStringLiteral("Kitöltési tényező: %1").arg(percent(a.dutyPercent)),
            QStringLiteral("Magas szint: %1, alacsony szint: %2")
                .arg(siText(a.highS, QStringLiteral("s")), siText(a.lowS, QStringLiteral("s")))};
}

QJsonObject astableJson(const timer555::AstableResult &a)
{
    return {{QStringLiteral("frequency_hz"), a.frequencyHz},
            {QStringLiteral("duty_percent"), a.dutyPercent},
            {QStringLiteral("high_s"), a.highS},
            {QStringLiteral("low_s"), a.lowS},
            {QStringLiteral("period_s"), a.periodS}};
}

Result timerCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--r1"), QStringLiteral("--r2"), QStringLiteral("--c"), QStringLiteral("--r"),
                    QStringLiteral("--f"), QStringLiteral("--duty"), QStringLiteral("--series")});
    const QString mode = r.positional().value(0).toLower();
    if (r.ok() && (r.positional().size() != 1 || (mode != QLatin1String("astable") && mode != QLatin1String("mono"))))
        r.fail(QStringLiteral("Az üzemmód astable vagy mono legyen (pl. 555 astable --r1 1k --r2 10k --c 100n)."));
    if (mode == QLatin1String("mono")) {
        const double R = r.value("--r", kOhm), C = r.value("--c", QStringLiteral("F"));
        if (r.ok() && (!r.has("--r") || !r.has("--c")))
            r.fail(QStringLiteral("Monostabil: az --r és a --c kell (pl. --r 10k --c 100u)."));
        if (!r.ok())
            return r.error();
        const timer555::MonoResult m = timer555::monostable(R, C);
        if (!m.ok())
            return refused(m);
        return done({QStringLiteral("Impulzus: %1").arg(siText(m.pulseS, QStringLiteral("s")))},
                    QJsonObject{{QStringLiteral("pulse_s"), m.pulseS}});
    }
    if (r.ok() && r.has("--f")) {
        timer555::DesignInput in;
        in.frequencyHz = r.value("--f", QStringLiteral("Hz"));
        in.series = r.series();
        if (r.ok() && !r.has("--duty"))
            r.fail(QStringLiteral("A --f mellé a --duty is kell (százalékban, 50 fölött)."));
        if (r.ok()) {
            QString d = r.text("--duty");
            d.remove(QLatin1Char('%'));
            d.replace(QLatin1Char(','), QLatin1Char('.'));
            const std::optional<double> duty = num::localeNumber(d, QLatin1Char('.'));
            if (!duty)
                r.fail(QStringLiteral("--duty %1: nem szám.").arg(r.text("--duty")));
            in.dutyPercent = duty.value_or(0);
        }
        if (!r.ok())
            return r.error();
        const timer555::DesignResult d = timer555::design(in);
        if (!d.ok())
            return refused(d);
        QStringList lines{QStringLiteral("R1 = %1, R2 = %2, C = %3 (%4)")
                              .arg(siText(d.r1Ohms, kOhm), siText(d.r2Ohms, kOhm), siText(d.cFarads, QStringLiteral("F")),
                                   eseries::seriesName(in.series))};
        lines << astableLines(d);
        lines << QStringLiteral("Eltérés: frekvencia %1, kitöltés %2")
                     .arg(signedPercent(d.frequencyErrorPercent),
                          num::generalText(std::round(d.dutyErrorPercent * 1000) / 1000) + QStringLiteral(" százalékpont"));
        QJsonObject json = astableJson(d);
        json.insert(QStringLiteral("r1_ohms"), d.r1Ohms);
        json.insert(QStringLiteral("r2_ohms"), d.r2Ohms);
        json.insert(QStringLiteral("c_farads"), d.cFarads);
        json.insert(QStringLiteral("frequency_error_percent"), d.frequencyErrorPercent);
        json.insert(QStringLiteral("duty_error_points"), d.dutyErrorPercent);
        return done(lines, json);
    }
    const double R1 = r.value("--r1", kOhm), R2 = r.value("--r2", kOhm), C = r.value("--c", QStringLiteral("F"));
    if (r.ok() && (!r.has("--r1") || !r.has("--r2") || !r.has("--c")))
        r.fail(QStringLiteral("Astabil: az --r1, --r2 és --c kell, vagy visszafelé az --f és a --duty."));
    if (!r.ok())
        return r.error();
    const timer555::AstableResult a = timer555::astable(R1, R2, C);
    if (!a.ok())
        return refused(a);
    return done(astableLines(a), astableJson(a));
}

// LM337: a negative voltage stands for its magnitude and comes back negative.
Result regulatorCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--r1"), QStringLiteral("--r2"), QStringLiteral("--uout"), QStringLiteral("--vref"),
                    QStringLiteral("--iadj"), QStringLiteral("--dropout"), QStringLiteral("--uin"),
                    QStringLiteral("--iload"), QStringLiteral("--series")});
    regulator::Params p;
    if (r.has("--vref"))
        p.vref = r.value("--vref", QStringLiteral("V"), true);
    if (r.has("--iadj"))
        p.iadjA = r.value("--iadj", QStringLiteral("A"));
    if (r.has("--dropout"))
        p.dropoutV = r.value("--dropout", QStringLiteral("V"));
    const double wanted = r.value("--uout", QStringLiteral("V"), true);
    regulator::Load load{r.value("--uin", QStringLiteral("V"), true), r.value("--iload", QStringLiteral("A"))};
    const eseries::Series series = r.series();
    const double R1 = r.value("--r1", kOhm), R2 = r.value("--r2", kOhm);
    const bool back = r.has("--uout");
    if (r.ok() && back == (r.has("--r1") || r.has("--r2")))
        r.fail(QStringLiteral("Vagy az --r1 és az --r2, vagy az --uout kell (pl. --r1 240 --r2 720, --uout 5)."));
    if (r.ok() && !back && !(r.has("--r1") && r.has("--r2")))
        r.fail(QStringLiteral("Az --r1 és az --r2 is kell."));
    if (r.ok() && r.has("--uin") != r.has("--iload"))
        r.fail(QStringLiteral("Az --uin és az --iload együtt adható meg."));
    if (!r.noPositional())
        return r.error();
    const bool negative = back ? wanted < 0 : p.vref < 0;
    p.vref = std::fabs(p.vref);
    load.uinV = std::fabs(load.uinV);
    const regulator::Result g = back ? regulator::design(std::fabs(wanted), series, p, load)
                                     : regulator::forward(R1, R2, p, load);
    if (!g.ok())
        return refused(g);
    const double sign = negative ? -1 : 1;
    QStringList lines;
    QJsonObject json{{QStringLiteral("uout"), sign * g.uout}, {QStringLiteral("vref"), sign * p.vref},
                     {QStringLiteral("iadj_a"), p.iadjA}};
    if (back) {
        lines << QStringLiteral("R1 = %1, R2 = %2 (%3)").arg(siText(g.r1Ohms, kOhm), siText(g.r2Ohms, kOhm),
                                                             eseries::seriesName(series));
        json.insert(QStringLiteral("r1_ohms"), g.r1Ohms);
        json.insert(QStringLiteral("r2_ohms"), g.r2Ohms);
        json.insert(QStringLiteral("error_percent"), g.errorPercent);
        json.insert(QStringLiteral("series"), eseries::seriesName(series));
    }
    lines << QStringLiteral("Kimenő feszültség: %1").arg(siText(sign * g.uout, QStringLiteral("V"), 6))
                 + (back ? QStringLiteral(" (%1)").arg(signedPercent(g.errorPercent)) : QString());
    if (g.loadChecked) {
        lines << QStringLiteral("Feszültségesés a szabályzón: %1, disszipáció: %2")
                     .arg(siText(g.headroomV, QStringLiteral("V")), siText(g.dissipationW, QStringLiteral("W")));
        if (!g.message.isEmpty())
            lines << g.message;
        json.insert(QStringLiteral("uin"), sign * load.uinV);
        json.insert(QStringLiteral("iload_a"), load.loadA);
        json.insert(QStringLiteral("headroom_v"), g.headroomV);
        json.insert(QStringLiteral("dropout_v"), p.dropoutV);
        json.insert(QStringLiteral("dropout_ok"), g.dropoutOk);
        json.insert(QStringLiteral("dissipation_w"), g.dissipationW);
    }
    return done(lines, json);
}

Result rcCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--r"), QStringLiteral("--c"), QStringLiteral("--f")});
    const double R = r.value("--r", kOhm), C = r.value("--c", QStringLiteral("F")), f = r.value("--f", QStringLiteral("Hz"));
    if (r.ok() && int(r.has("--r")) + int(r.has("--c")) + int(r.has("--f")) != 2)
        r.fail(QStringLiteral("Kettő kell az --r, --c és --f közül (pl. --r 1k --c 100n)."));
    if (!r.noPositional())
        return r.error();
    const rc::RcResult x = rc::rcFilter(R, C, f);
    if (!x.ok())
        return refused(x);
    return done({QStringLiteral("R = %1, C = %2").arg(siText(x.rOhms, kOhm), siText(x.cFarads, QStringLiteral("F"))),
                 QStringLiteral("Időállandó: %1").arg(siText(x.tauS, QStringLiteral("s"))),
                 QStringLiteral("Határfrekvencia: %1").arg(siText(x.cutoffHz, QStringLiteral("Hz")))},
                QJsonObject{{QStringLiteral("tau_s"), x.tauS},
                            {QStringLiteral("cutoff_hz"), x.cutoffHz},
                            {QStringLiteral("r_ohms"), x.rOhms},
                            {QStringLiteral("c_farads"), x.cFarads}});
}

Result reactanceCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--x"), QStringLiteral("--f"), QStringLiteral("--c"), QStringLiteral("--l")});
    const double X = r.value("--x", kOhm), f = r.value("--f", QStringLiteral("Hz"));
    const double C = r.value("--c", QStringLiteral("F")), L = r.value("--l", QStringLiteral("H"));
    if (r.ok() && r.has("--c") && r.has("--l"))
        r.fail(QStringLiteral("A --c és az --l közül csak az egyiket add meg."));
    if (r.ok() && int(r.has("--x")) + int(r.has("--f")) + int(r.has("--c") || r.has("--l")) != 2)
        r.fail(QStringLiteral("Kettő kell az --x, --f és --c (vagy --l) közül (pl. --f 1k --c 100n)."));
    if (r.ok() && !r.has("--c") && !r.has("--l"))
        r.fail(QStringLiteral("Meg kell adni, hogy kondenzátor (--c) vagy tekercs (--l) reaktanciája kell."));
    if (!r.noPositional())
        return r.error();
    const bool inductive = r.has("--l");
    const rc::ReactanceResult x = inductive ? rc::inductive(X, f, L) : rc::capacitive(X, f, C);
    if (!x.ok())
        return refused(x);
    QJsonObject json{{QStringLiteral("ohms"), x.ohms}, {QStringLiteral("frequency_hz"), x.frequencyHz},
                     {QStringLiteral("kind"), inductive ? QStringLiteral("inductive") : QStringLiteral("capacitive")}};
    json.insert(inductive ? QStringLiteral("l_henries") : QStringLiteral("c_farads"), inductive ? x.henries : x.farads);
    return done({QStringLiteral("%1 = %2").arg(inductive ? QStringLiteral("XL") : QStringLiteral("XC"), siText(x.ohms, kOhm)),
                 QStringLiteral("f = %1").arg(siText(x.frequencyHz, QStringLiteral("Hz"))),
                 inductive ? QStringLiteral("L = %1").arg(siText(x.henries, QStringLiteral("H")))
                           : QStringLiteral("C = %1").arg(siText(x.farads, QStringLiteral("F")))},
                json);
}

Result coilCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--d"), QStringLiteral("--len"), QStringLiteral("--n"), QStringLiteral("--l"),
                    QStringLiteral("--wire")});
    coil::Input in;
    in.diameterM = r.value("--d", {});
    in.lengthM = r.value("--len", {});
    in.inductanceH = r.value("--l", QStringLiteral("H"));
    in.wireM = r.value("--wire", {});
    if (r.ok() && r.has("--n")) {
        QString n = r.text("--n");
        n.replace(QLatin1Char(','), QLatin1Char('.'));
        const std::optional<double> turns = num::localeNumber(n, QLatin1Char('.'));
        if (!turns || !(*turns > 0))
            r.fail(QStringLiteral("--n %1: pozitív menetszám kell.").arg(r.text("--n")));
        in.turns = turns.value_or(0);
    }
    if (r.ok() && (!r.has("--d") || r.has("--n") == r.has("--l")))
        r.fail(QStringLiteral("A --d kell, és az --n vagy az --l közül pontosan egy (pl. --d 10m --len 20m --n 30)."));
    if (r.ok() && !r.has("--len") && !r.has("--wire"))
        r.fail(QStringLiteral("A --len kell, vagy szoros tekercseléshez a --wire."));
    if (!r.noPositional())
        return r.error();
    const coil::Result c = coil::calculate(in);
    if (!c.ok())
        return refused(c);
    QStringList lines{QStringLiteral("Induktivitás: %1").arg(siText(c.inductanceH, QStringLiteral("H"))),
                      QStringLiteral("Menetszám: %1").arg(num::generalText(std::round(c.turns * 100) / 100))
                          + (c.turnsRounded != c.turns ? QStringLiteral(" (%1 menet)").arg(c.turnsRounded) : QString()),
                      QStringLiteral("Tekercshossz: %1").arg(siText(c.lengthM, QStringLiteral("m")))};
    QJsonObject json{{QStringLiteral("inductance_h"), c.inductanceH},
                     {QStringLiteral("turns"), c.turns},
                     {QStringLiteral("turns_rounded"), c.turnsRounded},
                     {QStringLiteral("length_m"), c.lengthM}};
    if (c.fitChecked) {
        lines << (c.fits ? QStringLiteral("A menetek elférnek (%1 kell).").arg(siText(c.neededLengthM, QStringLiteral("m")))
                         : c.message);
        json.insert(QStringLiteral("needed_length_m"), c.neededLengthM);
        json.insert(QStringLiteral("fits"), c.fits);
    }
    return done(lines, json);
}

Result wireCommand(const QStringList &args)
{
    Reader r(args, {QStringLiteral("--awg"), QStringLiteral("--d"), QStringLiteral("--area"), QStringLiteral("--density")});
    wire::Input in;
    const int given = int(r.has("--awg")) + int(r.has("--d")) + int(r.has("--area"));
    if (r.ok() && given != 1)
        r.fail(QStringLiteral("Pontosan egy kell az --awg, --d és --area közül (pl. --awg 22, --d 0,5m, --area 0,5)."));
    if (r.ok() && r.has("--awg")) {
        const std::optional<double> g = wire::gaugeFromText(r.text("--awg"));
        if (!g)
            r.fail(QStringLiteral("--awg %1: 0000 (4/0) és 40 közötti szám kell.").arg(r.text("--awg")));
        in.given = wire::Given::Gauge;
        in.value = g.value_or(0);
    } else if (r.has("--d")) {
        in.given = wire::Given::Diameter;
        in.value = r.value("--d", {});
    } else if (r.has("--area")) {
        // Square millimetres as written: a prefix letter would be ambiguous here.
        in.given = wire::Given::Area;
        QString a = r.text("--area");
        a.replace(QLatin1Char(','), QLatin1Char('.'));
        const std::optional<double> v = num::localeNumber(a, QLatin1Char('.'));
        if (r.ok() && (!v || !(*v > 0)))
            r.fail(QStringLiteral("--area %1: pozitív szám kell, mm²-ben.").arg(r.text("--area")));
        in.value = v.value_or(0);
    }
    if (r.ok() && r.has("--density")) {
        QString d = r.text("--density");
        d.replace(QLatin1Char(','), QLatin1Char('.'));
        const std::optional<double> v = num::localeNumber(d, QLatin1Char('.'));
        if (!v || !(*v > 0))
            r.fail(QStringLiteral("--density %1: pozitív szám kell, A/mm²-ben.").arg(r.text("--density")));
        in.densityAmm2 = v.value_or(0);
    }
    if (!r.noPositional())
        return r.error();
    const wire::Result w = wire::calculate(in);
    if (!w.ok())
        return refused(w);
    const QString name = wire::gaugeName(w.nearestGauge);
    return done({QStringLiteral("AWG %1").arg(name)
                     + (in.given == wire::Given::Gauge ? QString()
                                                       : QStringLiteral(" (pontosan %1)").arg(num::generalText(std::round(w.gauge * 100) / 100))),
                 QStringLiteral("Átmérő: %1 mm, keresztmetszet: %2 mm²")
                     .arg(num::generalText(std::round(w.diameterM * 1e7) / 1e4), num::generalText(std::round(w.areaMm2 * 1e4) / 1e4)),
                 QStringLiteral("Rézellenállás 20 °C-on: %1/m").arg(siText(w.ohmsPerM, kOhm)),
                 QStringLiteral("Terhelhetőség %1 A/mm² mellett: %2")
                     .arg(num::generalText(w.densityAmm2), siText(w.currentA, QStringLiteral("A")))},
                QJsonObject{{QStringLiteral("awg"), w.nearestGauge},
                            {QStringLiteral("awg_name"), name},
                            {QStringLiteral("awg_exact"), w.gauge},
                            {QStringLiteral("diameter_m"), w.diameterM},
                            {QStringLiteral("area_mm2"), w.areaMm2},
                            {QStringLiteral("ohms_per_m"), w.ohmsPerM},
                            {QStringLiteral("density_a_per_mm2"), w.densityAmm2},
                            {QStringLiteral("current_a"), w.currentA}});
}

} // namespace

void addBenchCalculatorCommands(Registry &registry)
{
    registry.push_back({QStringLiteral("eseries"), QStringLiteral("<ellenállás> [--series E24] [--max 3] [--count 10]"),
                        QStringLiteral("Szabványos értékek: 1-3 ellenállás sorosan, párhuzamosan, vegyesen a kívánt értékhez (4k1)"),
                        eseriesCommand});
    registry.push_back({QStringLiteral("ratio"),
                        QStringLiteral("--uin <V> --uout <V> [--series E24] [--total <ohm> | --current <A>]"),
                        QStringLiteral("Osztó ellenálláspár a kimenő feszültséghez; méret nélkül 1 kΩ - 1 MΩ összellenállás"),
                        ratioCommand});
    registry.push_back({QStringLiteral("led"),
                        QStringLiteral("--supply <V> --uf <V> --if <A> [--count 1] [--series E24]"),
                        QStringLiteral("LED előtét-ellenállás: pontos és szabványos érték, áram, disszipáció, terhelhetőség"),
                        ledCommand});
    registry.push_back({QStringLiteral("555"),
                        QStringLiteral("astable --r1 <ohm> --r2 <ohm> --c <F> | astable --f <Hz> --duty <%> [--series E24] | "
                                       "mono --r <ohm> --c <F>"),
                        QStringLiteral("555 időzítő: astabil, monostabil, és alkatrészek a frekvenciához és kitöltéshez"),
                        timerCommand});
    registry.push_back({QStringLiteral("regulator"),
                        QStringLiteral("--r1 <ohm> --r2 <ohm> | --uout <V> [--series E24] [--vref 1,25] [--iadj 50u] "
                                       "[--uin <V> --iload <A>] [--dropout 3]"),
                        QStringLiteral("LM317/LM337 szabályzó: kimenő feszültség, ellenálláspár, disszipáció "
                                       "(negatív feszültség: LM337)"),
                        regulatorCommand});
    registry.push_back({QStringLiteral("rc"), QStringLiteral("--r <ohm> | --c <F> | --f <Hz> (kettő)"),
                        QStringLiteral("RC tag: időállandó és határfrekvencia, kettőből a harmadik (--r 1k --c 100n)"), rcCommand});
    registry.push_back({QStringLiteral("reactance"), QStringLiteral("--x <ohm> | --f <Hz> | --c <F> vagy --l <H> (kettő)"),
                        QStringLiteral("Kapacitív és induktív reaktancia, kettőből a harmadik (--f 1k --c 100n)"),
                        reactanceCommand});
    registry.push_back({QStringLiteral("coil"), QStringLiteral("--d <m> (--len <m> | --wire <m>) (--n <menet> | --l <H>) [--wire <m>]"),
                        QStringLiteral("Egyrétegű légmagos tekercs (Wheeler): induktivitás vagy menetszám, elfér-e a huzal"),
                        coilCommand});
    registry.push_back({QStringLiteral("wire"), QStringLiteral("--awg <szám> | --d <m> | --area <mm²> [--density 2,5]"),
                        QStringLiteral("Huzal: AWG, átmérő, keresztmetszet, rézellenállás méterenként, terhelhetőség"),
                        wireCommand});
}

} // namespace cli
