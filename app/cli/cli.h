// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QStringList>
#include <functional>
#include <vector>

// kondrix-cli: the decoders, calculators and catalogs from the command line,
// over the same logic as the windows and with the windows' texts.
namespace cli {

enum ExitCode { Recognised = 0, NotRecognised = 1, UsageError = 2 };

// What a command produced: the lines the windows would show, the same result
// as JSON (English keys, the windows' texts as values), and for codes 1 and 2
// a Hungarian message.
struct Result {
    int code = Recognised;
    QStringList lines;
    QJsonObject json;
    QString message;
    // Damaged or missing data the result was made without: written to
    // standard error before the result, whatever the exit code.
    QStringList warnings;
};

Result usageError(const QString &message);
Result notRecognised(const QString &message);

struct Command {
    QString name;
    QString synopsis;   // the arguments, as --help shows them
    QString summary;    // one Hungarian line
    std::function<Result(const QStringList &args)> run;
};

using Registry = std::vector<Command>;

// Each group of commands lives in its own file.
void addBandCommands(Registry &registry);
void addDecoderCommands(Registry &registry);
void addCalculatorCommands(Registry &registry);
void addBenchCalculatorCommands(Registry &registry);
void addCatalogCommands(Registry &registry);

} // namespace cli
