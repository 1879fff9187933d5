#include "clirun.h"

#include <gtest/gtest.h>

TEST(CliUsage, HelpListsEveryCommandAndBadUsageExitsWithTwo)
{
    const CliRun help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("Használat")));

    EXPECT_EQ(runCli({}).code, 2);
    const CliRun unknown = runCli({QStringLiteral("nincsilyen")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("nincsilyen")));
}
