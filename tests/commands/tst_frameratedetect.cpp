// Auto-detect's frame-rate tables: each row's bounds, and the item each index
// names in its builder's list.
#include "DVCommand.h"
#include "FrameRateDetect.h"
#include "NumToolz.h"
#include "X264Command.h"
#include "X265Command.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(TFrameRateList)

class TestFrameRateDetect : public QObject {
    Q_OBJECT

    static QStringList Items(TFrameRateList list)
    {
        switch (list) {
        case TFrameRateList::X264: return X264FrameRateItems();
        case TFrameRateList::X265: return X265FrameRateItems();
        case TFrameRateList::DV: return DVFrameRateItems();
        }
        return {};
    }

private slots:
    void rows_data()
    {
        QTest::addColumn<TFrameRateList>("list");
        QTest::addColumn<QString>("rate"); // as the library writes it
        QTest::addColumn<QString>("item");
        const auto x264 = TFrameRateList::X264, x265 = TFrameRateList::X265, dv = TFrameRateList::DV;
        const struct {
            TFrameRateList list;
            const char* rate;
            const char* item;
        } rows[] = {
            {x264, "20", "23.976"},       {x264, "23.976", "23.976"}, {x264, "23.998999", "23.976"},
            {x264, "23.999", "24"},       {x264, "24.499", "24"},     {x264, "24.5", "25"},
            {x264, "25.5", "29.97"},      {x264, "29.970", "29.97"},  {x264, "31.999", "29.97"},
            {x264, "32", "50"},           {x264, "48", "50"},         {x264, "50.999", "50"},
            {x264, "51", "59.94"},        {x264, "59.94", "59.94"},   {x264, "59.998999", "59.94"},
            {x264, "59.999", "60"},       {x264, "120", "60"},
            {x265, "23.976", "23.976"},   {x265, "23.999", "24"},     {x265, "25", "25"},
            {x265, "25.5", "50"},         {x265, "29.970", "50"},     {x265, "51.499", "50"},
            {x265, "51.5", "59.94"},      {x265, "59.940", "59.94"},  {x265, "59.999", "60"},
            {x265, "1000", "60"},
            {dv, "20", "23.976"},         {dv, "23.976", "23.976"},   {dv, "23.999", "24"},
            {dv, "60", "24"},
        };
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(int(r.list)).arg(QLatin1String(r.rate))))
                << r.list << r.rate << r.item;
    }

    // The bound is compared with the rate read in extended precision: exactly
    // 23.999 is no longer below it.
    void rows()
    {
        QFETCH(TFrameRateList, list);
        QFETCH(QString, rate);
        QFETCH(QString, item);
        const int index = DetectedFrameRateIndex(list, ParseLooseFloat(rate, 0), -1);
        QCOMPARE(Items(list).value(index), item);
    }

    void belowTwentyKeepsTheSelection_data()
    {
        QTest::addColumn<TFrameRateList>("list");
        QTest::addColumn<double>("rate");
        for (const auto list : {TFrameRateList::X264, TFrameRateList::X265, TFrameRateList::DV}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 19.9").arg(int(list)))) << list << 19.9;
            QTest::newRow(qPrintable(QStringLiteral("%1 none").arg(int(list)))) << list << 0.0;
            QTest::newRow(qPrintable(QStringLiteral("%1 NaN").arg(int(list)))) << list << qQNaN();
        }
    }

    void belowTwentyKeepsTheSelection()
    {
        QFETCH(TFrameRateList, list);
        QFETCH(double, rate);
        QCOMPARE(DetectedFrameRateIndex(list, rate, 1), 1);
    }

    // A rate a hair below the bound in extended precision still counts as below:
    // the nearest double to 23.999 would not.
    void boundsAreExtended()
    {
        const long double justBelow = std::nextafter(23.999L, 0.0L);
        QCOMPARE(DetectedFrameRateIndex(TFrameRateList::X264, justBelow, -1), 0);
        QCOMPARE(DetectedFrameRateIndex(TFrameRateList::X264, 23.999L, -1), 1);
    }
};

QTEST_GUILESS_MAIN(TestFrameRateDetect)
#include "tst_frameratedetect.moc"
