// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search.h"

#include <gtest/gtest.h>

TEST(Search, CaseInsensitiveContainmentWithAccents)
{
    using search::containsNoCase;
    EXPECT_TRUE(containsNoCase(QStringLiteral("2N3055"), QStringLiteral("n30")));
    EXPECT_TRUE(containsNoCase(QStringLiteral("BC547B"), QStringLiteral("bc")));
    EXPECT_TRUE(containsNoCase(QString::fromUtf8("ÁRAM"), QString::fromUtf8("á")));
    EXPECT_TRUE(containsNoCase(QString::fromUtf8("ŐRLŐ"), QString::fromUtf8("ő")));
    EXPECT_TRUE(containsNoCase(QString::fromUtf8("fűtés"), QString::fromUtf8("FŰ")));
    EXPECT_FALSE(containsNoCase(QStringLiteral("BD139"), QStringLiteral("BC")));
    EXPECT_FALSE(containsNoCase(QString::fromUtf8("a"), QString::fromUtf8("á")));
}
