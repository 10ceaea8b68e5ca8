// The eac3to and ffmpeg audio lines as plain text, without a window.
#include "AudioCommand.h"
#include "StrToolz.h"

#include <QtTest>

#include <functional>

namespace {

// List indexes, as the page's lists hold them.
enum { kRate23976 = 1, kRate25 = 3 };
enum { kBitrate640 = 12, kBitrate1536 = 14 };
enum { kSlowdown = 1, kSpeedup = 2, kChangeTo24 = 3 };
enum { kResample48000 = 1, kResample96000 = 2 };

AudioOptions Unset()
{
    AudioOptions o;
    o.eac3toPath = QStringLiteral("/usr/bin/eac3to");
    o.ffmpegPath = QStringLiteral("/usr/bin/ffmpeg");
    o.inputPath = QStringLiteral("/src/in.dts");
    o.outputPath = QStringLiteral("/dst/out.ac3");
    return o;
}

QString Spaces(int n) { return QString(n, QLatin1Char(' ')); }

const QString kEac3to = QStringLiteral("/usr/bin/eac3to /src/in.dts /dst/out.ac3");

// The eac3to line with only piece `n` (4 to 13) set: every other piece leaves its space.
QString Eac3toAlone(int n, const QString& piece) { return kEac3to + Spaces(n - 3) + piece + Spaces(13 - n); }

const QString kFFMpeg = QStringLiteral("/usr/bin/ffmpeg -i /src/in.dts");
const QString kAc3 = QStringLiteral(" -acodec ac3");
const QString kOut = QStringLiteral(" /dst/out.ac3");

QString Tempo(const char* ratio) { return QStringLiteral("-af \"atempo=%1\"").arg(QLatin1String(ratio)); }

struct Row {
    const char* name;
    std::function<void(AudioOptions&)> change;
    QString line;
};

const Row kEac3toRows[] = {
    {"everything unset: ten trailing spaces", [](AudioOptions&) {}, kEac3to + Spaces(10)},
    {"frame rate", [](AudioOptions& o) { o.frameRateIndex = kRate25; }, Eac3toAlone(4, "-25.000")},
    {"bitrate", [](AudioOptions& o) { o.bitrateIndex = kBitrate640; }, Eac3toAlone(5, "-640")},
    {"slowdown, no change-to-24 piece", [](AudioOptions& o) { o.speedIndex = kSlowdown; },
     Eac3toAlone(6, "-slowdown")},
    {"speedup", [](AudioOptions& o) { o.speedIndex = kSpeedup; }, Eac3toAlone(6, "-speedup")},
    {"change to 24, no speed piece", [](AudioOptions& o) { o.speedIndex = kChangeTo24; },
     Eac3toAlone(7, "-changeTo24.000")},
    {"resample", [](AudioOptions& o) { o.resampleIndex = kResample48000; }, Eac3toAlone(8, "-resampleTo48000")},
    {"6 channels", [](AudioOptions& o) { o.down6 = true; }, Eac3toAlone(9, "-down6")},
    {"stereo", [](AudioOptions& o) { o.downStereo = true; }, Eac3toAlone(10, "-downStereo")},
    {"16 bit", [](AudioOptions& o) { o.down16 = true; }, Eac3toAlone(11, "-down16")},
    {"core", [](AudioOptions& o) { o.core = true; }, Eac3toAlone(12, "-core")},
    {"additional, trimmed", [](AudioOptions& o) { o.additional = "\t -log=x  -progressnumbers \n"; },
     Eac3toAlone(13, "-log=x  -progressnumbers")},
    {"both downmixes in order", [](AudioOptions& o) { o.down6 = o.downStereo = true; },
     kEac3to + Spaces(6) + "-down6 -downStereo" + Spaces(3)},
    {"core with a speed", [](AudioOptions& o) { o.core = true; o.speedIndex = kSlowdown; },
     kEac3to + Spaces(3) + "-slowdown" + Spaces(6) + "-core "},
    {"everything set",
     [](AudioOptions& o) {
         o.frameRateIndex = kRate23976; o.bitrateIndex = kBitrate1536; o.speedIndex = kSpeedup;
         o.resampleIndex = kResample96000; o.down6 = o.downStereo = o.down16 = o.core = true;
         o.additional = "-x";
     },
     kEac3to + " -23.976 -1536 -speedup  -resampleTo96000 -down6 -downStereo -down16 -core -x"},
};

const Row kFFMpegRows[] = {
    {"everything unset: codec, six spaces, output", [](AudioOptions&) {}, kFFMpeg + kAc3 + Spaces(5) + kOut},
    {"bitrate", [](AudioOptions& o) { o.bitrateIndex = kBitrate640; },
     kFFMpeg + kAc3 + " -b:a 640k" + Spaces(4) + kOut},
    {"resample", [](AudioOptions& o) { o.resampleIndex = kResample48000; },
     kFFMpeg + kAc3 + Spaces(2) + "-osr 48000" + Spaces(3) + kOut},
    {"6 channels", [](AudioOptions& o) { o.down6 = true; }, kFFMpeg + kAc3 + Spaces(3) + "-ac 6" + Spaces(2) + kOut},
    {"stereo", [](AudioOptions& o) { o.downStereo = true; }, kFFMpeg + kAc3 + Spaces(4) + "-ac 2 " + kOut},
    {"both downmixes in order", [](AudioOptions& o) { o.down6 = o.downStereo = true; },
     kFFMpeg + kAc3 + Spaces(3) + "-ac 6 -ac 2 " + kOut},
    {"frame rate without a speed adds nothing", [](AudioOptions& o) { o.frameRateIndex = kRate25; },
     kFFMpeg + kAc3 + Spaces(5) + kOut},
    {"16 bit and additional text never reach ffmpeg",
     [](AudioOptions& o) { o.down16 = true; o.additional = "-x"; }, kFFMpeg + kAc3 + Spaces(5) + kOut},
    {"a speed: five spaces between codec and tempo", [](AudioOptions& o) { o.speedIndex = kSlowdown; },
     kFFMpeg + kAc3 + Spaces(5) + Tempo("23.976/23.976") + kOut},
    {"core: no codec piece, copy before the output",
     [](AudioOptions& o) { o.core = true; o.outputPath = "/dst/out.dts"; },
     kFFMpeg + Spaces(5) + "-bsf:a dca_core -c:a copy /dst/out.dts"},
    {"core with a speed: one space between copy and tempo",
     [](AudioOptions& o) { o.core = true; o.speedIndex = kSlowdown; o.outputPath = "/dst/out.dts"; },
     kFFMpeg + Spaces(5) + "-bsf:a dca_core -c:a copy " + Tempo("23.976/23.976") + " /dst/out.dts"},
    {"out.WAV: no codec piece", [](AudioOptions& o) { o.outputPath = "/dst/out.WAV"; },
     kFFMpeg + Spaces(6) + "/dst/out.WAV"},
    {"out.flac", [](AudioOptions& o) { o.outputPath = "/dst/out.flac"; },
     kFFMpeg + " -acodec flac" + Spaces(6) + "/dst/out.flac"},
    {"out.DTS is lower-cased", [](AudioOptions& o) { o.outputPath = "/dst/out.DTS"; },
     kFFMpeg + " -acodec dts" + Spaces(6) + "/dst/out.DTS"},
    {"no extension", [](AudioOptions& o) { o.outputPath = "/dst/out"; }, kFFMpeg + Spaces(6) + "/dst/out"},
    {"a dot in the folder is no extension", [](AudioOptions& o) { o.outputPath = "/dst/v1.0/out"; },
     kFFMpeg + Spaces(6) + "/dst/v1.0/out"},
    {"everything set",
     [](AudioOptions& o) {
         o.frameRateIndex = kRate25; o.bitrateIndex = kBitrate640; o.speedIndex = kSlowdown;
         o.resampleIndex = kResample48000; o.down6 = o.downStereo = true;
     },
     kFFMpeg + kAc3 + " -b:a 640k -osr 48000 -ac 6 -ac 2 " + Tempo("23.976/25.000") + kOut},
};

} // namespace

