// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_args.h"
#include "calculators/bdh_funkciok.h"
#include "calculators/mod_rlc.h"
#include "calculators/mod_trafo.h"
#include "calculators/oszt_calc.h"
#include "calculators/rezgokor_calc.h"
#include "core/numbers.h"

#include <QJsonArray>
#include <cmath>

namespace cli {
namespace {

const QString kColon = QStringLiteral(": ");

// The transformer: one VOLTS:AMPERES pair per secondary winding, read as the
// window reads its boxes (a comma taken as the decimal point).
Result trafo(const QStringList &args)
{
    const Args a = parseArgs(args);
    if (!a.error.isEmpty())
        return usageError(a.error);
    if (a.positional.isEmpty() || a.positional.size() > mod_trafo::kMaxWindings)
        return usageError(QStringLiteral("1-5 szekunder tekercs kell, mindegyik FESZÜLTSÉG:ÁRAM alakban (12V:2A)."));
    double U[mod_trafo::kMaxWindings + 1] = {};
    double I[mod_trafo::kMaxWindings + 1] = {};
    QJsonArray windings;
    for (qsizetype i = 0; i < a.positional.size(); ++i) {
        QString w = a.positional.at(i).trimmed();
        w.replace(QLatin1Char(','), QLatin1Char('.'));
        const QStringList parts = w.split(QLatin1Char(':'));
        if (parts.size() != 2 || parts.at(0).trimmed().isEmpty() || parts.at(1).trimmed().isEmpty())
            return usageError(QStringLiteral("%1: FESZÜLTSÉG:ÁRAM alakban add meg (12V:2A).").arg(a.positional.at(i)));
        U[i] = num::leadingNumber(parts.at(0));
        I[i] = num::leadingNumber(parts.at(1));
        if (!(U[i] > 0) || !(I[i] > 0) || !std::isfinite(U[i]) || !std::isfinite(I[i]))
            return usageError(QStringLiteral("%1: a feszültség és az áram pozitív szám legyen.").arg(a.positional.at(i)));
        windings.append(QJsonObject{{QStringLiteral("volts"), U[i]}, {QStringLiteral("amperes"), I[i]}});
    }

    mod_trafo::loadSettingsFile();
    const mod_trafo::Settings &s = mod_trafo::settings();
    const mod_trafo::Result r = mod_trafo::szamit(U, I, int(a.positional.size()) - 1, s.eta.value(), s.K);
    QJsonObject json{{QStringLiteral("core"), mod_trafo::coreLabel(s.K)},
                     {QStringLiteral("efficiency"), mod_trafo::efficiencyLabel(s.eta)},
                     {QStringLiteral("settingsFile"), mod_trafo::settingsFilePath()}};
    if (!r.valid)
        return failed(usageError(QStringLiteral("Ezekkel az adatokkal nem számolható (hatásfok: %1, vasmag: %2).")
                                     .arg(s.eta.display(), mod_trafo::coreLabel(s.K))),
                      json);

    // Each line is a frame of the window with its labels; the power label
    // brings its own leading blank.
    QStringList lines{mod_trafo::coreLabel(s.K), mod_trafo::efficiencyLabel(s.eta),
                      QStringLiteral("Vasmag keresztmetszet") + kColon + r.core,
                      QStringLiteral("Primer tekercs:") + r.power + QStringLiteral("  ") + r.primaryTurns
                          + QStringLiteral("  ") + r.primaryArea + QStringLiteral("  ") + r.primaryDiameter};
    for (int i = 0; i < r.windings; ++i) {
        const mod_trafo::WindingResult &w = r.secondary[size_t(i)];
        lines << QStringLiteral("%1. tekercs: %2  %3  %4").arg(i + 1).arg(w.turns, w.crossSection, w.diameter);
        QJsonObject o = windings.at(i).toObject();
        o.insert(QStringLiteral("turns"), w.turns);
        o.insert(QStringLiteral("crossSection"), w.crossSection);
        o.insert(QStringLiteral("diameter"), w.diameter);
        o.insert(QStringLiteral("turnCount"), num::leadingNumber(w.turns));
        windings[i] = o;
    }
    json.insert(QStringLiteral("power"), r.power);
    json.insert(QStringLiteral("voltAmperes"), num::leadingNumber(r.power));
    json.insert(QStringLiteral("coreArea"), r.core);
    json.insert(QStringLiteral("coreSquareCm"), num::leadingNumber(r.core));
    json.insert(QStringLiteral("primary"),
                QJsonObject{{QStringLiteral("turns"), r.primaryTurns},
                            {QStringLiteral("turnCount"), num::leadingNumber(r.primaryTurns)},
                            {QStringLiteral("crossSection"), r.primaryArea},
                            {QStringLiteral("diameter"), r.primaryDiameter}});
    json.insert(QStringLiteral("secondary"), windings);
    return done(lines, json);
}

// LC resonance: two of --L, --C, --f give the third and the impedance.
Result lc(const QStringList &args)
{
    const QStringList options{QStringLiteral("--C"), QStringLiteral("--L"), QStringLiteral("--f")};
    const Args a = parseArgs(args, options);
    if (!a.error.isEmpty())
        return usageError(a.error);
    if (!a.positional.isEmpty())
        return usageError(QStringLiteral("Fölösleges argumentum: %1").arg(a.positional.first()));
    if (a.options.size() == 3)
        return usageError(QStringLiteral("Max 2 adatot válassz!"));
    if (a.options.size() != 2)
        return usageError(QStringLiteral("Kettő kell a --L, --C és --f közül (pl. --L 10u --C 100n)."));

    // Rows in the window's order: capacitance, inductance, frequency.
    const int column[3] = {mod_RLC::Farad, mod_RLC::Henry, mod_RLC::Hertz};
    const char *const caption[3] = {"Kapacitás", "Induktivitás", "Frekvencia"};
    const char *const key[3] = {"capacitance", "inductance", "frequency"};
    const QStringList units[3] = {{QStringLiteral("F")}, {QStringLiteral("H")}, {QStringLiteral("Hz")}};
    bool ticked[3] = {};
    double value[3] = {};
    for (int r = 0; r < 3; ++r) {
        if (!a.options.contains(options.at(r)))
            continue;
        const QString text = a.options.value(options.at(r));
        const std::optional<mod_RLC::Typed> t = mod_RLC::readPrefixed(text, units[r]);
        if (!t)
            return usageError(QStringLiteral("%1 %2: nem szám, vagy túl nagy (pl. 10u, 4,7n, 100k).").arg(options.at(r), text));
        if (!(t->value > 0))
            return usageError(QStringLiteral("%1 %2: pozitív érték kell.").arg(options.at(r), text));
        ticked[r] = true;
        value[r] = t->value;
    }
    const rezgokor::Outcome out = rezgokor::calculate(ticked, value);
    if (out.hiba)
        return usageError(QStringLiteral("HIBA!!!!"));
    QStringList lines;
    QJsonObject json;
    for (int r = 0; r < 3; ++r) {
        const std::optional<rezgokor::Shown> shown = rezgokor::shownValue(out.value[r]);
        if (!shown || (!ticked[r] && !out.derived[r]))
            return usageError(QStringLiteral("Az eredmény kívül esik a számolható tartományon."));
        const QString unit = mod_RLC::unitSymbol(shown->prefix, column[r]).trimmed();
        lines << QString::fromUtf8(caption[r]) + kColon + shown->number + QLatin1Char(' ') + unit;
        json.insert(QLatin1String(key[r]), QJsonObject{{QStringLiteral("text"), shown->number + QLatin1Char(' ') + unit},
                                                       {QStringLiteral("value"), out.value[r]},
                                                       {QStringLiteral("computed"), out.derived[r]}});
    }
    if (out.impedance) {
        lines << rezgokor::impedanceText(*out.impedance);
        json.insert(QStringLiteral("impedance"), lines.last());
        json.insert(QStringLiteral("ohms"), *out.impedance);
    }
    return done(lines, json);
}

// A plain number as the calculators take it: the decimal comma or point.
std::optional<double> plainNumber(const QString &text)
{
    QString s = text.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return num::localeNumber(s, QLatin1Char('.'));
}

Result db(const QStringList &args)
{
    QString text;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("a decibel érték (20)"), &text, &error))
        return error;
    const std::optional<double> d = plainNumber(text);
    if (!d)
        return usageError(QStringLiteral("%1: nem szám, vagy túl nagy.").arg(text));
    const QString shown = rezgokor::gainText(*d);
    if (shown.isEmpty())
        return usageError(QStringLiteral("%1 dB: az erősítés kívül esik a számolható tartományon.").arg(text));
    return done({QStringLiteral("Decibelből - Erősítés ") + shown},
                QJsonObject{{QStringLiteral("decibels"), *d},
                            {QStringLiteral("text"), shown},
                            {QStringLiteral("gain"), rezgokor::dbToGain(*d)}});
}

