// The x264 command lines as plain text, without a window.
#include "DefaultParams.h"
#include "X264Command.h"

#include <QtTest>

#include <functional>

namespace {

// The form's defaults with paths that need no quoting.
X264Options Defaults()
{
    X264Options o;
    o.x264Path = QStringLiteral("/usr/bin/x264");
    o.inputPath = QStringLiteral("/src/in.mkv");
    o.outputPath = QStringLiteral("/dst/out.264");
    o.params = kDefaultParams264;
    o.tuneIndex = 1; // film
    o.bitrate = QStringLiteral("20000");
    o.maxBitrate = QStringLiteral("40000");
    o.bufsize = QStringLiteral("30000");
    o.keyFramesAuto = true;
    o.keyFrames = QStringLiteral("24");
    o.frameRateIndex = 5;
    o.aspectIndex = 0;
    o.speedIndex = 5; // medium
    o.demuxerIndex = 0; // auto
    o.twoPass = true;
    return o;
}

const QString kHead = QStringLiteral("/usr/bin/x264 ") + kDefaultParams264;
const QString kTail = QStringLiteral(" /dst/out.264 /src/in.mkv");

struct Variant {
    const char* name;
    std::function<void(X264Options&)> change;
    QString firstLine;
};

const Variant kVariants[] = {
    {"defaults", [](X264Options&) {},
     kHead + " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 60"
             " --sar 1:1 --preset medium --pass 1 -o" + kTail},
    {"tune '-' and demuxer auto add nothing",
     [](X264Options& o) { o.tuneIndex = 0; },
     kHead + " --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 60"
             " --sar 1:1 --preset medium --pass 1 -o" + kTail},
    {"cbr, demuxer, set fps, 4:3, slow",
     [](X264Options& o) {
         o.cbr = true; o.demuxerIndex = 4; o.setFps = true;
         o.aspectIndex = 1; o.speedIndex = 6; o.frameRateIndex = 0;
     },
     kHead + " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --nal-hrd cbr"
             " --keyint 24 --sar 4:3 --preset slow --demuxer lavf --fps 24000/1001 --pass 1 -o" + kTail},
    {"manual key frames add --scenecut 0",
     [](X264Options& o) { o.keyFramesAuto = false; o.keyFrames = "18"; },
     kHead + " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 18"
             " --scenecut 0 --sar 1:1 --preset medium --pass 1 -o" + kTail},
    {"29.97 auto key frames give 30 and --tff",
     [](X264Options& o) { o.frameRateIndex = 3; o.setFps = true; },
     kHead + " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 30"
             " --sar 1:1 --preset medium --fps 30000/1001 --tff --pass 1 -o" + kTail},
    {"25 with fake-interlaced",
     [](X264Options& o) { o.frameRateIndex = 2; o.fakeInterlaced = true; },
     kHead + " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 25"
             " --sar 1:1 --preset medium --fake-interlaced --pass 1 -o" + kTail},
    {"fake-interlaced is ignored outside 25/29.97",
     [](X264Options& o) { o.frameRateIndex = 6; o.fakeInterlaced = true; o.setFps = true; },
     kHead + " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 60"
             " --sar 1:1 --preset medium --fps 60/1 --pass 1 -o" + kTail},
    {"empty memo leaves two spaces",
     [](X264Options& o) { o.params = "\r\n  \n"; },
     "/usr/bin/x264  --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 60"
     " --sar 1:1 --preset medium --pass 1 -o" + kTail},
    {"spin texts go on as typed",
     [](X264Options& o) { o.bitrate = "0123"; o.maxBitrate = "999999"; o.bufsize = "7"; },
     kHead + " --tune film --bitrate 0123 --vbv-maxrate 999999 --vbv-bufsize 7 --keyint 60"
             " --sar 1:1 --preset medium --pass 1 -o" + kTail},
#ifndef _WIN32
    {"paths with spaces and shell characters are quoted, output first",
     [](X264Options& o) {
         o.x264Path = "/opt/my tools/x264";
         o.inputPath = "/src/it's $(id).mkv";
         o.outputPath = "/dst/a&b 50%.264";
     },
     "'/opt/my tools/x264' " + kDefaultParams264 +
         " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000 --keyint 60"
         " --sar 1:1 --preset medium --pass 1 -o '/dst/a&b 50%.264' '/src/it'\\''s $(id).mkv'"},
#endif
};

} // namespace

