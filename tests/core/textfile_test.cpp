// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textfile.h"

#include <QBuffer>
#include <QStringDecoder>
#include <gtest/gtest.h>

using textfile::FieldReader;
using textfile::LineReader;

TEST(TextFile, DecodesCodePage1250)
{
    // 0xF5 = ő, 0xFB = ű, 0xE1 = á, 0x8A = Š in code page 1250.
    EXPECT_EQ(textfile::decode(QByteArray("\xF5\xFB\xE1\x8A")), QString::fromUtf8("őűáŠ"));
    EXPECT_EQ(textfile::encode(QString::fromUtf8("hatásfok ő")), QByteArray("hat\xE1sfok \xF5"));
}

// Decoding looks bytes up in a built-in table: it reads every byte as the
// system's converter does, every byte is one character, the same alone as
// inside a file, and the characters the code page defines encode back to
// their byte.
TEST(TextFile, EveryByteIsOneCharacter)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = textfile::decode(all);
    ASSERT_EQ(text.size(), 256);
    QStringDecoder system("windows-1250");
    if (system.isValid()) {
        EXPECT_EQ(text, QString(system.decode(all)));
    }
    for (int b = 0; b < 256; ++b) {
        const QString one = textfile::decode(QByteArray(1, char(b)));
        ASSERT_EQ(one.size(), 1) << b;
        EXPECT_EQ(one.at(0), text.at(b)) << b;
        if (one.at(0) != QChar::ReplacementCharacter && one.at(0) != QChar(0x1A)) {
            EXPECT_EQ(textfile::encode(one), QByteArray(1, char(b))) << b;
        }
    }
    EXPECT_EQ(textfile::decode(QByteArray()), QString());
}

TEST(TextFile, ReadAllFromDevice)
{
    QByteArray bytes("Tr\xE1" "fo\r\n");
    QBuffer buf(&bytes);
    QString text;
    ASSERT_TRUE(textfile::readAll(buf, &text));
    EXPECT_EQ(text, QString::fromUtf8("Tráfo\r\n"));
}

TEST(LineReading, CrAndCrLfEndLinesLoneLfDoesNot)
{
    const QStringList lines = textfile::splitLines(QStringLiteral("a\r\nb\rc\nd\r\n\r\n  e  "));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c\nd");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "  e  ");   // taken exactly
}

TEST(LineReading, EmptyTextHasNoLinesAndReadingPastEndGivesEmpty)
{
    LineReader r(QString{});
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(r.readLine(), "");
    LineReader one(QStringLiteral("x\r\n"));
    EXPECT_EQ(one.readLine(), "x");
    EXPECT_TRUE(one.atEnd());
}

TEST(FieldReading, BlanksQuotesAndCommas)
{
    FieldReader r(QStringLiteral("  80  ,\"a, b\" , c\r\n\"q\"x\r\nlast"));
    EXPECT_EQ(r.readField(), "80");
    EXPECT_EQ(r.readField(), "a, b");
    EXPECT_EQ(r.readField(), "c");
    EXPECT_EQ(r.readField(), "q");
    EXPECT_EQ(r.readField(), "last");
    EXPECT_TRUE(r.atEnd());
}

TEST(FieldReading, MixesWithWholeLines)
{
    FieldReader r(QStringLiteral("head\r\n 85 \r\n 1 \r\n"));
    EXPECT_EQ(r.readLine(), "head");
    EXPECT_EQ(r.readField(), "85");
    EXPECT_EQ(r.readLine(), " 1 ");
    EXPECT_TRUE(r.atEnd());
}
