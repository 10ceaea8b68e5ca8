// The library access: loading once with retries, requests on real files, text
// both ways (wchar_t is 32 bits here).
#include "MediaInfoDll.h"

#include "MediaFixtures.h"

#include <QtTest>
#include <QTemporaryDir>

class TestMediaInfoDll : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // Runs first: nothing is loaded yet in this process.
    void failedLoadHoldsNothingAndIsRetried()
    {
        const QString missing = dir_.filePath(QStringLiteral("no-such-library.so"));
        QVERIFY(!LoadMediaInfo(missing));
        QVERIFY(!LoadMediaInfo(missing));
        QVERIFY_THROWS_EXCEPTION(EMediaInfoError, TMediaInfoRequest());

        QFile notALibrary(dir_.filePath(QStringLiteral("libmediainfo.so.0")));
        QVERIFY(notALibrary.open(QIODevice::WriteOnly));
        notALibrary.write("not a library");
        notALibrary.close();
        QVERIFY(!LoadMediaInfo(notALibrary.fileName()));

        QVERIFY(LoadMediaInfo(MediaInfoLibraryPath()));
        // Held from now on: the path is not consulted any more.
        QVERIFY(LoadMediaInfo(missing));
    }

    void systemLibraryByNameWhenNoneBesideTheProgram()
    {
        QCOMPARE(MediaInfoLibraryPath(), QStringLiteral("libmediainfo.so.0"));
    }

    void reportOfAFile()
    {
        const QString clip = fixtures::Make(dir_.path(), QStringLiteral("p25.mkv"));
        QVERIFY(!clip.isEmpty());
        TMediaInfoRequest request;
        request.Open(clip);
        const QString report = request.Inform();
        QVERIFY2(report.contains(QStringLiteral("Matroska")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("AVC")));
        QVERIFY(report.contains(QStringLiteral("25.000 FPS")));
        request.Close();
    }

    void fields_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<QString>("value");
        const int video = static_cast<int>(TStreamKind::Video);
        const int general = static_cast<int>(TStreamKind::General);
        QTest::newRow("mkv frame rate") << "p25.mkv" << video << "FrameRate" << "25.000";
        QTest::newRow("mkv scan type") << "p25.mkv" << video << "ScanType" << "Progressive";
        QTest::newRow("mkv frame count") << "p25.mkv" << video << "FrameCount" << "50";
        QTest::newRow("mkv duration") << "p25.mkv" << general << "Duration" << "2000";
        QTest::newRow("MBAFF") << "mbaff.mkv" << video << "ScanType" << "MBAFF";
        QTest::newRow("interlaced") << "i25.ts" << video << "ScanType" << "Interlaced";
        QTest::newRow("23.976") << "r23976.mp4" << video << "FrameRate" << "23.976";
        QTest::newRow("29.97") << "r2997.mp4" << video << "FrameRate" << "29.970";
        QTest::newRow("BT.2020") << "bt2020.mkv" << video << "colour_primaries" << "BT.2020";
        QTest::newRow("Display P3") << "p3.mkv" << video << "colour_primaries" << "Display P3";
        QTest::newRow("no such field") << "p25.mkv" << video << "colour_primaries" << "";
        QTest::newRow("audio has no video") << "audio.ac3" << video << "FrameRate" << "";
    }

    void fields()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QString, parameter);
        QFETCH(QString, value);
        const QString clip = fixtures::Make(dir_.path(), file);
        QVERIFY(!clip.isEmpty());
        TMediaInfoRequest request;
        request.Open(clip);
        QCOMPARE(request.Get(static_cast<TStreamKind>(kind), parameter), value);
        request.Close();
    }

    // Outside the Basic Multilingual Plane a character is one wchar_t here and
    // two UTF-16 units in QString: the name must survive both directions.
    void nonAsciiNameBothWays()
    {
        const QString name = QStringLiteral("\u0141\u00f3d\u017a \U0001F3AC clip.mkv");
        const QString clip = dir_.filePath(name);
        QVERIFY(QFile::copy(fixtures::Make(dir_.path(), QStringLiteral("p25.mkv")), clip));
        TMediaInfoRequest request;
        request.Open(clip);
        QCOMPARE(request.Get(TStreamKind::General, QStringLiteral("FileName")),
                 QStringLiteral("\u0141\u00f3d\u017a \U0001F3AC clip"));
        QCOMPARE(request.Get(TStreamKind::Video, QStringLiteral("FrameRate")), QStringLiteral("25.000"));
        request.Close();
    }

    // An unreadable file is no error: whatever the library says of it.
    void unreadableFileGivesEmptyFields()
    {
        QFile junk(dir_.filePath(QStringLiteral("junk.mkv")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("junk");
        junk.close();
        TMediaInfoRequest request;
        request.Open(junk.fileName());
        QCOMPARE(request.Get(TStreamKind::Video, QStringLiteral("FrameRate")), QString());
        request.Close();
    }
};

QTEST_GUILESS_MAIN(TestMediaInfoDll)
#include "tst_mediainfodll.moc"
