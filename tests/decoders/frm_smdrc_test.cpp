// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textfile.h"
#include "decoders/frm_smdrc.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
QString text(const QWidget &w, const char *label) { return part<QLabel>(w, label)->text(); }
QColor textColor(const QWidget &w, const char *label)
{
    return part<QLabel>(w, label)->palette().color(QPalette::WindowText);
}
QStringList items(const QWidget &w, const char *list)
{
    QStringList out;
    auto *l = part<QListWidget>(w, list);
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}
} // namespace

class FrmSmdRcTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    QStringList fileLines(const char *name) const
    {
        QFile f(env.appDir() + u8("/SMD/") + u8(name));
        QString t;
        return textfile::readAll(f, &t) ? textfile::splitLines(t) : QStringList();
    }

private Q_SLOTS:
    void init() { env.resetAppDir(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_with_its_examples_and_help_texts()
    {
        frm_smdRC w;
        w.show();
        QCOMPARE(w.windowTitle(), u8("SMD passzív alkatrészek"));
        QVERIFY(!w.scalesLayout());
        QVERIFY(w.loadProblems().isEmpty());
        QVERIFY(part(w, "lbl_hiba")->isHidden());
        QCOMPARE(part<QLineEdit>(w, "Text1")->text(), u8("22A"));
        QCOMPARE(text(w, "Label2"), u8(" 165 ohm\r\n1%-os ellenállás"));
        QCOMPARE(textColor(w, "Label2"), QColor(0, 0, 255));
        QCOMPARE(part<QLineEdit>(w, "Text2")->text(), u8("A2"));
        QCOMPARE(text(w, "Label4"), u8("100 pF"));
        QCOMPARE(part<QLineEdit>(w, "Text3")->text(), u8("A475"));
        QCOMPARE(text(w, "Label5"), u8("4,7 uF/10 V"));
        QCOMPARE(text(w, "Label9"), u8("KA2"));
        QCOMPARE(text(w, "Label3"),
                 u8("Az utolsó 2 karakter számít pl.: KA2=>A2=>100pF  S3=4.7nF  Az első: betű; a második: szám!"));
        QCOMPARE(text(w, "Label7"), u8("A következő karakterek lehetnek (kisbetű/nagybetű érzékeny):"));
        QCOMPARE(textColor(w, "Label7"), QColor(255, 0, 0));
        QCOMPARE(text(w, "Label8"), u8("A a B b C D d E e F f G H J K L M m N n P Q R S T t U V W X Y y Z   0-9"));
        QCOMPARE(text(w, "Label6"),
                 u8("Alap esetben jelölve van a kapacitás-mikrofaradban és utána a feszültség voltban:\r\n"
                    "pl: 10 6V= 10uF/6V\r\n\r\nA másik jelölés: 1-betű, és utána 3 szám:\r\n pl: A475= 4,7uF/10V\r\n"
                    "Használható karakterek: e G J A C D E V H  0-9\r\n(Ezt tudjuk fent keresni!)"));
        QCOMPARE(text(w, "Label1"),
                 u8("Kizárólag számokat, ill. A-F,X,Y,R,S- karaktereket tartalmazhat!\r\n"
                    "----------------------------\r\nSzámmal kezdődő:\r\npl.: 22A=165 ohm 1%\r\n"
                    "A szám 01-96-ig terjedhet!\r\n----------------------------\r\nBetűvel kezdődő: \r\n"
                    "pl.: D18=510 kohm 2%\r\nA szám 01-48-ig terjedhet!"));
        QCOMPARE(part<QWidget>(w, "Frame1")->property("title").toString(), u8("3-digit"));
        QCOMPARE(part<QWidget>(w, "Frame4")->property("title").toString(), u8("EIA-96-típus:1%, 2%, 5%"));
        QCOMPARE(items(w, "List1"), fileLines("!smd_3.txt"));
        QCOMPARE(items(w, "List2"), fileLines("!smd_4.txt"));
        for (const char *img : {"Image1", "Image2", "Image3"})
            QVERIFY2(part<ImageControl>(w, img)->hasPicture(), img);

        screenshot(&w, u8("frm_smdRC"));
    }

    void decodes_as_the_user_types()
    {
        frm_smdRC w;
        w.show();
        auto *t1 = part<QLineEdit>(w, "Text1");
        t1->clear();
        QTest::keyClicks(t1, u8("22a"));
        QCOMPARE(t1->text(), u8("22A"));   // upper case is written back
        QCOMPARE(text(w, "Label2"), u8(" 165 ohm\r\n1%-os ellenállás"));
        QTest::keyClick(t1, Qt::Key_B);
        QCOMPARE(text(w, "Label2"), u8("Max 3 karakter!"));
        QCOMPARE(textColor(w, "Label2"), QColor(255, 0, 0));
        // The decoders themselves are covered by the logic tests; here each box
        // drives its own label.
        t1->setText(u8("D25"));
        QCOMPARE(text(w, "Label2"), u8(" 100 K-ohm\r\n5 %-os ellenállás"));
        QCOMPARE(textColor(w, "Label2"), QColor(0, 0, 255));
        t1->setText(u8("2A2"));
        QCOMPARE(text(w, "Label2"), u8("nem ismert!"));
        part<QLineEdit>(w, "Text2")->setText(u8("KS3"));
        QCOMPARE(text(w, "Label4"), u8("4,7 nF"));
        part<QLineEdit>(w, "Text2")->setText(u8("A0"));
        QCOMPARE(text(w, "Label4"), QString());
        part<QLineEdit>(w, "Text3")->setText(u8("e106"));
        QCOMPARE(text(w, "Label5"), u8("10 uF/2.5 V"));
        part<QLineEdit>(w, "Text3")->setText(u8("a475"));
        QCOMPARE(text(w, "Label5"), u8("XXXX"));
    }

    // Damaged or missing tables: the window opens, names the files and
    // decodes with what it has.
    void missing_and_short_tables()
    {
        env.removeFile(u8("SMD/!smd_szorzo.txt"));
        env.removeFile(u8("SMD/!smd_3.txt"));
        env.writeFile(u8("SMD/!smd_2_5.txt"), QByteArray("\"01\",\"100\"\r\n\"02\""));
        frm_smdRC w;
        w.show();
        QCOMPARE(w.loadProblems(),
                 QStringList({u8("Hiányzik a(z) SMD/!smd_3.txt fájl."), u8("Hiányzik a(z) SMD/!smd_szorzo.txt fájl.")}));
        QVERIFY(!part(w, "lbl_hiba")->isHidden());
        QVERIFY(text(w, "lbl_hiba").contains(u8("!smd_szorzo.txt")));
        QCOMPARE(text(w, "Label2"), u8(" 0 ohm\r\n1%-os ellenállás"));   // no multipliers
        QCOMPARE(w.tables().twoFive.size(), size_t(2));
        QVERIFY(w.tables().twoFive[1].value.isEmpty());
        QVERIFY(items(w, "List1").isEmpty());
        part<QLineEdit>(w, "Text2")->setText(u8("S3"));
        QCOMPARE(text(w, "Label4"), u8("4,7 nF"));
        screenshot(&w, u8("frm_smdRC_missing"));
    }
};

KONDRIX_TEST_MAIN(FrmSmdRcTest)
#include "frm_smdrc_test.moc"
