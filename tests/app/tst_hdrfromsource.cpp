// "From source" on the x265 page through the window: HDR10 sources made by
// ffmpeg and libx265 at test time, read by the real MediaInfo library, and an
// encode with the real x265 whose output carries the same metadata.
#include "uMain.h"

#include "DefaultParams.h"
#include "MediaInfoDll.h"
#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString kNoMastering = QStringLiteral("The input file carries no HDR10 mastering metadata.");
const QString kNoLibrary = QStringLiteral("MediaInfo could not read the input file.");
const QString kNoLevels =
    QStringLiteral("The input file carries no content light levels (MaxCLL, MaxFALL): --max-cll was left as it was.");

const QString kP3 = QStringLiteral("G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)");
const QString kDci = QStringLiteral("G(13250,34500)B(7500,3000)R(34000,16000)WP(15700,17550)");
const QString kBt2020 = QStringLiteral("G(8500,39850)B(6550,2300)R(35400,14600)WP(15635,16450)");
// Far enough from every named set that MediaInfo gives the coordinates.
const QString kCustom = QStringLiteral("G(13200,34600)B(7400,2900)R(34100,15900)WP(15600,16400)");

// A memo with options of its own and line breaks, to be kept.
const QString kMemo = QStringLiteral("--colorprim \"bt2020\" --transfer \"smpte2084\"\n"
                                     "--master-display \"G(1,2)B(3,4)R(5,6)WP(7,8)L(9,1)\"\n"
                                     "--max-cll \"1,1\"\n--hdr10-opt");

QString MemoWith(const QString& master, const QString& cll)
{
    return QStringLiteral("--colorprim \"bt2020\" --transfer \"smpte2084\"\n--master-display \"%1\"\n"
                          "--max-cll \"%2\"\n--hdr10-opt")
        .arg(master, cll);
}

QString Tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The four fields as the mediainfo program reads them, joined by "|".
QString HdrFieldsOf(const QString& file)
{
    return Run(Tool("mediainfo"),
               {QStringLiteral("--Inform=Video;%MasteringDisplay_ColorPrimaries%|%MasteringDisplay_Luminance%|"
                               "%MaxCLL%|%MaxFALL%"),
                file});
}

} // namespace

