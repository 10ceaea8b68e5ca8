// The Dolby Vision command line as plain text, in both script dialects, without a window.
#include "DVCommand.h"
#include "DefaultParams.h"

#include <QtTest>

#include <functional>

namespace {

// The form's defaults with POSIX paths that need no quoting.
DVOptions Defaults()
{
    DVOptions o;
    o.pythonPath = QStringLiteral("/usr/bin/python3");
    o.scriptPath = QStringLiteral("/dv/encode.py");
    o.deePath = QStringLiteral("/dee/dee");
    o.licensePath = QStringLiteral("/dee/dee.lic");
    o.ffmpegPath = QStringLiteral("/usr/bin/ffmpeg");
    o.inputPath = QStringLiteral("/src/in.mov");
    o.metadataPath = QStringLiteral("/src/meta.xml");
    o.baseLayerPath = QStringLiteral("/dst/bl.hevc");
    o.enhancementLayerPath = QStringLiteral("/dst/el.hevc");
    o.frameRateIndex = 1;
    o.twoPass = true;
    o.framesFrom = QStringLiteral("0");
    o.framesTo = QStringLiteral("75000");
    o.params = kDefaultParamsDV;
    o.tempFolder = QStringLiteral("/work/dv");
    return o;
}

// Every path of the page holding a space, as Windows names them.
void WindowsPathsWithSpaces(DVOptions& o)
{
    o.pythonPath = QStringLiteral("C:\\Program Files\\Python\\python.exe");
    o.scriptPath = QStringLiteral("C:\\dv tools\\encode dv.py");
    o.deePath = QStringLiteral("C:\\dv tools\\dee.exe ");
    o.licensePath = QStringLiteral("C:\\dv tools\\my license.lic");
    o.ffmpegPath = QStringLiteral("C:\\ff mpeg\\ffmpeg.exe");
    o.inputPath = QStringLiteral("D:\\in put\\movie.mov");
    o.metadataPath = QStringLiteral("D:\\in put\\dv meta.xml");
    o.baseLayerPath = QStringLiteral("E:\\out put\\bl.hevc");
    o.enhancementLayerPath = QStringLiteral("E:\\out put\\el.hevc");
    o.tempFolder = QStringLiteral("E:\\dv temp");
}

const QString kOptions = QStringLiteral(" --fps 24 -p 2 --start 0 --end 75000 ") + kDefaultParamsDV;
const QString kPosixFiles = QStringLiteral(
    " /dv/encode.py --dee /dee/dee --dee-license /dee/dee.lic --ffmpeg /usr/bin/ffmpeg"
    " -i /src/in.mov -m /src/meta.xml -b /dst/bl.hevc -e /dst/el.hevc");
const QString kWindowsFiles = QStringLiteral(
    " \"C:\\dv tools\\encode dv.py\" --dee \"C:\\dv tools\\dee.exe\""
    " --dee-license \"C:\\dv tools\\my license.lic\" --ffmpeg \"C:\\ff mpeg\\ffmpeg.exe\""
    " -i \"D:\\in put\\movie.mov\" -m \"D:\\in put\\dv meta.xml\""
    " -b \"E:\\out put\\bl.hevc\" -e \"E:\\out put\\el.hevc\"");

struct Variant {
    const char* name;
    ScriptDialect dialect;
    std::function<void(DVOptions&)> change;
    QString line;
};

const Variant kVariants[] = {
    {"defaults", ScriptDialect::Sh, [](DVOptions&) {},
     "/usr/bin/python3" + kPosixFiles + kOptions + " --temp /work/dv"},
    {"one pass", ScriptDialect::Sh, [](DVOptions& o) { o.twoPass = false; },
     "/usr/bin/python3" + kPosixFiles + " --fps 24 -p 1 --start 0 --end 75000 " + kDefaultParamsDV +
         " --temp /work/dv"},
    {"23.976 goes on as text", ScriptDialect::Sh, [](DVOptions& o) { o.frameRateIndex = 0; },
     "/usr/bin/python3" + kPosixFiles + " --fps 23.976 -p 2 --start 0 --end 75000 " +
         kDefaultParamsDV + " --temp /work/dv"},
    {"frames as typed, unordered", ScriptDialect::Sh,
     [](DVOptions& o) { o.framesFrom = "0090"; o.framesTo = "12"; },
     "/usr/bin/python3" + kPosixFiles + " --fps 24 -p 2 --start 0090 --end 12 " + kDefaultParamsDV +
         " --temp /work/dv"},
    {"memo flattened, unquoted", ScriptDialect::Sh,
     [](DVOptions& o) { o.params = "-g 48\r\n\r\n--print-all    --x \"a b\"\n"; },
     "/usr/bin/python3" + kPosixFiles + " --fps 24 -p 2 --start 0 --end 75000"
                                        " -g 48 --print-all  --x \"a b\" --temp /work/dv"},
    {"empty memo leaves two spaces", ScriptDialect::Sh, [](DVOptions& o) { o.params = " \n "; },
     "/usr/bin/python3" + kPosixFiles + " --fps 24 -p 2 --start 0 --end 75000  --temp /work/dv"},
    {"sh: no Python runs python3", ScriptDialect::Sh, [](DVOptions& o) { o.pythonPath.clear(); },
     "python3" + kPosixFiles + kOptions + " --temp /work/dv"},
    {"sh: blank Python counts as none", ScriptDialect::Sh,
     [](DVOptions& o) { o.pythonPath = " \t"; },
     "python3" + kPosixFiles + kOptions + " --temp /work/dv"},
    {"sh: spaces and shell characters", ScriptDialect::Sh,
     [](DVOptions& o) {
         o.pythonPath = "/opt/py thon/python3";
         o.scriptPath = "/dv/it's $(id).py";
         o.inputPath = "/src/a&b 50%.mov";
         o.tempFolder = "/work/dv temp";
     },
     "'/opt/py thon/python3' '/dv/it'\\''s $(id).py' --dee /dee/dee --dee-license /dee/dee.lic"
     " --ffmpeg /usr/bin/ffmpeg -i '/src/a&b 50%.mov' -m /src/meta.xml -b /dst/bl.hevc"
     " -e /dst/el.hevc" + kOptions + " --temp '/work/dv temp'"},
    {"cmd: every path with spaces", ScriptDialect::Cmd, WindowsPathsWithSpaces,
     "\"C:\\Program Files\\Python\\python.exe\"" + kWindowsFiles + kOptions +
         " --temp \"E:\\dv temp\""},
    {"cmd: no Python starts the script with an empty title", ScriptDialect::Cmd,
     [](DVOptions& o) { WindowsPathsWithSpaces(o); o.pythonPath.clear(); },
     "start \"\"" + kWindowsFiles + kOptions + " --temp \"E:\\dv temp\""},
    {"cmd: no Python, paths without spaces", ScriptDialect::Cmd,
     [](DVOptions& o) {
         o.pythonPath.clear();
         o.scriptPath = "C:\\dv\\encode.py";
         o.tempFolder = "C:\\dv";
     },
     "start \"\" C:\\dv\\encode.py --dee /dee/dee --dee-license /dee/dee.lic --ffmpeg /usr/bin/ffmpeg"
     " -i /src/in.mov -m /src/meta.xml -b /dst/bl.hevc -e /dst/el.hevc" + kOptions +
         " --temp C:\\dv"},
};

} // namespace

