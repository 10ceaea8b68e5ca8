// MediaInfo's HDR10 texts turned into x265's values and written into the HDR
// parameter text, without a window.
#include "DefaultParams.h"
#include "HdrMetadata.h"

#include <QtTest>

namespace {

const QString kP3 = QStringLiteral("G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)");
const QString kDci = QStringLiteral("G(13250,34500)B(7500,3000)R(34000,16000)WP(15700,17550)");
const QString kBt2020 = QStringLiteral("G(8500,39850)B(6550,2300)R(35400,14600)WP(15635,16450)");
const QString kBt709 = QStringLiteral("G(15000,30000)B(7500,3000)R(32000,16500)WP(15635,16450)");
// As MediaInfo 23.04 reads G(13200,34600)B(7400,2900)R(34100,15900)WP(15600,16400).
const QString kCustomText = QStringLiteral("R: x=0.682000 y=0.318000, G: x=0.264000 y=0.692000, "
                                           "B: x=0.148000 y=0.058000, White point: x=0.312000 y=0.328000");
const QString kCustom = QStringLiteral("G(13200,34600)B(7400,2900)R(34100,15900)WP(15600,16400)");
const QString k1000 = QStringLiteral("min: 0.0050 cd/m2, max: 1000 cd/m2");

const QString kNewMaster = kBt2020 + QStringLiteral("L(40000000,1)");
const QString kOldMaster = QStringLiteral("G(1,2)B(3,4)R(5,6)WP(7,8)L(9,1)");

} // namespace

class TestHdrMetadata : public QObject {
    Q_OBJECT

private slots:
    void masterDisplay_data()
    {
        QTest::addColumn<QString>("primaries");
        QTest::addColumn<QString>("luminance");
        QTest::addColumn<QString>("value"); // empty: not understood
        QTest::newRow("Display P3") << "Display P3" << k1000 << kP3 + "L(10000000,50)";
        QTest::newRow("DCI P3 has its own white point") << "DCI P3" << k1000 << kDci + "L(10000000,50)";
        QTest::newRow("BT.2020") << "BT.2020" << "min: 0.0001 cd/m2, max: 4000 cd/m2" << kBt2020 + "L(40000000,1)";
        QTest::newRow("BT.709") << "BT.709" << "min: 0.0100 cd/m2, max: 100 cd/m2" << kBt709 + "L(1000000,100)";
        QTest::newRow("custom coordinates, R G B order turned into G B R")
            << kCustomText << "min: 0.0020 cd/m2, max: 600 cd/m2" << kCustom + "L(6000000,20)";
        QTest::newRow("coordinates rounded to the nearest unit")
            << "R: x=0.680012 y=0.319991, G: x=0.265 y=0.69, B: x=0.15 y=0.06, White point: x=0.3127 y=0.329"
            << k1000 << "G(13250,34500)B(7500,3000)R(34001,16000)WP(15635,16450)L(10000000,50)";
        QTest::newRow("fractional luminance") << "Display P3" << "min: 0.0123 cd/m2, max: 1234.5678 cd/m2"
                                              << kP3 + "L(12345678,123)";
        QTest::newRow("decimal comma") << "Display P3" << "min: 0,0050 cd/m2, max: 1000,5 cd/m2"
                                       << kP3 + "L(10005000,50)";
        QTest::newRow("blanks around a name") << " BT.2020 " << k1000 << kBt2020 + "L(10000000,50)";
        QTest::newRow("unknown name") << "BT.601" << k1000 << "";
        QTest::newRow("a name in other letters") << "display p3" << k1000 << "";
        QTest::newRow("no white point")
            << "R: x=0.682000 y=0.318000, G: x=0.264000 y=0.692000, B: x=0.148000 y=0.058000" << k1000 << "";
        QTest::newRow("coordinate above one")
            << "R: x=1.5 y=0.3, G: x=0.2 y=0.6, B: x=0.1 y=0.05, White point: x=0.3 y=0.3" << k1000 << "";
        QTest::newRow("primaries without luminance") << "Display P3" << "" << "";
        QTest::newRow("luminance without primaries") << "" << k1000 << "";
        QTest::newRow("luminance without min") << "Display P3" << "max: 1000 cd/m2" << "";
        QTest::newRow("zero maximum") << "Display P3" << "min: 0.0050 cd/m2, max: 0 cd/m2" << "";
    }