class TestHdrFromSource : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir dir_;

    // A one-second 64x48 HEVC clip with BT.2020/PQ colour and the given x265
    // parameters (its HDR10 metadata); made once per name.
    QString Source(const QString& file, const QString& x265Params)
    {
        const QString path = dir_.filePath(file);
        if (QFileInfo::exists(path))
            return path;
        const QString params = QStringLiteral("log-level=none") +
                               (x265Params.isEmpty() ? QString() : QLatin1Char(':') + x265Params);
        const QString result =
            Run(Tool("ffmpeg"), {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                                 "testsrc=size=64x48:rate=25:duration=1", "-c:v", "libx265", "-preset", "ultrafast",
                                 "-x265-params", params, "-color_primaries", "bt2020", "-color_trc", "smpte2084",
                                 "-colorspace", "bt2020nc", path});
        if (!result.isEmpty())
            qWarning("ffmpeg could not make %s: %s", qPrintable(file), qPrintable(result));
        return result.isEmpty() ? path : QString();
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run

    void initTestCase()
    {
        QVERIFY2(!Tool("ffmpeg").isEmpty(), "ffmpeg is not installed");
        QVERIFY2(!Tool("mediainfo").isEmpty(), "mediainfo is not installed");
    }

    // First, before anything loads the library: an unloadable one beside the
    // program (this test's folder is its own) hides the system's.
    void libraryMissing()
    {
        const QString source = Source(QStringLiteral("p3.mkv"),
                                      "master-display=" + kP3 + "L(10000000,50):max-cll=1000,400:hdr10=1");
        QVERIFY(!source.isEmpty());
        const QString beside =
            QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(MediaInfoLibraryPath());
        QFile broken(beside);
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("not a library");
        broken.close();
        TfrmMain w;
        w.mParamsHDR->setPlainText(kMemo);
        w.edInput265->setText(source);
        TestMessages boxes;
        boxes.ExpectInfo();
        QTest::mouseClick(w.btnHDRFromSource, Qt::LeftButton);
        QFile::remove(beside);
        QCOMPARE(boxes.shown, QStringList{kNoLibrary});
        QCOMPARE(w.mParamsHDR->toPlainText(), kMemo);
    }

    void fromSource_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("x265Params");
        QTest::addColumn<QString>("mediaInfo"); // what mediainfo reads of the source
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("Display P3")
            << "p3.mkv" << "master-display=" + kP3 + "L(10000000,50):max-cll=1000,400:hdr10=1"
            << "Display P3|min: 0.0050 cd/m2, max: 1000 cd/m2|1000 cd/m2|400 cd/m2" << kMemo
            << MemoWith(kP3 + "L(10000000,50)", "1000,400") << QStringList();
        QTest::newRow("DCI P3, its own white point")
            << "dci.mkv" << "master-display=" + kDci + "L(40000000,1):max-cll=4000,1000:hdr10=1"
            << "DCI P3|min: 0.0001 cd/m2, max: 4000 cd/m2|4000 cd/m2|1000 cd/m2" << kMemo
            << MemoWith(kDci + "L(40000000,1)", "4000,1000") << QStringList();
        QTest::newRow("BT.2020 in MP4")
            << "bt2020.mp4" << "master-display=" + kBt2020 + "L(20000000,5):max-cll=2000,300:hdr10=1"
            << "BT.2020|min: 0.0005 cd/m2, max: 2000 cd/m2|2000 cd/m2|300 cd/m2" << kMemo
            << MemoWith(kBt2020 + "L(20000000,5)", "2000,300") << QStringList();
        QTest::newRow("custom coordinates, raw stream")
            << "custom.hevc" << "master-display=" + kCustom + "L(6000000,20):max-cll=600,250:hdr10=1"
            << "R: x=0.682000 y=0.318000, G: x=0.264000 y=0.692000, B: x=0.148000 y=0.058000, "
               "White point: x=0.312000 y=0.328000|min: 0.0020 cd/m2, max: 600 cd/m2|600 cd/m2|250 cd/m2"
            << kMemo << MemoWith(kCustom + "L(6000000,20)", "600,250") << QStringList();
        QTest::newRow("the default text")
            << "p3.mkv" << "master-display=" + kP3 + "L(10000000,50):max-cll=1000,400:hdr10=1"
            << "Display P3|min: 0.0050 cd/m2, max: 1000 cd/m2|1000 cd/m2|400 cd/m2" << kDefaultParamsHDR
            << QString(kDefaultParamsHDR).replace("L(40000000,50)", "L(10000000,50)") << QStringList();
        QTest::newRow("options absent from the memo are added")
            << "dci.mkv" << "master-display=" + kDci + "L(40000000,1):max-cll=4000,1000:hdr10=1"
            << "DCI P3|min: 0.0001 cd/m2, max: 4000 cd/m2|4000 cd/m2|1000 cd/m2" << "--colorprim \"bt2020\"\n--aud"
            << "--colorprim \"bt2020\"\n--aud --master-display \"" + kDci + "L(40000000,1)\" --max-cll \"4000,1000\""
            << QStringList();
        QTest::newRow("no metadata: memo unchanged") << "sdr.mkv" << "" << "|||" << kMemo << kMemo
                                                     << QStringList{kNoMastering};
        QTest::newRow("light levels without mastering: memo unchanged")
            << "cll.mkv" << "max-cll=1000,400:hdr10=1" << "||1000 cd/m2|400 cd/m2" << kMemo << kMemo
            << QStringList{kNoMastering};
        QTest::newRow("mastering without light levels: --max-cll kept")
            << "nocll.mkv" << "master-display=" + kBt2020 + "L(10000000,50):hdr10=1"
            << "BT.2020|min: 0.0050 cd/m2, max: 1000 cd/m2||" << kMemo
            << MemoWith(kBt2020 + "L(10000000,50)", "1,1") << QStringList{kNoLevels};
        QTest::newRow("a zero MaxFALL is left out by MediaInfo and written as 0")
            << "fall0.mkv" << "master-display=" + kP3 + "L(10000000,50):max-cll=1000,0:hdr10=1"
            << "Display P3|min: 0.0050 cd/m2, max: 1000 cd/m2|1000 cd/m2|" << kMemo
            << MemoWith(kP3 + "L(10000000,50)", "1000,0") << QStringList();
    }

    void fromSource()
    {
        QFETCH(QString, file);
        QFETCH(QString, x265Params);
        QFETCH(QString, mediaInfo);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QStringList, messages);
        const QString source = Source(file, x265Params);
        QVERIFY(!source.isEmpty());
        QCOMPARE(HdrFieldsOf(source), mediaInfo);

        TfrmMain w;
        w.show();
        w.mParamsHDR->setPlainText(before);
        w.chbHDR->setChecked(false);
        w.edInput265->setText(QStringLiteral(" ") + source + QStringLiteral("\t"));
        TestMessages boxes;
        for (int i = 0; i < messages.size(); ++i)
            boxes.ExpectInfo();
        QTest::mouseClick(w.btnHDRFromSource, Qt::LeftButton);
        QCOMPARE(boxes.shown, messages);
        QVERIFY(boxes.unexpected.isEmpty());
        QCOMPARE(w.mParamsHDR->toPlainText(), after);
        // Only the memo: the HDR box and the memo's view state stay as they were.
        QVERIFY(!w.chbHDR->isChecked());
        QVERIFY(w.mParamsHDR->isReadOnly());
        QCOMPARE(w.edInput265->text(), source);
    }

    void noInputFileDoesNothing_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "  \t";
        QTest::newRow("no such file") << "/no/such/file.mkv";
        QTest::newRow("a folder") << QDir::tempPath();
    }

    void noInputFileDoesNothing()
    {
        QFETCH(QString, input);
        TfrmMain w;
        w.mParamsHDR->setPlainText(kMemo);
        w.edInput265->setText(input);
        TestMessages boxes;
        QTest::mouseClick(w.btnHDRFromSource, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList());
        QCOMPARE(w.mParamsHDR->toPlainText(), kMemo);
    }

    void autoDetectLeavesTheMemo()
    {
        const QString source = Source(QStringLiteral("p3.mkv"),
                                      "master-display=" + kP3 + "L(10000000,50):max-cll=1000,400:hdr10=1");
        QVERIFY(!source.isEmpty());
        TfrmMain w;
        w.mParamsHDR->setPlainText(kMemo);
        w.edInput265->setText(source);
        TestMessages boxes;
        QTest::mouseClick(w.btnAutoDetect265, Qt::LeftButton);
        QCOMPARE(boxes.shown, QStringList());
        QVERIFY(w.chbHDR->isChecked());
        QCOMPARE(w.mParamsHDR->toPlainText(), kMemo);
    }

    // Beside Reset and Edit on the HDR memo's title row, and nothing on the page
    // squeezed below its size at the window's fixed size.
    void buttonSitsOnTheHdrTitleRow()
    {
        TfrmMain w;
        w.show();
        w.pcPages->setCurrentWidget(w.ts265);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.btnHDRFromSource->text(), QStringLiteral("From source"));
        QCOMPARE(w.btnHDRFromSource->toolTip(),
                 QStringLiteral("Take the mastering display and light levels from the input file"));
        const QRect from = w.btnHDRFromSource->geometry();
        const QRect reset = w.btnResetParamsHDR->geometry();
        const QRect edit = w.btnEditParamsHDR->geometry();
        QCOMPARE(from.center().y(), reset.center().y());
        QVERIFY(from.right() < reset.left() && reset.right() < edit.left());
        QVERIFY(from.bottom() < w.mParamsHDR->geometry().top());

        const QList<QWidget*> controls{w.cmbSpeed265, w.cmbFramerate265, w.btnAutoDetect265, w.cmbTune265,
                                       w.chbHDR, w.chb2pass265, w.chbPause265, w.btnHDRFromSource};
        for (QWidget* c : controls)
            QVERIFY2(c->width() >= c->sizeHint().width(), qPrintable(c->objectName()));
        for (QLabel* label : w.ts265->findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->minimumSizeHint().width() &&
                         label->height() >= label->minimumSizeHint().height(),
                     qPrintable(label->text()));
        // The two memos still share the column evenly.
        QVERIFY(qAbs(w.mParams265->height() - w.mParamsHDR->height()) <= 16);
    }

    // The real x265 writes what "From source" put into the memo.
    void encodeCarriesTheSourceMetadata()
    {
        const QString x265 = Tool("x265");
        QVERIFY2(!x265.isEmpty(), "x265 is not installed");
        const QString master = kCustom + QStringLiteral("L(12345678,123)");
        const QString source = Source(QStringLiteral("e2e source.mkv"),
                                      "master-display=" + master + ":max-cll=1234,567:hdr10=1");
        QVERIFY(!source.isEmpty());
        const QString measured = HdrFieldsOf(source);
        QCOMPARE(measured, QStringLiteral("R: x=0.682000 y=0.318000, G: x=0.264000 y=0.692000, "
                                          "B: x=0.148000 y=0.058000, White point: x=0.312000 y=0.328000|"
                                          "min: 0.0123 cd/m2, max: 1234.5678 cd/m2|1234 cd/m2|567 cd/m2"));
        const QString output = dir_.filePath(QStringLiteral("e2e out.hevc"));

        FakeTerminal terminal(true);
        TestMessages boxes;
        TfrmMain w;
        w.edX265->setText(x265);
        w.edFFmpeg->setText(Tool("ffmpeg"));
        w.edInput265->setText(source);
        w.edOutput265->setText(output);
        // The clip's own size instead of UHD Blu-ray's: a few small frames.
        w.mParams265->setPlainText(
            QStringLiteral("-pix_fmt yuv420p -f rawvideo - | x265 --input - --input-res 64x48 --no-info"));
        w.cmbFramerate265->setCurrentText(QStringLiteral("25"));
        w.cmbSpeed265->setCurrentText(QStringLiteral("ultrafast"));
        w.chb2pass265->setChecked(false);
        w.chbPause265->setChecked(false);
        w.chbHDR->setChecked(true);
        QTest::mouseClick(w.btnHDRFromSource, Qt::LeftButton);
        QCOMPARE(w.mParamsHDR->toPlainText(),
                 QString(kDefaultParamsHDR)
                     .replace(kP3 + "L(40000000,50)", master)
                     .replace("\"1000,400\"", "\"1234,567\""));
        QTest::mouseClick(w.btnEncode265, Qt::LeftButton);
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.shown.join('\n')));
        QTRY_VERIFY_WITH_TIMEOUT(terminal.called(), 10000);
        QVERIFY(terminal.script().contains(("--master-display \"" + master + "\" --max-cll \"1234,567\"").toUtf8()));
        // The script's last line deletes it: gone means the job ran to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(terminal.scriptPath()), 120000);
        QVERIFY2(QFileInfo(output).size() > 0, qPrintable(output));
        QCOMPARE(HdrFieldsOf(output), measured);
    }
};

QTEST_MAIN(TestHdrFromSource)
#include "tst_hdrfromsource.moc"
