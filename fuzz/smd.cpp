// SMD readers and decoders: catalog lines split into fields that join back
// into the line; the code decoders, over the shipped tables and over tables
// read from the input, never show an infinite or undefined number.
#include "catalogs/smdcatalog.h"
#include "core/textfile.h"
#include "decoders/smdcodes.h"
#include "fuzz/fuzzcheck.h"

#include <QFile>

#include <cmath>

namespace {

QString shipped(const char *name)
{
    QFile f(QStringLiteral(KONDRIX_FUZZ_DATA "/SMD/") + QString::fromUtf8(name));
    return f.open(QIODevice::ReadOnly) ? textfile::decode(f.readAll()) : QString();
}

const smdcodes::Tables &shippedTables()
{
    static const smdcodes::Tables t = [] {
        smdcodes::Tables t;
        t.onePercent = smdcodes::readPairs(shipped("!smd_1.txt"));
        t.twoFive = smdcodes::readPairs(shipped("!smd_2_5.txt"));
        t.multipliers = smdcodes::readMultipliers(shipped("!smd_szorzo.txt"));
        t.ceramic = smdcodes::readPairs(shipped("!smd_keramia.txt"));
        FUZZ_CHECK(!t.onePercent.empty() && !t.multipliers.empty() && !t.ceramic.empty());
        return t;
    }();
    return t;
}

bool spellsNonFinite(const QString &s)
{
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

void checkDecoders(const QString &typed, const smdcodes::Tables &t)
{
    const smdcodes::ResistorResult r = smdcodes::decodeResistor(typed, t);
    FUZZ_CHECK(!r.known || !spellsNonFinite(r.text));
    FUZZ_CHECK(!spellsNonFinite(smdcodes::decodeCeramic(typed, t)));
    FUZZ_CHECK(!spellsNonFinite(smdcodes::decodeElectrolytic(typed)));
    const smdcodes::ResistorResult d = smdcodes::decodeDigitCode(typed);
    FUZZ_CHECK(!d.known || (std::isfinite(d.ohms) && d.ohms >= 0 && !spellsNonFinite(d.text)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textfile::decode(fuzzBytes(data, size));

    const std::vector<Smd_Record> records = Read_Smd_Codes(text);
    const QStringList lines = textfile::splitLines(text);
    FUZZ_CHECK(records.size() == size_t(lines.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        const Smd_Record &r = records[i];
        const QString &line = lines[qsizetype(i)];
        const int commas = int(std::min<qsizetype>(line.count(u','), kSmdFields - 1));
        QStringList parts;
        for (int f = 0; f < commas; ++f) {
            FUZZ_CHECK(!r[size_t(f)].contains(u','));
            parts << r[size_t(f)];
        }
        for (int f = commas; f < kSmdFields - 1; ++f)
            FUZZ_CHECK(r[size_t(f)].isEmpty());
        parts << r[kSmdFields - 1];
        FUZZ_CHECK(parts.join(u',') == line);
    }

    const std::vector<Smd_Maker> makers = Read_Smd_Makers(text);
    if (!makers.empty())
        FUZZ_CHECK(Maker_Name(makers, makers.front().code) == makers.front().name);

    // Short typed codes against the shipped tables; the whole input as tables.
    checkDecoders(text.left(6), shippedTables());
    smdcodes::Tables t;
    t.onePercent = smdcodes::readPairs(text);
    t.twoFive = t.onePercent;
    t.ceramic = t.onePercent;
    t.multipliers = smdcodes::readMultipliers(text);
    for (const QString &typed : {QStringLiteral("01A"), QStringLiteral("A01"), QStringLiteral("A3"),
                                 QStringLiteral("e106"), text.left(4)})
        checkDecoders(typed, t);
    return 0;
}
