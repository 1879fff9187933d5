// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/frm_bdh.h"
#include "calcwindowtest.h"
#include "support/windowtest.h"
#include "ui/controls.h"

#include <QLineEdit>
#include <QPushButton>

using namespace calctest;

class FrmBdhTest : public QObject
{
    Q_OBJECT
    WindowTestEnv env;
    QPointer<frm_BDH> win;

    QString text(const char *name) const { return child<QLabel>(win, QLatin1String(name))->text(); }
    QLineEdit *input() const { return child<QLineEdit>(win, QStringLiteral("Text1")); }
    bool errorShown() const { return !child(win, QStringLiteral("lbl_hiba"))->isHidden(); }
    void press(int k) { child<QPushButton>(win, QStringLiteral("Gomb(%1)").arg(k))->click(); }
    QColor fill(int k) const { return child<ShapeControl>(win, QStringLiteral("Shape1(%1)").arg(k))->fillColor(); }
    void results(const QString &bin, const QString &dec, const QString &hex)
    {
        QCOMPARE(text("lbl_Bin"), bin);
        QCOMPARE(text("lbl_Dec"), dec);
        QCOMPARE(text("lbl_Hex"), hex);
    }

private Q_SLOTS:
    void init() { (win = new frm_BDH)->show(); }
    void cleanup()
    {
        delete win;
        KONDRIX_VERIFY_NO_SURPRISES(env);
    }

    void opens_in_decimal_mode_with_65535()
    {
        QCOMPARE(win->windowTitle(), QStringLiteral("  Bináris-Decimális-Hexa konverter."));
        QCOMPARE(input()->text(), QStringLiteral("65535"));
        results(QString(16, QLatin1Char('1')), QStringLiteral(" 65535"), QStringLiteral("FFFF"));
        QVERIFY(!errorShown());
        QCOMPARE(fill(1).alpha(), 255);
        QCOMPARE(fill(0).alpha(), 0);
        QCOMPARE(child<QWidget>(win, QStringLiteral("Frame5"))->property("title").toString(),
                 QStringLiteral("Hexadecimélis"));
        screenshot(win, QStringLiteral("frm_BDH"));
    }

    // The conversions themselves are covered by the logic tables; here the
    // buttons, the live update and the error line.
    void typing_converts_in_each_notation_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");   // bin|dec|hex
        QTest::addColumn<bool>("error");
        QTest::newRow("bin 101") << 0 << "101" << "101| 5|05" << false;
        QTest::newRow("bin 102") << 0 << "102" << "102| 0|00" << true;
        QTest::newRow("hex ff") << 2 << "ff" << "11111111| 255|FF" << false;
        QTest::newRow("dec 12a") << 1 << "12a" << "1100| 12|0C" << true;
    }
    void typing_converts_in_each_notation()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        press(mode);
        QVERIFY(input()->text().isEmpty());
        results(QString(), QString(), QString());
        for (int k = 0; k < 3; ++k)
            QCOMPARE(fill(k).alpha(), k == mode ? 255 : 0);
        QTest::keyClicks(input(), typed);
        QFETCH(QString, shown);
        const QStringList r = shown.split(QLatin1Char('|'));
        results(r[0], r[1], r[2]);
        QFETCH(bool, error);
        QCOMPARE(errorShown(), error);
        if (error)
            QCOMPARE(text("lbl_hiba"), QStringLiteral("Karakter hiba !!!!!!"));
        // Emptying the box leaves everything as it is.
        input()->clear();
        results(r[0], r[1], r[2]);
        QCOMPARE(errorShown(), error);
    }

    void values_beyond_64_bits_say_so_and_empty_the_results()
    {
        press(1);
        QTest::keyClicks(input(), QStringLiteral("18446744073709551615"));
        QVERIFY(!errorShown());
        QTest::keyClicks(input(), QStringLiteral("0"));
        QVERIFY(errorShown());
        QVERIFY(text("lbl_hiba").contains(QStringLiteral("64")));
        results(QString(), QString(), QString());
        QTest::keyClick(input(), Qt::Key_Backspace);
        QVERIFY(!errorShown());
        QCOMPARE(text("lbl_Hex"), QStringLiteral("FFFFFFFFFFFFFFFF"));
        input()->setText(QStringLiteral("-12"));   // pasted
        QVERIFY(errorShown());
        QVERIFY(text("lbl_hiba").contains(QStringLiteral("Negatív")));
        results(QString(), QString(), QString());
        screenshot(win, QStringLiteral("frm_BDH_error"));
    }

    void random_typing_never_breaks_it()
    {
        QSet<QString> seen;   // the runs must reach real conversions
        QRandomGenerator rng(9);
        for (int round = 0; round < 3000; ++round) {
            if (rng.bounded(8) == 0)
                press(rng.bounded(3));
            const QString s = randomText(rng);
            if (s.size() > 20 || rng.bounded(4) == 0)
                input()->setText(s);
            else
                typeText(input(), s);
            if (rng.bounded(3) == 0)
                input()->clear();
            seen.insert(text("lbl_Dec"));
            const QString bad = badNumberLabel(win);
            QVERIFY2(bad.isEmpty(), qPrintable(s + QStringLiteral(" -> ") + bad));
            // Whatever the input, the three results agree with each other.
            const QString hex = text("lbl_Hex"), bin = text("lbl_Bin");
            if (win->source() == 1 && !hex.isEmpty())
                QCOMPARE(hex.toULongLong(nullptr, 16), bin.toULongLong(nullptr, 2));
        }
        QVERIFY2(seen.size() > 100, qPrintable(QString::number(seen.size())));
    }
};

KONDRIX_TEST_MAIN(FrmBdhTest)
#include "frm_bdh_test.moc"
