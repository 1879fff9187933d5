// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_tranzisztor.h"
#include "catalogs/module1.h"
#include "catalogs/transistormodel.h"
#include "damaged/damage.h"
#include "damaged/usage.h"
#include "support/userrecords.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QDir>
#include <QPushButton>

using damage::Kind;
using namespace usage;

namespace {
// Types the name and clicks its row; false when it is not listed.
bool pick(frm_tranzisztor &w, const QString &name)
{
    auto *lv = part<ReportList>(w, u8("LV1"));
    type(part<QLineEdit>(w, u8("Text1")), name);
    for (int r = 0; r < lv->model()->rowCount(); ++r) {
        if (lv->model()->index(r, 0).data().toString().contains(name)) {
            clickRow(lv, r);
            return true;
        }
    }
    return false;
}
} // namespace

class DamagedTransistorTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    QString m_damaged;   // relative names of the files to put back
    QString m_extra;

    // A user's field file is damaged among three records of the user's, so
    // that cutting one loses lines as in a shipped file.
    bool damageFile(const QString &relative, Kind kind)
    {
        m_damaged = relative;
        if (damage::isOwn(relative) && !userrecords::writeTransistors(env.userDataDir(), {"BC546SAJ", "BC547SAJ", "BC548SAJ"}))
            return false;
        return damage::apply(damage::pathOf(env, relative), kind, qHash(relative));
    }

    // Clicks through the window: prefix buttons, the list, the package
    // thumbnail and its enlarged picture.
    static void use(frm_tranzisztor &w, bool prefixes)
    {
        auto *lv = part<ReportList>(w, u8("LV1"));
        for (int i : {0, frm_tranzisztor::kPrefixButtons - 1}) {
            if (!prefixes)
                break;
            QTest::mouseClick(part<QPushButton>(w, u8("Cmd(%1)").arg(i)), Qt::LeftButton);
            walkList(lv);
        }
        auto *thumb = part<ImageControl>(w, u8("Image1"));
        if (thumb->isVisibleTo(&w)) {
            QTest::mouseClick(thumb, Qt::LeftButton);
            QTest::mouseClick(part<ImageControl>(w, u8("Image3")), Qt::LeftButton);
        }
        if (prefixes)
            resize(w);
        paint(w);
    }

private Q_SLOTS:
    void initTestCase() { damage::canTestUnreadable(); }
    // Copying the whole data folder for every row would take most of the
    // run: only the damaged file is put back.
    void cleanup()
    {
        if (damage::isOwn(m_damaged))
            damage::clearOwn(env);
        else if (!m_damaged.isEmpty())
            damage::restore(env.appDir() + QLatin1Char('/') + m_damaged,
                            QStringLiteral(KONDRIX_SOURCE_DATA "/") + m_damaged);
        if (!m_extra.isEmpty())
            damage::restore(env.appDir() + QLatin1Char('/') + m_extra,
                            QStringLiteral(KONDRIX_SOURCE_DATA "/") + m_extra);
        m_damaged.clear();
        m_extra.clear();
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    void field_files_data()
    {
        addDamageColumns();
        for (int f = 0; f < kTransistorFields; ++f)
            addDamageRows(u8("Tranzisztor/") + Transistor_FileName(f), damage::all());
        // The user's: names, a digit code, the usage codes, the last file.
        for (int f : {0, 1, 14, 18})
            addDamageRows(u8("saját/Tranzisztor/") + Transistor_FileName(f), damage::all());
    }
    void field_files()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damageFile(file, k));

        frm_tranzisztor w;
        w.show();
        paint(w);
        QVERIFY(w.windowTitle().contains(u8(" tranzisztor>")));
        // A file whose line count no longer matches the others is reported
        // (the wording is the loader's own).
        const bool own = damage::isOwn(file);
        if (k != Kind::HugeLine && k != Kind::Utf8) {
            QVERIFY(!w.loadReport().ok());
            QVERIFY(part<QLabel>(w, u8("lbl_hiba"))->isVisibleTo(&w));
            QVERIFY(!part<QLabel>(w, u8("lbl_hiba"))->text().isEmpty());
            if (own)   // under the user's folder
                QVERIFY(part<QLabel>(w, u8("lbl_hiba"))->text().contains(
                    u8("Saját adatfájlok (%1/Tranzisztor):\n").arg(env.userDataDir())));
        }

        // The names are in f00: with it whole, or its first half kept, a
        // type is still found and shown. A user's file hides no shipped one.
        const bool namesKept = own || !file.endsWith(u8("f00.txt")) || k == Kind::Cut || k == Kind::HugeLine
                               || k == Kind::Utf8 || k == Kind::LfOnly;
        const bool found = pick(w, u8("BC547"));
        if (namesKept) {
            QVERIFY(found);
            const QString shownName = part<QLabel>(w, u8("lbl(0)"))->text();
            QVERIFY2(shownName.contains(u8("BC547")), qPrintable(shownName.left(80)));
        }
        use(w, true);
    }

    void pictures_data()
    {
        addDamageColumns();
        const QStringList structures =
            QDir(QStringLiteral(KONDRIX_SOURCE_DATA "/Tranzisztor")).entryList({u8("*.jpg")}, QDir::Files);
        for (const QString &f : structures)
            addDamageRows(u8("Tranzisztor/") + f, damage::forBinary());
        const QStringList packages =
            QDir(QStringLiteral(KONDRIX_SOURCE_DATA "/Tranzisztor/Tokpic")).entryList({u8("*.jpg")}, QDir::Files);
        for (const QString &p : packages)
            addDamageRows(u8("Tranzisztor/Tokpic/") + p, damage::forBinary());
    }
    void pictures()
    {
        DAMAGE_FETCH_ROW(file, k);
        QVERIFY(damageFile(file, k));

        frm_tranzisztor w;
        w.show();
        QVERIFY(w.loadReport().ok());
        // A type that shows the picture.
        const Transistor_Table &t = Transistor_Table_Instance();
        const QString base = file.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
        const bool structure = !file.contains(u8("Tokpic"));
        QString name;
        for (int s = 0; s <= t.size() && name.isEmpty(); ++s) {
            const QString field = structure ? t.record(s).field[2] : t.record(s).field[13];
            const auto pictures = frm_tranzisztor::structurePictures(field);
            const QString own = u8("/") + base + u8(".jpg");
            if (structure ? pictures.first.endsWith(own) || pictures.second.endsWith(own)
                          : field.section(QLatin1Char('-'), 0, 0) == base)
                name = t.record(s).field[0];
        }
        QVERIFY(!name.isEmpty() || !structure);
        if (name.isEmpty()) {
            // No shipped type has this package: the first type gets it.
            w.hide();
            const QString f13 = u8("Tranzisztor/f13.txt");
            QByteArray lines = QByteArray("\r\n") + usage::bytes(env.appDir() + u8("/") + f13);
            lines.replace(0, lines.indexOf('\r', 2), "\r\n" + base.toLatin1());
            env.writeFile(f13, lines.mid(2));
            m_extra = f13;
            name = t.record(0).field[0];
        }
        frm_tranzisztor w2;
        w2.show();
        QVERIFY(w2.loadReport().ok());
        QVERIFY(pick(w2, name));
        QCOMPARE(part<QLabel>(w2, u8("lbl(0)"))->text(), name);
        if (!structure && damage::unopenable(k) && k != Kind::Unreadable)
            QVERIFY(part<ImageControl>(w2, u8("Image1"))->isHidden());
        use(w2, false);
    }
};

KONDRIX_TEST_MAIN(DamagedTransistorTest)
#include "damaged_transistor_test.moc"