    void masterDisplay()
    {
        QFETCH(QString, primaries);
        QFETCH(QString, luminance);
        QFETCH(QString, value);
        QCOMPARE(MasterDisplayValue(primaries, luminance), value);
    }

    void maxCll_data()
    {
        QTest::addColumn<QString>("maxCll");
        QTest::addColumn<QString>("maxFall");
        QTest::addColumn<QString>("value");
        QTest::newRow("both") << "1000 cd/m2" << "400 cd/m2" << "1000,400";
        QTest::newRow("MaxFALL absent, as MediaInfo leaves a zero out") << "1000 cd/m2" << "" << "1000,0";
        QTest::newRow("MaxCLL absent") << "" << "400 cd/m2" << "0,400";
        QTest::newRow("both absent") << "" << "" << "";
        QTest::newRow("not a number") << "bright" << "400 cd/m2" << "";
        QTest::newRow("above 16 bits") << "70000 cd/m2" << "400 cd/m2" << "";
        QTest::newRow("highest 16-bit level") << "65535 cd/m2" << "65535 cd/m2" << "65535,65535";
    }

    void maxCll()
    {
        QFETCH(QString, maxCll);
        QFETCH(QString, maxFall);
        QFETCH(QString, value);
        QCOMPARE(MaxCllValue(maxCll, maxFall), value);
    }

    void optionValue_data()
    {
        QTest::addColumn<QString>("params");
        QTest::addColumn<QString>("expected");
        const QString v = QStringLiteral("V(1)");
        QTest::newRow("quoted value stays quoted")
            << "--colorprim \"bt2020\" --master-display \"" + kOldMaster + "\" --max-cll \"1000,400\""
            << "--colorprim \"bt2020\" --master-display \"" + v + "\" --max-cll \"1000,400\"";
        QTest::newRow("bare value stays bare") << "--master-display " + kOldMaster + " --aud"
                                               << "--master-display " + v + " --aud";
        QTest::newRow("joined with =") << "--aud --master-display=" + kOldMaster << "--aud --master-display=" + v;
        QTest::newRow("joined with = and quoted") << "--master-display=\"" + kOldMaster + "\"\n--aud"
                                                  << "--master-display=\"" + v + "\"\n--aud";
        QTest::newRow("line breaks and blanks kept")
            << "--colorprim \"bt2020\"\r\n\r\n  --master-display\r\n\t\"" + kOldMaster + "\"   --hrd\r\n--aud\r\n"
            << "--colorprim \"bt2020\"\r\n\r\n  --master-display\r\n\t\"" + v + "\"   --hrd\r\n--aud\r\n";
        QTest::newRow("every occurrence") << "--master-display A --aud --master-display \"B\""
                                          << "--master-display " + v + " --aud --master-display \"" + v + "\"";
        QTest::newRow("absent: added after the last word, line breaks after it kept")
            << "--colorprim \"bt2020\"\r\n--aud\r\n\r\n"
            << "--colorprim \"bt2020\"\r\n--aud --master-display \"" + v + "\"\r\n\r\n";
        QTest::newRow("empty text") << "" << "--master-display \"" + v + "\"";
        QTest::newRow("blank text keeps its blanks") << " \n" << "--master-display \"" + v + "\" \n";
        QTest::newRow("no value at the end") << "--aud --master-display" << "--aud --master-display \"" + v + "\"";
        QTest::newRow("no value before the next option") << "--master-display --aud"
                                                          << "--master-display \"" + v + "\" --aud";
        QTest::newRow("inside another option's quoted value: absent")
            << "--x \"--master-display old\"" << "--x \"--master-display old\" --master-display \"" + v + "\"";
        QTest::newRow("a longer option name is another option")
            << "--master-display-x 1" << "--master-display-x 1 --master-display \"" + v + "\"";
    }

