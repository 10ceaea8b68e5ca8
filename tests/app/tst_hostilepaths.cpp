// Any name a Linux file can have reaches the tools byte for byte from every page:
// 300 names drawn with a fixed seed serve as the input and output of the x264,
// x265 and Audio pages and as every path of the Dolby Vision page. The file fields
// take double quotes out of what is typed into them, so a name holding one is
// refused instead (tested apart). The window
// writes the job scripts and hands them to the stand-in terminal; sh then runs
// them all, and stand-in tools record how they were called. No file appears that
// no tool was told to write.
#include "uMain.h"

#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "HostileNames.h"
#include "RecordedCalls.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kNames = 300;
constexpr quint32 kSeed = 1307;
// No Linux name holds "/"; the file fields remove double quotes.
const QString kNotInNames = QStringLiteral("/\"");

// Records how it was called ($0 and every argument, NUL-separated), one file per
// call: noclobber makes the name its own, with no process started for it.
const char kStandIn[] = "#!/bin/sh\nset -C\nn=$$\n"
                        "until printf '%s\\0' \"$0\" \"$@\" 2>/dev/null >\"$CORVANE_RECORD/$n\"; do n=$n+; done\n";

bool WriteFile(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return false;
    return !executable || f.setPermissions(f.permissions() | QFile::ExeOwner);
}

// One page's encode: which fields get a path, the stand-in terminal records the script.
struct PageJob {
    QPushButton* button;
    QList<QLineEdit*> fields; // in the order of the paths handed to Encode()
};

} // namespace

class TestHostilePaths : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
    FakeTerminal terminal_{false};
    QTemporaryDir base_, runner_;
    QString root_, in_, tools_, record_, temp_;
    QStringList names_;
    QList<Call> expected_;
    QStringList tried_;

    QString Dir(const QString& name)
    {
        const QString path = root_ + '/' + name;
        QDir().mkpath(path);
        return path;
    }

    QString Tool(const QString& name)
    {
        const QString path = tools_ + '/' + name;
        if (!QFile::exists(path))
            WriteFile(path, kStandIn, true);
        return path;
    }

    // Presses the page's button with the paths in its fields; the script goes to the
    // stand-in terminal, which does not run it.
    void Encode(const PageJob& job, const QStringList& paths)
    {
        for (int i = 0; i < paths.size(); ++i)
            job.fields[i]->setText(paths[i]);
        TestMessages boxes;
        job.button->click();
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n') + '\n' + paths.join('\n')));
    }

    // Runs the job scripts the window wrote one after another in one sh, from a file
    // outside the watched tree, in a folder of their own.
    void RunScripts(const QStringList& scripts)
    {
        QByteArray all;
        for (const QString& script : scripts) {
            QFile f(script);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(script));
            all += f.readAll();
        }
        const QString runner = runner_.filePath(QStringLiteral("all.sh"));
        QVERIFY(WriteFile(runner, all));
        QProcess sh;
        sh.setWorkingDirectory(Dir(QStringLiteral("cwd")));
        sh.setProcessChannelMode(QProcess::ForwardedChannels);
        sh.setStandardInputFile(QProcess::nullDevice());
        sh.start(QStringLiteral("sh"), {runner});
        QVERIFY(sh.waitForFinished(300000));
        QFile::remove(runner);
    }

    // The calls a reference encode with plain paths makes, with each plain path
    // replaced by its hostile counterpart, are the calls the hostile encode must make.
    QList<Call> Expected(const QList<Call>& reference, const QStringList& plain, const QStringList& hostile)
    {
        QList<Call> calls = reference;
        for (Call& call : calls)
            for (QByteArray& arg : call) {
                const qsizetype at = plain.indexOf(QFile::decodeName(arg));
                if (at >= 0)
                    arg = QFile::encodeName(hostile[at]);
            }
        return calls;
    }

    // One page: a reference encode with plain paths, run at once to learn its calls,
    // then one encode per set of hostile paths, whose scripts stay for later.
    void Page(const PageJob& job, const QStringList& plain, const QList<QStringList>& hostileSets,
              const QString& scriptsFolder)
    {
        const auto scripts = [&] { return QDir(scriptsFolder).entryList({QStringLiteral("*.sh")}, QDir::Files); };
        const QStringList before = scripts();
        Encode(job, plain);
        QStringList written;
        for (const QString& s : scripts())
            if (!before.contains(s))
                written << scriptsFolder + '/' + s;
        QCOMPARE(written.size(), 1);
        RunScripts(written);
        const QList<Call> reference = TakeCalls(record_);
        QVERIFY(!reference.isEmpty());
        for (const QStringList& hostile : hostileSets) {
            Encode(job, hostile);
            if (QTest::currentTestFailed())
                return;
            expected_ += Expected(reference, plain, hostile);
            tried_ += hostile;
        }
    }

