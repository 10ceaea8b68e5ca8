// Encoding from the command line: the real program run without a display, with the
// settings a window stored, against what the window's own button writes.
#include "uMain.h"

#include "JobScript.h"
#include "Presets.h"
#include "StrToolz.h"
#include "TFilenameEdit.h"
#include "TSpinEdit.h"

#include "FakeTerminal.h"
#include "TestMessages.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <functional>

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
    QTemporaryDir work_;
    QString config_, input_, existing_;

    QString StoreFile() const { return config_ + QStringLiteral("/Brenmoor/Corvane.conf"); }

    // The program as a shell loop would start it: no display at all.
    Run Corvane(const QStringList& args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "TERMINAL"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_);
        env.insert(QStringLiteral("TMPDIR"), work_.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work_.path());
        p.start(QStringLiteral(CORVANE_EXECUTABLE), args);
        p.closeWriteChannel();
        Run r;
        if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit)
            r.status = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
    }

    // What the window's own encode button writes for the start-up arguments, with
    // the stored settings and whatever `prepare` does before the files are filled
    // in; the script's own name as a printed job shows it.
    static QByteArray WindowsJob(const QStringList& startup, const std::function<void(TfrmMain&)>& prepare = {})
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        w.SetSaveSettingsOnClose(false);
        if (prepare)
            prepare(w);
        w.SetStartupArguments(startup);
        w.EncodeButtonOf(w.ApplyStartupArguments())->click();
        if (!QTest::qWaitFor([&] { return terminal.called(); }, 20000))
            return {};
        QFile::remove(terminal.scriptPath());
        return terminal.script().replace(QuotePath(terminal.scriptPath()).toUtf8(),
                                         QuotePath(ScriptNamePlaceholder()).toUtf8());
    }

