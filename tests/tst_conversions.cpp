// SPDX-FileCopyrightText: 2026 The Sumbrix authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The pure conversions: number texts, rounding, checked arithmetic, twips.
#include "conversions.h"
#include "twips.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace sumbrix;

class ConversionsTest : public QObject {
    Q_OBJECT

private slots:
    void numberTexts()
    {
        QCOMPARE(SignedText(0), std::string(" 0"));
        QCOMPARE(SignedText(7), std::string(" 7"));
        QCOMPARE(SignedText(-3), std::string("-3"));
        QCOMPARE(SignedText(-32768), std::string("-32768"));
        QCOMPARE(PlainText(0), std::string("0"));
        QCOMPARE(PlainText(86399), std::string("86399"));
        QCOMPARE(PlainText(-4), std::string("-4"));
    }

    void numericValue_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << QByteArray() << 0.0;
        QTest::newRow("letters") << QByteArray("abc") << 0.0;
        QTest::newRow("lone minus") << QByteArray("-") << 0.0;
        QTest::newRow("lone point") << QByteArray(".") << 0.0;
        QTest::newRow("double minus") << QByteArray("--5") << 0.0;
        QTest::newRow("blank between digits") << QByteArray("1 2") << 12.0;
        QTest::newRow("tabs and line feeds") << QByteArray("\t1\n2 ") << 12.0;
        QTest::newRow("carriage return stops") << QByteArray("1\r2") << 1.0;
        QTest::newRow("digits then letters") << QByteArray("7abc") << 7.0;
        QTest::newRow("3.0") << QByteArray("3.0") << 3.0;
        QTest::newRow("3.5") << QByteArray("3.5") << 3.5;
        QTest::newRow("leading point") << QByteArray(".5") << 0.5;
        QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
        QTest::newRow("comma stops") << QByteArray("3,5") << 3.0;
        QTest::newRow("plus sign") << QByteArray("+8") << 8.0;
        QTest::newRow("negative") << QByteArray("-12") << -12.0;
        QTest::newRow("sign then blank") << QByteArray("- 4") << -4.0;
        QTest::newRow("exponent") << QByteArray("2E3") << 2000.0;
        QTest::newRow("lower-case exponent") << QByteArray("2e-1") << 0.2;
        QTest::newRow("D exponent") << QByteArray("5D1") << 50.0;
        QTest::newRow("exponent without digits") << QByteArray("4e") << 4.0;
        QTest::newRow("exponent sign without digits") << QByteArray("4e+x") << 4.0;
        QTest::newRow("hex") << QByteArray("&HFF") << 255.0;
        QTest::newRow("hex lower case") << QByteArray("&hff") << 255.0;
        QTest::newRow("wide hex") << QByteArray("&HFFFFFFFF") << 4294967295.0;
        QTest::newRow("octal") << QByteArray("&O17") << 15.0;
        QTest::newRow("octal stops at 8") << QByteArray("&O18") << 1.0;
        QTest::newRow("ampersand alone") << QByteArray("&") << 0.0;
        QTest::newRow("ampersand digits") << QByteArray("&12") << 0.0;
        QTest::newRow("hex without digits") << QByteArray("&H") << 0.0;
        QTest::newRow("huge exponent") << QByteArray("1e999") << std::numeric_limits<double>::infinity();
        QTest::newRow("absurd exponent") << QByteArray("1e99999999999999999999") << std::numeric_limits<double>::infinity();
        QTest::newRow("tiny") << QByteArray("1e-999") << 0.0;
        QTest::newRow("zeros then tiny") << QByteArray("0.0001e-400") << 0.0;
        QTest::newRow("negative huge") << QByteArray("-9e999") << -std::numeric_limits<double>::infinity();
        QTest::newRow("zero with huge exponent") << QByteArray("0e99999") << 0.0;
        QTest::newRow("emoji") << QByteArray("\xF0\x9F\x98\x80" "5") << 0.0;
        QTest::newRow("digits then emoji") << QByteArray("5\xF0\x9F\x98\x80") << 5.0;
        QTest::newRow("control character") << QByteArray("\x01" "5") << 0.0;
        QTest::newRow("embedded NUL stops") << QByteArray("4\0" "2", 3) << 4.0;
    }
    void numericValue()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        QCOMPARE(NumericValue(std::string_view(text.constData(), std::size_t(text.size()))), value);
    }

    void longDigitRuns()
    {
        const std::string million(1 << 20, '7');
        QCOMPARE(NumericValue(million), std::numeric_limits<double>::infinity());
        QCOMPARE(NumericValue("0." + million), 0.7777777777777778);
        QCOMPARE(NumericValue(std::string(1 << 20, '0') + "5"), 5.0);
        QCOMPARE(NumericValue("&H" + million), std::numeric_limits<double>::infinity());
    }

    void rounding()
    {
        QCOMPARE(RoundToLong(2.5), std::optional<Long>(2));
        QCOMPARE(RoundToLong(3.5), std::optional<Long>(4));
        QCOMPARE(RoundToLong(-2.5), std::optional<Long>(-2));
        QCOMPARE(RoundToLong(-0.5), std::optional<Long>(0));
        QCOMPARE(RoundToLong(86399.6), std::optional<Long>(86400));
        QCOMPARE(RoundToLong(2.4999), std::optional<Long>(2));
        QVERIFY(!RoundToLong(std::nan("")));
        QVERIFY(!RoundToLong(3e9));
        QCOMPARE(FloorToInteger(6.999), std::optional<Integer>(6));
        QCOMPARE(FloorToInteger(-0.5), std::optional<Integer>(-1));
        QCOMPARE(FloorToInteger(32767.9), std::optional<Integer>(32767));
        QVERIFY(!FloorToInteger(32768.0));
        QVERIFY(!FloorToInteger(-32769.0));
        QVERIFY(!FloorToInteger(std::numeric_limits<double>::infinity()));
    }

    void checkedArithmetic()
    {
        QCOMPARE(CheckedAdd<Integer>(32766, 1), std::optional<Integer>(32767));
        QVERIFY(!CheckedAdd<Integer>(32767, 1));
        QCOMPARE(CheckedSub<Integer>(-32767, 1), std::optional<Integer>(-32768));
        QVERIFY(!CheckedSub<Integer>(-32768, 1));
        QVERIFY(!CheckedSub<Integer>(20, -32768));
        QCOMPARE(CheckedMul<Integer>(181, 181), std::optional<Integer>(32761));
        QVERIFY(!CheckedMul<Integer>(182, 181));
        QVERIFY(!CheckedMul<Integer>(328, 100));
        QCOMPARE(CheckedMul<Long>(328, 100), std::optional<Long>(32800));
        QVERIFY(!CheckedAdd<Long>(std::numeric_limits<Long>::max(), 1));
        QCOMPARE(Narrow<Integer>(-32768), std::optional<Integer>(-32768));
        QVERIFY(!Narrow<Integer>(32768));
    }

    void twips()
    {
        QCOMPARE(Px(6225), 415);
        QCOMPARE(Px(4605), 307);
        QCOMPARE(Px(15), 1);
        QCOMPARE(Px(1000), 67);  // 66.7 rounds up
        QCOMPARE(Px(320), 21);   // 21.3 rounds down
        QCOMPARE(TwipsRect(240, 480, 5775, 3855), QRect(16, 32, 385, 257));
        QCOMPARE(TwipsRect(240, 480, 5775, 3855, 150), QRect(24, 48, 578, 386));  // 577.5 rounds up
        QCOMPARE(ZoomStep(130, +1, 300), 150);  // from a --zoom between steps
        QCOMPARE(ZoomStep(175, +1, 180), 175);  // the screen's edge
        // A 1366 x 768 screen less a panel, with a title bar of 30; a screen too small for any.
        QCOMPARE(LargestZoom(6225, 4605, QSize(2, 30), QSize(1366, 740)), 231);
        QCOMPARE(LargestZoom(6225, 4605, QSize(), QSize(320, 240)), 100);
    }
};

QTEST_APPLESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
