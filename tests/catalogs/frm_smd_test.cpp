// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_smd.h"
#include "catalogs/smdmodel.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/controls.h"
#include "ui/reportlist.h"
#include "ui/twips.h"

#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>

namespace {
QString lbl(const QWidget &w, int i) { return part<QLabel>(w, QStringLiteral("lbl(%1)").arg(i))->text(); }
ImageControl *img(const QWidget &w, const char *name) { return part<ImageControl>(w, u8(name)); }
QImage shown(ImageControl *c) { return c->picture().toImage().convertToFormat(QImage::Format_RGB32); }
} // namespace

class FrmSmdTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    QImage picture(const QString &relative) const
    {
        return QImage(env.appDir() + u8("/SMD/") + relative).convertToFormat(QImage::Format_RGB32);
    }
    static int rowOf(const frm_SMD &w, const QString &code, int from = 0)
    {
        for (int r = from; r < w.model()->rowCount(); ++r)
            if (w.model()->index(r, 0).data().toString() == code)
                return r;
        return -1;
    }

private Q_SLOTS:
    void init() { env.resetAppDir(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void lists_every_shipped_code_and_shows_its_details()
    {
        QFile f(env.appDir() + u8("/SMD/!smd.txt"));
        QString codes;
        QVERIFY(textfile::readAll(f, &codes));
        const QStringList lines = textfile::splitLines(codes);

        frm_SMD w;
        w.show();
        QCOMPARE(w.windowTitle(), u8(" SMD aktív alkatrészek."));
        QVERIFY(w.loadProblems().isEmpty());
        QVERIFY(part(w, u8("lbl_hiba"))->isHidden());
        SmdModel *m = w.model();
        QCOMPARE(m->rowCount(), int(lines.size()));
        const char *headers[] = {"Kód", "Berendezés", "Gyártó", "Alap", "Tokozás", "Paraméterek"};
        auto *lv = part<ReportList>(w, u8("LV1"));
        for (int c = 0; c < kSmdFields; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), u8(headers[c]));
            QCOMPARE(lv->header()->sectionSize(c), twips::toPixels(c == 5 ? 5292 : 2540));
        }
        QCOMPARE(m->index(0, 0).data(SmdModel::KeyRole).toString(), u8("A1"));
        QCOMPARE(m->index(int(lines.size()) - 1, 2).data(SmdModel::KeyRole).toString(),
                 u8("A%1").arg(lines.size()));
        for (int i : {0, 4, 5})
            QVERIFY(lbl(w, i).isEmpty());

        const int row = int(lines.size()) / 2;
        const Smd_Record r = Split_Smd_Line(lines[row]);
        for (int c = 0; c < kSmdFields; ++c)
            QCOMPARE(m->index(row, c).data().toString(), r[size_t(c)]);
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, lv->visualRect(m->index(0, 1)).center());
        QCOMPARE(lbl(w, 0), u8("Kód: ") + m->index(0, 0).data().toString());
        w.LV1_ItemClick(row);
        QCOMPARE(lbl(w, 0), u8("Kód: ") + r[0]);
        QCOMPARE(lbl(w, 1), u8("Egység: ") + r[1]);
        QVERIFY(lbl(w, 2).startsWith(u8("Gyártó: ")) && lbl(w, 2) != u8("Gyártó: ") + r[2]);   // the name
        QCOMPARE(lbl(w, 4), u8("Tokozás: ") + r[4]);
        QCOMPARE(lbl(w, 5), u8("Adatok: ") + r[5]);
        QCOMPARE(shown(img(w, "Image1")), picture(u8("belső/") + r[3] + u8(".JPG")));
        QCOMPARE(shown(img(w, "Image2")), picture(u8("tok/") + r[4] + u8(".JPG")));

        lv->scrollTo(m->index(row, 0));
        lv->setCurrentIndex(m->index(row, 0));
        screenshot(&w, u8("frm_SMD"));
    }

    void odd_lines_makers_and_pictures()
    {
        QImage square(40, 40, QImage::Format_RGB32);
        square.fill(Qt::darkBlue);
        env.writeFile(u8("SMD/belső/DUAL.JPG"), QByteArray());
        QVERIFY(square.save(env.appDir() + u8("/SMD/belső/DUAL.JPG"), "JPG"));
        env.writeFile(u8("SMD/!gyártók.txt"),
                      textfile::encode(u8("\"PH\",\"Philips, Nijmegen\"\r\nPH,Másik\r\nON,ON Semiconductor\r\n")));
        env.writeFile(u8("SMD/!smd.txt"),
                      textfile::encode(u8("A1,BAV99,PH,DUAL,NOSUCH,2 dióda, soros, 70V\r\n"
                                          "B2 , BAT54 , ON,x,y,z\r\n"
                                          "C3,BC846,??,..\\..\\x,../tok\r\n"
                                          "short,line\r\n")));
        frm_SMD w;
        w.show();
        QCOMPARE(w.model()->rowCount(), 4);
        w.LV1_ItemClick(0);
        QCOMPARE(lbl(w, 2), u8("Gyártó: Philips, Nijmegen"));   // the first of two
        QCOMPARE(lbl(w, 5), u8("Adatok: 2 dióda, soros, 70V"));
        QCOMPARE(shown(img(w, "Image1")), picture(u8("belső/DUAL.JPG")));
        QVERIFY(!img(w, "Image2")->hasPicture());                 // no such package picture
        w.LV1_ItemClick(1);
        QCOMPARE(lbl(w, 0), u8("Kód: B2 "));
        QCOMPARE(lbl(w, 1), u8("Egység:  BAT54 "));
        QCOMPARE(lbl(w, 2), u8("Gyártó:  ON"));                     // the blank keeps it from matching
        QVERIFY(!img(w, "Image1")->hasPicture());                 // the previous picture is cleared
        w.LV1_ItemClick(2);
        QCOMPARE(lbl(w, 2), u8("Gyártó: ??"));
        QVERIFY(!img(w, "Image1")->hasPicture() && !img(w, "Image2")->hasPicture());
        w.LV1_ItemClick(3);
        QCOMPARE(lbl(w, 0), u8("Kód: short"));
        QCOMPARE(lbl(w, 1), u8("Egység: "));                       // not the previous line's device
        QCOMPARE(lbl(w, 5), u8("Adatok: line"));
        w.LV1_ItemClick(99);                                       // out of range: nothing changes
        QCOMPARE(lbl(w, 0), u8("Kód: short"));
    }

    void missing_files_are_named()
    {
        env.removeFile(u8("SMD/!gyártók.txt"));
        frm_SMD w;
        w.show();
        QCOMPARE(w.loadProblems(), QStringList(u8("Hiányzik a(z) SMD/!gyártók.txt fájl.")));
        QVERIFY(!part(w, u8("lbl_hiba"))->isHidden());
        QVERIFY(w.model()->rowCount() > 0);
        w.LV1_ItemClick(0);
        QCOMPARE(lbl(w, 2), u8("Gyártó: ") + w.model()->index(0, 2).data().toString());
        QVERIFY(part(w, u8("lbl_hiba"))->isHidden());

        env.removeFile(u8("SMD/!smd.txt"));
        frm_SMD empty;
        empty.show();
        QCOMPARE(empty.model()->rowCount(), 0);
        QCOMPARE(empty.loadProblems().size(), 2);
        QVERIFY(part<QLabel>(empty, u8("lbl_hiba"))->text().contains(u8("SMD/!smd.txt")));
    }
};

KONDRIX_TEST_MAIN(FrmSmdTest)
#include "frm_smd_test.moc"
