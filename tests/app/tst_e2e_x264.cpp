// End to end: the window's encode runs the real x264 on a clip made by ffmpeg,
// with names that a careless script would break or execute.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "ExternalTools.h"
#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QPushButton>

class TestE2eX264 : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir base_;
    QString clips_, input_, x264_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        const QString missing = MissingTool({"x264", "ffmpeg", "mediainfo"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing + " is not installed"));
        x264_ = Tool("x264");

        clips_ = MakeJobFolders(base_.path(), QStringLiteral("clips & it's $(touch pwned1) 50%"));
        QVERIFY(!clips_.isEmpty());
        input_ = clips_ + QStringLiteral("/in put `touch pwned2` \u00e9.y4m");
        QCOMPARE(MakeClip(Tool("ffmpeg"), "testsrc=size=320x240:rate=25",
                          {"-frames:v", "10", "-pix_fmt", "yuv420p"}, input_),
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
        QCOMPARE(MediaInfo(out, "Video;%Format%"), QStringLiteral("AVC"));
        QCOMPARE(QFile::exists(clips_ + QStringLiteral("/x264_2pass.log")), twoPass);
        QCOMPARE(Planted(base_.path()), QStringList());
        QFile::remove(clips_ + QStringLiteral("/x264_2pass.log"));
        QFile::remove(clips_ + QStringLiteral("/x264_2pass.log.mbtree"));
    }
};

QTEST_MAIN(TestE2eX264)
#include "tst_e2e_x264.moc"
