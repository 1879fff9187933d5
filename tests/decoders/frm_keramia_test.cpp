// SPDX-License-Identifier: GPL-3.0-or-later
#include "captest.h"
#include "decoders/frm_keramia.h"
#include "support/windowtest.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QPushButton>

using namespace captest;

namespace {
// Every mark of each letter, by the drawings they sit on.
const QStringList kMarks[] = {
    {QStringLiteral("SA(0)"), QStringLiteral("SA(1)")},
    {QStringLiteral("SB(0)"), QStringLiteral("SB(1)"), QStringLiteral("SB(2)")},
    {QStringLiteral("SC(0)"), QStringLiteral("SC(1)"), QStringLiteral("SC(2)")},
    {QStringLiteral("SD(0)"), QStringLiteral("SD(1)"), QStringLiteral("SD(2)")},
    {QStringLiteral("SE(0)"), QStringLiteral("SE(1)")},
};
} // namespace

class FrmKeramiaTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;

private Q_SLOTS:
    void cleanup() { KONDRIX_VERIFY_NO_SURPRISES(env); }

    void opens_with_unset_marks_and_empty_results()
    {
        frm_keramia w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Kerámia kondenzátorok"));
        QCOMPARE(part<QPushButton>(w, QStringLiteral("Command1"))->text(), QStringLiteral("Mezők törlése"));
        QCOMPARE(part<QGroupBox>(w, QStringLiteral("FA(4)"))->title(), QStringLiteral("E"));
        for (const char *name : {"Label4", "N1", "N2", "Label6", "Label8", "Label9", "Label10", "Label12"})
            QVERIFY2(text(w, QLatin1String(name)).isEmpty(), name);
        for (const QStringList &marks : kMarks)
            for (const QString &m : marks)
                QCOMPARE(markColour(w, m), QLatin1Char('-'));
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("SA(2)")));
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("SE(2)")));
        // The tolerance column offers only its six colours, black at the top.
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Col_E(3)")));
        auto *gold = part<ClickLabel>(w, QStringLiteral("Col_A(10)"));
        QCOMPARE(gold->text(), QStringLiteral("Arany"));
        QCOMPARE(gold->backgroundColor(), QColor(255, 192, 128));
        QVERIFY(part<QWidget>(w, QStringLiteral("Col_E(0)"))->y() < part<QWidget>(w, QStringLiteral("Col_E(9)"))->y());
    }

    void clicks_paint_marks_and_show_values_data()
    {
        QTest::addColumn<QString>("picks");
        QTest::addColumn<QString>("marks");   // A..E as in the picks, "-" unset
        QTest::addColumn<QString>("digits");  // N1, N2 and Label6 joined by "|"
        QTest::addColumn<QString>("values");  // Label8, Label9, Label10 joined by "|"
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("tolerance");

        QTest::newRow("4700_pF") << "B4 C7 D2 E0" << "-4720" << "4|7|100" << "4700|4,7|0,0047" << "0" << 300
                                 << "20 %";
        QTest::newRow("10_pF_is_not_below_10") << "B1 C0 D0 E5" << "-1005" << "1|0|1" << "10|0,01|1E-05" << "0"
                                               << 300 << "5 %";
        QTest::newRow("5_pF") << "E5 B0 C5 D0" << "-0505" << "0|5|1" << "5|0,005|5E-06" << "0" << 300 << "0.5 pF";
        QTest::newRow("grey_multiplier") << "A8 B1 C0 D8" << "8108-" << "1|0|0,01" << "0,1|0,0001|1E-07" << "+30"
                                         << 300 << "2.0 pF";
        QTest::newRow("brown_below_10_pF") << "B0 C5 D0 E1" << "-0501" << "0|5|1" << "5|0,005|5E-06" << "0" << 300
                                           << "";
        QTest::newRow("first_digit_alone") << "B4 D2" << "-4-2-" << "4||100" << "400|0,4|0,0004" << "0" << 300
                                           << "20 %";
        QTest::newRow("white_long_text") << "A9" << "9----" << "||" << "0|0|0"
                                         << "+120 tól -750 (EIA)         +500 tól -330 (JAN)" << 855 << "";
        QTest::newRow("gold_long_text") << "Aa" << "a----" << "||" << "0|0|0" << "Bypass or Coupling" << 855 << "";
        QTest::newRow("white_then_black_shrinks") << "A9 A0" << "0----" << "||" << "0|0|0" << "0" << 300 << "";
        QTest::newRow("silver") << "Ab B2 C2 D3 E9" << "b2239" << "2|2|1000" << "22000|22|0,022" << "+100 (JAN)"
                                << 300 << "10 %";
        QTest::newRow("cleared") << "A7 B4 C7 D2 E0 X" << "-----" << "||" << "||" << "" << 300 << "";
        QTest::newRow("cleared_then_C_alone") << "A7 B4 C7 D2 E0 X C3" << "--3--" << "|3|" << "0|0|0" << "-750"
                                              << 300 << "";
        QTest::newRow("cleared_then_D_again") << "B4 C7 D2 E5 X C3 D4" << "--34-" << "|3|10000"
                                              << "30000|30|0,03" << "0" << 300 << "5 %";
    }
    void clicks_paint_marks_and_show_values()
    {
        QFETCH(QString, picks);
        frm_keramia w;
        w.show();
        pick(w, picks);

        QFETCH(QString, marks);
        for (int letter = 0; letter < 5; ++letter)
            for (const QString &m : kMarks[letter])
                QVERIFY2(markColour(w, m) == marks.at(letter), qPrintable(m));
        QFETCH(QString, digits);
        QCOMPARE(QStringList({text(w, "N1"), text(w, "N2"), text(w, "Label6")}).join(QLatin1Char('|')), digits);
        QFETCH(QString, values);
        QCOMPARE(QStringList({text(w, "Label8"), text(w, "Label9"), text(w, "Label10")}).join(QLatin1Char('|')),
                 values);
        QFETCH(QString, coefficient);
        QCOMPARE(text(w, "Label4"), coefficient);
        QFETCH(int, height);
        QCOMPARE(int(twips::height(part<QWidget>(w, QStringLiteral("Label4")))), height);
        QFETCH(QString, tolerance);
        QCOMPARE(text(w, "Label12"), tolerance);
    }

    void screenshot()
    {
        frm_keramia w;
        w.show();
        pick(w, QStringLiteral("A9 B4 C7 D2 E9"));
        ::screenshot(&w, QStringLiteral("frm_keramia"));
    }
};

KONDRIX_TEST_MAIN(FrmKeramiaTest)
#include "frm_keramia_test.moc"
