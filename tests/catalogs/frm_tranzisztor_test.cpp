// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/frm_dioda.h"
#include "catalogs/frm_tranzisztor.h"
#include "catalogs/transistormodel.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/controls.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
QString title(int records) { return u8("   Tranzisztor katalógus.   <%1 tranzisztor>").arg(records); }
using Row = std::map<int, QString>;   // one hand-made transistor: field number -> text
} // namespace

class FrmTranzisztorTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    static QLabel *lbl(QWidget &w, int i) { return part<QLabel>(w, QStringLiteral("lbl(%1)").arg(i)); }
    static ImageControl *img(QWidget &w, const char *name) { return part<ImageControl>(w, u8(name)); }
    static QLineEdit *text1(QWidget &w) { return part<QLineEdit>(w, u8("Text1")); }
    static QImage shown(ImageControl *c) { return c->picture().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage picture(const QString &relative) const
    {
        return QImage(env.appDir() + u8("/Tranzisztor/") + relative).convertToFormat(QImage::Format_RGB32);
    }

    static QByteArray shipped(const char *file)
    {
        QFile f(QStringLiteral(KONDRIX_SOURCE_DATA "/Tranzisztor/") + QLatin1String(file));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("no %s", file);
        return f.readAll();
    }
    // Names in the shipped f00.txt, read independently of the loader.
    static QStringList shippedNames()
    {
        return textfile::decode(shipped("f00.txt")).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    // Clicks the row of type, searching for it first when it is not listed.
    static void choose(frm_tranzisztor &w, const QString &type)
    {
        auto rowOf = [&w, &type] {
            for (int r = 0; r < w.model()->rowCount(); ++r)
                if (w.model()->index(r, 0).data().toString() == type)
                    return r;
            return -1;
        };
        if (rowOf() < 0)
            text1(w)->setText(type);
        QVERIFY2(rowOf() >= 0, qPrintable(type));
        w.LV1_ItemClick(rowOf());
    }

    void writeCatalog(const QList<Row> &rows)
    {
        for (int f = 0; f < kTransistorFields; ++f) {
            QString t;
            for (const Row &r : rows)
                t += (r.count(f) ? r.at(f) : QString()) + QStringLiteral("\r\n");
            env.writeFile(QStringLiteral("Tranzisztor/") + Transistor_FileName(f), textfile::encode(t));
        }
    }

private Q_SLOTS:
    void init() { env.resetAppDir(); }
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_empty_shows_about_and_searches_as_you_type()
    {
        frm_tranzisztor w;
        w.show();
        const QStringList names = shippedNames();
        QCOMPARE(w.windowTitle(), title(int(names.size())));
        QVERIFY(w.loadReport().ok());
        for (const char *hidden : {"lbl_hiba", "Frame1", "Image1", "Picture1"})
            QVERIFY2(part(w, u8(hidden))->isHidden(), hidden);
        QString seen;
        env.expectModal([&seen](QWidget *m) { seen = m->objectName(); m->close(); });
        QTest::mouseClick(img(w, "Image2"), Qt::LeftButton);   // the logo
        QCOMPARE(seen, u8("About"));
        TransistorModel *m = w.model();
        QCOMPARE(m->rowCount(), 0);
        QLineEdit *t = text1(w);
        QTest::keyClick(t, Qt::Key_B);
        QCOMPARE(m->rowCount(), 0);                       // one character: nothing
        QTest::keyClick(t, Qt::Key_C);
        std::vector<int> expected;
        for (int s = 0; s < names.size(); ++s)
            if (names[s].contains(u8("bc"), Qt::CaseInsensitive))
                expected.push_back(s);
        QVERIFY(expected.size() > 100 && expected[0] == 0);   // the first line of the files is a transistor
        QCOMPARE(m->slots(), expected);
        for (int r = 0; r < m->rowCount(); ++r)
            QCOMPARE(m->index(r, 0).data().toString(), names[expected[size_t(r)]]);
        QCOMPARE(m->index(5, 3).data(TransistorModel::KeyRole).toString(), u8("A%1").arg(expected[5]));
        t->setText(u8("bC"));
        QCOMPARE(m->slots(), expected);
        QTest::keyClick(t, Qt::Key_Backspace);            // deleting: the list stays
        QCOMPARE(m->slots(), expected);
        t->clear();
        QCOMPARE(m->slots(), expected);
    }

    void prefix_button_searches_each_time_and_resets_the_panel()
    {
        frm_tranzisztor w;
        w.show();
        choose(w, u8("BD139"));
        QVERIFY(img(w, "ImgStrukt(0)")->hasPicture());
        QSignalSpy resets(w.model(), &QAbstractItemModel::modelReset);
        auto *bc = part<QPushButton>(w, u8("Cmd(9)"));
        QTest::mouseClick(bc, Qt::LeftButton);
        QTest::mouseClick(bc, Qt::LeftButton);
        QCOMPARE(resets.count(), 2);
        QCOMPARE(text1(w)->text(), u8("BC"));
        for (int i = 0; i < frm_tranzisztor::kLabels; ++i)
            QCOMPARE(lbl(w, i)->text(), i == 0 ? u8("BC") : QString());
        QVERIFY(!part(w, u8("Frame1"))->isHidden() && part(w, u8("Image1"))->isHidden());
        QVERIFY(!img(w, "ImgStrukt(0)")->hasPicture() && !img(w, "ImgStrukt(1)")->hasPicture());
        for (int i = 0; i < frm_tranzisztor::kPrefixButtons; ++i) {   // every prefix finds types
            w.Cmd_Click(i);
            QVERIFY2(w.model()->rowCount() >= 3, qPrintable(frm_tranzisztor::prefixCaption(i)));
        }
    }

    void details_panel_and_structure_pictures()
    {
        frm_tranzisztor w;
        w.show();
        choose(w, u8("BC107"));
        const char *expected[] = {"BC107", "Si", "P: 300 mW", "Ucb: 50 V", "Uce: 45 V", "Ueb: 6 V",
                                  "Ic: 100 mA", "Hfe: 110-450", "Tj: 175", "Ftr: ", "Gyár: Philips",
                                  "Tok: TO18-EBC", "Jellemzők: Kisteljesítményű, Általános célra",
                                  "Eu: BC237, BC547", "USA: ", "Oro: ", "Jap: ", "Helyettesítő típusok:"};
        for (int i = 0; i < frm_tranzisztor::kLabels; ++i)
            QCOMPARE(lbl(w, i)->text(), u8(expected[i]));
        QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8("npn.jpg")));
        QCOMPARE(shown(img(w, "ImgStrukt(1)")), picture(u8("npn1.jpg")));
        QCOMPARE(shown(img(w, "Image1")), picture(u8("Tokpic/TO18.jpg")));
        QCOMPARE(img(w, "Image1")->cursor().shape(), Qt::BitmapCursor);
        choose(w, u8("BC557"));
        QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8("pnp.jpg")));
        QCOMPARE(shown(img(w, "ImgStrukt(1)")), picture(u8("pnp1.jpg")));

        // A field-effect type names its ratings after its electrodes and shows its symbol only.
        const struct { const char *type, *label[5], *symbol; } fets[] = {
            {"IRFZ44N", {"Udg: ", "Uds: 55 V", "Ugs: ±20 V", "Rds(on): 17,5 mΩ", "Id: 49 A"}, "nmos.jpg"},
            {"BF245A", {"Udg: 30 V", "Uds: 30 V", "Ugs: 30 V", "Idss: 2-6,5 mA", "Id: 25 mA"}, "njfet.jpg"},
            {"BF998", {"Udg: ", "Uds: 12 V", "Ugs: ", "Idss: ", "Id: 30 mA"}, "nmos2g.jpg"}};
        for (const auto &f : fets) {
            choose(w, u8(f.type));
            for (int i = 0; i < 5; ++i)
                QCOMPARE(lbl(w, 3 + i)->text(), u8(f.label[i]));
            QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8(f.symbol)));
            QVERIFY(!img(w, "ImgStrukt(1)")->hasPicture());
        }
        choose(w, u8("BC107"));   // and back to the bipolar names
        QCOMPARE(lbl(w, 3)->text(), u8("Ucb: 50 V"));
        QCOMPARE(lbl(w, 7)->text(), u8("Hfe: 110-450"));

        QVERIFY(frm_tranzisztor::structurePictures(u8("NPN")).first.endsWith(u8("/Tranzisztor/npn.jpg")));
        QVERIFY(frm_tranzisztor::structurePictures(u8("PnP")).second.endsWith(u8("/Tranzisztor/pnp1.jpg")));
        for (const char *none : {"p/n", "n/p", "", "npn "})
            QCOMPARE(frm_tranzisztor::structurePictures(u8(none)), (std::pair<QString, QString>()));
    }

    void package_picture_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("file");   // empty: no thumbnail
        QTest::addColumn<QSizeF>("enlarged");
        const QSizeF portrait(5000, 6500), landscape(7500, 5000);
        QTest::newRow("name cut at the hyphen") << u8("TO92-CBE") << u8("TO92.jpg") << portrait;
        QTest::newRow("no pinout") << u8("TO92") << u8("TO92.jpg") << portrait;
        QTest::newRow("landscape") << u8("TO220") << u8("TO220.jpg") << landscape;
        QTest::newRow("case as lead 3") << u8("TO3-BEC") << u8("TO3.jpg") << landscape;
        QTest::newRow("square is portrait") << u8("SQ") << u8("SQ.jpg") << portrait;
        QTest::newRow("no such file") << u8("NOSUCH") << QString() << QSizeF();
        QTest::newRow("parent directory") << u8("..\\npn") << QString() << QSizeF();
        QTest::newRow("two dots") << u8("..SQ") << QString() << QSizeF();
        QTest::newRow("slash") << u8("/TO92") << QString() << QSizeF();
        QTest::newRow("backslash") << u8("\\TO92") << QString() << QSizeF();
    }

    // Apart from NOSUCH a file exists for every name: only the name rule hides it.
    void package_picture()
    {
        QFETCH(QString, package);
        QFETCH(QString, file);
        QFETCH(QSizeF, enlarged);
        QImage square(60, 60, QImage::Format_RGB32);
        square.fill(Qt::darkGreen);
        for (const char *name : {"/SQ.jpg", "/..SQ.jpg"})
            QVERIFY(square.save(env.appDir() + u8("/Tranzisztor/Tokpic") + u8(name), "JPG"));
        writeCatalog({{{0, u8("PN1")}, {2, u8("1")}, {13, package}, {14, u8("<b>x</b>")}},
                      {{0, u8("PN2")}, {2, u8("4")}}});
        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), title(2));
        text1(w)->setText(u8("PN"));                      // both listed: choosing only clicks
        choose(w, u8("PN1"));
        QVERIFY(img(w, "ImgStrukt(0)")->hasPicture());    // pnp
        QCOMPARE(lbl(w, 12)->text(), u8("Jellemzők: <b>x</b>"));
        QCOMPARE(lbl(w, 11)->text(), u8("Tok: ") + package);   // the pinout stays in the text
        QCOMPARE(w.model()->index(0, 13).data().toString(), package);
        QCOMPARE(lbl(w, 12)->textFormat(), Qt::PlainText);
        auto *image1 = img(w, "Image1");
        QWidget *picture1 = part(w, u8("Picture1"));
        w.Image1_Click();
        QCOMPARE(image1->isHidden(), file.isEmpty());
        QCOMPARE(picture1->isHidden(), file.isEmpty());   // a hidden thumbnail does not enlarge
        if (file.isEmpty()) {
            QVERIFY(!image1->hasPicture());
            QCOMPARE(image1->cursor().shape(), Qt::ArrowCursor);
            return;
        }
        QCOMPARE(shown(image1), picture(u8("Tokpic/") + file));
        QCOMPARE(QSizeF(twips::width(picture1), twips::height(picture1)), enlarged);
        auto *image3 = img(w, "Image3");
        QCOMPARE(QSizeF(twips::width(image3), twips::height(image3)), enlarged);
        QCOMPARE(shown(image3), shown(image1));

        const std::function<void()> closers[] = {
            [&] { w.Image3_Click(); }, [&] { w.Picture1_Click(); },
            [&] { choose(w, u8("PN2")); QVERIFY(!img(w, "ImgStrukt(0)")->hasPicture()); },   // n/p
            [&] { QTest::keyClick(text1(w), Qt::Key_X); QVERIFY(image1->isHidden()); }};
        for (const auto &close : closers) {
            choose(w, u8("PN1"));
            w.Image1_Click();
            QVERIFY(!picture1->isHidden());
            close();
            QVERIFY(picture1->isHidden());
        }
    }

    void missing_and_short_files_are_reported_and_the_rest_works()
    {
        env.removeFile(u8("Tranzisztor/f07.txt"));
        const QByteArray bytes = shipped("f05.txt");
        env.writeFile(u8("Tranzisztor/f05.txt"), bytes.left(bytes.indexOf("\r\n") + 2));   // first line only
        const int n = int(shippedNames().size());
        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), title(n));
        auto *hiba = part<QLabel>(w, u8("lbl_hiba"));
        QVERIFY(!hiba->isHidden());
        QVERIFY(hiba->text().contains(u8("f07.txt: hiányzik.")));
        QVERIFY(hiba->text().contains(u8("f05.txt: 1 sor a %1 helyett.").arg(n)));
        choose(w, u8("BC107"));
        QCOMPARE(lbl(w, 4)->text(), u8("Uce: 45 V"));
        QCOMPARE(lbl(w, 6)->text(), u8("Ic: "));
        QVERIFY(hiba->isHidden());                        // the pictures have the room now
        choose(w, u8("BC108"));
        QCOMPARE(lbl(w, 4)->text(), u8("Uce: "));
        w.Cmd_Click(0);
        QVERIFY(!hiba->isHidden());
    }

    // One damaged file with more lines must not set the count for the other
    // eighteen nor have them blamed.
    void random_bytes_appended_to_one_file()
    {
        QByteArray bytes = shipped("f14.txt");
        uint32_t seed = 14;
        for (int i = 0; i < 20000; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const char c = char(seed >> 24);
            bytes += (seed >> 8) % 13 == 0 ? '\r' : c;
        }
        const int lines = int(textfile::splitLines(textfile::decode(bytes)).size());
        const int n = int(shippedNames().size());
        QVERIFY(lines > n + 500);
        env.writeFile(u8("Tranzisztor/f14.txt"), bytes);
        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), title(n));
        auto *hiba = part<QLabel>(w, u8("lbl_hiba"));
        QVERIFY(!hiba->isHidden());
        QCOMPARE(hiba->text(), u8("Hibás tranzisztor adatfájlok:\nf14.txt: %1 sor a %2 helyett.\n"
                                  "A hiányzó adatok helyén üres mező áll.").arg(lines).arg(n));
        w.Cmd_Click(9);
        QVERIFY(!w.model()->slots().empty() && w.model()->slots().back() < n);
        choose(w, u8("BC107"));
        QCOMPARE(lbl(w, 12)->text(), u8("Jellemzők: Kisteljesítményű, Általános célra"));
    }

    void no_files_at_all()
    {
        for (int f = 0; f < kTransistorFields; ++f)
            env.removeFile(u8("Tranzisztor/") + Transistor_FileName(f));
        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), title(0));
        QVERIFY(part<QLabel>(w, u8("lbl_hiba"))->text().contains(u8("f18.txt: hiányzik.")));
        w.Cmd_Click(9);
        QCOMPARE(w.model()->rowCount(), 0);
        w.LV1_ItemClick(0);                               // no such row: nothing happens
        QCOMPARE(lbl(w, 0)->text(), u8("BC"));
    }

    void resizing_keeps_the_list_across_the_window()
    {
        frm_tranzisztor w;
        w.show();
        resizer::remember(11880, 7260);
        QWidget *lv = part(w, u8("LV1"));
        for (int scale : {2, 1}) {
            w.resize(scale * 792, scale * 484);
            // The outer width less 300, but never past the window's right edge.
            const double outer = twips::fromPixels(w.frameGeometry().width());
            QCOMPARE(twips::width(lv), float(std::min(outer - 300, twips::fromPixels(w.width()) - twips::left(lv))));
            QCOMPARE(twips::left(lv), 120.f * scale);
            QVERIFY(twips::width(lv) >= scale * 11880 - 300 - 60);
            QVERIFY(lv->geometry().right() < w.width());
        }
    }

    // Both catalog lists: a window of a given size shows the same list width
    // whether or not it has ever been resized.
    void list_width_does_not_wait_for_a_resize_data()
    {
        QTest::addColumn<bool>("diodes");
        QTest::newRow("transistors") << false;
        QTest::newRow("diodes") << true;
    }
    void list_width_does_not_wait_for_a_resize()
    {
        QFETCH(bool, diodes);
        std::unique_ptr<ToolWindow> w(diodes ? static_cast<ToolWindow *>(new frm_dioda) : new frm_tranzisztor);
        w->show();
        QWidget *lv = part(*w, u8("LV1"));
        const int opened = lv->width();
        const QSize size = w->size();
        w->resize(size + QSize(40, 0));
        QVERIFY(lv->width() > opened);
        w->resize(size);
        QCOMPARE(lv->width(), opened);
    }
};

KONDRIX_TEST_MAIN(FrmTranzisztorTest)
#include "frm_tranzisztor_test.moc"