private slots:
    // The field holds the name without its quote, which names no file: a clear refusal.
    void doubleQuoteInANameIsRefused()
    {
        const QString named = Dir(QStringLiteral("quoted")) + QStringLiteral("/say \"hi\".mkv");
        QVERIFY(WriteFile(named, {}));
        TfrmMain w;
        w.edX264->setText(Tool(QStringLiteral("x264")));
        w.edInput264->setText(named);
        w.edOutput264->setText(root_ + QStringLiteral("/quoted/out.264"));
        TestMessages boxes;
        boxes.ExpectInfo();
        w.btnEncode264->click();
        QCOMPARE(boxes.shown, QStringList{QStringLiteral("Input file not specified.")});
        QFile::remove(named);
    }

    void initTestCase()
    {
        root_ = base_.path();
        in_ = Dir(QStringLiteral("in"));
        tools_ = Dir(QStringLiteral("tools"));
        record_ = Dir(QStringLiteral("record"));
        names_ = HostileNames(kNames, kSeed, NamePieces(kNotInNames));
        // The draw holds every character it is meant to test.
        const QString all = names_.join(QString());
        for (const QString& piece : NamePieces(kNotInNames))
            QVERIFY2(all.contains(piece), qPrintable(piece));
        for (const QString& name : names_)
            QVERIFY2(WriteFile(in_ + '/' + name, {}), qPrintable(name));
        // The job scripts themselves go to a folder with a hostile name too.
        temp_ = Dir(QStringLiteral("tmp ") + names_[0]);
        qputenv("TMPDIR", QFile::encodeName(temp_));
        qputenv("CORVANE_RECORD", QFile::encodeName(record_));
    }

    void everyPathArrivesUnchanged()
    {
        TfrmMain w;
        for (QCheckBox* c : {w.chbPause264, w.chbPause265, w.chbPauseDV, w.chbAudPause, w.chb2pass264, w.chb2pass265})
            c->setChecked(false);
        w.edX264->setText(Tool(QStringLiteral("x264")));
        w.edX265->setText(Tool(QStringLiteral("x265")));
        w.edFFmpeg->setText(Tool(QStringLiteral("ffmpeg")));
        w.edAudEac3To->setText(Tool(QStringLiteral("eac3to")));
        w.edAudFFMpeg->setText(Tool(QStringLiteral("ffmpeg audio")));
        const QString ref = Dir(QStringLiteral("ref"));
        for (const char* name : {"input", "python", "script.py", "dee", "licence", "ffmpeg", "meta.xml"})
            QVERIFY(WriteFile(ref + '/' + name, kStandIn, true));

        QElapsedTimer timer;
        timer.start();
        const auto inputs = [&](const QString& outFolder, const QString& suffix) {
            QList<QStringList> sets;
            const QString out = Dir(outFolder);
            for (const QString& name : names_)
                sets << QStringList{in_ + '/' + name, out + '/' + name + suffix};
            return sets;
        };
        const QStringList plainIO{ref + QStringLiteral("/input"), ref + QStringLiteral("/output.ac3")};
        Page({w.btnEncode264, {w.edInput264, w.edOutput264}}, plainIO, inputs("out x264", {}), temp_);
        Page({w.btnEncode265, {w.edInput265, w.edOutput265}}, plainIO, inputs("out x265", {}), temp_);
        w.rbAudEac3To->click();
        Page({w.btnAudioEncode, {w.edAudInput, w.edAudOutput}}, plainIO, inputs("out eac3to", {}), temp_);
        w.rbAudFFMpeg->click();
        // ffmpeg is told the codec by the output's extension: the names keep one.
        Page({w.btnAudioEncode, {w.edAudInput, w.edAudOutput}}, plainIO,
             inputs("out ffmpeg", QStringLiteral(".ac3")), temp_);
        QVERIFY(!QTest::currentTestFailed());

        // Dolby Vision: ten paths an encode, the tools and inputs made where they are named.
        const PageJob dv{w.btnEncodeDV,
                         {w.edPythonDV, w.edScriptDV, w.edDEE, w.edDEELicense, w.edFFMpegDV, w.edInputDV,
                          w.edMetadataDV, w.edOutputBL, w.edOutputEL, w.edTempDV}};
        const QString dvIn = Dir(QStringLiteral("dv in")), dvOut = Dir(QStringLiteral("dv out"));
        QList<QStringList> dvSets;
        QStringList dvTemps;
        for (int i = 0; i + 10 <= names_.size(); i += 10) {
            QStringList set;
            for (int k = 0; k < 7; ++k) {
                set << dvIn + '/' + names_[i + k];
                QVERIFY(WriteFile(set.back(), kStandIn, true)); // the first is the Python to run
            }
            set << dvOut + '/' + names_[i + 7] << dvOut + '/' + names_[i + 8];
            set << dvOut + '/' + names_[i + 9];
            dvTemps << set.back();
            dvSets << set;
        }
        const QStringList plainDV{ref + "/python", ref + "/script.py", ref + "/dee", ref + "/licence",
                                  ref + "/ffmpeg", ref + "/input", ref + "/meta.xml", ref + "/bl.hevc",
                                  ref + "/el.hevc", ref + "/dv temp"};
        Page(dv, plainDV, dvSets, ref + "/dv temp");
        QVERIFY(!QTest::currentTestFailed());
        QStringList scripts;
        for (const QString& folder : dvTemps)
            scripts << folder + QStringLiteral("/encode_DV.sh");
        for (const QString& s : QDir(temp_).entryList({QStringLiteral("*.sh")}, QDir::Files))
            scripts << temp_ + '/' + s;
        scripts.removeDuplicates();
        const qint64 windowMs = timer.restart();

        const QStringList before = Tree(root_);
        RunScripts(scripts);
        const QList<Call> calls = TakeCalls(record_);
        const qint64 runMs = timer.elapsed();

        // The figures: how many paths were tried and how many did not arrive unchanged.
        QSet<QByteArray> arrived;
        for (const Call& call : calls)
            for (const QByteArray& arg : call)
                arrived.insert(arg);
        int mangled = 0;
        for (const QString& path : tried_)
            if (!arrived.contains(QFile::encodeName(path))) {
                if (++mangled <= 5)
                    qWarning("mangled: %s", QFile::encodeName(path).constData());
            }
        qInfo("sh dialect: %lld paths tried, %d mangled; %lld calls; window %lld ms, scripts %lld ms",
              qint64(tried_.size()), mangled, qint64(calls.size()), windowMs, runMs);
        QCOMPARE(mangled, 0);
        std::sort(expected_.begin(), expected_.end());
        QCOMPARE(calls.size(), expected_.size());
        QVERIFY(calls == expected_);

        // Nothing new but what the page itself made (the Dolby Vision script stays in
        // its temporary folder); the self-deleting scripts are gone.
        QStringList after = Tree(root_);
        QStringList expectedTree = before;
        expectedTree.removeIf([&](const QString& p) {
            return p.startsWith(QDir(root_).relativeFilePath(temp_) + '/');
        });
        QCOMPARE(QDir(temp_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(after, expectedTree);
        for (const QString& folder : dvTemps)
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    }
};

QTEST_MAIN(TestHostilePaths)
#include "tst_hostilepaths.moc"
