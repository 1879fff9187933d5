// SPDX-License-Identifier: GPL-3.0-or-later
#include "captest.h"
#include "decoders/frm_kondi.h"
#include "support/windowtest.h"

#include <QGroupBox>

using namespace captest;

namespace {
QString joined(const QWidget &w, std::initializer_list<const char *> names)
{
    QStringList t;
    for (const char *n : names)
        t.append(text(w, QString::fromUtf8(n)));
    return t.join(QLatin1Char('|'));
}
} // namespace

class FrmKondiTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_empty_with_its_captions()
    {
        frm_kondi w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Kondenzátorok"));
        QCOMPARE(part<QGroupBox>(w, QStringLiteral("Frame2"))->title(), QStringLiteral("Feliratos kondenzátor"));
        QCOMPARE(text(w, "Label3(4)"), QStringLiteral("Feszültség"));
        QCOMPARE(text(w, "F4(5)"), QStringLiteral("K"));
        QCOMPARE(text(w, "Col_C(3)"), QStringLiteral("Narancs"));
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Col_C(2)")));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(markColour(w, QStringLiteral("Sh(%1)").arg(i)), QLatin1Char('-'));
        QVERIFY(part<ImageControl>(w, QStringLiteral("Image1"))->hasPicture());
        QCOMPARE(joined(w, {"N1", "N2", "Label6", "Label8", "Label4", "Label12", "E1", "E3", "Label2(0)",
                            "Label2(3)"}),
                 QStringLiteral("|||||||||"));
    }

    void colour_part_data()
    {
        QTest::addColumn<QString>("picks");
        QTest::addColumn<QString>("bands");     // Sh(0..4) as in the picks, "-" unset
        QTest::addColumn<QString>("digits");    // N1 | N2 | Label6
        QTest::addColumn<QString>("values");    // Label8 | Label9 | Label10
        QTest::addColumn<QString>("ratings");   // Label4 | Label12

        QTest::newRow("470_nF") << "A4 B7 C4" << "474--" << "4|7|10000" << "470000|470|0,47" << "|";
        QTest::newRow("10_nF") << "A1 B0 C3" << "103--" << "1|0|1000" << "10000|10|0,01" << "|";
        QTest::newRow("tolerance_and_voltage_keep_values")
            << "A4 B7 C4 D9 E2" << "47492" << "4|7|10000" << "470000|470|0,47" << "+/- 10 %|200 V";
        QTest::newRow("ratings_alone_compute_nothing") << "D0 E4" << "---04" << "||" << "||" << "+/- 20 %|400 V";
        QTest::newRow("green_and_brown") << "A2 B2 C5 D5 E1" << "22551" << "2|2|100000" << "2200000|2200|2,2"
                                         << "+/- 5 %|100 V";
        QTest::newRow("second_digit_alone") << "B7 C3" << "-73--" << "|7|1000" << "7000|7|0,007" << "|";
        QTest::newRow("cleared") << "A4 B7 C4 D9 E2 X" << "-----" << "||" << "||" << "|";
        QTest::newRow("cleared_then_C_alone") << "A4 B7 C4 X C5" << "--5--" << "||100000" << "0|0|0" << "|";
    }
    void colour_part()
    {
        QFETCH(QString, picks);
        frm_kondi w;
        w.show();
        pick(w, picks);
        QFETCH(QString, bands);
        for (int i = 0; i < 5; ++i)
            QVERIFY2(markColour(w, QStringLiteral("Sh(%1)").arg(i)) == bands.at(i), qPrintable(QString::number(i)));
        QFETCH(QString, digits);
        QCOMPARE(joined(w, {"N1", "N2", "Label6"}), digits);
        QFETCH(QString, values);
        QCOMPARE(joined(w, {"Label8", "Label9", "Label10"}), values);
        QFETCH(QString, ratings);
        QCOMPARE(joined(w, {"Label4", "Label12"}), ratings);
    }

    void printed_part_data()
    {
        QTest::addColumn<QString>("picks");
        QTest::addColumn<QString>("shown");    // E1 | E2 | E3
        QTest::addColumn<QString>("values");   // Label2(0..3)

        QTest::newRow("154K") << "F1=1 F2=5 F3=4 F4=5" << "1|5|0000" << "150000 |150 |0,15 |10 ";
        QTest::newRow("second_digit_only") << "F2=5 F3=2" << "|5|00" << "500 |0,5 |0,0005 |";
        QTest::newRow("zero_zeros") << "F1=4 F2=7 F3=3 F3=0" << "4|7|" << "47 |0,047 |4,7E-05 |";
        QTest::newRow("letter_alone") << "F4=3" << "||" << "|||2,5 ";
        QTest::newRow("clearing_leaves_it") << "F1=1 F2=5 F3=4 F4=6 A4 B7 C4 X" << "1|5|0000"
                                            << "150000 |150 |0,15 |20 ";
    }
    void printed_part()
    {
        QFETCH(QString, picks);
        frm_kondi w;
        w.show();
        pick(w, picks);
        QFETCH(QString, shown);
        QCOMPARE(joined(w, {"E1", "E2", "E3"}), shown);
        QFETCH(QString, values);
        QCOMPARE(joined(w, {"Label2(0)", "Label2(1)", "Label2(2)", "Label2(3)"}), values);
    }

    void screenshot()
    {
        frm_kondi w;
        w.show();
        pick(w, QStringLiteral("A4 B7 C4 D9 E2 F1=1 F2=5 F3=4 F4=5"));
        ::screenshot(&w, QStringLiteral("frm_kondi"));
        ::screenshot(part<ImageControl>(w, QStringLiteral("Image1"))->picture(), QStringLiteral("frm_kondi_disc"));
    }
};

KONDRIX_TEST_MAIN(FrmKondiTest)
#include "frm_kondi_test.moc"
