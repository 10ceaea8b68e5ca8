// End to end: the window's encode runs the real x264 on a clip made by ffmpeg,
// with names that a careless script would break or execute.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QString Tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Anything a broken quoting would have executed leaves a file named "pwned*".
QStringList Planted(const QString& root)
{
    QStringList found;
    QDirIterator it(root, {QStringLiteral("pwned*")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

class TestE2eX264 : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir base_;
    QString clips_, input_, x264_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        x264_ = Tool("x264");
        QVERIFY2(!x264_.isEmpty(), "x264 is not installed");
        QVERIFY2(!Tool("ffmpeg").isEmpty(), "ffmpeg is not installed");
        QVERIFY2(!Tool("mediainfo").isEmpty(), "mediainfo is not installed");

        QDir base(base_.path());
        QVERIFY(base.mkdir(QStringLiteral("tmp dir")));
        qputenv("TMPDIR", base.filePath(QStringLiteral("tmp dir")).toLocal8Bit());
        const QString clips = QStringLiteral("clips & it's $(touch pwned1) 50%");
        QVERIFY(base.mkdir(clips));
        clips_ = base.filePath(clips);
        input_ = clips_ + QStringLiteral("/in put `touch pwned2` \u00e9.y4m");
        QCOMPARE(Run(Tool("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i",
                                      "testsrc=size=320x240:rate=25", "-frames:v", "10",
                                      "-pix_fmt", "yuv420p", input_}),
                 QString());
    }

    void encode_data()
    {
        QTest::addColumn<bool>("twoPass");
        QTest::addColumn<QString>("output");
        QTest::newRow("two passes") << true << "out; touch pwned3 & 50%.264";
        QTest::newRow("one pass") << false << "one $HOME 'x'.264";
    }

    void encode()
    {
        QFETCH(bool, twoPass);
        QFETCH(QString, output);
        const QString out = clips_ + QLatin1Char('/') + output;
        FakeTerminal terminal(true);
        TestMessages boxes;
        TfrmMain w;
        w.edX264->setText(x264_);
        w.edInput264->setText(input_);
        w.edOutput264->setText(out);
        w.chb2pass264->setChecked(twoPass);
        QTest::mouseClick(w.btnEncode264, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(terminal.called(), 10000);
        QCOMPARE(terminal.workingFolder(), clips_);
        // The script's last line deletes it: gone means the job ran to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(terminal.scriptPath()), 120000);

        QVERIFY2(QFileInfo(out).size() > 0, qPrintable(out));
        QCOMPARE(Run(Tool("mediainfo"), {"--Inform=Video;%Format%", out}), QStringLiteral("AVC"));
        QCOMPARE(QFile::exists(clips_ + QStringLiteral("/x264_2pass.log")), twoPass);
        QCOMPARE(Planted(base_.path()), QStringList());
        QFile::remove(clips_ + QStringLiteral("/x264_2pass.log"));
        QFile::remove(clips_ + QStringLiteral("/x264_2pass.log.mbtree"));
    }
};

QTEST_MAIN(TestE2eX264)
#include "tst_e2e_x264.moc"
