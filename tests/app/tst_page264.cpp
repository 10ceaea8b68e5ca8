// The x264 page through the window: its field rules, the encode's checks, the
// overwrite question and the script handed to the terminal.
#include "uMain.h"

#include "TFilenameEdit.h"
#include "TSpinEdit.h"

#include "DefaultParams.h"
#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestFiles.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

class TestPage264 : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir work_;
    QString tmp_;  // TMPDIR for the job scripts
    QString x264_, input_, existing_;

    void Fill(TfrmMain& w, const QString& output)
    {
        w.edX264->setText(x264_);
        w.edInput264->setText(input_);
        w.edOutput264->setText(output);
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        tmp_ = MakeScriptTemp(work_.path());
        QVERIFY(!tmp_.isEmpty());
        x264_ = work_.filePath(QStringLiteral("x264"));
        input_ = work_.filePath(QStringLiteral("in.y4m"));
        existing_ = work_.filePath(QStringLiteral("exists.264"));
        for (const QString& f : {x264_, input_, existing_})
            Touch(f);
    }

    void checksStopAtTheFirstFailure_data()
    {
        QTest::addColumn<QString>("x264");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // the field that failed, empty: none
        const QString ok = work_.filePath(QStringLiteral("out.264"));
        const QString noFolder = work_.filePath(QStringLiteral("no such folder"));
        QTest::newRow("no x264") << "" << "" << "" << "x264 encoder not specified." << "edX264";
        QTest::newRow("blank x264") << "   " << input_ << ok << "x264 encoder not specified." << "edX264";
        QTest::newRow("missing x264") << "/no/x264" << input_ << ok << "x264 encoder not specified." << "edX264";
        QTest::newRow("x264 is a folder") << work_.path() << input_ << ok << "x264 encoder not specified." << "edX264";
        QTest::newRow("no input") << x264_ << "" << ok << "Input file not specified." << "edInput264";
        QTest::newRow("missing input") << x264_ << "/no/in.mkv" << ok << "Input file not specified." << "edInput264";
        QTest::newRow("no output") << x264_ << input_ << " " << "Output file not specified." << "edOutput264";
        QTest::newRow("output folder missing")
            << x264_ << input_ << noFolder + "/out.264"
            << "The output folder " + noFolder + " does not exist." << "";
    }

    void checksStopAtTheFirstFailure()
    {
        QFETCH(QString, x264);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectInfo();
        TfrmMain w;
        w.edX264->setText(x264);
        w.edInput264->setText(input);
        w.edOutput264->setText(output);
        w.btnEncode264->setFocus();
        QTest::mouseClick(w.btnEncode264, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList{message});
        QCOMPARE(boxes.warnings, QStringList{message});
        QVERIFY(boxes.unexpected.isEmpty());
        QCOMPARE(w.focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("btnEncode264") : focus);
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
    }

    void noToOverwriteWritesNothing()
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectYesNo(false);
        TfrmMain w;
        Fill(w, existing_);
        QTest::mouseClick(w.btnEncode264, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList{"Output file already exists. Overwrite?"});
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
        Fill(w, work_.filePath(QStringLiteral("out.264")));
        w.cmbFrameRate264->setCurrentIndex(-1);
        QTest::mouseClick(w.btnEncode264, Qt::LeftButton);
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
        Fill(w, existing_); // Yes: left for x264 to overwrite
        QTest::mouseClick(w.btnEncode264, Qt::LeftButton);
        QVERIFY(boxes.unexpected.isEmpty());
        QTRY_VERIFY(terminal.called());

        const QString script = terminal.scriptPath();
        QVERIFY2(QFileInfo(script).fileName().startsWith(QLatin1String("x26")), qPrintable(script));
        QVERIFY(script.endsWith(QLatin1String(".sh")));
        QCOMPARE(QFileInfo(script).absolutePath(), QFileInfo(tmp_).absoluteFilePath());
        QCOMPARE(terminal.workingFolder(), work_.path());
        QVERIFY(QFile::exists(existing_));

        const QString p = x264_ + QLatin1Char(' ') + kDefaultParams264 +
                          " --tune film --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000"
                          " --keyint 60 --sar 1:1 --preset medium";
        const QString files = existing_ + QLatin1Char(' ') + input_;
        const QStringList lines = QString::fromUtf8(terminal.script()).split('\n');
        QCOMPARE(lines.size(), 6); // five lines, each ended by LF
        QCOMPARE(lines[0], QStringLiteral("#!/bin/sh"));
        QCOMPARE(lines[1], p + " --pass 1 -o " + files);
        QCOMPARE(lines[2], p + " --pass 2 -o " + files);
        QVERIFY2(lines[3].contains(QLatin1String("Press Enter to continue...")), qPrintable(lines[3]));
        QCOMPARE(lines[4], "rm -f -- " + script);
        QCOMPARE(lines[5], QString());
        QFile::remove(script);
    }

    void onePassWithoutPause()
    {
        FakeTerminal terminal(false);
        TfrmMain w;
        const QString out = work_.filePath(QStringLiteral("one.264"));
        Fill(w, out);
        w.chb2pass264->setChecked(false);
        w.chbPause264->setChecked(false);
        w.cmbFrameRate264->setCurrentIndex(2);
        w.chbFakeInterlaced->setChecked(true);
        w.cmbTune264->setCurrentIndex(3);
        QTest::mouseClick(w.btnEncode264, Qt::LeftButton);
        QTRY_VERIFY(terminal.called());
        const QStringList lines = QString::fromUtf8(terminal.script()).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1], x264_ + QLatin1Char(' ') + kDefaultParams264 +
                               " --tune grain --bitrate 20000 --vbv-maxrate 40000 --vbv-bufsize 30000"
                               " --keyint 25 --sar 1:1 --preset medium --fake-interlaced -o " +
                               out + QLatin1Char(' ') + input_);
        QCOMPARE(lines[2], "rm -f -- " + terminal.scriptPath());
        QFile::remove(terminal.scriptPath());
    }

    void fakeInterlacedFollowsTheFrameRate()
    {
        TfrmMain w;
        const bool enabled[] = {false, false, true, true, false, false, false};
        QVERIFY(!w.chbFakeInterlaced->isEnabled()); // 59.94 at start
        for (int i = 0; i < 7; ++i) {
            w.chbFakeInterlaced->setChecked(i % 2);
            w.cmbFrameRate264->setCurrentIndex(i);
            QCOMPARE(w.chbFakeInterlaced->isEnabled(), enabled[i]);
            QCOMPARE(w.chbFakeInterlaced->isChecked(), bool(i % 2));
        }
    }

    void keyFramesFieldShowsWhenAutoIsOff()
    {
        TfrmMain w;
        QVERIFY(w.edKeyFrames->isHidden());
        w.chbKeyFramesAuto->click();
        QVERIFY(!w.edKeyFrames->isHidden());
        w.chbKeyFramesAuto->click();
        QVERIFY(w.edKeyFrames->isHidden());
    }

    void maxBitrateLimitsTheOtherFields()
    {
        TfrmMain w;
        QCOMPARE(w.edBitrate264->maximum(), 40000);
        QCOMPARE(w.edBufsize264->maximum(), 30000);
        w.edMaxBitrate264->setValue(8000);
        QCOMPARE(w.edBitrate264->maximum(), 8000);
        QCOMPARE(w.edBufsize264->maximum(), 8000);
        QCOMPARE(w.edBitrate264->value(), 20000); // clamped only when set, stepped or left
        w.edBitrate264->stepUp();
        QCOMPARE(w.edBitrate264->value(), 8000);
        w.edMaxBitrate264->setValue(40000);
        QCOMPARE(w.edBitrate264->maximum(), 40000);
        QCOMPARE(w.edBufsize264->maximum(), 30000);
        w.edMaxBitrate264->setText(QStringLiteral("35000"));
        QCOMPARE(w.edBitrate264->maximum(), 35000);
        QCOMPARE(w.edBufsize264->maximum(), 30000);
    }

    void cbrCopiesTheBitrate()
    {
        TfrmMain w;
        w.edBitrate264->setValue(35000);
        w.chbCBR->click();
        QCOMPARE(w.edMaxBitrate264->value(), 35000);
        QCOMPARE(w.edBitrate264->maximum(), 35000);
        QCOMPARE(w.edBufsize264->value(), 30000);
        w.edBitrate264->setValue(12000);
        w.chbCBR->click(); // unchecking changes nothing
        QCOMPARE(w.edMaxBitrate264->value(), 35000);
        QCOMPARE(w.edBufsize264->value(), 30000);
        w.chbCBR->click();
        QCOMPARE(w.edMaxBitrate264->value(), 12000);
        QCOMPARE(w.edBufsize264->value(), 12000);
    }
};

QTEST_MAIN(TestPage264)
#include "tst_page264.moc"
