// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_args.h"
#include "catalogs/dictionary.h"
#include "catalogs/diodetable.h"
#include "catalogs/module1.h"
#include "catalogs/smdcatalog.h"
#include "catalogs/smdlink.h"
#include "core/search.h"
#include "core/userdata.h"

#include <QJsonArray>

namespace cli {
namespace {

const QString kSeparator = QStringLiteral(" | ");

// The search text of a catalog: as the windows, from two characters on.
bool searchText(const Args &a, const QString &what, QString *text, Result *error)
{
    if (!singleArgument(a, what, text, error))
        return false;
    if (text->size() < search::kMinChars) {
        *error = usageError(QStringLiteral("Legalább %1 karakter kell a kereséshez.").arg(search::kMinChars));
        return false;
    }
    return true;
}

// A user's own record ends its line with the windows' mark and says so in
// its JSON object.
QString marked(const QString &line, bool own, QJsonObject *json)
{
    json->insert(QStringLiteral("own"), own);
    return own ? userdata::marked(line) : line;
}

Result nothingFound(const QString &text, const QJsonObject &json)
{
    return failed(notRecognised(QStringLiteral("Nincs találat: %1").arg(text)), json);
}

// The types of a catalog whose names hold text, a line and a JSON object each.
template<typename Table, typename AddMatch>
Result listMatches(const Table &table, const QString &text, QJsonObject json, AddMatch addMatch)
{
    std::vector<int> slots;
    table.findTypes(text, &slots);
    if (slots.empty())
        return nothingFound(text, json);
    QStringList lines;
    QJsonArray matches;
    for (int slot : slots)
        addMatch(slot, &lines, &matches);
    json.insert(QStringLiteral("matches"), matches);
    return done(lines, json);
}

// One transistor on one line: the details panel's texts, the structure after
// the material, and only the fields the record has.
QString transistorLine(const Transistor_Record &rec)
{
    const std::array<QString, kTransistorDetails> details = Transistor_Details(rec);
    QStringList parts{details[0]};
    for (const QString &s : {rec.field[1], rec.field[2]})
        if (!s.isEmpty())
            parts << s;
    const Transistor_Kind kind = Transistor_KindOf(rec.field[2]);
    for (int i = 2; i < 17; ++i)
        if (!rec.field[size_t(Transistor_DetailField(i, kind))].isEmpty())
            parts << details[size_t(i)];
    return parts.join(kSeparator);
}

QJsonObject transistorJson(const Transistor_Record &rec)
{
    static const char *const keys[kTransistorFields] = {
        "type",  "material", "structure", "power",  "ucb",         "uce",    "ueb",
        "ic",    "tj",       "ft",        "cc",     "hfe",         "maker",  "package",
        "usage", "europe",   "usa",       "russia", "japan"};
    QJsonObject o;
    for (int f = 0; f < kTransistorFields; ++f)
        o.insert(QLatin1String(keys[f]), rec.field[size_t(f)]);
    o.insert(QStringLiteral("text"), transistorLine(rec));
    return o;
}

// Loads the transistor catalog; false with the reason when it holds nothing.
// A damaged catalog that still holds records adds the window's message to
// warnings.
bool loadTransistors(QString *problem, QStringList *warnings)
{
    const Transistor_LoadReport report = Load_Transistor_Data();
    if (Transistor_Table_Instance().size() > 0) {
        if (!report.ok())
            *warnings << report.message();
        return true;
    }
    *problem = report.ok() ? QStringLiteral("A tranzisztor katalógus üres.") : report.message();
    return false;
}

Result transistor(const QStringList &args)
{
    QString text;
    Result error;
    if (!searchText(parseArgs(args), QStringLiteral("a típusnév része (BC54)"), &text, &error))
        return error;
    QJsonObject json{{QStringLiteral("search"), text}};
    QString problem;
    QStringList warnings;
    if (!loadTransistors(&problem, &warnings))
        return failed(notRecognised(problem), json);
    const Transistor_Table &table = Transistor_Table_Instance();
    return withWarnings(listMatches(table, text, json, [&](int slot, QStringList *lines, QJsonArray *matches) {
        const Transistor_Record rec = table.record(slot);
        QJsonObject o = transistorJson(rec);
        *lines << marked(transistorLine(rec), table.isOwn(slot), &o);
        matches->append(o);
    }), warnings);
}

Result diode(const QStringList &args)
{
    QString text;
    Result error;
    if (!searchText(parseArgs(args), QStringLiteral("a típusnév része (1N40)"), &text, &error))
        return error;
    QJsonObject json{{QStringLiteral("search"), text}};
    Diode_Table table;
    const Diode_LoadReport report = Load_Diode_Data(&table);
    if (!report.ok && table.size() == 0)
        return failed(notRecognised(report.message()), json);
    return withWarnings(listMatches(table, text, json, [&](int slot, QStringList *lines, QJsonArray *matches) {
        const Diode_Record &d = table.record(slot);
        QJsonObject o{{QStringLiteral("type"), d.type}, {QStringLiteral("data"), d.data}};
        *lines << marked(d.type + kSeparator + d.data, table.isOwn(slot), &o);
        matches->append(o);
    }), {report.message()});
}

// A marking code to its devices, and each base type to its ratings in the
// transistor catalog when the catalog holds it.
Result smdcode(const QStringList &args)
{
    QString code;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("az SMD jelölőkód (1A)"), &code, &error))
        return error;
    QJsonObject json{{QStringLiteral("code"), code}};
    QStringList problems;
    const std::vector<Smd_Maker> makers = Load_Smd_Makers(&problems);
    int shipped = 0;
    const std::vector<Smd_Record> records = Load_Smd_Codes(&problems, &shipped);
    if (records.empty())
        return failed(notRecognised(problems.isEmpty() ? QStringLiteral("Az SMD kódkatalógus üres.")
                                                       : problems.join(QLatin1Char(' '))),
                      json);
    bool exact = false;
    const std::vector<int> found = Find_Smd_Codes(records, code, &exact);
    if (found.empty())
        return withWarnings(nothingFound(code, json), problems);