Q_DECLARE_METATYPE(const Row*)

class TestAudioCommand : public QObject {
    Q_OBJECT

    static void addRows(const Row* rows, std::size_t count)
    {
        QTest::addColumn<const Row*>("row");
        for (std::size_t i = 0; i < count; ++i)
            QTest::newRow(rows[i].name) << &rows[i];
    }

private slots:
    void items()
    {
        QCOMPARE(AudioFrameRateItems(), (QStringList{"-", "23.976", "24.000", "25.000", "29.970",
                                                     "50.000", "59.940", "60.000"}));
        QCOMPARE(AudioBitrateItems(), (QStringList{"-", "128", "160", "192", "224", "256", "272", "320",
                                                   "384", "448", "512", "576", "640", "768", "1536"}));
        QCOMPARE(AudioSpeedItems(), (QStringList{"-", "slowdown", "speedup", "change to 24"}));
        QCOMPARE(AudioResampleItems(), (QStringList{"-", "48000", "96000"}));
    }

    void eac3toLine_data() { addRows(kEac3toRows, std::size(kEac3toRows)); }
    void eac3toLine()
    {
        QFETCH(const Row*, row);
        AudioOptions o = Unset();
        row->change(o);
        QCOMPARE(Eac3toCommandLines(o).lines, QStringList{row->line});
    }