Result gain(const QStringList &args)
{
    QString text;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("a feszültségerősítés (10)"), &text, &error))
        return error;
    const std::optional<double> au = plainNumber(text);
    if (!au)
        return usageError(QStringLiteral("%1: nem szám, vagy túl nagy.").arg(text));
    const QString shown = rezgokor::decibelText(*au);
    if (shown.isEmpty())
        return usageError(QStringLiteral("%1: az erősítés pozitív szám legyen.").arg(text));
    return done({QStringLiteral("Erősítésből - Decibel ") + shown},
                QJsonObject{{QStringLiteral("gain"), *au},
                            {QStringLiteral("text"), shown},
                            {QStringLiteral("decibels"), rezgokor::gainToDb(*au)}});
}

// NAME=VALUE arguments of the divider and the parallel pair; a value may
// carry a prefix (10k, 4k7, 470m).
bool namedValues(const QStringList &positional, const QStringList &names, const QStringList &units,
                 double *values, bool *given, Result *error)
{
    for (const QString &arg : positional) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = arg.left(eq).trimmed().toUpper();
        const int row = int(names.indexOf(name));
        if (eq < 0 || row < 0) {
            *error = usageError(QStringLiteral("%1: NÉV=ÉRTÉK alakban add meg (%2).").arg(arg, names.join(QStringLiteral(", "))));
            return false;
        }
        if (given[row]) {
            *error = usageError(QStringLiteral("%1 kétszer szerepel.").arg(names.at(row)));
            return false;
        }
        const QString text = arg.mid(eq + 1).trimmed();
        const std::optional<mod_RLC::Typed> t = mod_RLC::readPrefixed(text, {units.at(row)});
        if (!t || !(t->value > 0)) {
            *error = usageError(QStringLiteral("%1: pozitív szám kell (pl. 12, 4,7k, 4k7).").arg(arg));
            return false;
        }
        values[row] = t->value;
        given[row] = true;
    }
    return true;
}

