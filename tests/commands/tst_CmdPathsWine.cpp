// The cmd dialect under wine's cmd: 300 names a Windows file can have, drawn with a
// fixed seed, become the paths of x264, x265, eac3to, ffmpeg audio and Dolby Vision
// jobs written as cmd scripts in the console's code page. A stand-in tool,
// cross-compiled with MinGW-w64, records the arguments the C runtime hands it:
// each path arrives intact, or the script is refused with a message naming the
// character the code page cannot carry. No file appears that no tool was told to write.
#include "AudioCommand.h"
#include "DVCommand.h"
#include "DefaultParams.h"
#include "JobScript.h"
#include "StrToolz.h"
#include "X264Command.h"
#include "X265Command.h"

#include "HostileNames.h"
#include "RecordedCalls.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

constexpr int kNames = 300;
constexpr quint32 kSeed = 1307;
// Windows allows none of these in a name, nor control characters; a name does not
// end in a dot or a blank.
const QString kForbidden = QStringLiteral("<>:\"/\\|?*\t");

// The Linux path as wine's Z: drive shows it.
QString Win(const QString& path) { return QStringLiteral("Z:") + QString(path).replace('/', '\\'); }

// One kind of job: how many paths it takes, what its output's name ends in, and
// how it writes its command lines.
struct JobKind {
    const char* name;
    int paths;
    QString outputSuffix;
    std::function<CommandLines(const QStringList& paths)> build;
};

} // namespace

class TestCmdPathsWine : public QObject {
    Q_OBJECT
    QTemporaryDir base_;
    QString root_, tools_, record_;
    QStringList names_;
    QList<JobKind> kinds_;

    QString Dir(const QString& name)
    {
        const QString path = root_ + '/' + name;
        QDir().mkpath(path);
        return path;
    }

    QString Recorder(const QString& linuxPath)
    {
        QFile::remove(linuxPath);
        return QFile::copy(QStringLiteral(CORVANE_ARG_RECORDER), linuxPath) ? Win(linuxPath) : QString();
    }

