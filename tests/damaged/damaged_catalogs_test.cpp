// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_dioda.h"
#include "catalogs/frm_smd.h"
#include "catalogs/frm_szotar.h"
#include "damaged/damage.h"
#include "damaged/usage.h"
#include "decoders/frm_smdrc.h"
#include "support/userrecords.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QFile>
#include <QListWidget>

using damage::Kind;
using namespace usage;

namespace {
// The catalog messages name the file; datafile's two wordings.
QString fileMessage(const QString &shown, Kind kind)
{
    return kind == Kind::Unreadable ? u8("Nem olvasható a(z) %1 fájl.").arg(shown)
                                    : u8("Hiányzik a(z) %1 fájl.").arg(shown);
}

// A user's file that cannot be read is named in red by its path; a missing
// one is no damage, and bad bytes are data as in a shipped file.
bool ownMessageRight(const QWidget &w, const QString &path, Kind kind)
{
    auto *l = part<QLabel>(w, u8("lbl_hiba"));
    if (damage::unopenable(kind) && kind != Kind::Missing)
        return l->isVisibleTo(&w) && l->text() == u8("Nem olvasható a(z) %1 fájl.").arg(path);
    return !l->isVisibleTo(&w);
}
} // namespace

class DamagedCatalogsTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QString m_smdrcBaseline[3];

    QString m_damaged;   // relative name of the file to put back

    // A user's file is damaged among the user's records of every catalog.
    bool damageFile(const QString &relative, Kind kind)
    {
        m_damaged = relative;
        if (damage::isOwn(relative) && !userrecords::writeAll(env.userDataDir()))
            return false;
        return damage::apply(damage::pathOf(env, relative), kind, qHash(relative));
    }

