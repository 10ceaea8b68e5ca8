// The x265 page through the window: its lists, the check order with the marker
// test after the overwrite question, the script handed to the terminal, the
// rate-control bounds and the memos' Edit/View buttons.
#include "uMain.h"

#include "TFilenameEdit.h"
#include "TSpinEdit.h"

#include "DefaultParams.h"
#include "FakeTerminal.h"
#include "TestFiles.h"
#include "TestMessages.h"
#include "X265Command.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

const QString kNoMarker = QStringLiteral("\"| x265\" not found in other x265 parameters.");
const QString kOverwrite = QStringLiteral("Output file already exists. Overwrite?");
const QString kSdr = QStringLiteral("--colorprim \"bt709\" --transfer \"bt709\" --colormatrix \"bt709\"");

} // namespace

class TestPage265 : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir work_;
    QString tmp_;  // TMPDIR for the job scripts
    QString x265_, ffmpeg_, input_, existing_;

    // A window whose paths pass every check.
    void Fill(TfrmMain& w, const QString& output)
    {
        w.edX265->setText(x265_);
        w.edFFmpeg->setText(ffmpeg_);
        w.edInput265->setText(input_);
        w.edOutput265->setText(output);
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        tmp_ = MakeScriptTemp(work_.path());
        QVERIFY(!tmp_.isEmpty());
        x265_ = work_.filePath(QStringLiteral("x265"));
        ffmpeg_ = work_.filePath(QStringLiteral("ffmpeg"));
        input_ = work_.filePath(QStringLiteral("in.mkv"));
        existing_ = work_.filePath(QStringLiteral("exists.265"));
        for (const QString& f : {x265_, ffmpeg_, input_, existing_})
            Touch(f);
    }

    void listsComeFromTheBuilder()
    {
        TfrmMain w;
        QCOMPARE(Items(w.cmbSpeed265), X265SpeedItems());
        QCOMPARE(Items(w.cmbFramerate265), X265FrameRateItems());
        QCOMPARE(Items(w.cmbTune265), X265TuneItems());
        QCOMPARE(w.cmbSpeed265->currentText(), QStringLiteral("medium"));
        QCOMPARE(w.cmbFramerate265->currentText(), QStringLiteral("23.976"));
        QCOMPARE(w.cmbTune265->currentText(), QStringLiteral("-"));
    }

    void checksStopAtTheFirstFailure_data()
    {
        QTest::addColumn<QString>("x265");
        QTest::addColumn<QString>("ffmpeg");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("params");
        QTest::addColumn<QString>("message");
        const QString ok = work_.filePath(QStringLiteral("out.265"));
        const QString noMarker = QStringLiteral("- | X265 --input -");
        QTest::newRow("nothing filled") << "" << "" << "" << "" << noMarker << "x265 encoder not specified.";
        QTest::newRow("missing x265") << "/no/x265" << ffmpeg_ << input_ << ok << kDefaultParams265
                                      << "x265 encoder not specified.";
        QTest::newRow("x265 is a folder") << work_.path() << ffmpeg_ << input_ << ok << kDefaultParams265
                                          << "x265 encoder not specified.";
        QTest::newRow("no ffmpeg") << x265_ << " " << "" << "" << noMarker << "FFMpeg not specified.";
        QTest::newRow("no input") << x265_ << ffmpeg_ << "/no/in.mkv" << "" << noMarker
                                  << "Input file not specified.";
        QTest::newRow("no output") << x265_ << ffmpeg_ << input_ << " " << noMarker
                                   << "Output file not specified.";
        QTest::newRow("no marker, new output") << x265_ << ffmpeg_ << input_ << ok << noMarker << kNoMarker;
    }

    void checksStopAtTheFirstFailure()
    {
        QFETCH(QString, x265);
        QFETCH(QString, ffmpeg);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, params);
        QFETCH(QString, message);
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectInfo();
        TfrmMain w;
        w.edX265->setText(x265);
        w.edFFmpeg->setText(ffmpeg);
        w.edInput265->setText(input);
        w.edOutput265->setText(output);
        w.mParams265->setPlainText(params);
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList{message});
        QVERIFY(boxes.unexpected.isEmpty());
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
    }

    void markerIsTestedAfterTheOverwriteQuestion_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Yes") << true << QStringList{kOverwrite, kNoMarker};
        QTest::newRow("No") << false << QStringList{kOverwrite};
    }

    void markerIsTestedAfterTheOverwriteQuestion()
    {
        QFETCH(bool, overwrite);
        QFETCH(QStringList, shown);
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectYesNo(overwrite);
        if (overwrite)
            boxes.ExpectInfo();
        TfrmMain w;
        Fill(w, existing_);
        w.mParams265->setPlainText(QStringLiteral("-f rawvideo - | X265 --input -"));
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QCOMPARE(boxes.shown, shown);
        QVERIFY(boxes.unexpected.isEmpty());
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
        QVERIFY(QFile::exists(existing_));
    }

    void damagedFrameRateSelectionRefuses()
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectInfo();
        TfrmMain w;
        Fill(w, work_.filePath(QStringLiteral("out.265")));
        w.cmbFramerate265->setCurrentIndex(-1);
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList{"Frame rate not selected."});
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
    }

    void defaultFormScript()
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectYesNo(true);
        TfrmMain w;
        Fill(w, existing_); // Yes: left for x265 to overwrite
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QVERIFY(boxes.unexpected.isEmpty());
        QTRY_VERIFY(terminal.called());

        const QString script = terminal.scriptPath();
        QVERIFY2(QFileInfo(script).fileName().startsWith(QLatin1String("x26")), qPrintable(script));
        QCOMPARE(QFileInfo(script).absolutePath(), QFileInfo(tmp_).absoluteFilePath());
        QCOMPARE(terminal.workingFolder(), work_.path());
        QVERIFY(QFile::exists(existing_));

        const QString p = ffmpeg_ + " -i " + input_ + " -r 24000/1001 " +
                          QString(kDefaultParams265).replace("| x265", "| " + x265_) +
                          " --bitrate 50000 --vbv-maxrate 75000 --vbv-bufsize 70000"
                          " --keyint 24 --fps 24000/1001 --preset medium " + kSdr;
        const QStringList lines = QString::fromUtf8(terminal.script()).split('\n');
        QCOMPARE(lines.size(), 6); // five lines, each ended by LF
        QCOMPARE(lines[1], p + " --pass 1 --output " + existing_);
        QCOMPARE(lines[2], p + " --pass 2 --output " + existing_);
        QVERIFY2(lines[3].contains(QLatin1String("Press Enter to continue...")), qPrintable(lines[3]));
        QCOMPARE(lines[4], "rm -f -- " + script);
        QCOMPARE(lines[5], QString());
        QFile::remove(script);
    }

    void onePassHdrWithoutPause()
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        const QString out = work_.filePath(QStringLiteral("one.265"));
        Fill(w, out);
        w.chb2pass265->setChecked(false);
        w.chbPause265->setChecked(false);
        w.chbHDR->setChecked(true);
        w.cmbFramerate265->setCurrentIndex(4);
        w.cmbTune265->setCurrentIndex(6);
        w.cmbSpeed265->setCurrentIndex(0);
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QVERIFY(boxes.shown.isEmpty());
        QTRY_VERIFY(terminal.called());
        const QStringList lines = QString::fromUtf8(terminal.script()).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1], ffmpeg_ + " -i " + input_ + " -r 60000/1001 " +
                               QString(kDefaultParams265).replace("| x265", "| " + x265_) +
                               " --tune fast-decode --bitrate 50000 --vbv-maxrate 75000 --vbv-bufsize 70000"
                               " --keyint 60 --fps 60000/1001 --preset ultrafast " + kDefaultParamsHDR +
                               " --output " + out);
        QCOMPARE(lines[2], "rm -f -- " + terminal.scriptPath());
        QFile::remove(terminal.scriptPath());
    }

    void boundsFollowTheMaxBitrate_data()
    {
        QTest::addColumn<int>("max");
        QTest::newRow("30000, below both") << 30000;
        QTest::newRow("100000, above the buffer's form bound, no 30000 cap") << 100000;
    }

    void boundsFollowTheMaxBitrate()
    {
        QFETCH(int, max);
        TfrmMain w;
        // The form's bounds until the maximum bitrate first changes.
        QCOMPARE(w.edBitrate265->maximum(), 144000);
        QCOMPARE(w.edBufsize265->maximum(), 75000);

        w.edMaxBitrate265->setValue(max);
        QCOMPARE(w.edBitrate265->maximum(), max);
        QCOMPARE(w.edBufsize265->maximum(), max);
        QCOMPARE(w.edBitrate265->minimum(), 100);
        QCOMPARE(w.edBufsize265->minimum(), 100);
        // The values stay until the fields are stepped.
        QCOMPARE(w.edBitrate265->value(), 50000);
        QCOMPARE(w.edBufsize265->value(), 70000);
        w.edBitrate265->setValue(max);
        w.edBitrate265->stepUp();
        w.edBufsize265->stepUp();
        QCOMPARE(w.edBitrate265->value(), max);
        QCOMPARE(w.edBufsize265->value(), qMin(71000, max));
    }

    void unreadableMaxBitrateBoundsAtItsMinimum()
    {
        TfrmMain w;
        w.edMaxBitrate265->setText(QString());
        QCOMPARE(w.edBitrate265->maximum(), 100);
        QCOMPARE(w.edBufsize265->maximum(), 100);
    }

    void editButtonsToggleTheirMemo_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("button");
        QTest::newRow("x265 parameters") << "mParams265" << "btnEditParams265";
        QTest::newRow("HDR parameters") << "mParamsHDR" << "btnEditParamsHDR";
    }

    void editButtonsToggleTheirMemo()
    {
        QFETCH(QString, memo);
        QFETCH(QString, button);
        TfrmMain w;
        auto* m = w.findChild<QPlainTextEdit*>(memo);
        auto* b = w.findChild<QPushButton*>(button);
        QVERIFY(m && b);
        QVERIFY(m->isReadOnly());
        QCOMPARE(b->text(), QStringLiteral("Edit"));
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!m->isReadOnly());
        QCOMPARE(b->text(), QStringLiteral("View"));
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(m->isReadOnly());
        QCOMPARE(b->text(), QStringLiteral("Edit"));
    }
};

QTEST_MAIN(TestPage265)
#include "tst_page265.moc"
