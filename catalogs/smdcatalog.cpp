// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/smdcatalog.h"

#include "core/appdir.h"
#include "core/datafile.h"
#include "core/search.h"
#include "core/textfile.h"
#include "core/userdata.h"

Smd_Record Split_Smd_Line(QStringView line)
{
    Smd_Record r;
    for (int k = 0; k < kSmdFields - 1; ++k) {
        const qsizetype p = line.indexOf(QLatin1Char(','));
        if (p < 0)
            break;
        r[size_t(k)] = line.left(p).toString();
        line = line.mid(p + 1);
    }
    r[kSmdFields - 1] = line.toString();
    return r;
}

std::vector<Smd_Maker> Read_Smd_Makers(const QString &text)
{
    std::vector<Smd_Maker> out;
    textfile::FieldReader r(text);
    while (!r.atEnd()) {
        Smd_Maker m;
        m.code = r.readField();
        if (!r.atEnd())
            m.name = r.readField();
        out.push_back(std::move(m));
    }
    return out;
}

std::vector<Smd_Record> Read_Smd_Codes(const QString &text)
{
    std::vector<Smd_Record> out;
    textfile::LineReader r(text);
    while (!r.atEnd())
        out.push_back(Split_Smd_Line(r.readLineView()));
    return out;
}

QString Maker_Name(const std::vector<Smd_Maker> &makers, const QString &code)
{
    for (const Smd_Maker &m : makers)
        if (m.code == code)
            return m.name;
    return code;
}

QStringList Smd_Details(const Smd_Record &r, const std::vector<Smd_Maker> &makers)
{
    return {QString::fromUtf8("Kód: ") + r[0], QString::fromUtf8("Egység: ") + r[1],
            QString::fromUtf8("Gyártó: ") + Maker_Name(makers, r[2]),
            QString::fromUtf8("Tokozás: ") + r[4], QString::fromUtf8("Adatok: ") + r[5]};
}

std::vector<int> Find_Smd_Codes(const std::vector<Smd_Record> &records, const QString &code, bool *exact)
{
    std::vector<int> out;
    // Whole codes first, case ignored as the jump to the transistor catalog
    // ignores it: "1a" must not list more than "1A" does.
    const QString wanted = code.trimmed();
    for (size_t i = 0; i < records.size(); ++i)
        if (QStringView(records[i][0]).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            out.push_back(int(i));
    if (exact)
        *exact = !out.empty();
    if (out.empty() && code.size() >= search::kMinChars)
        for (size_t i = 0; i < records.size(); ++i)
            if (search::containsNoCase(records[i][0], code))
                out.push_back(int(i));
    return out;
}

std::vector<Smd_Maker> Load_Smd_Makers(QStringList *problems)
{
    QString text;
    return datafile::read(Smd_MakerFile(), &text, problems) ? Read_Smd_Makers(text) : std::vector<Smd_Maker>();
}

std::vector<Smd_Record> Load_Smd_Codes(QStringList *problems, int *shipped)
{
    QString text;
    std::vector<Smd_Record> codes =
        datafile::read(Smd_CodeFile(), &text, problems) ? Read_Smd_Codes(text) : std::vector<Smd_Record>();
    if (shipped)
        *shipped = int(codes.size());
    if (userdata::read(Smd_CodeFile(), &text, problems))
        for (Smd_Record &r : Read_Smd_Codes(text))
            codes.push_back(std::move(r));
    return codes;
}

QString Smd_CodeFile() { return QStringLiteral("\\SMD\\!smd.txt"); }
QString Smd_MakerFile() { return QString::fromUtf8("\\SMD\\!gyártók.txt"); }

namespace {
QString picture(const char *folder, const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1String("..")))
        return QString();
    return appdir::file(QString::fromUtf8(folder) + name + QStringLiteral(".JPG"));
}

} // namespace

QString Smd_InnerPicture(const QString &base) { return picture("\\SMD\\belső\\", base); }
QString Smd_PackagePicture(const QString &package) { return picture("\\SMD\\tok\\", package); }

