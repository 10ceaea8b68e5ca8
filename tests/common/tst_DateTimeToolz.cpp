#include "DateTimeToolz.h"
#include "NumToolz.h"

#include "LocaleRows.h"
#include "LongDoubleText.h"

#include <QtTest>

#include <cmath>

class TestDateTimeToolz : public QObject {
    Q_OBJECT

private slots:
    void timeCodeToTicks_data();
    void timeCodeToTicks();
    void outOfRangeIsInvalid_data();
    void outOfRangeIsInvalid();
    void parseTimeCode_data();
    void parseTimeCode();
    void parseTimeCodeMessage_data();
    void parseTimeCodeMessage();
    void splitFrameCount_data();
    void splitFrameCount();
    void formatTimeCode_data();
    void formatTimeCode();
    void sizeEstimateSeconds_data();
    void sizeEstimateSeconds();
};

void TestDateTimeToolz::timeCodeToTicks_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("rate");
    QTest::addColumn<bool>("valid"); // the strict result; invalid text gives 0 and 0 there
    QTest::addColumn<qint64>("ticks"); // the lenient outputs, and the strict ones when valid
    QTest::addColumn<qint64>("frames");

    AddLocaleRows("whole seconds", QString("01:02:03"), 25.0L, true, qint64(335070000),
                  qint64(93075));
    AddLocaleRows("any separators", QString("01.02-03"), 25.0L, true, qint64(335070000),
                  qint64(93075));
    AddLocaleRows("fraction with point", QString("00:00:01.5"), 25.0L, true, qint64(135000),
                  qint64(38));
    AddLocaleRows("fraction with comma", QString("00:00:01,25"), 25.0L, true, qint64(112500),
                  qint64(31));
    AddLocaleRows("frame number", QString("00:00:01:12"), 25.0L, true, qint64(133200),
                  qint64(37));
    AddLocaleRows("four-character tail is a fraction", QString("00:00:011234"), 25.0L, true,
                  qint64(111060), qint64(31));
    AddLocaleRows("three-digit frame number is a fraction", QString("00:00:01:123"), 25.0L,
                  true, qint64(101070), qint64(28));
    AddLocaleRows("trailing blanks", QString("00:00:01:5  "), 25.0L, true, qint64(108000),
                  qint64(30));
    AddLocaleRows("trailing control characters", QString("00:00:01:5\t\r\n"), 25.0L, true,
                  qint64(108000), qint64(30));
    AddLocaleRows("minutes above 59", QString("00:99:00"), 1.0L, true, qint64(534600000),
                  qint64(5940));
    AddLocaleRows("total frames round half to even down", QString("00:00:01"), 2.5L, true,
                  qint64(90000), qint64(2));
    AddLocaleRows("total frames round half to even up", QString("00:00:03"), 2.5L, true,
                  qint64(270000), qint64(8));
    AddLocaleRows("fractional rate", QString("00:00:10"), 23.976L, true, qint64(900000),
                  qint64(240));
    AddLocaleRows("zero rate with fraction", QString("00:00:01.5"), 0.0L, true,
                  qint64(135000), qint64(0));

    AddLocaleRows("empty", QString(""), 25.0L, false, qint64(0), qint64(0));
    AddLocaleRows("one-digit hours", QString("1:02:03"), 25.0L, false, qint64(0), qint64(0));
    AddLocaleRows("blank in minutes", QString("01: 1:00"), 1.0L, false, qint64(324000000),
                  qint64(3600));
    AddLocaleRows("letter in seconds", QString("01:02:0x"), 1.0L, false, qint64(334800000),
                  qint64(3720));
    AddLocaleRows("seconds beyond the end", QString("00:05"), 1.0L, false, qint64(27000000),
                  qint64(300));
    AddLocaleRows("bad fraction", QString("00:00:01.5x"), 25.0L, false, qint64(90000),
                  qint64(25));
    AddLocaleRows("separator without frames", QString("00:00:01:"), 25.0L, false,
                  qint64(90000), qint64(25));
    AddLocaleRows("zero rate with frame number", QString("00:00:01:12"), 0.0L, false,
                  qint64(90000), qint64(12));
}

void TestDateTimeToolz::timeCodeToTicks()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(long double, rate);
    QFETCH(bool, valid);
    QFETCH(qint64, ticks);
    QFETCH(qint64, frames);
    const DefaultLocale scope(locale);

    qint64 strictTicks = -1;
    qint64 strictFrames = -1;
    QCOMPARE(TimeCodeToTicks(text, rate, false, strictTicks, strictFrames), valid);
    QCOMPARE(strictTicks, valid ? ticks : 0);
    QCOMPARE(strictFrames, valid ? frames : 0);

    qint64 lenientTicks = -1;
    qint64 lenientFrames = -1;
    QVERIFY(TimeCodeToTicks(text, rate, true, lenientTicks, lenientFrames));
    QCOMPARE(lenientTicks, ticks);
    QCOMPARE(lenientFrames, frames);
}

