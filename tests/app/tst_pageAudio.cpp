// The Audio page through the window: tool choice, checks, the old output's
// deletion and the script handed to the terminal.
#include "uMain.h"

#include "AudioCommand.h"
#include "JobScript.h"
#include "StrToolz.h"
#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "TestFiles.h"
#include "TestMessages.h"
#include "TestStore.h"
#include "UndeletableFolder.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

class TestPageAudio : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir work_;
    QString tmp_; // TMPDIR for the job scripts
    QString eac3to_, ffmpeg_, input_;

    QString output(const char* name) const { return work_.filePath(QString::fromLatin1(name)); }

    void fill(TfrmMain& w, const QString& out) const
    {
        w.edAudEac3To->setText(eac3to_);
        w.edAudFFMpeg->setText(ffmpeg_);
        w.edAudInput->setText(input_);
        w.edAudOutput->setText(out);
    }

    static void checkToolChoice(const TfrmMain& w, bool eac3to)
    {
        QCOMPARE(w.rbAudEac3To->isChecked(), eac3to);
        QCOMPARE(w.rbAudFFMpeg->isChecked(), !eac3to);
        QCOMPARE(w.edAudEac3To->isEnabled(), eac3to);
        QCOMPARE(w.edAudFFMpeg->isEnabled(), !eac3to);
        QCOMPARE(w.chbAudDown16->isEnabled(), eac3to);
        QCOMPARE(w.btnAudioEncode->text(), eac3to ? QStringLiteral("Encode with Eac3To")
                                                  : QStringLiteral("Encode with FFMpeg"));
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        tmp_ = MakeScriptTemp(work_.path());
        QVERIFY(!tmp_.isEmpty());
        eac3to_ = work_.filePath(QStringLiteral("eac3to"));
        ffmpeg_ = work_.filePath(QStringLiteral("ffmpeg"));
        input_ = work_.filePath(QStringLiteral("in.dts"));
        for (const QString& f : {eac3to_, ffmpeg_, input_})
            Touch(f);
    }

    void listsComeFromTheBuilder()
    {
        TfrmMain w;
        const std::pair<QComboBox*, QStringList> lists[] = {{w.cmbAudFrameRate, AudioFrameRateItems()},
                                                            {w.cmbAudBitrate, AudioBitrateItems()},
                                                            {w.cmbAudSpeed, AudioSpeedItems()},
                                                            {w.cmbAudResample, AudioResampleItems()}};
        for (const auto& [combo, items] : lists) {
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            QCOMPARE(shown, items);
            QCOMPARE(combo->currentIndex(), 0);
        }
    }

    void toolChoiceKeepsThe16BitState()
    {
        TfrmMain w;
        checkToolChoice(w, true); // set up by the window's creation
        w.chbAudDown16->setChecked(true);
        w.rbAudFFMpeg->click();
        checkToolChoice(w, false);
        QVERIFY(w.chbAudDown16->isChecked());
        w.rbAudEac3To->click();
        checkToolChoice(w, true);
        QVERIFY(w.chbAudDown16->isChecked());
    }

    void checksStopAtTheFirstFailure_data()
    {
        QTest::addColumn<bool>("eac3to");
        QTest::addColumn<QString>("eac3toPath");
        QTest::addColumn<QString>("ffmpegPath");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("message");
        const QString ok = output("out.ac3");
        QTest::newRow("no eac3to") << true << "" << ffmpeg_ << "" << "" << "Eac3to encoder not specified.";
        QTest::newRow("missing eac3to") << true << "/no/eac3to" << ffmpeg_ << input_ << ok
                                        << "Eac3to encoder not specified.";
        QTest::newRow("no ffmpeg") << false << eac3to_ << " " << "" << "" << "FFMpeg encoder not specified.";
        QTest::newRow("ffmpeg is a folder") << false << eac3to_ << work_.path() << input_ << ok
                                            << "FFMpeg encoder not specified.";
        QTest::newRow("no input") << true << eac3to_ << "" << "" << ok << "Input file not specified.";
        QTest::newRow("missing input") << false << "" << ffmpeg_ << "/no/in.dts" << ok << "Input file not specified.";
        QTest::newRow("no output") << true << eac3to_ << "" << input_ << "  " << "Output file not specified.";
    }

    void checksStopAtTheFirstFailure()
    {
        QFETCH(bool, eac3to);
        QFETCH(QString, eac3toPath);
        QFETCH(QString, ffmpegPath);
        QFETCH(QString, input);
        QFETCH(QString, out);
        QFETCH(QString, message);
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectInfo();
        TfrmMain w;
        (eac3to ? w.rbAudEac3To : w.rbAudFFMpeg)->click();
        w.edAudEac3To->setText(eac3toPath);
        w.edAudFFMpeg->setText(ffmpegPath);
        w.edAudInput->setText(input);
        w.edAudOutput->setText(out);
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList{message});
        QVERIFY(boxes.unexpected.isEmpty());
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
    }

    // Only the chosen tool's field is checked; the other one may be empty.
    void onlyTheChosenToolIsChecked_data()
    {
        QTest::addColumn<bool>("eac3to");
        QTest::newRow("eac3to with no ffmpeg") << true;
        QTest::newRow("ffmpeg with no eac3to") << false;
    }

    void onlyTheChosenToolIsChecked()
    {
        QFETCH(bool, eac3to);
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        const QString out = output("chosen.ac3");
        fill(w, out);
        (eac3to ? w.rbAudEac3To : w.rbAudFFMpeg)->click();
        (eac3to ? w.edAudFFMpeg : w.edAudEac3To)->clear();
        w.chbAudPause->setChecked(false);
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY(terminal.called());
        const QString line = eac3to ? eac3to_ + ' ' + input_ + ' ' + out + QString(10, ' ')
                                    : ffmpeg_ + " -i " + input_ + " -acodec ac3      " + out;
        QCOMPARE(ScriptLines(terminal), (QStringList{"#!/bin/sh", line, "rm -f -- " + terminal.scriptPath()}));
        QFile::remove(terminal.scriptPath());
    }

    void scriptOfTheFFMpegChoice()
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        const QString out = output("out.ac3");
        fill(w, out);
        w.rbAudFFMpeg->click();
        w.chbAudDown16->setChecked(true); // left over from eac3to: reaches no line
        w.cmbAudFrameRate->setCurrentIndex(3);
        w.cmbAudBitrate->setCurrentIndex(12);
        w.cmbAudSpeed->setCurrentIndex(1);
        w.cmbAudResample->setCurrentIndex(1);
        w.chbAudDown2->setChecked(true);
        w.edAudAdditional->setText(QStringLiteral("-eac3to-only"));
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY(terminal.called());

        const QString script = terminal.scriptPath();
        QVERIFY2(QFileInfo(script).fileName().startsWith(QLatin1String("aud")), qPrintable(script));
        QCOMPARE(QFileInfo(script).absolutePath(), QFileInfo(tmp_).absoluteFilePath());
        QCOMPARE(terminal.workingFolder(), work_.path());
        const QStringList lines = ScriptLines(terminal);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1], ffmpeg_ + " -i " + input_ +
                               " -acodec ac3 -b:a 640k -osr 48000  -ac 2 -af \"atempo=23.976/25.000\" " + out);
        QVERIFY2(lines[2].contains(QLatin1String("Press Enter to continue...")), qPrintable(lines[2]));
        QCOMPARE(lines[3], "rm -f -- " + script);
        QFile::remove(script);
    }

    void scriptOfTheEac3toChoice()
    {
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        const QString out = work_.filePath(QStringLiteral("out put.dts"));
        fill(w, out);
        w.cmbAudSpeed->setCurrentIndex(3);
        w.chbAudDown6->setChecked(true);
        w.chbAudDown16->setChecked(true);
        w.chbAudCore->setChecked(true);
        w.edAudAdditional->setText(QStringLiteral("  -log=a.txt "));
        w.chbAudPause->setChecked(false);
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY(terminal.called());
        QCOMPARE(ScriptLines(terminal).value(1),
                 eac3to_ + ' ' + input_ + ' ' + QuotePath(out) +
                     "    -changeTo24.000  -down6  -down16 -core -log=a.txt");
        QFile::remove(terminal.scriptPath());
    }

    void overwrite_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No: left untouched, nothing written") << false;
        QTest::newRow("Yes: deleted before the job starts") << true;
    }

    void overwrite()
    {
        QFETCH(bool, yes);
        const QString existing = output("exists.ac3");
        Touch(existing);
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectYesNo(yes);
        TfrmMain w;
        fill(w, existing);
        w.rbAudFFMpeg->click();
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList{"Output file already exists. Overwrite?"});
        QVERIFY(boxes.unexpected.isEmpty());
        QCOMPARE(QFile::exists(existing), !yes);
        if (yes) {
            QTRY_VERIFY(terminal.called());
            QCOMPARE(ScriptLines(terminal).value(1), ffmpeg_ + " -i " + input_ + " -acodec ac3      " + existing);
            QFile::remove(terminal.scriptPath());
        } else {
            QVERIFY(Entries(tmp_).isEmpty());
            QVERIFY(!terminal.called());
        }
        QFile::remove(existing);
    }

    void undeletableOutputWritesNothing()
    {
        const QString dir = output("locked");
        QVERIFY(QDir(work_.path()).mkdir(QStringLiteral("locked")));
        const QString existing = QDir(dir).filePath(QStringLiteral("exists.ac3"));
        Touch(existing);
        UndeletableFolder locked(dir);
        if (!locked.holds())
            QSKIP("no way to make a file undeletable here");
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectYesNo(true);
        boxes.ExpectInfo();
        TfrmMain w;
        fill(w, existing);
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QVERIFY(boxes.unexpected.isEmpty());
        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(boxes.warnings,
                 QStringList{QStringLiteral("Cannot delete the output file %1: %2")
                                 .arg(QDir::toNativeSeparators(existing), locked.reason())});
        QVERIFY(QFile::exists(existing));
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
    }

    // A damaged selection is refused before the old output is touched.
    void refusalKeepsTheOutput()
    {
        const QString existing = output("kept.ac3");
        Touch(existing);
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectYesNo(true);
        boxes.ExpectInfo();
        TfrmMain w;
        fill(w, existing);
        w.cmbAudBitrate->setCurrentIndex(-1);
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QVERIFY(boxes.unexpected.isEmpty());
        QCOMPARE(boxes.warnings, QStringList{"Bitrate not selected."});
        QVERIFY(QFile::exists(existing));
        QVERIFY(Entries(tmp_).isEmpty());
        QVERIFY(!terminal.called());
        QFile::remove(existing);
    }
};

QTEST_MAIN(TestPageAudio)
#include "tst_pageAudio.moc"
