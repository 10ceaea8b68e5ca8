// Encoding from the command line: the real program run without a display, with the
// settings a window stored, against what the window's own button writes.
#include "uMain.h"

#include "JobScript.h"
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

        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        w.SetSaveSettingsOnClose(false);
        w.SetStartupArguments({"264", input_, output});
        w.ApplyStartupArguments();
        w.btnEncode264->click();
        QTRY_VERIFY(terminal.called());
        QByteArray printed = r.out;
        printed.replace(QuotePath(ScriptNamePlaceholder()).toUtf8(), QuotePath(terminal.scriptPath()).toUtf8());
        QCOMPARE(terminal.script(), printed);
        QFile::remove(terminal.scriptPath());
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
        for (const char* word : {"264", "265", "dv", "audio", "--encode", "--yes", "--print", "--here"})
            QVERIFY2(help.out.contains(word), word);
        const Run version = Corvane({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith("Corvane 1."), version.out.constData());
    }
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