// Ticks or frames past 64 bits make the text invalid in both modes instead of
// raising out of the routine (fuzzing finds).
void TestDateTimeToolz::outOfRangeIsInvalid_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("rate");
    QTest::newRow("rate past 64 bits") << QStringLiteral("00:00:01,<9") << 1e30L;
    QTest::newRow("fraction with a huge exponent") << QStringLiteral("00:00:00.5E30") << 25.0L;
}

void TestDateTimeToolz::outOfRangeIsInvalid()
{
    QFETCH(QString, text);
    QFETCH(long double, rate);
    for (const bool lenient : {false, true}) {
        qint64 ticks = -1;
        qint64 frames = -1;
        QVERIFY(!TimeCodeToTicks(text, rate, lenient, ticks, frames));
        QCOMPARE(ticks, 0);
        QCOMPARE(frames, 0);
    }
}

void TestDateTimeToolz::parseTimeCode_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("rate");
    QTest::addColumn<bool>("valid"); // whether raising mode accepts it
    QTest::addColumn<qint64>("hours");
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<long double>("fraction");

    const qint64 z = 0;
    AddLocaleRows("whole seconds", QString("01:02:03"), 25.0L, true, qint64(1), qint64(2),
                  qint64(3), z, 0.0L);
    AddLocaleRows("no range", QString("12:75:30"), 25.0L, true, qint64(12), qint64(75),
                  qint64(30), z, 0.0L);
    AddLocaleRows("fraction frames round half up", QString("00:00:01.5"), 25.0L, true, z, z,
                  qint64(1), qint64(13), 0.5L);
    AddLocaleRows("fraction with comma", QString("00:00:01,25"), 25.0L, true, z, z, qint64(1),
                  qint64(6), 0.25L);
    AddLocaleRows("frame number gives the fraction", QString("00:00:01:12"), 25.0L, true, z, z,
                  qint64(1), qint64(12), 0.48L);
    AddLocaleRows("four-character tail", QString("00:00:011234"), 25.0L, true, z, z, qint64(1),
                  qint64(6), 0.234L);
    AddLocaleRows("three-digit frame number", QString("00:00:01:123"), 25.0L, true, z, z,
                  qint64(1), qint64(3), 0.123L);
    AddLocaleRows("one-digit frame number", QString("00:00:01:5  "), 25.0L, true, z, z,
                  qint64(1), qint64(5), 0.2L);

    AddLocaleRows("empty", QString(""), 25.0L, false, z, z, z, z, 0.0L);
    AddLocaleRows("hours fail, the rest stays zero", QString("1:02:03"), 25.0L, false, z, z, z,
                  z, 0.0L);
    AddLocaleRows("fields read so far stay", QString("01:02:0x"), 25.0L, false, qint64(1),
                  qint64(2), z, z, 0.0L);
    AddLocaleRows("bad fraction", QString("00:00:01.5x"), 25.0L, false, z, z, qint64(1), z,
                  0.0L);
    AddLocaleRows("zero rate keeps the frames", QString("00:00:01:12"), 0.0L, false, z, z,
                  qint64(1), qint64(12), 0.0L);
    AddLocaleRows("garbage", QString("zz:zz:zz.zz"), 25.0L, false, z, z, z, z, 0.0L);
}

void TestDateTimeToolz::parseTimeCode()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(long double, rate);
    QFETCH(bool, valid);
    QFETCH(qint64, hours);
    QFETCH(qint64, minutes);
    QFETCH(qint64, seconds);
    QFETCH(qint64, frames);
    QFETCH(long double, fraction);
    const DefaultLocale scope(locale);

    for (const bool raise : {false, true}) {
        TTimeParts parts{7, 7, 7, 7, 7.0L};
        if (raise && !valid) {
            QVERIFY_THROWS_EXCEPTION(EConvertError, ParseTimeCode(text, raise, rate, parts));
            continue;
        }
        ParseTimeCode(text, raise, rate, parts);
        QCOMPARE(parts.hours, hours);
        QCOMPARE(parts.minutes, minutes);
        QCOMPARE(parts.seconds, seconds);
        QCOMPARE(parts.frames, frames);
        QCOMPARE(parts.fraction, fraction);
    }
}

void TestDateTimeToolz::parseTimeCodeMessage_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // "%" is the locale's decimal separator

    AddLocaleRows("empty", QString(""), QString("Time string is empty"));
    AddLocaleRows("bad hours", QString("1:02:03"), QString("'1:' is not a valid integer value"));
    AddLocaleRows("bad frame number", QString("00:00:01:x"),
                  QString("'x' is not a valid integer value"));
    AddLocaleRows("bad fraction", QString("00:00:01.5x"),
                  QString("'0%5x' is not a valid floating point value"));
}

void TestDateTimeToolz::parseTimeCodeMessage()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const DefaultLocale scope(locale);

    TTimeParts parts;
    try {
        ParseTimeCode(text, true, 25.0L, parts);
        QFAIL("no error raised");
    } catch (const EConvertError& error) {
        QCOMPARE(error.message(), WithSeparators(message));
    }
}

