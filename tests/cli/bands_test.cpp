// SPDX-License-Identifier: GPL-3.0-or-later
#include "clirun.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }
QStringList args(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *a : list)
        out << u8(a);
    return out;
}
QStringList lines(const CliRun &r) { return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

// The windows' own worked examples: the first line is their value text.
TEST(CliBands, colours_in_any_language_give_the_windows_text)
{
    const struct { QStringList args; const char *text; } cases[] = {
        {args({"bands", "yellow", "violet", "red", "silver"}), "4,7 k-ohm  10%"},
        {args({"bands", "sárga", "ibolya", "vörös", "ezüst"}), "4,7 k-ohm  10%"},
        {args({"bands", "4", "7", "2", "gold"}), "4,7 k-ohm  5%"},
        {args({"bands", "brown", "black", "white", "gold"}), "10 G-ohm  5%"},
        {args({"bands", "Vörös", "Vörös", "Kék", "Vörös", "Barna"}), "22,6 k-ohm  1%"},
        {args({"bands", "white white white black brown"}), "999 ohm  1%"},
    };
    for (const auto &c : cases) {
        const CliRun r = runCli(c.args);
        EXPECT_EQ(r.code, 0) << qPrintable(c.args.join(' ')) << qPrintable(r.err);
        ASSERT_FALSE(lines(r).isEmpty());
        EXPECT_EQ(lines(r).first(), u8(c.text)) << qPrintable(c.args.join(' '));
    }
}

TEST(CliBands, reverse_reading_only_where_valid)
{
    // Gold cannot be a first digit: the reverse is no reading at all.
    CliRun r = runCli(args({"bands", "brown", "black", "red", "gold", "--json"}));
    ASSERT_EQ(r.code, 0);
    QJsonObject o = r.json();
    EXPECT_EQ(o.value(u8("value")).toString(), u8("1 k-ohm  5%"));
    EXPECT_EQ(o.value(u8("ohms")).toDouble(), 1000);
    QJsonArray readings = o.value(u8("readings")).toArray();
    ASSERT_EQ(readings.size(), 1);
    EXPECT_EQ(readings[0].toObject().value(u8("series")).toString(), u8("E24"));
    EXPECT_TRUE(readings[0].toObject().value(u8("inSeries")).toBool());
    EXPECT_FALSE(readings[0].toObject().value(u8("reversed")).toBool());

    // Both ends readable, only 10 k is in E96; given in the order that reads
    // 120 ohm, the reverse comes first.
    r = runCli(args({"bands", "brown", "red", "black", "black", "brown", "--json"}));
    ASSERT_EQ(r.code, 0);
    o = r.json();
    readings = o.value(u8("readings")).toArray();
    ASSERT_EQ(readings.size(), 2);
    const QJsonObject first = readings[0].toObject();
    const QJsonObject second = readings[1].toObject();
    EXPECT_EQ(first.value(u8("value")).toString(), u8("10 k-ohm  1%"));
    EXPECT_TRUE(first.value(u8("reversed")).toBool());
    EXPECT_TRUE(first.value(u8("inSeries")).toBool());
    EXPECT_EQ(first.value(u8("colours")).toArray().first().toString(), u8("brown"));
    EXPECT_EQ(first.value(u8("names")).toArray().at(1).toString(), u8("Fekete"));
    EXPECT_EQ(second.value(u8("value")).toString(), u8("120 ohm  1%"));
    EXPECT_EQ(second.value(u8("series")).toString(), u8("E96"));
    EXPECT_FALSE(second.value(u8("inSeries")).toBool());
    EXPECT_EQ(o.value(u8("value")).toString(), u8("10 k-ohm  1%"));

    // The plain text lists both, the plausible one first.
    r = runCli(args({"bands", "brown", "red", "black", "black", "brown"}));
    ASSERT_EQ(lines(r).size(), 3);
    EXPECT_TRUE(lines(r)[1].contains(u8("10 k-ohm  1%")) && lines(r)[1].contains(u8("fordítva")));
    EXPECT_TRUE(lines(r)[2].contains(u8("nem E96")));
}

TEST(CliBands, value_to_four_and_five_bands)
{
    for (const char *written : {"4,7k", "4.7k", "4k7", "4,7 k-ohm"}) {
        const CliRun r = runCli(args({"bands", written, "--json"}));
        ASSERT_EQ(r.code, 0) << written;
        const QJsonObject o = r.json();
        EXPECT_EQ(o.value(u8("value")).toString(), u8("4,7 k-ohm")) << written;
        EXPECT_EQ(o.value(u8("fourBand")).toObject().value(u8("colours")).toArray(),
                  (QJsonArray{u8("yellow"), u8("violet"), u8("red")}));
        EXPECT_EQ(o.value(u8("fiveBand")).toObject().value(u8("names")).toArray(),
                  (QJsonArray{u8("Sárga"), u8("Ibolya"), u8("Fekete"), u8("Barna")}));
        EXPECT_TRUE(o.value(u8("series")).toArray().contains(u8("E6")));
    }
    CliRun r = runCli(args({"bands", "0R47"}));
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(lines(r).first(), u8("0,47 ohm"));
    EXPECT_TRUE(lines(r)[1].contains(u8("Sárga, Ibolya, Ezüst")));

    // Three significant digits: only five bands show it.
    r = runCli(args({"bands", "4,75k", "--json"}));
    ASSERT_EQ(r.code, 0);
    EXPECT_FALSE(r.json().value(u8("fourBand")).toObject().value(u8("message")).toString().isEmpty());
    EXPECT_EQ(r.json().value(u8("fiveBand")).toObject().value(u8("colours")).toArray().size(), 4);
}

// The failures' exit codes are in the usage test; a failed reading reaches the JSON too.
TEST(CliBands, no_valid_reading_in_json)
{
    const CliRun r = runCli(args({"bands", "gold", "gold", "gold", "gold", "--json"}));
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.json().value(u8("readings")).toArray().isEmpty());
}

} // namespace