    QProcessEnvironment WineEnvironment(const QString& locale) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WINEPREFIX"), QStringLiteral(CORVANE_WINEPREFIX));
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("CORVANE_RECORD"), Win(record_));
        return env;
    }

    // wine's output; what it wrote to standard error goes to *errors when asked for.
    QByteArray Wine(const QString& locale, const QStringList& args, QByteArray* errors = nullptr)
    {
        QProcess wine;
        wine.setProcessEnvironment(WineEnvironment(locale));
        wine.setStandardInputFile(QProcess::nullDevice());
        wine.start(QStringLiteral(CORVANE_WINE), args);
        if (!wine.waitForFinished(900000))
            qWarning("wine did not finish");
        const QByteArray said = wine.readAllStandardError();
        if (!said.trimmed().isEmpty())
            qWarning("wine said: %s", said.left(2000).constData());
        if (errors)
            *errors = said;
        return wine.readAllStandardOutput();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(QStringLiteral(CORVANE_WINE)).isExecutable(), "wine is not installed");
        QVERIFY2(QFileInfo::exists(QStringLiteral(CORVANE_ARG_RECORDER)), "the recorder was not cross-compiled");
        root_ = base_.path();
        tools_ = Dir(QStringLiteral("tools"));
        record_ = Dir(QStringLiteral("record"));
        names_ = HostileNames(kNames, kSeed, NamePieces(kForbidden), QStringLiteral("."));
        const QString all = names_.join(QString());
        for (const QString& piece : NamePieces(kForbidden))
            QVERIFY2(all.contains(piece), qPrintable(piece));

        const QString x264 = Recorder(tools_ + QStringLiteral("/x264.exe"));
        const QString x265 = Recorder(tools_ + QStringLiteral("/x265.exe"));
        const QString ffmpeg = Recorder(tools_ + QStringLiteral("/ffmpeg.exe"));
        const QString eac3to = Recorder(tools_ + QStringLiteral("/eac3to.exe"));
        const QString ffmpegAudio = Recorder(tools_ + QStringLiteral("/ffmpeg audio.exe"));
        const auto cmd = ScriptDialect::Cmd;
        kinds_ = {
            {"x264", 2, {}, [=](const QStringList& p) {
                 X264Options o;
                 o.x264Path = x264;
                 o.inputPath = p[0];
                 o.outputPath = p[1];
                 o.params = kDefaultParams264;
                 o.bitrate = o.maxBitrate = o.bufsize = QStringLiteral("20000");
                 o.twoPass = false;
                 return X264CommandLines(o, cmd);
             }},
            {"x265", 2, {}, [=](const QStringList& p) {
                 X265Options o;
                 o.ffmpegPath = ffmpeg;
                 o.x265Path = x265;
                 o.inputPath = p[0];
                 o.outputPath = p[1];
                 o.params = kDefaultParams265;
                 o.bitrate = o.maxBitrate = o.bufsize = QStringLiteral("50000");
                 o.twoPass = false;
                 return X265CommandLines(o, cmd);
             }},
            {"eac3to", 2, {}, [=](const QStringList& p) {
                 AudioOptions o;
                 o.eac3toPath = eac3to;
                 o.inputPath = p[0];
                 o.outputPath = p[1];
                 return Eac3toCommandLines(o, cmd);
             }},
            // ffmpeg is told the codec by the output's extension.
            {"ffmpeg audio", 2, QStringLiteral(".ac3"), [=](const QStringList& p) {
                 AudioOptions o;
                 o.ffmpegPath = ffmpegAudio;
                 o.inputPath = p[0];
                 o.outputPath = p[1];
                 return FFMpegAudioCommandLines(o, cmd);
             }},
            {"dv", 10, {}, [=](const QStringList& p) {
                 DVOptions o;
                 o.pythonPath = p[0];
                 o.scriptPath = p[1];
                 o.deePath = p[2];
                 o.licensePath = p[3];
                 o.ffmpegPath = p[4];
                 o.inputPath = p[5];
                 o.metadataPath = p[6];
                 o.baseLayerPath = p[7];
                 o.enhancementLayerPath = p[8];
                 o.tempFolder = p[9];
                 o.framesFrom = QStringLiteral("0");
                 o.framesTo = QStringLiteral("75000");
                 o.params = kDefaultParamsDV;
                 return DVCommandLines(o, cmd);
             }},
        };
    }

    void everyPathArrivesOrIsRefused_data()
    {
        // wine takes its code pages from the locale: ANSI 1252 with OEM 437, and 932 for both.
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << "en_US.UTF-8";
        QTest::newRow("ja_JP") << "ja_JP.UTF-8";
    }

    void everyPathArrivesOrIsRefused()
    {
        QFETCH(QString, locale);
        QElapsedTimer timer;
        timer.start();
        const QList<QByteArray> pages = Wine(locale, {QStringLiteral(CORVANE_ARG_RECORDER), "--codepages"})
                                            .trimmed().split(' ');
        QCOMPARE(pages.size(), 2);
        const unsigned codePage = pages[1].toUInt(); // the console's, which cmd reads scripts in
        QVERIFY(codePage > 0);

        const QString folder = Dir(locale);
        const QString in = folder + QStringLiteral("/in"), out = folder + QStringLiteral("/out");
        QDir().mkpath(in);
        QDir().mkpath(out);

        // A reference job of each kind with plain paths shows the calls it makes.
        QStringList lines{QStringLiteral("@echo off")};
        QList<QStringList> plain;
        for (const JobKind& kind : kinds_) {
            QStringList paths;
            const QString ref = folder + QStringLiteral("/ref ") + kind.name;
            QDir().mkpath(ref);
            for (int i = 0; i < kind.paths; ++i)
                paths << Win(ref + QStringLiteral("/p") + QString::number(i));
            if (kind.paths == 10)
                paths[0] = Recorder(ref + QStringLiteral("/python.exe"));
            paths[1] += kind.outputSuffix;
            const CommandLines c = kind.build(paths);
            QVERIFY2(c.refusal.isEmpty(), qPrintable(c.refusal));
            lines += c.lines;
            plain << paths;
        }

        // The hostile jobs: the names taken in turn, each kind in turn.
        struct Job {
            int kind;
            QStringList paths;
        };
        QList<Job> accepted;
        QMap<QString, int> refusedCharacters;
        int tried = 0, refused = 0;
        for (int next = 0, k = 0; next < names_.size(); k = (k + 1) % kinds_.size()) {
            const JobKind& kind = kinds_[k];
            QStringList paths;
            for (int i = 0; i < kind.paths; ++i) {
                const QString& name = names_[(next + i) % names_.size()];
                const bool dv = kind.paths == 10;
                if (dv && i == 0) {
                    paths << Recorder(in + '/' + name + QStringLiteral(".exe"));
                    QVERIFY2(!paths.back().isEmpty(), qPrintable(name));
                } else {
                    paths << Win((i < (dv ? 7 : 1) ? in : out) + '/' + name);
                }
            }
            paths[1] += kind.outputSuffix;
            next += kind.paths;
            tried += kind.paths;
            const CommandLines c = kind.build(paths);
            QVERIFY2(c.refusal.isEmpty(), qPrintable(c.refusal));
            const ScriptBytes bytes = CmdScriptBytes(QStringList{QStringLiteral("@echo off")} + c.lines, codePage);
            if (!bytes.refusal.isEmpty()) {
                // The message names the character, and it is one of the job's own.
                const QRegularExpressionMatch m =
                    QRegularExpression(QStringLiteral("^The job script cannot hold \"(.+?)\" in the system code page (\\d+)\\."))
                        .match(bytes.refusal);
                QVERIFY2(m.hasMatch(), qPrintable(bytes.refusal));
                QCOMPARE(m.captured(2).toUInt(), codePage);
                QVERIFY2(paths.join(QString()).contains(m.captured(1)), qPrintable(bytes.refusal));
                QVERIFY2(m.captured(1).front().unicode() > 0x7f, qPrintable(bytes.refusal)); // ASCII is always carried
                ++refusedCharacters[m.captured(1)];
                refused += kind.paths;
                continue;
            }
            lines += c.lines;
            accepted << Job{k, paths};
        }

        // A folder typed with a trailing backslash keeps it: doubled inside the quotes,
        // it does not escape the closing quote for the C runtime.
        {
            QStringList paths;
            for (int i = 0; i < 9; ++i)
                paths << Win(out + QStringLiteral("/dv ") + QString::number(i));
            paths[0] = Recorder(in + QStringLiteral("/python.exe"));
            paths << Win(out + QStringLiteral("/dv temp")) + QStringLiteral("\\");
            lines += kinds_.back().build(paths).lines;
            accepted << Job{int(kinds_.size()) - 1, paths};
            tried += paths.size();
        }

        const QString script = Dir(QStringLiteral("run ") + locale) + QStringLiteral("/job.cmd");
        lines << QStringLiteral("del ") + QuotePathForCmd(Win(script));
        const ScriptBytes bytes = CmdScriptBytes(lines, codePage);
        QVERIFY2(bytes.refusal.isEmpty(), qPrintable(bytes.refusal));
        const qint64 writeMs = timer.restart();
        const QStringList before = Tree(root_);
        QList<Call> calls;
        // On a loaded machine wine now and then fails to start a program that is
        // there, and cmd says it does not know it. That is wine's, not the line's: such
        // a run is made once more, and a line cmd truly cannot read fails both times.
        for (int run = 1; run <= 2; ++run) {
            QFile f(script);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes.bytes) == bytes.bytes.size());
            f.close();
            QByteArray errors;
            Wine(locale, {QStringLiteral("cmd"), QStringLiteral("/c"), Win(script)}, &errors);
            calls = TakeCalls(record_);
            if (!errors.contains("as an internal or external command"))
                break;
            qWarning("wine could not start a program (run %d)", run);
        }
        const qint64 runMs = timer.elapsed();

        // Each kind's reference calls, with its plain paths replaced by a job's, are
        // the calls that job must make.
        QList<Call> expected;
        QList<QList<Call>> references(kinds_.size());
        QList<Call> hostileCalls;
        for (const Call& call : calls) {
            int owner = -1;
            for (int k = 0; k < plain.size() && owner < 0; ++k)
                for (const QByteArray& arg : call)
                    if (plain[k].contains(QString::fromUtf8(arg)))
                        owner = k;
            if (owner >= 0)
                references[owner] << call;
            else
                hostileCalls << call;
        }
        for (int k = 0; k < kinds_.size(); ++k)
            QVERIFY2(!references[k].isEmpty(), kinds_[k].name);
        for (const Job& job : accepted)
            for (Call call : references[job.kind]) {
                for (QByteArray& arg : call) {
                    const qsizetype at = plain[job.kind].indexOf(QString::fromUtf8(arg));
                    if (at >= 0)
                        arg = job.paths[at].toUtf8();
                }
                expected << call;
            }
        std::sort(expected.begin(), expected.end());

        QSet<QByteArray> arrived;
        for (const Call& call : hostileCalls)
            for (const QByteArray& arg : call)
                arrived.insert(arg);
        int mangled = 0;
        for (const Job& job : accepted)
            for (const QString& path : job.paths)
                if (!arrived.contains(path.toUtf8()) && ++mangled <= 5)
                    qWarning("mangled: %s", path.toUtf8().constData());
        QStringList refusals;
        for (auto it = refusedCharacters.cbegin(); it != refusedCharacters.cend(); ++it)
            refusals << QStringLiteral("%1 (U+%2) x%3")
                            .arg(it.key(), QString::number(it.key().toUcs4().value(0), 16).toUpper())
                            .arg(it.value());
        qInfo("cmd dialect, %s, code page %u: %d paths tried, %d mangled, %d refused: %s; %lld calls; "
              "write %lld ms, wine %lld ms",
              qPrintable(locale), codePage, tried, mangled, refused, qPrintable(refusals.join(", ")),
              qint64(hostileCalls.size()), writeMs, runMs);
        for (const Call& call : expected)
            if (!hostileCalls.contains(call))
                qWarning("expected, not made: %s", call.join(" | ").constData());
        for (const Call& call : hostileCalls)
            if (!expected.contains(call))
                qWarning("made, not expected: %s", call.join(" | ").constData());
        QCOMPARE(mangled, 0);
        QCOMPARE(hostileCalls.size(), expected.size());
        QVERIFY(hostileCalls == expected);

        // The script deleted itself and the tools wrote nothing: the tree is as it
        // was before the script was written.
        QCOMPARE(Tree(root_), before);
    }
};

QTEST_GUILESS_MAIN(TestCmdPathsWine)
#include "tst_CmdPathsWine.moc"
