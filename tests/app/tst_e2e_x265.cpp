// End to end: the window's encode runs the real ffmpeg piped into the real x265
// on a 2160p clip, SDR and HDR, with tool and file names that a careless script
// would break or execute.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
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

class TestE2eX265 : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir base_;
    QString clips_, input_, x265_, ffmpeg_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        const QString x265 = Tool("x265");
        const QString ffmpeg = Tool("ffmpeg");
        QVERIFY2(!x265.isEmpty(), "x265 is not installed");
        QVERIFY2(!ffmpeg.isEmpty(), "ffmpeg is not installed");
        QVERIFY2(!Tool("mediainfo").isEmpty(), "mediainfo is not installed");

        QDir base(base_.path());
        QVERIFY(base.mkdir(QStringLiteral("tmp dir")));
        qputenv("TMPDIR", base.filePath(QStringLiteral("tmp dir")).toLocal8Bit());

        // The tools under names that must stay whole on both sides of the pipe.
        const QString tools = QStringLiteral("tool's | dir; $(touch pwned0)");
        QVERIFY(base.mkdir(tools));
        x265_ = base.filePath(tools) + QStringLiteral("/x 265 & co");
        ffmpeg_ = base.filePath(tools) + QStringLiteral("/ff`touch pwned1`mpeg");
        QVERIFY(QFile::link(x265, x265_));
        QVERIFY(QFile::link(ffmpeg, ffmpeg_));

        const QString clips = QStringLiteral("clips & it's $(touch pwned2) 50%");
        QVERIFY(base.mkdir(clips));
        clips_ = base.filePath(clips);
        input_ = clips_ + QStringLiteral("/in put `touch pwned3` \u00e9.mkv");
        // The default parameter text expects 3840x2160 frames.
        QCOMPARE(Run(ffmpeg, {"-v", "error", "-f", "lavfi", "-i",
                              "testsrc2=size=3840x2160:rate=24000/1001", "-frames:v", "5",
                              "-c:v", "mpeg4", "-q:v", "5", input_}),
                 QString());
    }

    void encode_data()
    {
        QTest::addColumn<bool>("hdr");
        QTest::addColumn<bool>("twoPass");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("colour");  // primaries|transfer as mediainfo reads them
        // Each axis both ways in two runs: 4K passes are the slow part.
        QTest::newRow("SDR, one pass") << false << false << "one $HOME 'x' & 50%.hevc" << "BT.709|BT.709";
        QTest::newRow("HDR, two passes") << true << true << "hdr; touch pwned4 | two (pass) ~.265"
                                         << "BT.2020|PQ";
    }

    void encode()
    {
        QFETCH(bool, hdr);
        QFETCH(bool, twoPass);
        QFETCH(QString, output);
        QFETCH(QString, colour);
        const QString out = clips_ + QLatin1Char('/') + output;
        FakeTerminal terminal(true);
        TestMessages boxes;
        TfrmMain w;
        w.edX265->setText(x265_);
        w.edFFmpeg->setText(ffmpeg_);
        w.edInput265->setText(input_);
        w.edOutput265->setText(out);
        w.cmbSpeed265->setCurrentText(QStringLiteral("ultrafast"));
        w.chbHDR->setChecked(hdr);
        w.chb2pass265->setChecked(twoPass);
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(terminal.called(), 10000);
        QCOMPARE(terminal.workingFolder(), clips_);
        // The script's last line deletes it: gone means the job ran to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(terminal.scriptPath()), 180000);

        QVERIFY2(QFileInfo(out).size() > 0, qPrintable(out));
        QCOMPARE(Run(Tool("mediainfo"), {"--Inform=Video;%Format%|%Width%x%Height%|%FrameCount%", out}),
                 QStringLiteral("HEVC|3840x2160|5"));
        QCOMPARE(Run(Tool("mediainfo"), {"--Inform=Video;%colour_primaries%|%transfer_characteristics%", out}),
                 colour);
        QCOMPARE(QFile::exists(clips_ + QStringLiteral("/x265_2pass.log")), twoPass);
        QCOMPARE(Planted(base_.path()), QStringList());
        QFile::remove(clips_ + QStringLiteral("/x265_2pass.log"));
        QFile::remove(clips_ + QStringLiteral("/x265_2pass.log.cutree"));
    }
};

QTEST_MAIN(TestE2eX265)
#include "tst_e2e_x265.moc"
