// End to end: the window's encode runs the real ffmpeg piped into the real x265
// on a 2160p clip, SDR and HDR, with tool and file names that a careless script
// would break or execute.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "ExternalTools.h"
#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

class TestE2eX265 : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir base_;
    QString clips_, input_, x265_, ffmpeg_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        const QString missing = MissingTool({"x265", "ffmpeg", "mediainfo"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing + " is not installed"));
        const QString x265 = Tool("x265");
        const QString ffmpeg = Tool("ffmpeg");

        clips_ = MakeJobFolders(base_.path(), QStringLiteral("clips & it's $(touch pwned2) 50%"));
        QVERIFY(!clips_.isEmpty());

        // The tools under names that must stay whole on both sides of the pipe.
        const QString tools = QStringLiteral("tool's | dir; $(touch pwned0)");
        QDir base(base_.path());
        QVERIFY(base.mkdir(tools));
        x265_ = base.filePath(tools) + QStringLiteral("/x 265 & co");
        ffmpeg_ = base.filePath(tools) + QStringLiteral("/ff`touch pwned1`mpeg");
        QVERIFY(QFile::link(x265, x265_));
        QVERIFY(QFile::link(ffmpeg, ffmpeg_));

        input_ = clips_ + QStringLiteral("/in put `touch pwned3` \u00e9.mkv");
        // The default parameter text expects 3840x2160 frames.
        QCOMPARE(MakeClip(ffmpeg, "testsrc2=size=3840x2160:rate=24000/1001",
                          {"-frames:v", "5", "-c:v", "mpeg4", "-q:v", "5"}, input_),
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
        QCOMPARE(MediaInfo(out, "Video;%Format%|%Width%x%Height%|%FrameCount%"),
                 QStringLiteral("HEVC|3840x2160|5"));
        QCOMPARE(MediaInfo(out, "Video;%colour_primaries%|%transfer_characteristics%"),
                 colour);
        QCOMPARE(QFile::exists(clips_ + QStringLiteral("/x265_2pass.log")), twoPass);
        QCOMPARE(Planted(base_.path()), QStringList());
        QFile::remove(clips_ + QStringLiteral("/x265_2pass.log"));
        QFile::remove(clips_ + QStringLiteral("/x265_2pass.log.cutree"));
    }
};

QTEST_MAIN(TestE2eX265)
#include "tst_e2e_x265.moc"