    QString problem;
    const bool haveTransistors = loadTransistors(&problem, &problems);
    const Transistor_Table &table = Transistor_Table_Instance();
    QStringList lines;
    QStringList bases;
    QJsonArray matches;
    QJsonArray baseTypes;
    for (int i : found) {
        const Smd_Record &r = records[size_t(i)];
        const QStringList details = Smd_Details(r, makers);
        QJsonObject m{{QStringLiteral("code"), r[0]},  {QStringLiteral("device"), r[1]},
                      {QStringLiteral("maker"), Maker_Name(makers, r[2])}, {QStringLiteral("base"), r[3]},
                      {QStringLiteral("package"), r[4]}, {QStringLiteral("data"), r[5]},
                      {QStringLiteral("text"), details.join(kSeparator)}};
        lines << marked(details.join(kSeparator), i >= shipped, &m);
        matches.append(m);
        if (!r[3].isEmpty() && !bases.contains(r[3], Qt::CaseInsensitive))
            bases << r[3];
    }
    for (const QString &base : bases) {
        // The same match as the SMD window's jump to the catalog.
        const std::optional<Transistor_Match> match =
            haveTransistors ? Find_Transistor_Type(table, base) : std::nullopt;
        QJsonObject b{{QStringLiteral("type"), base}, {QStringLiteral("inCatalog"), bool(match)}};
        if (match) {
            b.insert(QStringLiteral("catalogType"), match->type);
            const Transistor_Record rec = table.record(match->slot);
            QJsonObject ratings = transistorJson(rec);
            lines << QStringLiteral("Alap: ") + marked(transistorLine(rec), table.isOwn(match->slot), &ratings);
            b.insert(QStringLiteral("ratings"), ratings);
        }
        baseTypes.append(b);
    }
    json.insert(QStringLiteral("exact"), exact);
    json.insert(QStringLiteral("matches"), matches);
    json.insert(QStringLiteral("baseTypes"), baseTypes);
    return withWarnings(done(lines, json), problems);
}

Result dict(const QStringList &args)
{
    const Args a = parseArgs(args, {QStringLiteral("--lang")});
    QString text;
    Result error;
    if (!searchText(a, QStringLiteral("a keresett szó része (kondenzátor)"), &text, &error))
        return error;
    const QString lang = a.options.value(QStringLiteral("--lang"), QStringLiteral("hu")).toLower();
    const QStringList langs{QStringLiteral("hu"), QStringLiteral("en"), QStringLiteral("de")};
    const int language = int(langs.indexOf(lang));
    if (language < 0)
        return usageError(QStringLiteral("--lang %1: hu, en vagy de lehet.").arg(lang));
    QJsonObject json{{QStringLiteral("search"), text}, {QStringLiteral("lang"), lang}};
    Dictionary_Table table;
    const Dictionary_LoadReport report = Load_Dictionary_Data(&table);
    if (!report.ok && table.size() == 0)
        return failed(notRecognised(report.message()), json);
    const QStringList warnings{report.message()};
    std::vector<int> matchNo;
    if (table.match(language, text, &matchNo) == 0)
        return withWarnings(nothingFound(text, json), warnings);
    // Listed as the window lists them: in Hungarian alphabetical order, the
    // user's own entries after the shipped ones.
    QStringList lines;
    QJsonArray matches;
    for (int row : table.order(0)) {
        if (matchNo[size_t(row)] == 0)
            continue;
        const Dictionary_Entry &e = table.entry(row);
        QJsonObject o{{QStringLiteral("hu"), e.term[0]}, {QStringLiteral("en"), e.term[1]},
                      {QStringLiteral("de"), e.term[2]}};
        lines << marked(QStringList{e.term[0], e.term[1], e.term[2]}.join(kSeparator), table.isOwn(row), &o);
        matches.append(o);
    }
    json.insert(QStringLiteral("matches"), matches);
    return withWarnings(done(lines, json), warnings);
}

} // namespace

void addCatalogCommands(Registry &registry)
{
    registry.push_back({QStringLiteral("transistor"), QStringLiteral("<típusnév része>"),
                        QStringLiteral("Tranzisztor katalógus: minden típus, amelynek nevében szerepel (BC54)"),
                        transistor});
    registry.push_back({QStringLiteral("diode"), QStringLiteral("<típusnév része>"),
                        QStringLiteral("Dióda katalógus (1N40)"), diode});
    registry.push_back({QStringLiteral("smdcode"), QStringLiteral("<kód>"),
                        QStringLiteral("SMD aktív alkatrész jelölőkódja, az alaptípus adataival (1A)"), smdcode});
    registry.push_back({QStringLiteral("dict"), QStringLiteral("<szó része> [--lang hu|en|de]"),
                        QStringLiteral("Műszaki szótár (kondenzátor)"), dict});
}

} // namespace cli