class TestX264Command : public QObject {
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
        X264Options o = Defaults();
        v.change(o);
        const QStringList two = X264CommandLines(o).lines;
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[0], v.firstLine);
        QString second = v.firstLine;
        second.replace(QStringLiteral(" --pass 1 -o "), QStringLiteral(" --pass 2 -o "));
        QCOMPARE(two[1], second);

        o.twoPass = false;
        QString single = v.firstLine;
        single.replace(QStringLiteral(" --pass 1 -o "), QStringLiteral(" -o "));
        QCOMPARE(X264CommandLines(o).lines, QStringList{single});
    }

    void tuneTakenOutOfStoredText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("tune");   // the list's selection before: 1 (film)
        QTest::addColumn<QString>("text");
        const QString def = kDefaultParams264;
        QTest::newRow("no tune") << def << 1 << def;
        QTest::newRow("at the start") << "--tune grain --level 4.1" << 3 << "--level 4.1";
        QTest::newRow("in the middle") << "--level 4.1 --tune grain --slices 4" << 3 << "--level 4.1 --slices 4";
        QTest::newRow("at the end") << "--level 4.1 --tune psnr" << 5 << "--level 4.1";
        QTest::newRow("twice the same") << "--tune ssim --a --tune ssim" << 6 << "--a";
        QTest::newRow("two known: list order wins, then '-'")
            << "--tune zerolatency --a --tune animation" << 0 << "--tune zerolatency --a";
        QTest::newRow("unknown tune") << "--a --tune fancy --b" << 0 << "--a --tune fancy --b";
        QTest::newRow("other letter case is not an option") << "--a --TUNE grain" << 1 << "--a --TUNE grain";
        QTest::newRow("a name that only starts like a tune") << "--tune grainy --b" << 0 << "--tune grainy --b";
        QTest::newRow("blanks around") << "  --tune film  " << 1 << "";
    }

    void tuneTakenOutOfStoredText()
    {
        QFETCH(QString, stored);
        QFETCH(int, tune);
        QFETCH(QString, text);
        int index = 1;
        QCOMPARE(ExtractX264Tune(stored, &index), text);
        QCOMPARE(index, tune);
    }

    void indexOutsideTableRefuses_data()
    {
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<int>("aspect");
        QTest::addColumn<int>("tune");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("demuxer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no frame rate") << -1 << 0 << 1 << 5 << 0 << "Frame rate not selected.";
        QTest::newRow("frame rate past the table") << 7 << 0 << 1 << 5 << 0 << "Frame rate not selected.";
        QTest::newRow("no aspect") << 0 << -1 << 1 << 5 << 0 << "Aspect ratio not selected.";
        QTest::newRow("aspect past the table") << 0 << 2 << 1 << 5 << 0 << "Aspect ratio not selected.";
        QTest::newRow("tune past the table") << 0 << 0 << 9 << 5 << 0 << "Tune not selected.";
        QTest::newRow("no speed") << 0 << 0 << 1 << -1 << 0 << "Speed/Quality not selected.";
        QTest::newRow("demuxer past the table") << 0 << 0 << 1 << 5 << 5 << "Demuxer not selected.";
    }

    void indexOutsideTableRefuses()
    {
        QFETCH(int, frameRate);
        QFETCH(int, aspect);
        QFETCH(int, tune);
        QFETCH(int, speed);
        QFETCH(int, demuxer);
        QFETCH(QString, message);
        X264Options o = Defaults();
        o.frameRateIndex = frameRate;
        o.aspectIndex = aspect;
        o.tuneIndex = tune;
        o.speedIndex = speed;
        o.demuxerIndex = demuxer;
        const CommandLines result = X264CommandLines(o);
        QVERIFY(result.lines.isEmpty());
        QCOMPARE(result.refusal, message);
    }
};

QTEST_APPLESS_MAIN(TestX264Command)
#include "tst_x264command.moc"
