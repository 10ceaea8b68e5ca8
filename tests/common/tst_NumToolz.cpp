#include "NumToolz.h"

#include "LocaleRows.h"
#include "LongDoubleText.h"

#include <QtTest>

#include <limits>

class TestNumToolz : public QObject {
    Q_OBJECT

private slots:
    void truncViaText_data();
    void truncViaText();
    void roundHalfUp_data();
    void roundHalfUp();
    void roundHalfEven_data();
    void roundHalfEven();
    void roundHalfEvenOutOfRangeRaises_data();
    void roundHalfEvenOutOfRangeRaises();
    void notANumberRaises_data();
    void notANumberRaises();
    void groupDigits_data();
    void groupDigits();
    void padNumber_data();
    void padNumber();
    void readInteger_data();
    void readInteger();
    void readDecimal_data();
    void readDecimal();
    void parseLooseFloat_data();
    void parseLooseFloat();
};

void TestNumToolz::truncViaText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<long double>("value");
    QTest::addColumn<qint64>("expected");

    AddLocaleRows("nine nines are written as 3", 8, 2.999999999L, qint64(3));
    AddLocaleRows("eight nines are kept", 8, 2.99999999L, qint64(2));
    AddLocaleRows("2.99", 8, 2.99L, qint64(2));
    AddLocaleRows("zero", 8, 0.0L, qint64(0));
    AddLocaleRows("negative truncates toward zero", 8, -2.7L, qint64(-2));
    AddLocaleRows("negative rounds first", 8, -2.999999999L, qint64(-3));
    AddLocaleRows("tiny negative is -0", 8, -0.000000001L, qint64(0));
    AddLocaleRows("large value", 8, 123456789012.75L, qint64(123456789012));
    // 17 digits before the separator leave room for one decimal only.
    AddLocaleRows("18 significant digits", 8, 99999999999999999.99L,
                  qint64(100000000000000000));
    AddLocaleRows("2 decimals round 2.999 up", 2, 2.999L, qint64(3));
    AddLocaleRows("4 decimals keep 2.999", 4, 2.999L, qint64(2));
    AddLocaleRows("0 decimals round 2.7 up", 0, 2.7L, qint64(3));
}

void TestNumToolz::truncViaText()
{
    QFETCH(QLocale, locale);
    QFETCH(int, decimals);
    QFETCH(long double, value);
    QFETCH(qint64, expected);
    const DefaultLocale scope(locale);

    QCOMPARE(TruncViaText(quint8(decimals), value), expected);
}

void TestNumToolz::roundHalfUp_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<long double>("value");
    QTest::addColumn<qint64>("expected");

    AddLocaleRows("0.5", 0.5L, qint64(1));
    AddLocaleRows("1.5", 1.5L, qint64(2));
    AddLocaleRows("2.5", 2.5L, qint64(3));
    AddLocaleRows("12.5", 12.5L, qint64(13));
    AddLocaleRows("12.4999999999 sums to 13.00000000", 12.4999999999L, qint64(13));
    AddLocaleRows("12.49", 12.49L, qint64(12));
    AddLocaleRows("0.499999999", 0.499999999L, qint64(1));
    AddLocaleRows("0.49999999", 0.49999999L, qint64(0));
    AddLocaleRows("zero", 0.0L, qint64(0));
    AddLocaleRows("-2.7", -2.7L, qint64(-2));
    AddLocaleRows("-2.2", -2.2L, qint64(-1));
}

void TestNumToolz::roundHalfUp()
{
    QFETCH(QLocale, locale);
    QFETCH(long double, value);
    QFETCH(qint64, expected);
    const DefaultLocale scope(locale);

    QCOMPARE(RoundHalfUp(8, value), expected);
}

void TestNumToolz::roundHalfEven_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("24.5 to even 24") << 24.5L << qint64(24);
    QTest::newRow("25.5 to even 26") << 25.5L << qint64(26);
    QTest::newRow("12.5 to even 12") << 12.5L << qint64(12);
    QTest::newRow("just below a half") << 3.49999999999999999978L << qint64(3);
    QTest::newRow("just above a half") << 3.50000000000000000022L << qint64(4);
    QTest::newRow("0.5 to 0") << 0.5L << qint64(0);
    QTest::newRow("-0.5 to 0") << -0.5L << qint64(0);
    QTest::newRow("-2.5 to -2") << -2.5L << qint64(-2);
    QTest::newRow("-3.5 to -4") << -3.5L << qint64(-4);
    QTest::newRow("-2.7 to -3") << -2.7L << qint64(-3);
    QTest::newRow("whole stays") << 9000.0L << qint64(9000);
    QTest::newRow("largest 64-bit") << 9223372036854775807.0L << qint64(9223372036854775807LL);
    QTest::newRow("smallest 64-bit") << -9223372036854775808.0L << std::numeric_limits<qint64>::min();
}

