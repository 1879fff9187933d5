// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/manpage.h"

#include <QHash>

#ifndef KONDRIX_RELEASE_DATE
#define KONDRIX_RELEASE_DATE ""
#endif

namespace cli {
namespace {

// English lines for the page; a command missing here keeps its Hungarian
// line there rather than being left out.
const QHash<QString, QString> &englishSummaries()
{
    static const QHash<QString, QString> s{
        {QStringLiteral("bands"), QStringLiteral("Resistor colour bands, read from either end (bands yellow violet red gold), "
                                                 "or a value to its colours (bands 4k7). Hungarian colour names and digits work too.")},
        {QStringLiteral("smd"), QStringLiteral("SMD resistor code: 22A, D18 (EIA-96), 103, 1002, 4R7 (R is the decimal point)")},
        {QStringLiteral("ceramic"), QStringLiteral("SMD ceramic capacitor code (KA2, S3)")},
        {QStringLiteral("elko"), QStringLiteral("SMD electrolytic capacitor code (A475)")},
        {QStringLiteral("cap"), QStringLiteral("Printed capacitor code: two digits, the number of zeros, a tolerance letter (154K)")},
        {QStringLiteral("trafo"), QStringLiteral("Mains transformer with 1 to 5 secondary windings (12V:2A 6V:0.5A), "
                                                 "with the settings of trafo.ini")},
        {QStringLiteral("lc"), QStringLiteral("Parallel resonant circuit: the third of L, C and f from two of them, "
                                              "and the impedance (--L 10u --C 100n)")},
        {QStringLiteral("db"), QStringLiteral("Gain from decibels")},
        {QStringLiteral("gain"), QStringLiteral("Decibels from gain")},
        {QStringLiteral("divider"), QStringLiteral("Unloaded voltage divider, from three of its values (U1=12 U2=5 R2=10k)")},
        {QStringLiteral("parallel"), QStringLiteral("Two resistors in parallel (10k 4k7)")},
        {QStringLiteral("base"), QStringLiteral("Binary, decimal and hexadecimal conversion (ff --from hex)")},
        {QStringLiteral("transistor"), QStringLiteral("Transistor catalog: every type whose name contains the text (BC54)")},
        {QStringLiteral("diode"), QStringLiteral("Diode catalog (1N40)")},
        {QStringLiteral("smdcode"), QStringLiteral("Marking code of an active SMD part, with the data of its base type (1A)")},
        {QStringLiteral("dict"), QStringLiteral("Technical dictionary, Hungarian, English and German (kondenzátor)")},
        {QStringLiteral("eseries"), QStringLiteral("Standard values: one to three resistors in series, in parallel or mixed "
                                                   "for the wanted value (4k1)")},
        {QStringLiteral("ratio"), QStringLiteral("Divider resistor pair for an output voltage; without a size, "
                                                 "1 kΩ to 1 MΩ in total")},
        {QStringLiteral("led"), QStringLiteral("LED series resistor: exact and standard value, current, dissipation, rating")},
        {QStringLiteral("555"), QStringLiteral("555 timer: astable, monostable, and parts for a frequency and duty cycle")},
        {QStringLiteral("regulator"), QStringLiteral("LM317/LM337 regulator: output voltage, resistor pair, dissipation")},
        {QStringLiteral("rc"), QStringLiteral("RC network: time constant and cut-off frequency, the third from two "
                                              "(--r 1k --c 100n)")},
        {QStringLiteral("reactance"), QStringLiteral("Capacitive and inductive reactance, the third from two (--f 1k --c 100n)")},
        {QStringLiteral("coil"), QStringLiteral("Single-layer air-core coil (Wheeler): inductance or turns, "
                                                "and whether the wire fits")},
        {QStringLiteral("wire"), QStringLiteral("Wire: AWG, diameter, cross-section, copper resistance per metre, "
                                                "current rating")},
    };
    return s;
}

// Text as troff shows it literally: backslashes and option dashes escaped, no
// line taken for a request.
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QStringLiteral("--"), QStringLiteral("\\-\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

struct Texts {
    const char *name, *description, *options, *json, *help, *version, *commands, *exitStatus,
        *exit0, *exit1, *exit2, *files, *data, *settings, *examples, *seeAlso;
};

const Texts english{
    "kondrix-cli \\- the decoders, calculators and catalogs of Kondrix on the command line",
    "runs the code decoders, calculators and component catalogs of\n.BR kondrix (1)\n"
    "without a window and prints the same Hungarian texts the windows show.\n"
    "Numbers are read and written with the decimal separator of the locale, as in the windows;\n"
    "values take the prefixes p n u \\(mc m k M G.",
    "OPTIONS", "Print the result as JSON: English keys, the texts of the windows and the raw numbers.",
    "List the commands; after a command, show its arguments.", "Print the program name and version.",
    "COMMANDS", "EXIT STATUS", "a result.", "the input is well formed but not known (an unknown code, nothing found).",
    "a usage error: a missing or unreadable argument, an unknown option, a number out of range.", "FILES",
    "The shipped catalogs and code tables, in share/kondrix of the installation\n"
    "(/usr/share/kondrix in the Debian package).",
    "The transformer settings a user saved in the program's window; otherwise the shipped trafo.ini.",
    "EXAMPLES", "SEE ALSO"};

const Texts hungarian{
    "kondrix-cli \\- a Kondrix kódfejtői, kalkulátorai és katalógusai parancssorból",
    "ablak nélkül futtatja a\n.BR kondrix (1)\n"
    "kódfejtőit, kalkulátorait és katalógusait, és ugyanazokat a szövegeket írja ki, amelyeket az ablakok mutatnak.\n"
    "A számokat a területi beállítás tizedesjelével olvassa és írja, mint az ablakok;\n"
    "az értékek a p n u \\(mc m k M G előtagokat is elfogadják.",
    "KAPCSOLÓK", "Az eredmény JSON-ként: angol kulcsok, az ablakok szövegei és a nyers számok.",
    "Kiírja a parancsokat; egy parancs után annak argumentumait.", "Kiírja a program nevét és változatát.",
    "PARANCSOK", "KILÉPÉSI KÓD", "eredmény.", "a bemenet jól formált, de nem ismert (ismeretlen kód, nincs találat).",
    "hibás használat: hiányzó vagy olvashatatlan argumentum, ismeretlen kapcsoló, tartományon kívüli szám.", "FÁJLOK",
    "A szállított katalógusok és kódtáblák, a telepítés share/kondrix mappájában\n"
    "(a Debian-csomagban /usr/share/kondrix).",
    "A felhasználó által a program ablakában mentett transzformátor-beállítások; ha nincs ilyen, a szállított trafo.ini.",
    "PÉLDÁK", "LÁSD MÉG"};

} // namespace

QString manPage(const Registry &registry, const QString &language)
{
    const bool en = language == QLatin1String("en");
    if (!en && language != QLatin1String("hu"))
        return {};
    const Texts &t = en ? english : hungarian;
    auto s = [](const char *text) { return QString::fromUtf8(text); };

    QString page = QStringLiteral(".\\\" Written by kondrix-cli from its command table at build time.\n"
                                  ".TH KONDRIX\\-CLI 1 \"%1\" \"kondrix %2.%3.%4\" \"%5\"\n"
                                  ".nh\n")
                       .arg(QStringLiteral(KONDRIX_RELEASE_DATE))
                       .arg(KONDRIX_VERSION_MAJOR)
                       .arg(KONDRIX_VERSION_MINOR)
                       .arg(KONDRIX_VERSION_PATCH)
                       .arg(en ? QStringLiteral("User Commands") : QStringLiteral("Felhasználói parancsok"));
    page += QStringLiteral(".SH %1\n%2\n").arg(en ? QStringLiteral("NAME") : QStringLiteral("NÉV"), s(t.name));
    page += QStringLiteral(".SH %1\n"
                           ".B kondrix\\-cli\n.I %2\n.RI [ %3 ]\n.RB [ \\-\\-json ]\n.br\n"
                           ".B kondrix\\-cli\n.I %2\n.B \\-\\-help\n.br\n"
                           ".B kondrix\\-cli\n.BR \\-\\-help \" | \" \\-\\-version\n")
                .arg(en ? QStringLiteral("SYNOPSIS") : QStringLiteral("ÁTTEKINTÉS"),
                     en ? QStringLiteral("command") : QStringLiteral("parancs"),
                     en ? QStringLiteral("arguments") : QStringLiteral("argumentumok"));
    page += QStringLiteral(".SH %1\n.B kondrix\\-cli\n%2\n")
                .arg(en ? QStringLiteral("DESCRIPTION") : QStringLiteral("LEÍRÁS"), s(t.description));
    page += QStringLiteral(".SH %1\n.TP\n.B \\-\\-json\n%2\n.TP\n.BR \\-h \", \" \\-\\-help\n%3\n"
                           ".TP\n.B \\-\\-version\n%4\n")
                .arg(s(t.options), s(t.json), s(t.help), s(t.version));

    page += QStringLiteral(".SH %1\n").arg(s(t.commands));
    for (const Command &c : registry) {
        const QString summary = en ? englishSummaries().value(c.name, c.summary) : c.summary;
        page += QStringLiteral(".TP\n\\fB%1\\fR \\fI%2\\fR\n%3\n").arg(roff(c.name), roff(c.synopsis), roff(summary));
    }

    page += QStringLiteral(".SH %1\n.TP\n.B 0\n%2\n.TP\n.B 1\n%3\n.TP\n.B 2\n%4\n")
                .arg(s(t.exitStatus), s(t.exit0), s(t.exit1), s(t.exit2));
    page += QStringLiteral(".SH %1\n.TP\n.I share/kondrix/\n%2\n.TP\n.I ~/.config/kondrix/trafo.ini\n%3\n")
                .arg(s(t.files), s(t.data), s(t.settings));
    page += QStringLiteral(".SH %1\n.nf\n"
                           "kondrix\\-cli bands 4k7\n"
                           "kondrix\\-cli smd 22A\n"
                           "kondrix\\-cli lc \\-\\-L 10u \\-\\-C 100n\n"
                           "kondrix\\-cli transistor BC54 \\-\\-json\n"
                           ".fi\n")
                .arg(s(t.examples));
    page += QStringLiteral(".SH %1\n.BR kondrix (1)\n").arg(s(t.seeAlso));
    return page;
}

} // namespace cli
