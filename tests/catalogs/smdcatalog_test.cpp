// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/smdcatalog.h"
#include "core/appdir.h"
#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <set>

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

QString shipped(const QString &name)
{
    QFile f(u8(KONDRIX_SOURCE_DATA "/SMD/") + name);
    QString text;
    if (!textfile::readAll(f, &text))
        ADD_FAILURE() << "cannot read " << name.toStdString();
    return text;
}

struct SplitCase
{
    const char *line;
    std::array<const char *, kSmdFields> fields;
};

} // namespace

TEST(SmdCatalog, split_line_into_six_fields)
{
    const SplitCase cases[] = {
        {"1A,BC846A,PH,BC546A,SOT-23,npn 65V 0,1A",
         {"1A", "BC846A", "PH", "BC546A", "SOT-23", "npn 65V 0,1A"}},
        {"A7,BAV99,PH,BAV99,SOT-23,2 dióda, soros, 70V", {"A7", "BAV99", "PH", "BAV99", "SOT-23", "2 dióda, soros, 70V"}},
        {"1A , BC846A, PH ,x,y,  z ", {"1A ", " BC846A", " PH ", "x", "y", "  z "}},
        {"\"1A\",\"B\",c,d,e,f", {"\"1A\"", "\"B\"", "c", "d", "e", "f"}},
        {"1A,BC846", {"1A", "", "", "", "", "BC846"}},
        {"only text", {"", "", "", "", "", "only text"}},
        {",,,,,", {"", "", "", "", "", ""}},
        {"", {"", "", "", "", "", ""}},
    };
    for (const SplitCase &c : cases) {
        const Smd_Record r = Split_Smd_Line(u8(c.line));
        for (int k = 0; k < kSmdFields; ++k)
            EXPECT_EQ(r[size_t(k)], u8(c.fields[size_t(k)])) << c.line << " field " << k + 1;
    }
    // A short line never inherits the fields of the line before it.
    const std::vector<Smd_Record> recs = Read_Smd_Codes(u8("1A,BC846A,PH,BC546A,SOT-23,npn\r\nZZ,data\r\n"));
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1], (Smd_Record{u8("ZZ"), {}, {}, {}, {}, u8("data")}));
}

TEST(SmdCatalog, makers_pairs_and_name_lookup)
{
    const std::vector<Smd_Maker> makers =
        Read_Smd_Makers(u8("\"PH\",\"Philips, Nijmegen\"\r\nON,ON Semiconductor\r\nPH,Második\r\n  TI ,Texas\r\nX"));
    ASSERT_EQ(makers.size(), 5u);
    EXPECT_EQ(makers[0].name, u8("Philips, Nijmegen"));
    EXPECT_EQ(makers[3].code, u8("TI"));
    EXPECT_EQ(makers[4].code, u8("X"));
    EXPECT_TRUE(makers[4].name.isEmpty());
    const std::pair<const char *, const char *> lookups[] = {
        {"PH", "Philips, Nijmegen"},   // the first of two wins
        {"ON", "ON Semiconductor"}, {"TI", "Texas"},
        {" PH", " PH"},                // a blank is part of the code
        {"ph", "ph"},                  // case matters
        {"NOPE", "NOPE"},             {"", ""},
    };
    for (auto [code, name] : lookups)
        EXPECT_EQ(Maker_Name(makers, u8(code)), u8(name)) << code;
    EXPECT_EQ(Maker_Name({}, u8("PH")), u8("PH"));
}

TEST(SmdCatalog, picture_names_stay_in_their_folders)
{
    appdir::setPath(u8(KONDRIX_SOURCE_DATA));
    for (const char *bad : {"", "..", "../x", "a/b", "a\\b", "..SOT-23"}) {
        EXPECT_TRUE(Smd_InnerPicture(u8(bad)).isEmpty()) << bad;
        EXPECT_TRUE(Smd_PackagePicture(u8(bad)).isEmpty()) << bad;
    }
    EXPECT_TRUE(Smd_PackagePicture(u8("SOT-23")).endsWith(u8("/SMD/tok/SOT-23.JPG")));
    EXPECT_TRUE(Smd_InnerPicture(u8("BC546A")).endsWith(u8("/SMD/belső/BC546A.JPG")));
    appdir::setPath(QString());
}

// The shipped catalog: well-formed lines, known makers, a picture for every
// base type and package.
TEST(SmdCatalog, shipped_files_are_complete)
{
    const QString makerText = shipped(u8("!gyártók.txt"));
    const QString codeText = shipped(u8("!smd.txt"));
    EXPECT_EQ(textfile::decode(textfile::encode(codeText)), codeText);
    for (const QString *t : {&makerText, &codeText}) {
        EXPECT_TRUE(t->endsWith(u8("\r\n")));
        EXPECT_FALSE(QString(*t).remove(u8("\r\n")).contains(QLatin1Char('\n')));
        EXPECT_FALSE(QString(*t).remove(u8("\r\n")).contains(QLatin1Char('\r')));
    }
    const std::vector<Smd_Maker> makers = Read_Smd_Makers(makerText);
    EXPECT_GE(makers.size(), 3u);
    EXPECT_LT(makers.size(), 31u);
    std::set<QString> makerCodes;
    for (const Smd_Maker &m : makers) {
        EXPECT_FALSE(m.name.isEmpty()) << m.code.toStdString();
        EXPECT_TRUE(makerCodes.insert(m.code).second) << "duplicate " << m.code.toStdString();
    }

    const std::vector<Smd_Record> records = Read_Smd_Codes(codeText);
    EXPECT_GE(records.size(), 300u);
    const QDir smd(u8(KONDRIX_SOURCE_DATA "/SMD"));
    std::set<QString> missing;
    for (const Smd_Record &r : records) {
        const std::string line = QStringList(r.begin(), r.end()).join(QLatin1Char(',')).toStdString();
        for (int k = 0; k < 5; ++k)
            EXPECT_FALSE(r[size_t(k)].isEmpty()) << line;
        EXPECT_EQ(r[0], r[0].trimmed()) << line;
        EXPECT_TRUE(makerCodes.count(r[2])) << line;
        if (!QFileInfo::exists(smd.filePath(u8("belső/") + r[3] + u8(".JPG"))))
            missing.insert(u8("belső/") + r[3]);
        if (!QFileInfo::exists(smd.filePath(u8("tok/") + r[4] + u8(".JPG"))))
            missing.insert(u8("tok/") + r[4]);
    }
    for (const QString &m : missing)
        ADD_FAILURE() << "no picture " << m.toStdString();
}