void TestNumToolz::roundHalfEven()
{
    QFETCH(long double, value);
    QFETCH(qint64, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void TestNumToolz::roundHalfEvenOutOfRangeRaises_data()
{
    QTest::addColumn<long double>("value");
    QTest::newRow("2^63") << 9223372036854775808.0L;
    QTest::newRow("-2^63 - 1") << -9223372036854775809.0L;
    QTest::newRow("NaN") << std::numeric_limits<long double>::quiet_NaN();
    QTest::newRow("infinity") << -std::numeric_limits<long double>::infinity();
}

void TestNumToolz::roundHalfEvenOutOfRangeRaises()
{
    QFETCH(long double, value);
    QVERIFY_THROWS_EXCEPTION(EConvertError, RoundHalfEven(value));
}

void TestNumToolz::notANumberRaises_data()
{
    QTest::addColumn<long double>("value");

    QTest::newRow("NaN") << std::numeric_limits<long double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<long double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<long double>::infinity();
    // Written in exponent form: refused, not read as its first digit (a fuzzing find).
    QTest::newRow("18 digits before the separator") << 1e18L;
    QTest::newRow("5e20") << 5e20L;
    QTest::newRow("-1.5e1233") << -1.5e1233L;
}

void TestNumToolz::notANumberRaises()
{
    QFETCH(long double, value);

    QVERIFY_THROWS_EXCEPTION(EConvertError, TruncViaText(8, value));
    QVERIFY_THROWS_EXCEPTION(EConvertError, RoundHalfUp(8, value));
}

void TestNumToolz::groupDigits_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7 digits") << 1 << true << " " << qint64(1234567) << "1 234 567";
    QTest::newRow("4 digits") << 1 << true << " " << qint64(1234) << "1 234";
    QTest::newRow("3 digits") << 1 << true << " " << qint64(123) << "123";
    QTest::newRow("2 digits") << 1 << true << " " << qint64(12) << "12";
    QTest::newRow("6 digits") << 1 << true << " " << qint64(123456) << "123 456";
    QTest::newRow("million") << 1 << true << " " << qint64(1000000) << "1 000 000";
    QTest::newRow("zero") << 1 << true << " " << qint64(0) << "0";
    QTest::newRow("other separator") << 1 << true << "." << qint64(1234567) << "1.234.567";
    QTest::newRow("long separator") << 1 << true << ", " << qint64(12345) << "12, 345";
    QTest::newRow("no grouping") << 1 << false << " " << qint64(1234567) << "1234567";
    QTest::newRow("width pads with blanks") << 6 << false << " " << qint64(42) << "    42";
    QTest::newRow("padding is not grouped") << 7 << true << " " << qint64(1234) << "   1 234";
    QTest::newRow("minus is not grouped") << 1 << true << " " << qint64(-123456) << "-123 456";
    QTest::newRow("lowest value") << 1 << true << " " << std::numeric_limits<qint64>::min()
                                  << "-9 223 372 036 854 775 808";
}

void TestNumToolz::groupDigits()
{
    QFETCH(int, width);
    QFETCH(bool, grouping);
    QFETCH(QString, separator);
    QFETCH(qint64, value);
    QFETCH(QString, expected);

    QCOMPARE(GroupDigits(quint8(width), grouping, separator, value), expected);
}

void TestNumToolz::padNumber_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QChar>("pad");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("5") << 2 << QChar(u'0') << qint64(5) << "05";
    QTest::newRow("0") << 2 << QChar(u'0') << qint64(0) << "00";
    QTest::newRow("as wide") << 2 << QChar(u'0') << qint64(12) << "12";
    QTest::newRow("longer stays") << 2 << QChar(u'0') << qint64(123) << "123";
    QTest::newRow("blank pad") << 4 << QChar(u' ') << qint64(7) << "   7";
    QTest::newRow("no width") << 0 << QChar(u'0') << qint64(7) << "7";
    QTest::newRow("negative pads after minus") << 3 << QChar(u'0') << qint64(-5) << "-05";
}

void TestNumToolz::padNumber()
{
    QFETCH(int, width);
    QFETCH(QChar, pad);
    QFETCH(qint64, value);
    QFETCH(QString, expected);

    QCOMPARE(PadNumber(width, pad, value), expected);
}

