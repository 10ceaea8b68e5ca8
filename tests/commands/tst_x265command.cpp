// The ffmpeg-into-x265 command lines as plain text, without a window.
#include "DefaultParams.h"
#include "X265Command.h"

#include <QtTest>

#include <functional>

namespace {

// The form's defaults with paths that need no quoting.
X265Options Defaults()
{
    X265Options o;
    o.ffmpegPath = QStringLiteral("/usr/bin/ffmpeg");
    o.x265Path = QStringLiteral("/usr/bin/x265");
    o.inputPath = QStringLiteral("/src/in.mkv");
    o.outputPath = QStringLiteral("/dst/out.265");
    o.params = kDefaultParams265;
    o.hdrParams = kDefaultParamsHDR;
    o.hdr = false;
    o.frameRateIndex = 0;  // 23.976
    o.speedIndex = 5;      // medium
    o.tuneIndex = 0;       // -
    o.bitrate = QStringLiteral("50000");
    o.maxBitrate = QStringLiteral("75000");
    o.bufsize = QStringLiteral("70000");
    o.twoPass = true;
    return o;
}

const QString kSdr = QStringLiteral("--colorprim \"bt709\" --transfer \"bt709\" --colormatrix \"bt709\"");

// The default parameter text with its marker already turned into the pipe.
QString PipedDefaults(const QString& x265)
{
    return QString(kDefaultParams265).replace(QStringLiteral("| x265"), "| " + x265);
}

const QString kHead = QStringLiteral("/usr/bin/ffmpeg -i /src/in.mkv -r ");
const QString kRates = QStringLiteral(" --bitrate 50000 --vbv-maxrate 75000 --vbv-bufsize 70000");

struct Variant {
    const char* name;
    std::function<void(X265Options&)> change;
    QString firstLine;  // the first line of two passes
};

const Variant kVariants[] = {
    {"defaults", [](X265Options&) {},
     kHead + "24000/1001 " + PipedDefaults("/usr/bin/x265") + kRates +
         " --keyint 24 --fps 24000/1001 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
    {"59.94 with HDR: rate twice, keyint 60, HDR text after the preset",
     [](X265Options& o) { o.frameRateIndex = 4; o.hdr = true; },
     kHead + "60000/1001 " + PipedDefaults("/usr/bin/x265") + kRates +
         " --keyint 60 --fps 60000/1001 --preset medium " + kDefaultParamsHDR +
         " --pass 1 --output /dst/out.265"},
    {"HDR text is flattened",
     [](X265Options& o) { o.hdr = true; o.hdrParams = "\r\n--colorprim bt2020\r\n\r\n--max-cll \"1000,400\"\n"; },
     kHead + "24000/1001 " + PipedDefaults("/usr/bin/x265") + kRates +
         " --keyint 24 --fps 24000/1001 --preset medium --colorprim bt2020 --max-cll \"1000,400\""
         " --pass 1 --output /dst/out.265"},
    {"fast-decode follows the parameter text, before --bitrate",
     [](X265Options& o) { o.tuneIndex = 6; o.speedIndex = 0; o.frameRateIndex = 3; },
     kHead + "50/1 " + PipedDefaults("/usr/bin/x265") + " --tune fast-decode" + kRates +
         " --keyint 50 --fps 50/1 --preset ultrafast " + kSdr + " --pass 1 --output /dst/out.265"},
    {"last rows of each list",
     [](X265Options& o) { o.tuneIndex = 8; o.speedIndex = 9; o.frameRateIndex = 5; },
     kHead + "60/1 " + PipedDefaults("/usr/bin/x265") + " --tune zero-latency" + kRates +
         " --keyint 60 --fps 60/1 --preset placebo " + kSdr + " --pass 1 --output /dst/out.265"},
    {"capital-X marker before the exact one: the capital one is replaced",
     [](X265Options& o) { o.params = "-f rawvideo - | X265 --input - | x265"; o.frameRateIndex = 2; },
     kHead + "25/1 -f rawvideo - | /usr/bin/x265 --input - | x265" + kRates +
         " --keyint 25 --fps 25/1 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
    {"the second of two markers stays",
     [](X265Options& o) { o.params = "- | x265 --input -\r\n| x265"; o.frameRateIndex = 1; },
     kHead + "24/1 - | /usr/bin/x265 --input - | x265" + kRates +
         " --keyint 24 --fps 24/1 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
    {"a marker split over two lines is whole once flattened",
     [](X265Options& o) { o.params = "-f rawvideo - |\r\nx265 --input -"; },
     kHead + "24000/1001 -f rawvideo - | /usr/bin/x265 --input -" + kRates +
         " --keyint 24 --fps 24000/1001 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
    {"spin texts go on as typed",
     [](X265Options& o) { o.bitrate = "0123"; o.maxBitrate = "999999"; o.bufsize = "7"; },
     kHead + "24000/1001 " + PipedDefaults("/usr/bin/x265") +
         " --bitrate 0123 --vbv-maxrate 999999 --vbv-bufsize 7"
         " --keyint 24 --fps 24000/1001 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
#ifndef _WIN32
    {"x265 path with a space stands quoted after the pipe",
     [](X265Options& o) { o.x265Path = "/opt/my tools/x265"; },
     kHead + "24000/1001 " + PipedDefaults("'/opt/my tools/x265'") + kRates +
         " --keyint 24 --fps 24000/1001 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
    {"paths with shell characters reach the tools intact",
     [](X265Options& o) {
         o.ffmpegPath = "/opt/ff mpeg/ffmpeg";
         o.x265Path = "/opt/a&b;x265";
         o.inputPath = "/src/it's $(id).mkv";
         o.outputPath = "/dst/out | 50%.265";
     },
     "'/opt/ff mpeg/ffmpeg' -i '/src/it'\\''s $(id).mkv' -r 24000/1001 " +
         PipedDefaults("'/opt/a&b;x265'") + kRates +
         " --keyint 24 --fps 24000/1001 --preset medium " + kSdr + " --pass 1 --output '/dst/out | 50%.265'"},
#else
    {"x265 path with a space stands quoted after the pipe",
     [](X265Options& o) { o.x265Path = "C:\\my tools\\x265.exe"; },
     kHead + "24000/1001 " + PipedDefaults("\"C:\\my tools\\x265.exe\"") + kRates +
         " --keyint 24 --fps 24000/1001 --preset medium " + kSdr + " --pass 1 --output /dst/out.265"},
#endif
};

} // namespace

class TestX265Command : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<int>("variant");
        for (int i = 0; i < int(std::size(kVariants)); ++i)
            QTest::newRow(kVariants[i].name) << i;
    }

    void lines()
    {
        QFETCH(int, variant);
        const Variant& v = kVariants[variant];
        X265Options o = Defaults();
        v.change(o);
        const CommandLines two = X265CommandLines(o);
        QCOMPARE(two.refusal, QString());
        QCOMPARE(two.lines.size(), 2);
        QCOMPARE(two.lines[0], v.firstLine);
        QString second = v.firstLine;
        second.replace(QStringLiteral(" --pass 1 --output "), QStringLiteral(" --pass 2 --output "));
        QCOMPARE(two.lines[1], second);

        o.twoPass = false;
        QString single = v.firstLine;
        single.replace(QStringLiteral(" --pass 1 --output "), QStringLiteral(" --output "));
        QCOMPARE(X265CommandLines(o).lines, QStringList{single});
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("params");
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("tune");
        QTest::addColumn<QString>("message");
        const QString ok = kDefaultParams265;
        const QString noMarker = QStringLiteral("\"| x265\" not found in other x265 parameters.");
        QTest::newRow("capital-X marker alone") << "- | X265 --input -" << 0 << 5 << 0 << noMarker;
        QTest::newRow("empty text") << "" << 0 << 5 << 0 << noMarker;
        QTest::newRow("marker checked before the tables") << "x265" << -1 << 5 << 0 << noMarker;
        QTest::newRow("no frame rate") << ok << -1 << 5 << 0 << "Frame rate not selected.";
        QTest::newRow("frame rate past the six rows") << ok << 6 << 5 << 0 << "Frame rate not selected.";
        QTest::newRow("no speed") << ok << 0 << -1 << 0 << "Speed/Quality not selected.";
        QTest::newRow("speed past the table") << ok << 0 << 10 << 0 << "Speed/Quality not selected.";
        QTest::newRow("tune past the table") << ok << 0 << 5 << 9 << "Tune not selected.";
        QTest::newRow("no tune") << ok << 0 << 5 << -1 << "Tune not selected.";
    }

    void refusals()
    {
        QFETCH(QString, params);
        QFETCH(int, frameRate);
        QFETCH(int, speed);
        QFETCH(int, tune);
        QFETCH(QString, message);
        X265Options o = Defaults();
        o.params = params;
        o.frameRateIndex = frameRate;
        o.speedIndex = speed;
        o.tuneIndex = tune;
        const CommandLines result = X265CommandLines(o);
        QVERIFY(result.lines.isEmpty());
        QCOMPARE(result.refusal, message);
    }

    void listItems()
    {
        QCOMPARE(X265FrameRateItems(),
                 (QStringList{"23.976", "24", "25", "50", "59.94", "60"}));
        QCOMPARE(X265SpeedItems(),
                 (QStringList{"ultrafast", "superfast", "veryfast", "faster", "fast", "medium", "slow",
                              "slower", "veryslow", "placebo"}));
        QCOMPARE(X265TuneItems(),
                 (QStringList{"-", "animation", "grain", "psnr", "ssim", "fastdecode", "fast-decode",
                              "zerolatency", "zero-latency"}));
    }
};

QTEST_APPLESS_MAIN(TestX265Command)
#include "tst_x265command.moc"
