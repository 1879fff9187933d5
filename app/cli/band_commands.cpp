// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli.h"

#include "decoders/bandreading.h"
#include "decoders/mod_r.h"

#include <QJsonArray>

namespace cli {
namespace {

QJsonArray englishNames(const QVector<int> &colours)
{
    QJsonArray a;
    for (int c : colours)
        a.append(bands::englishName(c));
    return a;
}

QJsonArray hungarianNames(const QVector<int> &colours)
{
    QJsonArray a;
    for (int c : colours)
        a.append(bands::hungarianName(c));
    return a;
}

QString joinedNames(const QVector<int> &colours)
{
    QStringList names;
    for (int c : colours)
        names << bands::hungarianName(c);
    return names.join(QStringLiteral(", "));
}

// The resistance alone, in the windows' form ("4,7 k-ohm"): their value text
// with black's empty tolerance.
QString ohmsText(double ohms)
{
    return mod_R::valueText(ohms, 0).value_or(QString()).trimmed();
}

QString seriesMark(const bands::Reading &r)
{
    if (!r.series)
        return QStringLiteral("ehhez a tűréshez nincs E-sor");
    const QString name = bands::seriesName(*r.series);
    return r.inSeries ? QStringLiteral("%1 sorbeli érték").arg(name)
                      : QStringLiteral("nem %1 sorbeli érték").arg(name);
}

Result readColours(const QVector<int> &colours)
{
    const QVector<bands::Reading> readings = bands::readBands(colours);
    Result r;
    r.json.insert(QStringLiteral("colours"), englishNames(colours));
    QJsonArray list;
    for (const bands::Reading &reading : readings) {
        QJsonObject o;
        o.insert(QStringLiteral("colours"), englishNames(reading.colours));
        o.insert(QStringLiteral("names"), hungarianNames(reading.colours));
        o.insert(QStringLiteral("reversed"), reading.reversed);
        o.insert(QStringLiteral("ohms"), reading.ohms);
        o.insert(QStringLiteral("value"), reading.valueText);
        o.insert(QStringLiteral("tolerance"), reading.tolerance);
        o.insert(QStringLiteral("series"), reading.series ? QJsonValue(bands::seriesName(*reading.series))
                                                          : QJsonValue());
        o.insert(QStringLiteral("inSeries"), reading.inSeries);
        list.append(o);
    }
    r.json.insert(QStringLiteral("readings"), list);
    if (readings.isEmpty()) {
        r.code = NotRecognised;
        r.message = QStringLiteral("Egyik irányból olvasva sem érvényes színkód: számjegy helyén "
                                   "számjegy színe, a szorzó helyén szorzó, a végén tűrés színe kell.");
        return r;
    }
    const bands::Reading &best = readings.first();
    r.json.insert(QStringLiteral("value"), best.valueText);
    r.json.insert(QStringLiteral("ohms"), best.ohms);
    r.json.insert(QStringLiteral("tolerance"), best.tolerance);
    r.lines << best.valueText;
    for (int i = 0; i < readings.size(); ++i) {
        const bands::Reading &reading = readings[i];
        r.lines << QStringLiteral("%1. %2%3: %4 (%5)")
                       .arg(i + 1)
                       .arg(joinedNames(reading.colours),
                            reading.reversed ? QStringLiteral(" (fordítva olvasva)") : QString(),
                            reading.valueText, seriesMark(reading));
    }
    return r;
}

Result colourCode(double ohms)
{
    Result r;
    const QString value = ohmsText(ohms);
    r.json.insert(QStringLiteral("value"), value);
    r.json.insert(QStringLiteral("ohms"), ohms);
    r.lines << value;
    QJsonArray series;
    QStringList seriesNames;
    for (int s = int(bands::Series::E6); s <= int(bands::Series::E192); ++s)
        if (bands::inSeries(ohms, bands::Series(s))) {
            series.append(bands::seriesName(bands::Series(s)));
            seriesNames << bands::seriesName(bands::Series(s));
        }
    r.json.insert(QStringLiteral("series"), series);
    bool any = false;
    QStringList messages;
    for (int digits : {2, 3}) {
        const bands::BandCode code = bands::valueToBands(ohms, digits);
        const int count = digits + 2;
        QJsonObject o;
        if (code.colours.isEmpty()) {
            o.insert(QStringLiteral("message"), code.message);
            r.lines << QStringLiteral("%1 sáv: %2").arg(count).arg(code.message);
            messages << code.message;
        } else {
            any = true;
            o.insert(QStringLiteral("colours"), englishNames(code.colours));
            o.insert(QStringLiteral("names"), hungarianNames(code.colours));
            r.lines << QStringLiteral("%1 sáv: %2 + tűréssáv").arg(count).arg(joinedNames(code.colours));
        }
        r.json.insert(count == 4 ? QStringLiteral("fourBand") : QStringLiteral("fiveBand"), o);
    }
    if (!seriesNames.isEmpty())
        r.lines << QStringLiteral("E-sor: %1").arg(seriesNames.join(QStringLiteral(", ")));
    if (!any) {
        r.code = NotRecognised;
        messages.removeDuplicates();
        r.message = messages.join(QLatin1Char('\n'));
    }
    return r;
}

Result runBands(const QStringList &args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("Adj meg négy vagy öt színt, vagy egy értéket (pl. 4,7k)."));
    QStringList words;
    for (const QString &a : args) {
        if (a.trimmed().isEmpty())
            return usageError(QStringLiteral("Üres argumentum."));
        words << a.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    QVector<int> colours;
    QString unknown;
    for (const QString &w : words) {
        const std::optional<int> c = bands::colourFromName(w);
        if (!c) {
            unknown = w;
            break;
        }
        colours << *c;
    }
    // One word that is no colour (or a bare number such as 470): a value.
    if (words.size() == 1 || !unknown.isEmpty()) {
        const std::optional<double> ohms = bands::parseValueText(args.join(QLatin1Char(' ')));
        if (ohms)
            return colourCode(*ohms);
        if (words.size() == 1 && !unknown.isEmpty())
            return usageError(QStringLiteral("Nem értelmezhető érték vagy szín: %1").arg(unknown));
        if (!unknown.isEmpty())
            return usageError(QStringLiteral("Ismeretlen szín: %1").arg(unknown));
    }
    if (colours.size() != 4 && colours.size() != 5)
        return usageError(QStringLiteral("Négy vagy öt szín kell, nem %1.").arg(colours.size()));
    return readColours(colours);
}

} // namespace

void addBandCommands(Registry &registry)
{
    registry.push_back(Command{
        QStringLiteral("bands"),
        QStringLiteral("<4 vagy 5 szín> | <érték>"),
        QStringLiteral("Ellenállás színkód mindkét irányból olvasva (pl. bands sárga ibolya vörös arany), "
                       "vagy érték színekre (pl. bands 4,7k)."),
        runBands});
}

} // namespace cli
