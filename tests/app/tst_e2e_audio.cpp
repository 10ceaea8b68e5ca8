// End to end: the Audio page's ffmpeg encode runs the real ffmpeg on a short
// stereo WAV; the AC-3 it makes is slowed down as 25 fps video going to 23.976.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QComboBox>
#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
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

QString AudioField(const QString& file, const char* field)
{
    return Run(Tool("mediainfo"), {QStringLiteral("--Inform=Audio;%%1%").arg(QLatin1String(field)), file});
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
        ffmpeg_ = Tool("ffmpeg");
        QVERIFY2(!ffmpeg_.isEmpty(), "ffmpeg is not installed");
        QVERIFY2(!Tool("mediainfo").isEmpty(), "mediainfo is not installed");

        QDir base(base_.path());
        QVERIFY(base.mkdir(QStringLiteral("tmp dir")));
        qputenv("TMPDIR", base.filePath(QStringLiteral("tmp dir")).toLocal8Bit());
        const QString clips = QStringLiteral("clips & it's $(touch pwned1) 50%");
        QVERIFY(base.mkdir(clips));
        clips_ = base.filePath(clips);
        input_ = clips_ + QStringLiteral("/in put `touch pwned2`.wav");
        // Four seconds of two tones at 44.1 kHz, so the resampling shows too.
        QCOMPARE(Run(ffmpeg_, {"-v", "error", "-f", "lavfi", "-i",
                               "aevalsrc=sin(440*2*PI*t)|sin(660*2*PI*t):s=44100:d=4", "-c:a",
                               "pcm_s16le", input_}),
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