int missingRow(const bool *given, int n)
{
    int missing = -1;
    for (int i = 0; i < n; ++i)
        if (!given[i])
            missing = missing < 0 ? i : n;
    return missing;
}

Result divider(const QStringList &args)
{
    const Args a = parseArgs(args);
    if (!a.error.isEmpty())
        return usageError(a.error);
    const QStringList names{QStringLiteral("U1"), QStringLiteral("R1"), QStringLiteral("U2"), QStringLiteral("R2")};
    const QStringList units{QStringLiteral("V"), QStringLiteral("ohm"), QStringLiteral("V"), QStringLiteral("ohm")};
    double values[4] = {};
    bool given[4] = {};
    Result error;
    if (!namedValues(a.positional, names, units, values, given, &error))
        return error;
    const int sought = missingRow(given, 4);
    if (sought < 0 || sought >= 4)
        return usageError(QStringLiteral("Pontosan hármat adj meg: U1, R1, U2, R2 (pl. U1=12 U2=5 R2=10k)."));
    const oszt::DividerOutcome out = oszt::divider(sought, values);
    if (out.status != oszt::Status::Shown)
        return usageError(QStringLiteral("HIBA!!!!!!"));
    const QString soughtText = names.at(sought) + QStringLiteral("= ") + num::generalText(out.soughtScaled.mantissa)
                               + QLatin1Char(' ') + oszt::dividerUnitLabel(sought, out.soughtScaled.exponent).trimmed();
    const QStringList lines{soughtText, out.current, out.powerR1, out.powerR2, out.ratio, out.decibel};
    return done(lines, QJsonObject{{QStringLiteral("sought"), names.at(sought)},
                                   {QStringLiteral("text"), soughtText},
                                   {QStringLiteral("value"), out.sought},
                                   {QStringLiteral("current"), out.current},
                                   {QStringLiteral("powerR1"), out.powerR1},
                                   {QStringLiteral("powerR2"), out.powerR2},
                                   {QStringLiteral("ratio"), out.ratio},
                                   {QStringLiteral("decibel"), out.decibel}});
}