    void ffmpegLine_data() { addRows(kFFMpegRows, std::size(kFFMpegRows)); }
    void ffmpegLine()
    {
        QFETCH(const Row*, row);
        AudioOptions o = Unset();
        row->change(o);
        QCOMPARE(FFMpegAudioCommandLines(o).lines, QStringList{row->line});
    }

    // Target over source: atempo below 1 lengthens the audio for slowed-down video.
    void tempo_data()
    {
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("ratio");
        QTest::newRow("- slowdown") << 0 << int(kSlowdown) << "23.976/23.976";
        QTest::newRow("- speedup") << 0 << int(kSpeedup) << "25/23.976";
        QTest::newRow("- change to 24") << 0 << int(kChangeTo24) << "24/23.976";
        QTest::newRow("25.000 slowdown") << int(kRate25) << int(kSlowdown) << "23.976/25.000";
        QTest::newRow("25.000 speedup") << int(kRate25) << int(kSpeedup) << "25/25.000";
        QTest::newRow("25.000 change to 24") << int(kRate25) << int(kChangeTo24) << "24/25.000";
    }
    void tempo()
    {
        QFETCH(int, frameRate);
        QFETCH(int, speed);
        QFETCH(QString, ratio);
        AudioOptions o = Unset();
        o.frameRateIndex = frameRate;
        o.speedIndex = speed;
        QCOMPARE(FFMpegAudioCommandLines(o).lines,
                 QStringList{kFFMpeg + kAc3 + Spaces(5) + Tempo(qPrintable(ratio)) + kOut});
    }

    void pathsGoThroughQuoting()
    {
        AudioOptions o = Unset();
        o.eac3toPath = QStringLiteral("/opt/my tools/eac3to");
        o.ffmpegPath = QStringLiteral("/opt/my tools/ffmpeg");
        o.inputPath = QStringLiteral("/src/it's $(id).dts");
        o.outputPath = QStringLiteral("/dst/a&b 50%.ac3");
        const QString files = QuotePath(o.inputPath) + QLatin1Char(' ') + QuotePath(o.outputPath);
        QVERIFY(QuotePath(o.outputPath) != o.outputPath);
        QCOMPARE(Eac3toCommandLines(o).lines, QStringList{QuotePath(o.eac3toPath) + ' ' + files + Spaces(10)});
        QCOMPARE(FFMpegAudioCommandLines(o).lines,
                 QStringList{QuotePath(o.ffmpegPath) + " -i " + QuotePath(o.inputPath) + kAc3 + Spaces(6) +
                             QuotePath(o.outputPath)});
    }

    // An extension is part of a path: a name that would run something stays one argument.
    void oddExtensionIsQuoted()
    {
        AudioOptions o = Unset();
        o.outputPath = QStringLiteral("/dst/out.$(touch x)");
        const QString ext = QStringLiteral("$(touch x)");
        QVERIFY(QuotePath(ext) != ext);
        QCOMPARE(FFMpegAudioCommandLines(o).lines,
                 QStringList{kFFMpeg + " -acodec " + QuotePath(ext) + Spaces(6) + QuotePath(o.outputPath)});
    }

    void indexOutsideTableRefuses_data()
    {
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<int>("bitrate");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("resample");
        QTest::addColumn<QString>("message");
        QTest::newRow("no frame rate") << -1 << 0 << 0 << 0 << "Frame rate not selected.";
        QTest::newRow("frame rate past the table") << 8 << 0 << 0 << 0 << "Frame rate not selected.";
        QTest::newRow("no bitrate") << 0 << -1 << 0 << 0 << "Bitrate not selected.";
        QTest::newRow("bitrate past the table") << 0 << 15 << 0 << 0 << "Bitrate not selected.";
        QTest::newRow("no speed") << 0 << 0 << -1 << 0 << "Change speed not selected.";
        QTest::newRow("speed past the table") << 0 << 0 << 4 << 0 << "Change speed not selected.";
        QTest::newRow("no resample") << 0 << 0 << 0 << -1 << "Resample not selected.";
        QTest::newRow("resample past the table") << 0 << 0 << 0 << 3 << "Resample not selected.";
    }
    void indexOutsideTableRefuses()
    {
        QFETCH(int, frameRate);
        QFETCH(int, bitrate);
        QFETCH(int, speed);
        QFETCH(int, resample);
        QFETCH(QString, message);
        AudioOptions o = Unset();
        o.frameRateIndex = frameRate;
        o.bitrateIndex = bitrate;
        o.speedIndex = speed;
        o.resampleIndex = resample;
        for (const CommandLines& result : {Eac3toCommandLines(o), FFMpegAudioCommandLines(o)}) {
            QVERIFY(result.lines.isEmpty());
            QCOMPARE(result.refusal, message);
        }
    }
};

QTEST_APPLESS_MAIN(TestAudioCommand)
#include "tst_audiocommand.moc"