private Q_SLOTS:
    void initTestCase()
    {
        damage::canTestUnreadable();
        frm_smdRC w;
        m_smdrcBaseline[0] = part<QLabel>(w, u8("Label2"))->text();
        m_smdrcBaseline[1] = part<QLabel>(w, u8("Label4"))->text();
        m_smdrcBaseline[2] = part<QLabel>(w, u8("Label5"))->text();
    }
    // Copying the whole data folder for every row would take most of the
    // run: only the damaged file is put back.
    void cleanup()
    {
        if (damage::isOwn(m_damaged))
            damage::clearOwn(env);
        else if (!m_damaged.isEmpty())
            damage::restore(env.appDir() + QLatin1Char('/') + m_damaged,
                            QStringLiteral(KONDRIX_SOURCE_DATA "/") + m_damaged);
        m_damaged.clear();
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    // A user's file, damaged alike, is named and hides no shipped record.
    void diode_catalog_data()
    {
        addDamageColumns();
        addDamageRows(u8("dioda.ini"), damage::all());
        addDamageRows(u8("saját/dioda.ini"), damage::all());
    }
    void diode_catalog()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damageFile(file, k));

        frm_dioda w;
        w.show();
        paint(w);
        const bool own = damage::isOwn(file);
        if (own)
            QVERIFY(ownMessageRight(w, damage::pathOf(env, file), k));
        else if (damage::unopenable(k))
            QVERIFY(shows(w, "lbl_hiba", u8("A dióda adatfájl (dioda.ini) hiányzik vagy nem olvasható, "
                                            "a lista üres.")));
        auto *lv = part<ReportList>(w, u8("LV1"));
        walkList(lv);
        if (own)   // framed over the shipped records, it gives way once they are used
            QVERIFY(!part<QLabel>(w, u8("lbl_hiba"))->isVisibleTo(&w));
        // The first type name stays findable wherever the first line survives.
        type(part<QLineEdit>(w, u8("Text1")), u8("1N4001"));
        const bool firstLineKept =
            own || k == Kind::Cut || k == Kind::HugeLine || k == Kind::Utf8 || k == Kind::LfOnly;
        if (firstLineKept)
            QVERIFY(lv->model()->rowCount() >= 1);
        walkList(lv);
        QTest::mouseClick(part<QWidget>(w, u8("Command1")), Qt::LeftButton);
        if (!own && damage::unopenable(k))   // not even "every diode" lists any
            QCOMPARE(lv->model()->rowCount(), 0);
        resize(w);
        paint(w);
    }

    void dictionary_data()
    {
        addDamageColumns();
        addDamageRows(u8("műszaki.txt"), damage::all());
        addDamageRows(u8("saját/műszaki.txt"), damage::all());
    }
    void dictionary()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damageFile(file, k));

        frm_szotar w;
        w.show();
        paint(w);
        const bool own = damage::isOwn(file);
        if (own)
            QVERIFY(ownMessageRight(w, damage::pathOf(env, file), k));
        else if (damage::unopenable(k))
            QVERIFY(shows(w, "lbl_hiba", u8("A szótár adatfájl (műszaki.txt) hiányzik vagy nem olvasható, "
                                            "a lista üres.")));
        auto *lv = part<ReportList>(w, u8("LV1"));
        walkList(lv);
        if (!own && damage::unopenable(k))
            QVERIFY(lv->model()->rowCount() == 0 && part<QLabel>(w, u8("lblOut(0)"))->text().isEmpty());
        auto *text = part<QLineEdit>(w, u8("Text1"));
        type(text, u8("ellen"));
        if (own || k == Kind::Cut || k == Kind::HugeLine || k == Kind::LfOnly) {
            QVERIFY(lv->model()->rowCount() >= 1);
            clickRow(lv, 0);
            QVERIFY(part<QLabel>(w, u8("lblOut(0)"))->text().contains(u8("ellen")));
        }
        walkList(lv);
        for (int lang : {1, 2, 0}) {
            QTest::mouseClick(part<QWidget>(w, u8("Zaszlo(%1)").arg(lang)), Qt::LeftButton);
            QTest::keyClicks(text, u8("re"));
            walkList(lv);
        }
        QTest::mouseClick(part<QWidget>(w, u8("Command1")), Qt::LeftButton);
        if (!own && damage::unopenable(k))
            QCOMPARE(lv->model()->rowCount(), 0);
        resize(w);
        paint(w);
    }

    void smd_catalog_data()
    {
        addDamageColumns();
        addDamageRows(u8("SMD/!smd.txt"), damage::all());
        addDamageRows(u8("SMD/!gyártók.txt"), damage::all());
        addDamageRows(u8("saját/SMD/!smd.txt"), damage::all());
    }
    void smd_catalog()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damageFile(file, k));

        frm_SMD w;
        w.show();
        paint(w);
        const bool own = damage::isOwn(file);
        if (own)
            QVERIFY2(ownMessageRight(w, damage::pathOf(env, file), k), qPrintable(w.loadProblems().join(u8("|"))));
        else if (damage::unopenable(k))
            QVERIFY2(shows(w, "lbl_hiba", fileMessage(file, k)), qPrintable(w.loadProblems().join(u8("|"))));
        else
            QVERIFY(w.loadProblems().isEmpty());
        auto *lv = part<ReportList>(w, u8("LV1"));
        walkList(lv);
        if (own || file.contains(u8("gyártók"))) {
            // The codes still list, with the maker's code in place of its name.
            QVERIFY(lv->model()->rowCount() > 100);
            clickRow(lv, 0);
            QVERIFY(part<QLabel>(w, u8("lbl(0)"))->text().startsWith(u8("Kód: 1A")));
            QVERIFY(part<QLabel>(w, u8("lbl(2)"))->text().startsWith(u8("Gyártó: ")));
        }
        resize(w);
        paint(w);
    }

    // Pictures are read at each click: one window, damaged between clicks.
    void smd_pictures_data()
    {
        addDamageColumns();
        for (const char *f : {"SMD/tok/SOT-23.JPG", "SMD/tok/SOT-323.JPG", "SMD/tok/SC-59.JPG",
                              "SMD/tok/SOD-123.JPG", "SMD/tok/SOT-89.JPG", "SMD/belső/BC546A.JPG"})
            addDamageRows(u8(f), damage::forBinary());
    }
    void smd_pictures()
    {
        DAMAGE_FETCH_ROW(file, k);
        if (!QFile::exists(env.appDir() + QLatin1Char('/') + file))
            QSKIP("picture not shipped");
        QVERIFY(damageFile(file, k));

        frm_SMD w;
        w.show();
        auto *lv = part<ReportList>(w, u8("LV1"));
        const QString base = file.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
        const int column = file.contains(u8("/tok/")) ? 4 : 3;
        int row = -1;
        for (int r = 0; r < lv->model()->rowCount() && row < 0; ++r)
            if (lv->model()->index(r, column).data().toString() == base)
                row = r;
        QVERIFY2(row >= 0, "no code uses the picture");
        clickRow(lv, row);
        QVERIFY(part<QLabel>(w, u8("lbl(0)"))->text().startsWith(u8("Kód: ")));
        // A picture that cannot be decoded leaves its image empty (a cut one
        // shows what was decoded).
        auto *img = part<ImageControl>(w, column == 4 ? u8("Image2") : u8("Image1"));
        if (damage::unopenable(k) || k == Kind::Empty || k == Kind::Random)
            QVERIFY(img->picture().isNull());
        QTest::keyClick(lv, Qt::Key_Down);
        paint(w);
    }

    void smd_passive_codes_data()
    {
        addDamageColumns();
        for (const char *f : {"SMD/!smd_1.txt", "SMD/!smd_2_5.txt", "SMD/!smd_3.txt", "SMD/!smd_4.txt",
                              "SMD/!smd_keramia.txt", "SMD/!smd_szorzo.txt"})
            addDamageRows(u8(f), damage::all());
    }
    void smd_passive_codes()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damageFile(file, k));

        frm_smdRC w;
        w.show();
        paint(w);
        if (damage::unopenable(k))
            QVERIFY(shows(w, "lbl_hiba", fileMessage(file, k)));
        else
            QVERIFY(w.loadProblems().isEmpty());

        // What the untouched tables decode stays as before.
        const bool resistorTables = file.contains(u8("smd_1")) || file.contains(u8("szorzo"))
                                    || file.contains(u8("smd_2_5"));
        if (!resistorTables)
            QCOMPARE(part<QLabel>(w, u8("Label2"))->text(), m_smdrcBaseline[0]);
        if (!file.contains(u8("keramia")))
            QCOMPARE(part<QLabel>(w, u8("Label4"))->text(), m_smdrcBaseline[1]);
        QCOMPARE(part<QLabel>(w, u8("Label5"))->text(), m_smdrcBaseline[2]);

        for (const char *code : {"01A", "96Z", "D18", "x", "", "A48"})
            type(part<QLineEdit>(w, u8("Text1")), u8(code));
        for (const char *code : {"S3", "a9", "Z0", "?"})
            type(part<QLineEdit>(w, u8("Text2")), u8(code));
        for (const char *code : {"10 6V", "A475", "e9"})
            type(part<QLineEdit>(w, u8("Text3")), u8(code));
        for (const char *list : {"List1", "List2"}) {
            auto *l = part<QListWidget>(w, u8(list));
            // A line of megabytes is shown clipped (laying it out took minutes).
            for (int i = 0; i < l->count(); ++i)
                QVERIFY(l->item(i)->text().size() <= 1025);
            QTest::keyClick(l, Qt::Key_Down);
            QTest::keyClick(l, Qt::Key_End);
        }
        paint(w);
    }
};

KONDRIX_TEST_MAIN(DamagedCatalogsTest)
#include "damaged_catalogs_test.moc"