class TestDVCommand : public QObject {
    Q_OBJECT
private slots:
    void frameRateItems()
    {
        QCOMPARE(DVFrameRateItems(), (QStringList{"23.976", "24"}));
    }

    void line_data()
    {
        QTest::addColumn<int>("variant");
        for (int i = 0; i < int(std::size(kVariants)); ++i)
            QTest::newRow(kVariants[i].name) << i;
    }

    void line()
    {
        QFETCH(int, variant);
        const Variant& v = kVariants[variant];
        DVOptions o = Defaults();
        v.change(o);
        const CommandLines result = DVCommandLines(o, v.dialect);
        QCOMPARE(result.refusal, QString());
        QCOMPARE(result.lines, QStringList{v.line});
    }

    void frameRateOutsideTableRefuses_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("none selected") << -1;
        QTest::newRow("past the table") << 2;
    }

    void frameRateOutsideTableRefuses()
    {
        QFETCH(int, index);
        DVOptions o = Defaults();
        o.frameRateIndex = index;
        for (ScriptDialect dialect : {ScriptDialect::Cmd, ScriptDialect::Sh}) {
            const CommandLines result = DVCommandLines(o, dialect);
            QVERIFY(result.lines.isEmpty());
            QCOMPARE(result.refusal, QStringLiteral("Frame rate not selected."));
        }
    }
};

QTEST_APPLESS_MAIN(TestDVCommand)
#include "tst_dvcommand.moc"
