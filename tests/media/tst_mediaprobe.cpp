// The probe: on real clips through the library, and its rules on fields given
// by a table.
#include "MediaProbe.h"

#include "MediaFixtures.h"
#include "NumToolz.h"
#include "TestMessages.h"

#include <QtTest>
#include <QTemporaryDir>

#include <map>
#include <utility>

namespace {

const QString kError = QStringLiteral("Error getting frame rate.");

// Answers from a table and records what was asked, in order.
struct FieldTable {
    std::map<std::pair<TStreamKind, QString>, QString> values;
    QStringList asked;
    QString throwAt; // raise when this is asked

    TFieldReader reader()
    {
        return [this](TStreamKind kind, const QString& parameter) {
            const QString key = (kind == TStreamKind::Video ? QStringLiteral("V:") : QStringLiteral("G:")) + parameter;
            asked << key;
            if (key == throwAt)
                throw EMediaInfoError("failed");
            const auto it = values.find({kind, parameter});
            return it == values.end() ? QString() : it->second;
        };
    }
};

} // namespace

class TestMediaProbe : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void clips_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("frameRate"); // as the library writes it
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<bool>("hdr");
        QTest::addColumn<qint64>("frameCount");
        QTest::addColumn<bool>("error");
        QTest::newRow("progressive 25") << "p25.mkv" << "25.000" << false << false << qint64(50) << false;
        QTest::newRow("MBAFF is not interlaced") << "mbaff.mkv" << "25.000" << false << false << qint64(50) << false;
        QTest::newRow("interlaced") << "i25.ts" << "25.000" << true << false << qint64(50) << false;
        QTest::newRow("23.976") << "r23976.mp4" << "23.976" << false << false << qint64(24) << false;
        QTest::newRow("29.97") << "r2997.mp4" << "29.970" << false << false << qint64(30) << false;
        QTest::newRow("BT.2020") << "bt2020.mkv" << "25.000" << false << true << qint64(25) << false;
        QTest::newRow("Display P3") << "p3.mkv" << "25.000" << false << true << qint64(25) << false;
        QTest::newRow("BT.709") << "bt709.mkv" << "25.000" << false << false << qint64(25) << false;
        QTest::newRow("audio only") << "audio.ac3" << "0" << false << false << qint64(0) << true;
    }

    void clips()
    {
        QFETCH(QString, file);
        QFETCH(QString, frameRate);
        QFETCH(bool, interlaced);
        QFETCH(bool, hdr);
        QFETCH(qint64, frameCount);
        QFETCH(bool, error);
        const QString clip = fixtures::Make(dir_.path(), file);
        QVERIFY(!clip.isEmpty());
        TestMessages messages;
        if (error)
            messages.ExpectInfo();
        const TProbeResult r = ProbeMedia(clip);
        QCOMPARE(r.frameRate, ParseLooseFloat(frameRate, 0));
        QCOMPARE(r.interlaced, interlaced);
        QCOMPARE(r.hdr, hdr);
        QCOMPARE(r.frameCount, frameCount);
        QCOMPARE(messages.shown, error ? QStringList{kError} : QStringList{});
        QVERIFY(messages.unexpected.isEmpty());
    }

    void noFileNoProbeNoMessage_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("missing") << dir_.filePath(QStringLiteral("missing.mkv"));
        QTest::newRow("folder") << dir_.path();
    }

    void noFileNoProbeNoMessage()
    {
        QFETCH(QString, path);
        TestMessages messages;
        const TProbeResult r = ProbeMedia(path);
        QCOMPARE(r.frameRate, 0.0L);
        QCOMPARE(r.frameCount, qint64(0));
        QVERIFY(!r.hdr && !r.interlaced);
        QVERIFY(messages.shown.isEmpty());
    }

    void fieldsAskedInOrder()
    {
        FieldTable t;
        t.values[{TStreamKind::Video, QStringLiteral("FrameRate")}] = QStringLiteral("25.000");
        t.values[{TStreamKind::Video, QStringLiteral("Duration")}] = QStringLiteral("2000.000000");
        TProbeResult r;
        QVERIFY(ReadProbeFields(t.reader(), r));
        // The general stream only where the video stream had nothing.
        QCOMPARE(t.asked, (QStringList{"V:colour_primaries", "V:ScanType", "V:FrameRate", "V:Duration",
                                       "V:FrameCount", "G:FrameCount"}));
        QCOMPARE(r.frameCount, qint64(50)); // from the duration
    }

    void fields_data()
    {
        QTest::addColumn<QString>("primaries");
        QTest::addColumn<QString>("scanType");
        QTest::addColumn<QString>("frameRate");
        QTest::addColumn<QString>("videoDuration");
        QTest::addColumn<QString>("generalDuration");
        QTest::addColumn<QString>("videoCount");
        QTest::addColumn<QString>("generalCount");
        QTest::addColumn<bool>("hdr");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<qint64>("frameCount");
        QTest::newRow("count absent, 10 s at 25") << "" << "" << "25.000" << "10000" << "" << "" << "" << false << false << qint64(250);
        QTest::newRow("count below 10 gives way") << "" << "" << "25.000" << "" << "10000" << "9" << "" << false << false << qint64(250);
        QTest::newRow("count of 10 stays") << "" << "" << "25.000" << "10000" << "" << "10" << "" << false << false << qint64(10);
        QTest::newRow("10 duration frames are not used") << "" << "" << "25" << "400" << "" << "3" << "" << false << false << qint64(3);
        QTest::newRow("11 duration frames are") << "" << "" << "25" << "440" << "" << "3" << "" << false << false << qint64(11);
        QTest::newRow("general count") << "" << "" << "25" << "" << "" << "" << "1234" << false << false << qint64(1234);
        QTest::newRow("video count first") << "" << "" << "25" << "" << "" << "77" << "1234" << false << false << qint64(77);
        QTest::newRow("count rounded to even") << "" << "" << "25" << "" << "" << "24.5" << "" << false << false << qint64(24);
        QTest::newRow("decimal comma") << "" << "" << "25,000" << "2000,5" << "" << "" << "" << false << false << qint64(50);
        QTest::newRow("count too large is ignored") << "" << "" << "25" << "4000" << "" << "1e30" << "" << false << false << qint64(100);
        QTest::newRow("interlaced in any case") << "" << "iNTERLACED" << "25" << "" << "" << "" << "" << false << true << qint64(0);
        QTest::newRow("Mixed is not interlaced") << "" << "Mixed" << "25" << "" << "" << "" << "" << false << false << qint64(0);
        QTest::newRow("BT.2020") << "BT.2020" << "" << "25" << "" << "" << "" << "" << true << false << qint64(0);
        QTest::newRow("Display P3") << "Display P3" << "" << "25" << "" << "" << "" << "" << true << false << qint64(0);
        QTest::newRow("DCI P3") << "DCI P3" << "" << "25" << "" << "" << "" << "" << true << false << qint64(0);
        QTest::newRow("lower-case p3") << "Display p3" << "" << "25" << "" << "" << "" << "" << false << false << qint64(0);
        QTest::newRow("P3 without a blank") << "P3" << "" << "25" << "" << "" << "" << "" << false << false << qint64(0);
        QTest::newRow("BT.709") << "BT.709" << "" << "25" << "" << "" << "" << "" << false << false << qint64(0);
    }

    void fields()
    {
        QFETCH(QString, primaries);
        QFETCH(QString, scanType);
        QFETCH(QString, frameRate);
        QFETCH(QString, videoDuration);
        QFETCH(QString, generalDuration);
        QFETCH(QString, videoCount);
        QFETCH(QString, generalCount);
        QFETCH(bool, hdr);
        QFETCH(bool, interlaced);
        QFETCH(qint64, frameCount);
        FieldTable t;
        t.values[{TStreamKind::Video, QStringLiteral("colour_primaries")}] = primaries;
        t.values[{TStreamKind::Video, QStringLiteral("ScanType")}] = scanType;
        t.values[{TStreamKind::Video, QStringLiteral("FrameRate")}] = frameRate;
        t.values[{TStreamKind::Video, QStringLiteral("Duration")}] = videoDuration;
        t.values[{TStreamKind::General, QStringLiteral("Duration")}] = generalDuration;
        t.values[{TStreamKind::Video, QStringLiteral("FrameCount")}] = videoCount;
        t.values[{TStreamKind::General, QStringLiteral("FrameCount")}] = generalCount;
        TProbeResult r;
        QVERIFY(ReadProbeFields(t.reader(), r));
        QCOMPARE(r.hdr, hdr);
        QCOMPARE(r.interlaced, interlaced);
        QCOMPARE(r.frameCount, frameCount);
    }

    void noFrameRateGoesOnAtZero()
    {
        FieldTable t;
        t.values[{TStreamKind::General, QStringLiteral("Duration")}] = QStringLiteral("10000");
        t.values[{TStreamKind::General, QStringLiteral("FrameCount")}] = QStringLiteral("5");
        TProbeResult r;
        QVERIFY(!ReadProbeFields(t.reader(), r));
        QCOMPARE(r.frameRate, 0.0L);
        QCOMPARE(r.frameCount, qint64(5)); // no rate, so no duration frames
        QCOMPARE(t.asked.size(), 7);
    }

    // An error stops the reading; what was read stays.
    void errorKeepsWhatWasGathered()
    {
        FieldTable t;
        t.values[{TStreamKind::Video, QStringLiteral("colour_primaries")}] = QStringLiteral("BT.2020");
        t.values[{TStreamKind::Video, QStringLiteral("FrameRate")}] = QStringLiteral("50");
        t.throwAt = QStringLiteral("V:Duration");
        TProbeResult r;
        QVERIFY_THROWS_EXCEPTION(EMediaInfoError, ReadProbeFields(t.reader(), r));
        QVERIFY(r.hdr);
        QCOMPARE(r.frameRate, 50.0L);
        QCOMPARE(t.asked.last(), QStringLiteral("V:Duration"));
    }

    void durationText_data()
    {
        QTest::addColumn<QString>("frameRate");
        QTest::addColumn<qint64>("frameCount");
        QTest::addColumn<QString>("text");
        QTest::newRow("86 314 at 23.976: 10 frames left over") << "23.976" << qint64(86314) << "00:59:56";
        QTest::newRow("50 at 25") << "25" << qint64(50) << "00:00:02";
        QTest::newRow("rate rounded to even") << "24.5" << qint64(24 * 3600) << "01:00:00";
        QTest::newRow("over a day") << "25" << qint64(25) * 3600 * 100 << "100:00:00";
        QTest::newRow("count of 10") << "25" << qint64(10) << "";
        QTest::newRow("rate of 10") << "10" << qint64(1000) << "";
        QTest::newRow("no rate") << "0" << qint64(1000) << "";
    }

    void durationText()
    {
        QFETCH(QString, frameRate);
        QFETCH(qint64, frameCount);
        QFETCH(QString, text);
        TProbeResult r;
        r.frameRate = ParseLooseFloat(frameRate, 0);
        r.frameCount = frameCount;
        QCOMPARE(ProbeDurationText(r), text);
    }
};

QTEST_GUILESS_MAIN(TestMediaProbe)
#include "tst_mediaprobe.moc"