void TestNumToolz::readInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits32");
    QTest::addColumn<bool>("fits64");
    QTest::addColumn<qint64>("value");

    QTest::newRow("digits") << "12" << true << true << qint64(12);
    QTest::newRow("leading zero") << "05" << true << true << qint64(5);
    QTest::newRow("minus") << "-1" << true << true << qint64(-1);
    QTest::newRow("plus") << "+7" << true << true << qint64(7);
    QTest::newRow("empty") << "" << false << false << qint64(0);
    QTest::newRow("leading blank") << " 1" << false << false << qint64(0);
    QTest::newRow("trailing blank") << "1 " << false << false << qint64(0);
    QTest::newRow("letter inside") << "1a" << false << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << false << qint64(0);
    QTest::newRow("decimal mark") << "1.0" << false << false << qint64(0);
    QTest::newRow("hexadecimal") << "$1F" << false << false << qint64(0);
    QTest::newRow("non-ASCII digit") << QStringLiteral("\u0661") << false << false << qint64(0);
    QTest::newRow("32-bit highest") << "2147483647" << true << true << qint64(2147483647);
    QTest::newRow("32-bit lowest") << "-2147483648" << true << true << qint64(-2147483647 - 1);
    QTest::newRow("beyond 32 bits") << "2147483648" << false << true << qint64(2147483648);
    QTest::newRow("64-bit lowest") << "-9223372036854775808" << false << true
                                   << std::numeric_limits<qint64>::min();
    QTest::newRow("beyond 64 bits") << "9223372036854775808" << false << false << qint64(0);
}

void TestNumToolz::readInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, fits32);
    QFETCH(bool, fits64);
    QFETCH(qint64, value);

    if (fits32)
        QCOMPARE(ReadInt32(text), value);
    else
        QVERIFY_THROWS_EXCEPTION(EConvertError, ReadInt32(text));
    if (fits64)
        QCOMPARE(ReadInt64(text), value);
    else
        QVERIFY_THROWS_EXCEPTION(EConvertError, ReadInt64(text));
}

void TestNumToolz::readDecimal_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text"); // "%" is the locale's separator, "#" the other mark
    QTest::addColumn<bool>("valid");
    QTest::addColumn<long double>("value");

    AddLocaleRows("fraction", QString("0%25"), true, 0.25L);
    AddLocaleRows("frame rate", QString("23%976"), true, 23.976L);
    AddLocaleRows("whole", QString("25"), true, 25.0L);
    AddLocaleRows("negative", QString("-1%5"), true, -1.5L);
    AddLocaleRows("no leading digit", QString("%5"), true, 0.5L);
    AddLocaleRows("exponent", QString("1%5E3"), true, 1500.0L);
    AddLocaleRows("other mark", QString("0#25"), false, 0.0L);
    AddLocaleRows("two marks", QString("1%2%3"), false, 0.0L);
    AddLocaleRows("empty", QString(""), false, 0.0L);
    AddLocaleRows("mark only", QString("%"), false, 0.0L);
    AddLocaleRows("leading blank", QString(" 1"), false, 0.0L);
    AddLocaleRows("trailing blank", QString("1 "), false, 0.0L);
    AddLocaleRows("exponent without digits", QString("1E"), false, 0.0L);
    AddLocaleRows("infinity word", QString("inf"), false, 0.0L);
    AddLocaleRows("nan word", QString("nan"), false, 0.0L);
    AddLocaleRows("hexadecimal", QString("0x10"), false, 0.0L);
    AddLocaleRows("overflow", QString("1E99999"), false, 0.0L);
}

void TestNumToolz::readDecimal()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(long double, value);
    const DefaultLocale scope(locale);

    text = WithSeparators(text);
    if (valid)
        QCOMPARE(ReadDecimal(text), value);
    else
        QVERIFY_THROWS_EXCEPTION(EConvertError, ReadDecimal(text));
}

void TestNumToolz::parseLooseFloat_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("def");
    QTest::addColumn<long double>("expected");

    AddLocaleRows("point", QString("23.976"), -1.0L, 23.976L);
    AddLocaleRows("comma", QString("23,976"), -1.0L, 23.976L);
    AddLocaleRows("blank thousands", QString("1 234,5"), -1.0L, 1234.5L);
    AddLocaleRows("no-break thousands", QStringLiteral("1\u00A0234,5"), -1.0L, 1234.5L);
    AddLocaleRows("tabs and blanks around", QString("\t 25 \t"), -1.0L, 25.0L);
    AddLocaleRows("negative", QString("-0,5"), -1.0L, -0.5L);
    AddLocaleRows("two decimal marks", QString("1,234.5"), -1.0L, -1.0L);
    AddLocaleRows("empty", QString(""), -1.0L, -1.0L);
    AddLocaleRows("all blank", QStringLiteral(" \t\u00A0 "), -1.0L, -1.0L);
    AddLocaleRows("letters", QString("abc"), -1.0L, -1.0L);
    AddLocaleRows("letters with default 0", QString("abc"), 0.0L, 0.0L);
    AddLocaleRows("other blank is not removed", QStringLiteral("1\u2009234"), -1.0L, -1.0L);
    AddLocaleRows("infinity word", QString("inf"), -1.0L, -1.0L);
}

void TestNumToolz::parseLooseFloat()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(long double, def);
    QFETCH(long double, expected);
    const DefaultLocale scope(locale);

    QCOMPARE(ParseLooseFloat(text, def), expected);
}

QTEST_GUILESS_MAIN(TestNumToolz)
#include "tst_NumToolz.moc"
