// End to end: the Audio page's ffmpeg encode runs the real ffmpeg on a short
// stereo WAV; the AC-3 it makes is slowed down as 25 fps video going to 23.976.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "ExternalTools.h"
#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

void Select(QComboBox* combo, const char* item)
{
    const int i = combo->findText(QString::fromLatin1(item));
    QVERIFY2(i > 0, item);
    combo->setCurrentIndex(i);
}

} // namespace

class TestE2eAudio : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir base_;
    QString clips_, input_, ffmpeg_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        const QString missing = MissingTool({"ffmpeg", "mediainfo"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing + " is not installed"));
        ffmpeg_ = Tool("ffmpeg");

        clips_ = MakeJobFolders(base_.path(), QStringLiteral("clips & it's $(touch pwned1) 50%"));
        QVERIFY(!clips_.isEmpty());
        input_ = clips_ + QStringLiteral("/in put `touch pwned2`.wav");
        // Four seconds of two tones at 44.1 kHz, so the resampling shows too.
        QCOMPARE(MakeClip(ffmpeg_, "aevalsrc=sin(440*2*PI*t)|sin(660*2*PI*t):s=44100:d=4",
                          {"-c:a", "pcm_s16le"}, input_),
                 QString());
        QCOMPARE(AudioField(input_, "Channel(s)"), QStringLiteral("2"));
    }

    void slowdownToAc3()
    {
        const QString out = clips_ + QStringLiteral("/out; touch pwned3.ac3");
        FakeTerminal terminal(true);
        TestMessages boxes;
        TfrmMain w;
        w.rbAudFFMpeg->click();
        w.edAudFFMpeg->setText(ffmpeg_);
        w.edAudInput->setText(input_);
        w.edAudOutput->setText(out);
        Select(w.cmbAudFrameRate, "25.000");
        Select(w.cmbAudBitrate, "640");
        Select(w.cmbAudResample, "48000");
        Select(w.cmbAudSpeed, "slowdown");
        QTest::mouseClick(w.btnAudioEncode, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(terminal.called(), 10000);
        QCOMPARE(terminal.workingFolder(), clips_);
        // The script's last line deletes it: gone means the job ran to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(terminal.scriptPath()), 120000);

        QVERIFY2(QFileInfo(out).size() > 0, qPrintable(out));
        QCOMPARE(AudioField(out, "Format"), QStringLiteral("AC-3"));
        QCOMPARE(AudioField(out, "BitRate"), QStringLiteral("640000"));
        QCOMPARE(AudioField(out, "SamplingRate"), QStringLiteral("48000"));

        // Slowed-down video runs 25/23.976 longer; its audio must too. AC-3 frames
        // are 32 ms, so the last one may round the length by that much.
        const double in = AudioField(input_, "Duration").toDouble();
        const double encoded = AudioField(out, "Duration").toDouble();
        qInfo("durations: input %.0f ms, output %.0f ms, ratio %.4f", in, encoded, encoded / in);
        QVERIFY(in > 3900);
        QVERIFY2(qAbs(encoded / in - 25.0 / 23.976) < 0.012, qPrintable(QString::number(encoded / in)));
        QCOMPARE(Planted(base_.path()), QStringList());
    }
};

QTEST_MAIN(TestE2eAudio)
#include "tst_e2e_audio.moc"
