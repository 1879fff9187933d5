// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_dioda.h"
#include "catalogs/frm_smd.h"
#include "catalogs/frm_szotar.h"
#include "catalogs/frm_tranzisztor.h"
#include "catalogs/module1.h"
#include "catalogs/smdlink.h"
#include "support/userrecords.h"
#include "support/windowtest.h"
#include "ui/reportlist.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace {
std::unique_ptr<QWidget> open(const QString &name)
{
    if (name == u8("frm_tranzisztor"))
        return std::make_unique<frm_tranzisztor>();
    if (name == u8("frm_dioda"))
        return std::make_unique<frm_dioda>();
    if (name == u8("frm_SMD"))
        return std::make_unique<frm_SMD>();
    return std::make_unique<frm_szotar>();
}

bool marked(const QVariant &text) { return text.toString().endsWith(u8(" (saját)")); }
} // namespace

class UserRecordsTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

private Q_SLOTS:
    // Nothing here changes the data: it is set up once.
    void initTestCase() { QVERIFY(userrecords::writeAll(env.userDataDir())); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void listed_after_the_shipped_ones_and_marked_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("sortColumn");   // -1: as opened
        QTest::addColumn<int>("nameColumn");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("markColumn");   // -1: marked in the tip only
        const QString t = u8(userrecords::kTransistor), d = u8(userrecords::kDiode), term = u8(userrecords::kTerm);
        QTest::newRow("transistor") << u8("frm_tranzisztor") << u8("BC546") << -1 << 0 << t << 14;
        QTest::newRow("diode") << u8("frm_dioda") << QString() << -1 << 0 << d << 1;
        QTest::newRow("diode search") << u8("frm_dioda") << u8("1N400") << -1 << 0 << d << 1;
        QTest::newRow("smd") << u8("frm_SMD") << QString() << -1 << 1 << u8("BC846SAJ") << 5;
        QTest::newRow("dictionary") << u8("frm_szotar") << QString() << -1 << 0 << term << -1;
        QTest::newRow("dictionary by English") << u8("frm_szotar") << QString() << 1 << 0 << term << -1;
        QTest::newRow("dictionary search") << u8("frm_szotar") << u8("ellen") << 2 << 0 << term << -1;
    }
    void listed_after_the_shipped_ones_and_marked()
    {
        QFETCH(QString, window);
        QFETCH(QString, search);
        QFETCH(int, sortColumn);
        QFETCH(int, nameColumn);
        QFETCH(QString, name);
        QFETCH(int, markColumn);

        std::unique_ptr<QWidget> w = open(window);
        w->show();
        QVERIFY(!part<QLabel>(*w, u8("lbl_hiba"))->isVisibleTo(w.get()));
        if (!search.isEmpty())
            part<QLineEdit>(*w, u8("Text1"))->setText(search);
        auto *lv = part<ReportList>(*w, u8("LV1"));
        if (sortColumn >= 0)
            Q_EMIT lv->header()->sectionClicked(sortColumn);
        const QAbstractItemModel *m = lv->model();
        const int last = m->rowCount() - 1;
        QVERIFY(last >= 1);
        QCOMPARE(m->index(last, nameColumn).data().toString(), name);
        // Only the user's record is told apart.
        for (int r = 0; r <= last; ++r) {
            QCOMPARE(m->index(r, 0).data(Qt::ForegroundRole).isValid(), r == last);
            QCOMPARE(marked(m->index(r, 0).data(Qt::ToolTipRole)), r == last && markColumn < 0);
            if (markColumn >= 0)
                QCOMPARE(marked(m->index(r, markColumn).data()), r == last);
        }

        // The details show the mark too (the diode list has none: its colour shows).
        lv->scrollTo(m->index(last, 0));
        if (window != u8("frm_dioda"))
            QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualRect(m->index(last, 0)).center());
        if (window == u8("frm_szotar"))
            QVERIFY(part<QLabel>(*w, u8("lbl_sajat"))->isVisibleTo(w.get()));
        screenshot(w.get(), u8("own_") + QString::fromLatin1(QTest::currentDataTag()).replace(u8(" "), u8("_")));
    }

    // The SMD code's jump lands on the user's transistor, with its details.
    void the_smd_jump_finds_the_users_transistor()
    {
        Load_Transistor_Data();
        const Transistor_Table &table = Transistor_Table_Instance();
        const auto match = Find_Transistor_Type(table, u8(userrecords::kTransistor));
        QVERIFY(match);
        QCOMPARE(match->slot, table.shippedSize());
        QVERIFY(table.isOwn(match->slot));

        frm_tranzisztor w;
        w.show();
        w.Show_Type(match->type);
        QCOMPARE(part<QLabel>(w, u8("lbl(0)"))->text(), match->type);
        QCOMPARE(part<QLabel>(w, u8("lbl(12)"))->text(),
                 u8("Jellemzők: Kisteljesítményű, Kiszajú, Általános célra (saját)"));
        QVERIFY(w.windowTitle().contains(u8("<%1 tranzisztor>").arg(table.shippedSize() + 1)));
    }
};

KONDRIX_TEST_MAIN(UserRecordsTest)
#include "user_records_test.moc"
