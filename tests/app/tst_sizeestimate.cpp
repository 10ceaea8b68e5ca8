// The approximate size shown beside the duration and bitrate fields.
#include "uMain.h"

#include "SizeEstimate.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "TestStore.h"

#include <QtTest>
#include <QLabel>

class TestSizeEstimate : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void labelsStartAsFourSpaces()
    {
        TfrmMain w;
        QCOMPARE(w.lbSize264->text(), QStringLiteral("    "));
        QCOMPARE(w.lbSize265->text(), QStringLiteral("    "));
    }

    void label_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("bitrate");  // the field's text
        QTest::addColumn<QString>("size");
        const struct {
            const char* name;
            const char* duration;
            const char* bitrate;
            const char* size;
        } rows[] = {
            {"zero duration", "00:00:00", "20000", ""},
            {"one hour at 20000", "01:00:00", "20000", "9 000 mb"},
            {"112 for 250 s lands below 3.5", "00:04:10", "112", "3 mb"},
            {"102 for 2000 s lands below 25.5", "00:33:20", "102", "25 mb"},
            {"50000 for 2 s is 12.5, to even", "00:00:02", "50000", "12 mb"},
            {"99 minutes count", "00:99:00", "8000", "5 940 mb"},
            {"empty bitrate reads as 100", "01:00:00", "", "45 mb"},
            {"bitrate being typed reads as 100", "01:00:00", "-", "45 mb"},
            {"a size of 1 shows nothing", "00:00:10", "800", ""},
            {"a size of 2 shows", "00:00:20", "800", "2 mb"},
            {"above the bound is not clamped", "01:00:00", "999999", "450 000 mb"},
            {"blank digit position", "00:0 :10", "20000", ""},
            {"blank hours", "  :10:00", "20000", ""},
            {"blank last position", "00:00:0 ", "20000", ""},
        };
        for (const char* locale : {"C", "de_DE"})
            for (const auto& r : rows)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(locale, r.name)))
                    << locale << r.duration << r.bitrate << r.size;
    }

    // Through the window, on both pages, whichever field changes last.
    void label()
    {
        QFETCH(QString, locale);
        QFETCH(QString, duration);
        QFETCH(QString, bitrate);
        QFETCH(QString, size);
        QLocale::setDefault(QLocale(locale));
        TfrmMain w;
        const struct {
            TMaskEdit* time;
            TSpinEdit* rate;
            QLabel* label;
        } pages[] = {{w.edTime264, w.edBitrate264, w.lbSize264},
                     {w.edTime265, w.edBitrate265, w.lbSize265}};
        for (const auto& p : pages) {
            p.time->setText(QStringLiteral("11:11:11"));
            p.rate->setText(bitrate);
            p.time->setText(duration);
            QCOMPARE(p.label->text(), size);
            p.time->setText(QStringLiteral("00:00:00"));
            QCOMPARE(p.label->text(), QString());
            p.time->setText(duration);
            p.rate->setText(QStringLiteral("1"));
            p.rate->setText(bitrate);
            QCOMPARE(p.label->text(), size);
        }
        QLocale::setDefault(QLocale::c());
    }

    void typedDurationUpdatesAtOnce()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.edTime264->setFocus();
        w.edTime264->setCursorPosition(0);
        QTest::keyClicks(w.edTime264, QStringLiteral("01"));
        QCOMPARE(w.edTime264->text(), QStringLiteral("01:00:00"));
        QCOMPARE(w.lbSize264->text(), QStringLiteral("9 000 mb"));
    }

    void steppingTheBitrateUpdates()
    {
        TfrmMain w;
        w.edTime265->setText(QStringLiteral("01:00:00"));
        QCOMPARE(w.lbSize265->text(), QStringLiteral("22 500 mb"));
        w.edBitrate265->stepUp();
        QCOMPARE(w.lbSize265->text(), QStringLiteral("22 950 mb"));
    }

    void largeSizesGroupEveryThreeDigits()
    {
        // 22:13:20 is 80000 s, so the size is ten times the bitrate.
        QCOMPARE(EstimateSize(QStringLiteral("22:13:20"), 123456), QStringLiteral("1 234 560 mb"));
        QCOMPARE(EstimateSize(QStringLiteral("22:13:20"), 2147483647),
                 QStringLiteral("21 474 836 470 mb"));
        QCOMPARE(EstimateSize(QStringLiteral("22:13:20"), -5000), QString());
    }
};

QTEST_MAIN(TestSizeEstimate)
#include "tst_sizeestimate.moc"