void TestDateTimeToolz::splitFrameCount_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<bool>("milliseconds");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("hours");
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("frames");

    QTest::newRow("frames") << 24 << false << qint64(86314) << qint64(0) << qint64(59)
                            << qint64(56) << qint64(10);
    QTest::newRow("milliseconds") << 24 << true << qint64(86314) << qint64(0) << qint64(59)
                                  << qint64(56) << qint64(416);
    QTest::newRow("whole hours") << 25 << false << qint64(93075) << qint64(1) << qint64(2)
                                 << qint64(3) << qint64(0);
    QTest::newRow("milliseconds of 12 frames") << 25 << true << qint64(93087) << qint64(1)
                                               << qint64(2) << qint64(3) << qint64(480);
    QTest::newRow("milliseconds truncate") << 30 << true << qint64(29) << qint64(0) << qint64(0)
                                           << qint64(0) << qint64(966);
    QTest::newRow("over 99 hours") << 10 << false << qint64(3600005) << qint64(100) << qint64(0)
                                   << qint64(0) << qint64(5);
    QTest::newRow("zero") << 60 << false << qint64(0) << qint64(0) << qint64(0) << qint64(0)
                          << qint64(0);
}

void TestDateTimeToolz::splitFrameCount()
{
    QFETCH(int, rate);
    QFETCH(bool, milliseconds);
    QFETCH(qint64, count);
    QFETCH(qint64, hours);
    QFETCH(qint64, minutes);
    QFETCH(qint64, seconds);
    QFETCH(qint64, frames);

    TTimeParts parts{7, 7, 7, 7, 0.75L};
    SplitFrameCount(rate, milliseconds, count, parts);
    QCOMPARE(parts.hours, hours);
    QCOMPARE(parts.minutes, minutes);
    QCOMPARE(parts.seconds, seconds);
    QCOMPARE(parts.frames, frames);
    QCOMPARE(parts.fraction, 0.75L);
}

void TestDateTimeToolz::formatTimeCode_data()
{
    QTest::addColumn<qint64>("hours");
    QTest::addColumn<qint64>("minutes");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<bool>("withFrames");
    QTest::addColumn<bool>("strip");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* tag, qint64 h, qint64 m, qint64 s, qint64 f, bool withFrames,
                        bool strip, const char* expected) {
        QTest::newRow(tag) << h << m << s << f << withFrames << strip << QString(expected);
    };
    row("plain", 0, 1, 5, 9, false, false, "00:01:05");
    row("stripped", 0, 1, 5, 9, false, true, "1:05");
    row("stripped to seconds", 0, 0, 5, 9, false, true, "0:05");
    row("two-digit minutes stripped", 0, 10, 5, 9, false, true, "10:05");
    row("hours stripped", 1, 2, 3, 9, false, true, "1:02:03");
    row("two-digit hours stripped", 12, 0, 0, 9, false, true, "12:00:00");
    row("long hours", 100, 0, 0, 9, false, true, "100:00:00");
    row("with frames", 0, 0, 5, 12, true, false, "00:00:05:12");
    row("with frames stripped", 0, 0, 5, 12, true, true, "5:12");
    row("with frames stripped to minutes", 0, 1, 5, 12, true, true, "1:05:12");
    row("with frames and hours stripped", 1, 2, 3, 4, true, true, "1:02:03:04");
    row("zero with frames stripped", 0, 0, 0, 0, true, true, "0:00");
    row("long frames", 0, 0, 1, 123, true, false, "00:00:01:123");
}

void TestDateTimeToolz::formatTimeCode()
{
    QFETCH(qint64, hours);
    QFETCH(qint64, minutes);
    QFETCH(qint64, seconds);
    QFETCH(qint64, frames);
    QFETCH(bool, withFrames);
    QFETCH(bool, strip);
    QFETCH(QString, expected);

    // The fraction is never written.
    const TTimeParts parts{hours, minutes, seconds, frames, 0.5L};
    QCOMPARE(FormatTimeCode(parts, withFrames, strip), expected);
}

void TestDateTimeToolz::sizeEstimateSeconds_data()
{
    QTest::addColumn<QString>("duration");
    QTest::addColumn<int>("bitrate");
    QTest::addColumn<qint64>("megabytes");

    // 3.5, 25.5 and 12.5 in exact arithmetic: only the first two land below the half.
    QTest::newRow("112 kb/s for 250 s") << "00:04:10" << 112 << qint64(3);
    QTest::newRow("102 kb/s for 2000 s") << "00:33:20" << 102 << qint64(25);
    QTest::newRow("50000 kb/s for 2 s") << "00:00:02" << 50000 << qint64(12);
    QTest::newRow("20000 kb/s for an hour") << "01:00:00" << 20000 << qint64(9000);
}

void TestDateTimeToolz::sizeEstimateSeconds()
{
    QFETCH(QString, duration);
    QFETCH(int, bitrate);
    QFETCH(qint64, megabytes);

    qint64 ticks = 0;
    qint64 seconds = 0;
    QVERIFY(TimeCodeToTicks(duration, 1.0L, false, ticks, seconds));
    QCOMPARE(std::llrint(bitrate * 0.9L * seconds / 7200), megabytes);
}

QTEST_GUILESS_MAIN(TestDateTimeToolz)
#include "tst_DateTimeToolz.moc"