    void optionValue()
    {
        QFETCH(QString, params);
        QFETCH(QString, expected);
        QCOMPARE(WithOptionValue(params, QStringLiteral("--master-display"), QStringLiteral("V(1)")), expected);
    }

    void apply_data()
    {
        QTest::addColumn<QString>("params");
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expected");
        const QString memo = QStringLiteral("--colorprim \"bt2020\"\n--master-display \"") + kOldMaster +
                             QStringLiteral("\"\n--max-cll \"1,1\" --hdr10-opt\n");
        const QString bt2020 = QStringLiteral("min: 0.0001 cd/m2, max: 4000 cd/m2");
        QTest::newRow("the default text, both written")
            << kDefaultParamsHDR << QStringList{"BT.2020", bt2020, "4000 cd/m2", "1000 cd/m2"}
            << int(THdrFromSource::Applied)
            << QString(kDefaultParamsHDR)
                   .replace(kP3 + "L(40000000,50)", kNewMaster)
                   .replace("\"1000,400\"", "\"4000,1000\"");
        QTest::newRow("a text with other options and line breaks")
            << memo << QStringList{"BT.2020", bt2020, "4000 cd/m2", "1000 cd/m2"} << int(THdrFromSource::Applied)
            << "--colorprim \"bt2020\"\n--master-display \"" + kNewMaster +
                   "\"\n--max-cll \"4000,1000\" --hdr10-opt\n";
        QTest::newRow("both absent from the text: added in order")
            << "--colorprim bt2020\n" << QStringList{"BT.2020", bt2020, "4000 cd/m2", "1000 cd/m2"}
            << int(THdrFromSource::Applied)
            << "--colorprim bt2020 --master-display \"" + kNewMaster + "\" --max-cll \"4000,1000\"\n";
        QTest::newRow("no metadata") << memo << QStringList{"", "", "", ""} << int(THdrFromSource::NoMastering)
                                     << memo;
        QTest::newRow("light levels without mastering")
            << memo << QStringList{"", "", "1000 cd/m2", "400 cd/m2"} << int(THdrFromSource::NoMastering) << memo;
        QTest::newRow("mastering without light levels: --max-cll kept")
            << memo << QStringList{"BT.2020", bt2020, "", ""} << int(THdrFromSource::NoLightLevels)
            << "--colorprim \"bt2020\"\n--master-display \"" + kNewMaster + "\"\n--max-cll \"1,1\" --hdr10-opt\n";
        QTest::newRow("mastering without light levels: --max-cll not added")
            << "--aud" << QStringList{"BT.2020", bt2020, "", ""} << int(THdrFromSource::NoLightLevels)
            << "--aud --master-display \"" + kNewMaster + "\"";
        QTest::newRow("primaries not understood") << memo << QStringList{"BT.601", bt2020, "4000 cd/m2", ""}
                                                  << int(THdrFromSource::Unreadable) << memo;
        QTest::newRow("light level not understood") << memo << QStringList{"BT.2020", bt2020, "bright", ""}
                                                     << int(THdrFromSource::Unreadable) << memo;
    }

    void apply()
    {
        QFETCH(QString, params);
        QFETCH(QStringList, source);
        QFETCH(int, outcome);
        QFETCH(QString, expected);
        const THdrUpdate update = ApplySourceHdr(params, HdrSourceTextsFrom(source));
        QCOMPARE(int(update.outcome), outcome);
        QCOMPARE(update.params, expected);
    }

    void fieldNamesAreMediaInfos()
    {
        QCOMPARE(HdrSourceFieldNames(), (QStringList{"MasteringDisplay_ColorPrimaries", "MasteringDisplay_Luminance",
                                                     "MaxCLL", "MaxFALL"}));
    }
};

QTEST_APPLESS_MAIN(TestHdrMetadata)
#include "tst_hdrmetadata.moc"
