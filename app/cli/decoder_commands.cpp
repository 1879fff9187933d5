// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_args.h"
#include "core/numbers.h"
#include "decoders/capcodes.h"
#include "decoders/smdcodes.h"

#include <QJsonObject>

namespace cli {
namespace {

QStringList lines(const QString &text) { return text.split(QStringLiteral("\r\n")); }

Result smd(const QStringList &args)
{
    QString code;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("az SMD ellenállás kódja (22A, D18, 103, 4R7, 1002)"),
                        &code, &error))
        return error;
    QJsonObject json{{QStringLiteral("code"), code.toUpper()}};

    // Three characters are read as the SMD window reads them (EIA-96) first.
    QStringList problems;
    smdcodes::ResistorResult eia;
    if (code.size() == 3)
        eia = smdcodes::decodeResistor(code, smdcodes::loadTables(&problems));
    // Digits, or digits with R as the decimal point: 103, 1002, 4R7.
    const smdcodes::ResistorResult digits = smdcodes::decodeDigitCode(code);
    if (!eia.known && !digits.known)
        return withWarnings(failed(notRecognised(QStringLiteral("%1: nem ismert!").arg(code)), json), problems);
    const smdcodes::ResistorResult &r = eia.known ? eia : digits;
    const auto kindOf = [](const smdcodes::ResistorResult &x, bool isEia) {
        return isEia ? QStringLiteral("EIA-96") : QStringLiteral("%1-digit").arg(x.code.size());
    };
    QStringList shown = lines(r.text);
    json.insert(QStringLiteral("kind"), kindOf(r, eia.known));
    json.insert(QStringLiteral("text"), shown.first().trimmed());
    json.insert(QStringLiteral("ohms"), r.ohms);
    if (shown.size() > 1)
        json.insert(QStringLiteral("tolerance"), shown.at(1));
    if (eia.known && digits.known) {
        // 22R, R47: R is a multiplier letter here and a decimal point there.
        shown << QStringLiteral("vagy (%1):%2").arg(kindOf(digits, false), digits.text);
        json.insert(QStringLiteral("alternative"),
                    QJsonObject{{QStringLiteral("kind"), kindOf(digits, false)},
                                {QStringLiteral("text"), digits.text.trimmed()},
                                {QStringLiteral("ohms"), digits.ohms}});
    }
    return withWarnings(done(shown, json), problems);
}

Result ceramic(const QStringList &args)
{
    QString code;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("a kerámia kondenzátor kódja (KA2, S3)"), &code, &error))
        return error;
    QJsonObject json{{QStringLiteral("code"), code}};
    QStringList problems;
    const smdcodes::Tables tables = smdcodes::loadTables(&problems);
    const std::optional<double> pf = smdcodes::ceramicPicofarads(code, tables);
    if (!pf)
        return withWarnings(failed(notRecognised(QStringLiteral("%1: nem ismert kerámia kód.").arg(code)), json),
                            problems);
    const QString text = smdcodes::decodeCeramic(code, tables);
    json.insert(QStringLiteral("text"), text);
    json.insert(QStringLiteral("picofarads"), *pf);
    return withWarnings(done({text}, json), problems);
}

Result elko(const QStringList &args)
{
    QString code;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("az elektrolit kondenzátor kódja (A475)"), &code, &error))
        return error;
    QJsonObject json{{QStringLiteral("code"), code}};
    const std::optional<double> pf = smdcodes::electrolyticPicofarads(code);
    if (!pf)
        return failed(notRecognised(QStringLiteral("%1: XXXX (nem ismert elektrolit kód)").arg(code)), json);
    const QString text = smdcodes::decodeElectrolytic(code);
    json.insert(QStringLiteral("text"), text);
    json.insert(QStringLiteral("picofarads"), *pf);
    json.insert(QStringLiteral("voltage"), smdcodes::voltageText(code.at(0)));
    return done({text}, json);
}

// The printed code of a disc capacitor: two digits, the number of zeros and
// an optional tolerance letter (154K).
Result cap(const QStringList &args)
{
    QString code;
    Result error;
    if (!singleArgument(parseArgs(args), QStringLiteral("a kondenzátor felirata (154K)"), &code, &error))
        return error;
    code = code.toUpper();
    QJsonObject json{{QStringLiteral("code"), code}};
    const Result unknown =
        failed(notRecognised(QStringLiteral("%1: nem ismert felirat (két számjegy, a nullák száma és "
                                            "a tolerancia betűje: E F G H J K M).")
                                 .arg(code)),
               json);
    if (code.size() < 3 || code.size() > 4)
        return unknown;
    for (int i = 0; i < 3; ++i)
        if (!code.at(i).isDigit() || code.at(i).unicode() > '9')
            return unknown;
    int letter = -1;
    if (code.size() == 4) {
        for (int i = 0; i < capcodes::kLetterCount; ++i)
            if (capcodes::toleranceLetter(i) == code.at(3))
                letter = i;
        if (letter < 0)
            return unknown;
    }
    const capcodes::ValueTexts v =
        capcodes::printedTexts(code.left(1), code.mid(1, 1), capcodes::zeros(code.at(2).digitValue()));
    QStringList shown{v.pF + QStringLiteral("pF"), v.nF + QStringLiteral("nF"), v.uF + QStringLiteral("uF")};
    json.insert(QStringLiteral("pF"), shown.at(0));
    json.insert(QStringLiteral("nF"), shown.at(1));
    json.insert(QStringLiteral("uF"), shown.at(2));
    json.insert(QStringLiteral("picofarads"), num::leadingNumber(v.pF));
    if (letter >= 0) {
        shown << capcodes::letterTolerance(letter) + QStringLiteral("%");
        json.insert(QStringLiteral("tolerance"), shown.last());
    }
    return done(shown, json);
}

} // namespace

void addDecoderCommands(Registry &registry)
{
    registry.push_back({QStringLiteral("smd"), QStringLiteral("<kód>"),
                        QStringLiteral("SMD ellenállás kódja: 22A, D18 (EIA-96), 103, 1002, 4R7 (R a tizedesvessző)"),
                        smd});
    registry.push_back({QStringLiteral("ceramic"), QStringLiteral("<kód>"),
                        QStringLiteral("SMD kerámia kondenzátor kódja (KA2, S3)"), ceramic});
    registry.push_back({QStringLiteral("elko"), QStringLiteral("<kód>"),
                        QStringLiteral("SMD elektrolit kondenzátor kódja (A475)"), elko});
    registry.push_back({QStringLiteral("cap"), QStringLiteral("<felirat>"),
                        QStringLiteral("Feliratos kondenzátor: két számjegy, a nullák száma, tolerancia betű (154K)"),
                        cap});
}

} // namespace cli
