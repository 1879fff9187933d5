// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli.h"
#include "app/cli/manpage.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <cstdio>

namespace cli {

Result usageError(const QString &message)
{
    Result r;
    r.code = UsageError;
    r.message = message;
    return r;
}

Result notRecognised(const QString &message)
{
    Result r;
    r.code = NotRecognised;
    r.message = message;
    return r;
}

} // namespace cli

namespace {

cli::Registry allCommands()
{
    cli::Registry registry;
    cli::addBandCommands(registry);
    cli::addDecoderCommands(registry);
    cli::addCalculatorCommands(registry);
    cli::addBenchCalculatorCommands(registry);
    cli::addCatalogCommands(registry);
    return registry;
}

QString helpText(const cli::Registry &registry)
{
    QString text = QStringLiteral(
        "Használat: kondrix-cli <parancs> [argumentumok] [--json]\n"
        "A Kondrix kódfejtői, kalkulátorai és katalógusai parancssorból.\n"
        "Kilépési kód: 0 eredmény, 1 nem ismert, 2 hibás használat.\n"
        "kondrix-cli --version: a program neve és változata.\n\nParancsok:\n");
    for (const cli::Command &c : registry)
        text += QStringLiteral("  %1 %2\n      %3\n").arg(c.name, c.synopsis, c.summary);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kondrix-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = QCoreApplication::arguments().mid(1);
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    const cli::Registry registry = allCommands();

    if (args.isEmpty()) {
        err << helpText(registry);
        return cli::UsageError;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        out << helpText(registry);
        return cli::Recognised;
    }
    if (name == QLatin1String("--version")) {
        out << QStringLiteral("kondrix-cli %1.%2.%3\n")
                   .arg(KONDRIX_VERSION_MAJOR)
                   .arg(KONDRIX_VERSION_MINOR)
                   .arg(KONDRIX_VERSION_PATCH);
        return cli::Recognised;
    }
    // The build writes the manual pages with this; not for users, so not in --help.
    if (name == QLatin1String("--manpage")) {
        const QString page = cli::manPage(registry, args.value(0));
        if (page.isEmpty()) {
            err << QStringLiteral("Használat: kondrix-cli --manpage en|hu\n");
            return cli::UsageError;
        }
        out << page;
        return cli::Recognised;
    }
    const auto it = std::find_if(registry.begin(), registry.end(),
                                 [&](const cli::Command &c) { return c.name == name; });
    if (it == registry.end()) {
        err << QStringLiteral("Ismeretlen parancs: %1 (kondrix-cli --help)\n").arg(name);
        return cli::UsageError;
    }
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        out << QStringLiteral("Használat: kondrix-cli %1 %2 [--json]\n%3\n")
                   .arg(it->name, it->synopsis, it->summary);
        return cli::Recognised;
    }

    const cli::Result result = it->run(args);
    for (const QString &warning : result.warnings)
        err << warning << '\n';
    err.flush();
    if (json) {
        QJsonObject doc = result.json;
        if (result.code != cli::Recognised)
            doc.insert(QStringLiteral("error"), result.message);
        if (!result.warnings.isEmpty())
            doc.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(result.warnings));
        out << QJsonDocument(doc).toJson(QJsonDocument::Indented);
    } else {
        for (const QString &line : result.lines)
            out << line << '\n';
    }
    if (result.code != cli::Recognised && !result.message.isEmpty())
        err << result.message << '\n';
    return result.code;
}
