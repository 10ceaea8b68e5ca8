// The field tints from the window colour: the channel scaling and the light/dark rule.
#include "FieldShades.h"

#include <QtTest>

Q_DECLARE_METATYPE(quint32)

class TestFieldShades : public QObject {
    Q_OBJECT
private slots:
    void scaleChannels_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<unsigned>("channels");
        QTest::addColumn<double>("factor");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("0 selected, factor 1 lifts to 16") << Rgb(0, 0, 0) << unsigned(kRed) << 1.0 << Rgb(16, 0, 0);
        QTest::newRow("unselected 0 stays 0") << Rgb(0, 0, 0) << unsigned(kGreen) << 1.0 << Rgb(0, 16, 0);
        QTest::newRow("255 x 0.94 truncates to 239") << Rgb(255, 1, 2) << unsigned(kRed) << 0.94 << Rgb(239, 1, 2);
        QTest::newRow("100 x 0.94 stays whole") << Rgb(100, 100, 100) << unsigned(kRed) << 0.94 << Rgb(94, 100, 100);
        QTest::newRow("100 x 0.95 stays whole") << Rgb(100, 100, 100) << unsigned(kBlue) << 0.95 << Rgb(100, 100, 95);
        QTest::newRow("capped at 255") << Rgb(100, 100, 100) << unsigned(kAllChannels) << 3.5 << Rgb(255, 255, 255);
        QTest::newRow("high bits dropped") << (Rgb(10, 20, 30) | 0xFF000000u) << 0u << 2.0 << Rgb(10, 20, 30);
    }

    void scaleChannels()
    {
        QFETCH(quint32, colour);
        QFETCH(unsigned, channels);
        QFETCH(double, factor);
        QFETCH(quint32, expected);
        // The factors are the decimal literals the tints use, read at extended precision.
        const long double exact = factor == 0.94 ? 0.94L : factor == 0.95 ? 0.95L : factor;
        QCOMPARE(ScaleChannels(colour, channels, exact), expected);
    }

    void shades_data()
    {
        QTest::addColumn<quint32>("window");
        QTest::addColumn<quint32>("output");
        QTest::addColumn<quint32>("metadata");
        QTest::addColumn<quint32>("input");
        QTest::newRow("white") << Rgb(255, 255, 255) << Rgb(239, 247, 255) << Rgb(239, 255, 247) << Rgb(255, 255, 242);
        QTest::newRow("black") << Rgb(0, 0, 0) << Rgb(16, 32, 48) << Rgb(16, 48, 32) << Rgb(56, 56, 56);
        QTest::newRow("sum 300 is light") << Rgb(100, 100, 100) << Rgb(94, 97, 100) << Rgb(94, 100, 97) << Rgb(100, 100, 95);
        QTest::newRow("sum 299 is dark") << Rgb(99, 100, 100) << Rgb(99, 200, 255) << Rgb(99, 255, 200) << Rgb(255, 255, 255);
        QTest::newRow("light grey") << Rgb(240, 240, 240) << Rgb(225, 232, 240) << Rgb(225, 240, 232) << Rgb(240, 240, 228);
    }

    void shades()
    {
        QFETCH(quint32, window);
        QFETCH(quint32, output);
        QFETCH(quint32, metadata);
        QFETCH(quint32, input);
        const FieldShades s = ShadesFor(window);
        QCOMPARE(s.output, output);
        QCOMPARE(s.metadata, metadata);
        QCOMPARE(s.input, input);
    }
};

QTEST_APPLESS_MAIN(TestFieldShades)
#include "tst_FieldShades.moc"