private slots:
    void initTestCase()
    {
        // The store this process and the program share: set before any QSettings use.
        config_ = work_.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_));
        qputenv("TMPDIR", QFile::encodeName(work_.path()));
        input_ = work_.filePath(QStringLiteral("clip in.y4m"));
        existing_ = work_.filePath(QStringLiteral("exists.264"));
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=25", "-frames:v", "3",
                      "-pix_fmt", "yuv420p", input_});
        QVERIFY(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
        QFile(existing_).open(QIODevice::WriteOnly);

        // A first window stores the options the batch runs use.
        TfrmMain w;
        w.edX264->setText(QStandardPaths::findExecutable(QStringLiteral("x264")));
        w.edBitrate264->setValue(1200);
        w.cmbSpeed264->setCurrentIndex(0); // ultrafast
        w.chbPause264->setChecked(false);
    }

    void printedJobIsTheWindowsJob()
    {
        const QString output = work_.filePath(QStringLiteral("printed.264"));
        const Run r = Corvane({"264", input_, output, "--encode", "--print"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("--bitrate 1200"), r.out.constData());
        QVERIFY(!QFile::exists(output));
        QCOMPARE(r.out, WindowsJob({"264", input_, output}));
    }

    void presetChangesThePrintedJobAsTheWindowsPresetDoes()
    {
        {
            TfrmMain w;
            w.SetSaveSettingsOnClose(false);
            w.edBitrate264->setValue(2500);
            w.chb2pass264->setChecked(false);
            w.cmbDemuxer->setCurrentIndex(2);
            TestMessages boxes;
            boxes.ExpectText(QStringLiteral("TV 1080i"));
            w.btnSavePreset264->click();
            QVERIFY(boxes.allAnswered());
        }
        const QString output = work_.filePath(QStringLiteral("preset.264"));
        const QStringList startup = {"264", input_, output};
        const Run plain = Corvane(startup + QStringList{"--encode", "--print"});
        const Run r = Corvane(startup + QStringList{"--encode", "--preset", "TV 1080i", "--print"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains("--bitrate 2500"), r.out.constData());
        QVERIFY(r.out != plain.out);
        QCOMPARE(r.out, WindowsJob(startup, [](TfrmMain& w) {
                     w.cmbPreset264->setCurrentIndex(w.cmbPreset264->findText(QStringLiteral("TV 1080i")));
                 }));
    }

    void presetsListedOrAnUnknownOneRefused()
    {
        {
            TfrmMain w;
            w.SetSaveSettingsOnClose(false);
            QString error;
            for (const QString& name : QStringList{"UHD HDR10", "--odd name"})
                QVERIFY2(SavePreset(w, QStringLiteral("265"), name, &error), qPrintable(error));
        }
        const Run list = Corvane({"265", "--list-presets"});
        QCOMPARE(list.status, 0);
        QCOMPARE(list.out, QByteArray("--odd name\nUHD HDR10\n"));
        const Run none = Corvane({"audio", "--list-presets"});
        QCOMPARE(none.status, 0);
        QCOMPARE(none.out, QByteArray());

        const QByteArray storeBefore = ReadAll(StoreFile());
        const Run unknown = Corvane({"265", input_, "o.265", "--encode", "--preset", "UHD", "--print"});
        QCOMPARE(unknown.status, 2);
        QVERIFY2(unknown.err.contains(
                     QLatin1String("corvane: no preset \"UHD\" on the page 265; its presets:\n  --odd name\n  UHD HDR10\n\n")),
                 qPrintable(unknown.err));
        QVERIFY(unknown.out.isEmpty());
        const Run noneThere = Corvane({"audio", input_, "o.ac3", "--encode", "--preset", "UHD"});
        QCOMPARE(noneThere.status, 2);
        QVERIFY2(noneThere.err.contains(QLatin1String("corvane: no preset \"UHD\": the page audio has no presets\n")),
                 qPrintable(noneThere.err));
        QCOMPARE(ReadAll(StoreFile()), storeBefore);
    }

    void hereRunsTheRealEncoder()
    {
        const QString output = work_.filePath(QStringLiteral("here out.264"));
        const QByteArray storeBefore = ReadAll(StoreFile());
        QVERIFY(!storeBefore.isEmpty());
        const Run r = Corvane({"264", input_, output, "--encode", "--here"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(QFileInfo(output).size() > 0);
        QProcess mediainfo;
        mediainfo.start(QStringLiteral("mediainfo"), {QStringLiteral("--Inform=Video;%Format%"), output});
        QVERIFY(mediainfo.waitForFinished(60000));
        QCOMPARE(mediainfo.readAllStandardOutput().trimmed(), QByteArray("AVC"));
        // No job script left behind, and the stored settings untouched.
        QCOMPARE(QDir(work_.path()).entryList({"x26*.sh"}, QDir::Files), QStringList());
        QCOMPARE(ReadAll(StoreFile()), storeBefore);
    }

    void checksStopWithStatusOne_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing input") << QStringList{"264", "/no/such/input.y4m", "out.264", "--encode"}
                                       << "corvane: Input file not specified.";
        QTest::newRow("existing output, no --yes")
            << QStringList{"264", input_, existing_, "--encode", "--print"}
            << "corvane: Output file already exists. Overwrite? No";
    }

    void checksStopWithStatusOne()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QByteArray storeBefore = ReadAll(StoreFile());
        const Run r = Corvane(args);
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.split('\n').contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(ReadAll(StoreFile()), storeBefore);
    }

    void yesOverwrites()
    {
        QCOMPARE(QFileInfo(existing_).size(), 0);
        const Run r = Corvane({"264", input_, existing_, "--encode", "--yes", "--here"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(QFileInfo(existing_).size() > 0);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown page") << QStringList{"266", input_, "o.264", "--encode"};
        QTest::newRow("missing paths") << QStringList{"264", input_, "--encode"};
        QTest::newRow("too many paths") << QStringList{"264", input_, "a", "b", "--encode"};
        QTest::newRow("unknown option") << QStringList{"264", input_, "o.264", "--encode", "--fast"};
        QTest::newRow("print and here") << QStringList{"264", input_, "o.264", "--encode", "--print", "--here"};
        QTest::newRow("no --encode") << QStringList{"264", input_, "o.264", "--yes"};
        QTest::newRow("--preset without a name") << QStringList{"264", input_, "o.264", "--encode", "--preset"};
        QTest::newRow("--list-presets with paths") << QStringList{"264", input_, "--list-presets"};
        QTest::newRow("--list-presets of no page") << QStringList{"266", "--list-presets"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run r = Corvane(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(QLatin1String("Usage: corvane PAGE")), qPrintable(r.err));
    }

    void helpAndVersion()
    {
        const Run help = Corvane({"--help"});
        QCOMPARE(help.status, 0);
        for (const char* word : {"264", "265", "dv", "audio", "--encode", "--preset", "--list-presets", "--yes",
                                 "--print", "--here"})
            QVERIFY2(help.out.contains(word), word);
        const Run version = Corvane({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith("Corvane 1."), version.out.constData());
    }
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