// Two resistors in parallel: "10k 4k7" gives RE; R1=, R2=, RE= seek the missing one.
Result parallel(const QStringList &args)
{
    const Args a = parseArgs(args);
    if (!a.error.isEmpty())
        return usageError(a.error);
    const QStringList names{QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("RE")};
    QStringList positional = a.positional;
    if (positional.size() == 2 && !positional.at(0).contains(QLatin1Char('='))
        && !positional.at(1).contains(QLatin1Char('=')))
        positional = {QStringLiteral("R1=") + positional.at(0), QStringLiteral("R2=") + positional.at(1)};
    double values[3] = {};
    bool given[3] = {};
    Result error;
    if (!namedValues(positional, names, {QStringLiteral("ohm"), QStringLiteral("ohm"), QStringLiteral("ohm")}, values,
                     given, &error))
        return error;
    const int sought = missingRow(given, 3);
    if (sought < 0 || sought >= 3)
        return usageError(QStringLiteral("Két ellenállás kell (pl. 10k 4k7), vagy kettő a R1=, R2=, RE= közül."));
    const oszt::ParallelOutcome out = oszt::parallel(sought, values);
    if (out.status != oszt::Status::Shown)
        return usageError(QStringLiteral("HIBA !!!!!!"));
    const QString text = names.at(sought) + QStringLiteral("= ") + num::generalText(out.soughtScaled.mantissa)
                         + QLatin1Char(' ') + oszt::parallelUnitLabel(out.soughtScaled.exponent).trimmed();
    return done({text}, QJsonObject{{QStringLiteral("sought"), names.at(sought)},
                                    {QStringLiteral("text"), text},
                                    {QStringLiteral("ohms"), out.sought}});
}

Result base(const QStringList &args)
{
    const Args a = parseArgs(args, {QStringLiteral("--from")});
    QString text;
    Result error;
    if (!singleArgument(a, QStringLiteral("a szám"), &text, &error))
        return error;
    const QString from = a.options.value(QStringLiteral("--from"), QStringLiteral("dec")).toLower();
    const QStringList notations{QStringLiteral("bin"), QStringLiteral("dec"), QStringLiteral("hex")};
    const int n = int(notations.indexOf(from));
    if (n < 0)
        return usageError(QStringLiteral("--from %1: bin, dec vagy hex lehet.").arg(from));
    const BDH_Funkciók::Conversion c = BDH_Funkciók::convert(BDH_Funkciók::Notation(n), text);
    const bool converted = !c.bin.isEmpty() || !c.dec.isEmpty() || !c.hex.isEmpty();
    if (c.error && !converted)
        return usageError(c.message);
    Result r = c.error ? usageError(c.message) : Result();
    // A character error still shows what the window shows beside its error line.
    r.lines = QStringList{QStringLiteral("Bináris: ") + c.bin, QStringLiteral("Decimális: ") + c.dec.trimmed(),
                          QStringLiteral("Hexadecimális: ") + c.hex};
    r.json = QJsonObject{{QStringLiteral("from"), from},
                         {QStringLiteral("bin"), c.bin},
                         {QStringLiteral("dec"), c.dec.trimmed()},
                         {QStringLiteral("hex"), c.hex}};
    return r;
}

} // namespace

void addCalculatorCommands(Registry &registry)
{
    registry.push_back({QStringLiteral("trafo"), QStringLiteral("<U:I> [<U:I> ...]"),
                        QStringLiteral("Transzformátor 1-5 szekunder tekerccsel (12V:2A 6V:0.5A), a trafo.ini beállításaival"),
                        trafo});
    registry.push_back({QStringLiteral("lc"), QStringLiteral("--L <érték> | --C <érték> | --f <érték> (kettő)"),
                        QStringLiteral("Párhuzamos rezgőkör: kettőből a harmadik és az impedancia (--L 10u --C 100n)"), lc});
    registry.push_back({QStringLiteral("db"), QStringLiteral("<dB>"), QStringLiteral("Decibelből - Erősítés"), db});
    registry.push_back({QStringLiteral("gain"), QStringLiteral("<Au>"), QStringLiteral("Erősítésből - Decibel"), gain});
    registry.push_back({QStringLiteral("divider"), QStringLiteral("U1=<V> R1=<ohm> U2=<V> R2=<ohm> (hármat)"),
                        QStringLiteral("Terheletlen feszültségosztó (U1=12 U2=5 R2=10k)"), divider});
    registry.push_back({QStringLiteral("parallel"), QStringLiteral("<R1> <R2> | R1=.. R2=.. RE=.. (kettőt)"),
                        QStringLiteral("Két párhuzamos ellenállás (10k 4k7)"), parallel});
    registry.push_back({QStringLiteral("base"), QStringLiteral("<szám> [--from bin|dec|hex]"),
                        QStringLiteral("Bináris, decimális és hexadecimális átváltás (ff --from hex)"), base});
}

} // namespace cli
