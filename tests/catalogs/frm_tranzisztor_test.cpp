#include "catalogs/frm_tranzisztor.h"
#include "catalogs/transistormodel.h"
#include "core/textfile.h"
#include "support/windowtest.h"
#include "ui/controls.h"
#include "ui/reportlist.h"
#include "ui/resizer.h"
#include "ui/twips.h"

#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
QString u8(const char *s) { return QString::fromUtf8(s); }

// One transistor for a hand-made catalog: field number -> text as in the file.
using Row = std::map<int, QString>;
} // namespace

class FrmTranzisztorTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

    template<typename T> static T *child(QWidget &w, const QString &name)
    {
        T *c = w.findChild<T *>(name);
        if (!c)
            qFatal("missing control %s", qPrintable(name));
        return c;
    }
    static QLabel *lbl(QWidget &w, int i) { return child<QLabel>(w, QStringLiteral("lbl(%1)").arg(i)); }
    static ImageControl *img(QWidget &w, const char *name) { return child<ImageControl>(w, QLatin1String(name)); }
    static QLineEdit *text1(QWidget &w) { return child<QLineEdit>(w, QStringLiteral("Text1")); }

    static QImage picture(const QString &relative)
    {
        return QImage(QStringLiteral(KONDRIX_SOURCE_DATA "/") + relative).convertToFormat(QImage::Format_RGB32);
    }
    static QImage shown(ImageControl *c) { return c->picture().toImage().convertToFormat(QImage::Format_RGB32); }

    // Names in the shipped f00.txt, read independently of the loader.
    static QStringList shippedNames()
    {
        QFile f(QStringLiteral(KONDRIX_SOURCE_DATA "/Tranzisztor/f00.txt"));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("no f00.txt");
        return textfile::decode(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    static int rowOf(frm_tranzisztor &w, const QString &type)
    {
        TransistorModel *m = w.model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == type)
                return r;
        return -1;
    }

    // Shows type (searching for it) and clicks its row.
    static void choose(frm_tranzisztor &w, const QString &type)
    {
        text1(w)->setText(type);
        const int row = rowOf(w, type);
        QVERIFY2(row >= 0, qPrintable(type));
        w.LV1_ItemClick(row);
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

    void opens_with_the_shipped_catalog_and_its_controls()
    {
        frm_tranzisztor w;
        const int count = shippedNames().size();
        QCOMPARE(count, 472);
        QCOMPARE(w.windowTitle(), u8("   Tranzisztor katalógus.   <472 tranzisztor>"));
        QVERIFY(w.loadReport().ok());
        QVERIFY(child<QLabel>(w, QStringLiteral("lbl_hiba"))->isHidden());
        QCOMPARE(child<QLabel>(w, QStringLiteral("Label1"))->text(), u8("Keresés"));
        QCOMPARE(text1(w)->font().pointSizeF(), 12.0);
        QVERIFY(text1(w)->font().bold());
        for (int i = 0; i < frm_tranzisztor::kPrefixButtons; ++i) {
            auto *b = child<QPushButton>(w, QStringLiteral("Cmd(%1)").arg(i));
            QCOMPARE(b->text(), frm_tranzisztor::prefixCaption(i));
            QCOMPARE(twips::left(b), float(3000 + 600 * (i % 12)));
            QCOMPARE(twips::top(b), i < 12 ? 120.f : 480.f);
        }
        QCOMPARE(frm_tranzisztor::prefixCaption(23), u8("ZTX"));
        auto *lv = child<ReportList>(w, QStringLiteral("LV1"));
        QCOMPARE(lv->model()->columnCount(), 19);
        QCOMPARE(lv->model()->rowCount(), 0);
        QCOMPARE(lv->model()->headerData(8, Qt::Horizontal).toString(), u8("Max Höm.Celsius"));
        QCOMPARE(lv->model()->headerData(14, Qt::Horizontal).toString(), u8("Felhasználás, leírás"));
        QCOMPARE(lv->columnWidth(14), twips::toPixels(4410));
        QCOMPARE(lv->columnWidth(0), twips::toPixels(1764));
        QVERIFY(child<QWidget>(w, QStringLiteral("Frame1"))->isHidden());
        QVERIFY(img(w, "Image1")->isHidden());
        QVERIFY(child<QWidget>(w, QStringLiteral("Picture1"))->isHidden());
        QCOMPARE(img(w, "Image2")->toolTip(), u8("Névjegy."));
        QVERIFY(img(w, "Image2")->hasPicture());
        QCOMPARE(lbl(w, 0)->text(), u8("BFY46"));
        QCOMPARE(lbl(w, 0)->font().pointSizeF(), 13.5);
        QCOMPARE(lbl(w, 12)->text(), u8("Jellemzők:"));
        QCOMPARE(lbl(w, 17)->text(), u8("Helyettesítő típusok:"));
        QCOMPARE(twips::top(img(w, "ImgStrukt(1)")), 5520.f);
    }

    void search_as_you_type()
    {
        frm_tranzisztor w;
        w.show();
        TransistorModel *m = w.model();
        QLineEdit *t = text1(w);
        QTest::keyClick(t, Qt::Key_B);
        QCOMPARE(m->rowCount(), 0);                       // one character: nothing
        QTest::keyClick(t, Qt::Key_C);
        QStringList expected;
        for (const QString &n : shippedNames())
            if (n.contains(u8("bc"), Qt::CaseInsensitive))
                expected << n;
        QVERIFY(expected.size() > 100);
        QCOMPARE(m->rowCount(), expected.size());
        for (int r = 0; r < m->rowCount(); ++r)
            QCOMPARE(m->index(r, 0).data().toString(), expected[r]);
        // The first line of the files is a transistor and is found.
        QCOMPARE(m->slotAt(0), 0);
        QCOMPARE(m->index(0, 0).data(TransistorModel::KeyRole).toString(), u8("A0"));
        QCOMPARE(m->index(5, 3).data(TransistorModel::KeyRole).toString(), u8("A") + QString::number(m->slotAt(5)));

        const std::vector<int> upper = m->slots();
        t->setText(u8("bc"));
        t->setText(u8("bC"));
        QCOMPARE(m->slots(), upper);
        QTest::keyClick(t, Qt::Key_Backspace);            // down to one character: the list stays
        QCOMPARE(m->slots(), upper);
        t->clear();
        QCOMPARE(m->slots(), upper);
    }

    void prefix_button_searches_each_time_and_resets_the_panel()
    {
        frm_tranzisztor w;
        w.show();
        choose(w, u8("BD139"));
        QVERIFY(img(w, "ImgStrukt(0)")->hasPicture());
        QSignalSpy resets(w.model(), &QAbstractItemModel::modelReset);
        auto *bc = child<QPushButton>(w, QStringLiteral("Cmd(9)"));
        QTest::mouseClick(bc, Qt::LeftButton);
        QTest::mouseClick(bc, Qt::LeftButton);
        QCOMPARE(resets.count(), 2);
        QCOMPARE(text1(w)->text(), u8("BC"));
        QCOMPARE(lbl(w, 0)->text(), u8("BC"));
        for (int i = 1; i < 18; ++i)
            QCOMPARE(lbl(w, i)->text(), QString());
        QVERIFY(!child<QWidget>(w, QStringLiteral("Frame1"))->isHidden());
        QVERIFY(!img(w, "ImgStrukt(0)")->hasPicture());
        QVERIFY(!img(w, "ImgStrukt(1)")->hasPicture());
        QVERIFY(img(w, "Image1")->isHidden());
        QVERIFY(w.model()->rowCount() > 100);
        // Every prefix button finds its types in the shipped catalog.
        for (int i = 0; i < frm_tranzisztor::kPrefixButtons; ++i) {
            w.Cmd_Click(i);
            QVERIFY2(w.model()->rowCount() >= 3, qPrintable(frm_tranzisztor::prefixCaption(i)));
        }
    }

    void details_panel_of_a_shipped_transistor()
    {
        frm_tranzisztor w;
        w.show();
        choose(w, u8("BC107"));
        const char *expected[] = {"BC107", "Si", "P: 300 mW", "Ucb: 50 V", "Uce: 45 V", "Ueb: 6 V",
                                  "Ic: 100 mA", "Hfe: 110-450", "Tj: 175", "Ftr: ", "Gyár: Philips",
                                  "Tok: TO18", "Jellemzők: Kisteljesítményű, Általános célra",
                                  "Eu: BC237, BC547", "USA: ", "Oro: ", "Jap: ", "Helyettesítő típusok:"};
        for (int i = 0; i < 18; ++i)
            QCOMPARE(lbl(w, i)->text(), u8(expected[i]));
        QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8("Tranzisztor/npn.jpg")));
        QCOMPARE(shown(img(w, "ImgStrukt(1)")), picture(u8("Tranzisztor/npn1.jpg")));
        QVERIFY(!img(w, "Image1")->isHidden());
        QCOMPARE(shown(img(w, "Image1")), picture(u8("Tranzisztor/Tokpic/TO18.jpg")));
        QCOMPARE(img(w, "Image1")->cursor().shape(), Qt::BitmapCursor);

        // A pnp type switches both structure pictures.
        const QStringList names = shippedNames();
        const int slot = names.indexOf(u8("BC557"));
        QVERIFY(slot >= 0);
        choose(w, u8("BC557"));
        QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8("Tranzisztor/pnp.jpg")));
        QCOMPARE(shown(img(w, "ImgStrukt(1)")), picture(u8("Tranzisztor/pnp1.jpg")));
    }

    void structure_pictures_ignore_case()
    {
        const auto npn = frm_tranzisztor::structurePictures(u8("NPN"));
        QVERIFY(npn.first.endsWith(u8("/Tranzisztor/npn.jpg")));
        QVERIFY(npn.second.endsWith(u8("/Tranzisztor/npn1.jpg")));
        QVERIFY(frm_tranzisztor::structurePictures(u8("PnP")).second.endsWith(u8("/pnp1.jpg")));
        for (const char *none : {"p/n", "n/p", "", "npn "}) {
            const auto p = frm_tranzisztor::structurePictures(u8(none));
            QVERIFY(p.first.isEmpty() && p.second.isEmpty());
        }
    }

    void hand_made_catalog_pictures_and_markup_free_labels()
    {
        QImage square(60, 60, QImage::Format_RGB32);
        square.fill(Qt::darkGreen);
        QVERIFY(square.save(env.appDir() + u8("/Tranzisztor/Tokpic/SQ.jpg"), "JPG"));
        writeCatalog({
            {{0, u8("PN1")}, {2, u8("3")}, {13, u8("TO92-EBC")}, {14, u8("<b>x</b>")}},
            {{0, u8("PN2")}, {2, u8("2")}, {13, u8("NOSUCH")}},
            {{0, u8("PN3")}, {2, u8("1")}, {13, u8("..\\npn")}},
            {{0, u8("PN4")}, {2, u8("4")}, {13, u8("TO220")}},
            {{0, u8("PN5")}, {13, u8("SQ")}},
            {{0, u8("PN6")}, {13, u8("Tokpic/TO92")}},
        });
        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), u8("   Tranzisztor katalógus.   <6 tranzisztor>"));
        auto *image1 = img(w, "Image1");
        auto *picture1 = child<QWidget>(w, QStringLiteral("Picture1"));
        auto *image3 = img(w, "Image3");

        // p/n: no structure pictures; the package before the hyphen; portrait.
        choose(w, u8("PN1"));
        QVERIFY(!img(w, "ImgStrukt(0)")->hasPicture());
        QVERIFY(!img(w, "ImgStrukt(1)")->hasPicture());
        QCOMPARE(lbl(w, 12)->text(), u8("Jellemzők: <b>x</b>"));
        QCOMPARE(lbl(w, 12)->textFormat(), Qt::PlainText);
        QVERIFY(!image1->isHidden());
        QCOMPARE(shown(image1), picture(u8("Tranzisztor/Tokpic/TO92.jpg")));
        w.Image1_Click();
        QVERIFY(!picture1->isHidden());
        QCOMPARE(twips::width(picture1), 5000.f);
        QCOMPARE(twips::height(picture1), 6500.f);
        QCOMPARE(twips::width(image3), 5000.f);
        QCOMPARE(twips::height(image3), 6500.f);
        QCOMPARE(shown(image3), shown(image1));
        w.Image3_Click();
        QVERIFY(picture1->isHidden());

        // No picture file: thumbnail hidden, default pointer.
        choose(w, u8("PN2"));
        QVERIFY(image1->isHidden());
        QVERIFY(!image1->hasPicture());
        QCOMPARE(image1->cursor().shape(), Qt::ArrowCursor);
        w.Image1_Click();                                 // a hidden thumbnail does not enlarge
        QVERIFY(picture1->isHidden());
        QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8("Tranzisztor/npn.jpg")));

        // A package name that leads out of Tokpic shows nothing, even where a
        // file of that name exists.
        choose(w, u8("PN3"));
        QVERIFY(image1->isHidden() && !image1->hasPicture());
        QCOMPARE(shown(img(w, "ImgStrukt(0)")), picture(u8("Tranzisztor/pnp.jpg")));
        choose(w, u8("PN6"));
        QVERIFY(image1->isHidden() && !image1->hasPicture());

        // Landscape, then square; the enlargement closes on another item and on typing.
        choose(w, u8("PN4"));
        QVERIFY(!img(w, "ImgStrukt(0)")->hasPicture());   // n/p
        w.Image1_Click();
        QCOMPARE(twips::width(picture1), 7500.f);
        QCOMPARE(twips::height(picture1), 5000.f);
        w.Picture1_Click();
        QVERIFY(picture1->isHidden());
        w.Image1_Click();
        choose(w, u8("PN5"));
        QVERIFY(picture1->isHidden());
        w.Image1_Click();
        QCOMPARE(twips::width(picture1), 5000.f);
        QCOMPARE(twips::height(picture1), 6500.f);
        QTest::keyClick(text1(w), Qt::Key_X);
        QVERIFY(picture1->isHidden());
        QVERIFY(image1->isHidden());
    }

    void thumbnail_hidden_when_the_package_picture_is_missing()
    {
        env.removeFile(u8("Tranzisztor/Tokpic/TO18.jpg"));
        frm_tranzisztor w;
        w.show();
        choose(w, u8("BC107"));
        QVERIFY(img(w, "Image1")->isHidden());
        QCOMPARE(lbl(w, 11)->text(), u8("Tok: TO18"));
    }

    void missing_and_short_files_are_reported_and_the_rest_works()
    {
        env.removeFile(u8("Tranzisztor/f07.txt"));
        QFile f05(env.appDir() + u8("/Tranzisztor/f05.txt"));
        QVERIFY(f05.open(QIODevice::ReadOnly));
        QByteArray bytes = f05.readAll();
        f05.close();
        bytes.chop(bytes.size() - bytes.indexOf("\r\n") - 2);   // first line only
        env.writeFile(u8("Tranzisztor/f05.txt"), bytes);

        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), u8("   Tranzisztor katalógus.   <472 tranzisztor>"));
        auto *hiba = child<QLabel>(w, QStringLiteral("lbl_hiba"));
        QVERIFY(!hiba->isHidden());
        QVERIFY(hiba->text().contains(u8("f07.txt: hiányzik.")));
        QVERIFY(hiba->text().contains(u8("f05.txt: 1 sor a 472 helyett.")));
        choose(w, u8("BC107"));
        QCOMPARE(lbl(w, 4)->text(), u8("Uce: 45 V"));
        QCOMPARE(lbl(w, 6)->text(), u8("Ic: "));
        QVERIFY(hiba->isHidden());                        // the pictures have the room now
        choose(w, u8("BC108"));
        QCOMPARE(lbl(w, 4)->text(), u8("Uce: "));
        w.Cmd_Click(0);
        QVERIFY(!hiba->isHidden());
    }

    void no_files_at_all()
    {
        for (int f = 0; f < kTransistorFields; ++f)
            env.removeFile(u8("Tranzisztor/") + Transistor_FileName(f));
        frm_tranzisztor w;
        w.show();
        QCOMPARE(w.windowTitle(), u8("   Tranzisztor katalógus.   <0 tranzisztor>"));
        QVERIFY(child<QLabel>(w, QStringLiteral("lbl_hiba"))->text().contains(u8("f18.txt: hiányzik.")));
        w.Cmd_Click(9);
        QCOMPARE(w.model()->rowCount(), 0);
        w.LV1_ItemClick(0);                               // no such row: nothing happens
        QCOMPARE(lbl(w, 0)->text(), u8("BC"));
    }

    void logo_opens_about()
    {
        frm_tranzisztor w;
        w.show();
        QString seen;
        env.expectModal([&seen](QWidget *m) { seen = m->objectName(); m->close(); });
        QTest::mouseClick(img(w, "Image2"), Qt::LeftButton);
        QCOMPARE(seen, u8("About"));
    }

    void resizing_keeps_the_list_across_the_window()
    {
        frm_tranzisztor w;
        w.show();
        resizer::remember(11880, 7260);
        auto *lv = child<QWidget>(w, QStringLiteral("LV1"));
        // The list is the outer width less 300 wide, but never reaches past
        // the window's right edge.
        auto expectedWidth = [&w, lv] {
            const double outer = twips::fromPixels(w.frameGeometry().width());
            return float(std::min(outer - 300, twips::fromPixels(w.width()) - twips::left(lv)));
        };
        w.resize(2 * 792, 2 * 484);
        QCOMPARE(twips::left(lv), 240.f);
        QCOMPARE(twips::width(lv), expectedWidth());
        QVERIFY(twips::width(lv) >= 23760 - 300 - 60);
        QVERIFY(lv->geometry().right() < w.width());
        QCOMPARE(twips::left(text1(w)), 240.f);
        QCOMPARE(twips::width(text1(w)), 5550.f);
        w.resize(792, 484);
        QCOMPARE(twips::width(lv), expectedWidth());
        QVERIFY(twips::width(lv) >= 11880 - 300 - 60);
        QCOMPARE(twips::left(lv), 120.f);
        QCOMPARE(twips::top(lv), 960.f);
    }
};

KONDRIX_TEST_MAIN(FrmTranzisztorTest)
#include "frm_tranzisztor_test.moc"
