// Auto-detect on the x264, x265 and Dolby Vision pages through the window, on
// clips made by ffmpeg and read by the real MediaInfo library.
#include "uMain.h"

#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"

#include "MediaFixtures.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString kError = QStringLiteral("Error getting frame rate.");

// Also notes whether the wait cursor was up while a message was shown, that is
// while the probe ran.
class CursorMessages : public TestMessages {
public:
    void Info(const QString& text) override
    {
        waitCursor << (QApplication::overrideCursor() &&
                       QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        TestMessages::Info(text);
    }
    QList<bool> waitCursor;
};

} // namespace

class TestAutoDetect : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir dir_;

    QString Clip(const QString& file)
    {
        const QString path = fixtures::Make(dir_.path(), file);
        if (path.isEmpty())
            qWarning("ffmpeg could not make %s", qPrintable(file));
        return path;
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void page264_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("setFpsBefore");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("setFps");
        QTest::addColumn<bool>("fakeEnabled");
        QTest::addColumn<bool>("fakeBefore");
        QTest::addColumn<bool>("fake");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("size"); // at 20000 kb/s
        QTest::addColumn<bool>("error");
        // Selected before: 5 ("59.94"); duration before 11:11:11.
        QTest::newRow("progressive 25 mkv") << "p25.mkv" << false << 2 << true << true << false << true << "00:00:02" << "5 mb" << false;
        QTest::newRow("upper-case MKV") << "P25.MKV" << false << 2 << true << true << false << true << "00:00:02" << "5 mb" << false;
        QTest::newRow("mp4 leaves Set fps unticked") << "p25.mp4" << false << 2 << false << true << false << true << "00:00:02" << "5 mb" << false;
        QTest::newRow("mp4 leaves Set fps ticked") << "p25.mp4" << true << 2 << true << true << false << true << "00:00:02" << "5 mb" << false;
        QTest::newRow("interlaced 25 clears") << "i25.ts" << false << 2 << false << true << true << false << "00:00:02" << "5 mb" << false;
        QTest::newRow("MBAFF counts as progressive") << "mbaff.mkv" << false << 2 << true << true << false << true << "00:00:02" << "5 mb" << false;
        QTest::newRow("23.976 disables and clears") << "r23976.mp4" << false << 0 << false << false << true << false << "00:00:01" << "2 mb" << false;
        QTest::newRow("29.97") << "r2997.mp4" << false << 3 << false << true << false << true << "00:00:01" << "2 mb" << false;
        QTest::newRow("48 selects 50") << "r48.mp4" << false << 4 << false << false << true << false << "00:00:01" << "2 mb" << false;
        QTest::newRow("19.9 keeps the list and the box") << "r199.mp4" << false << 5 << false << false << true << true << "00:00:01" << "2 mb" << false;
        QTest::newRow("no frame rate") << "audio.ac3" << false << 5 << false << false << true << true << "11:11:11" << "" << true;
    }

    void page264()
    {
        QFETCH(QString, file);
        QFETCH(bool, setFpsBefore);
        QFETCH(int, index);
        QFETCH(bool, setFps);
        QFETCH(bool, fakeEnabled);
        QFETCH(bool, fakeBefore);
        QFETCH(bool, fake);
        QFETCH(QString, duration);
        QFETCH(QString, size);
        QFETCH(bool, error);
        const QString clip = Clip(file);
        QVERIFY(!clip.isEmpty());
        TfrmMain w;
        w.show();
        w.cmbFrameRate264->setCurrentIndex(5);
        w.chbSetFPS->setChecked(setFpsBefore);
        w.chbFakeInterlaced->setChecked(fakeBefore);
        w.edBitrate264->setValue(20000);
        w.edTime264->setText(QStringLiteral("11:11:11"));
        if (size.isEmpty())
            size = w.lbSize264->text();
        w.edInput264->setText(QStringLiteral(" \t") + clip + QStringLiteral("  "));
        CursorMessages messages;
        if (error)
            messages.ExpectInfo();
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QCOMPARE(w.edInput264->text(), clip);
        QCOMPARE(w.cmbFrameRate264->currentIndex(), index);
        QCOMPARE(w.chbSetFPS->isChecked(), setFps);
        QCOMPARE(w.chbFakeInterlaced->isEnabled(), fakeEnabled);
        QCOMPARE(w.chbFakeInterlaced->isChecked(), fake);
        QCOMPARE(w.edTime264->text(), duration);
        QCOMPARE(w.lbSize264->text(), size);
        QCOMPARE(messages.shown, error ? QStringList{kError} : QStringList{});
        QCOMPARE(messages.waitCursor, error ? QList<bool>{true} : QList<bool>{});
        QVERIFY(!QApplication::overrideCursor());
    }

    void page265_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("hdrBefore");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hdr");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("size"); // at 20000 kb/s
        QTest::addColumn<bool>("error");
        // Selected before: 5 ("60"); duration before 11:11:11.
        QTest::newRow("23.976") << "r23976.mp4" << true << 0 << false << "00:00:01" << "2 mb" << false;
        QTest::newRow("29.97 selects 50") << "r2997.mp4" << false << 3 << false << "00:00:01" << "2 mb" << false;
        QTest::newRow("BT.2020") << "bt2020.mkv" << false << 2 << true << "00:00:01" << "2 mb" << false;
        QTest::newRow("Display P3") << "p3.mkv" << false << 2 << true << "00:00:01" << "2 mb" << false;
        QTest::newRow("BT.709 clears") << "bt709.mkv" << true << 2 << false << "00:00:01" << "2 mb" << false;
        QTest::newRow("no primaries clears") << "p25.mkv" << true << 2 << false << "00:00:02" << "5 mb" << false;
        QTest::newRow("no frame rate still clears") << "audio.ac3" << true << 5 << false << "11:11:11" << "" << true;
    }

    void page265()
    {
        QFETCH(QString, file);
        QFETCH(bool, hdrBefore);
        QFETCH(int, index);
        QFETCH(bool, hdr);
        QFETCH(QString, duration);
        QFETCH(QString, size);
        QFETCH(bool, error);
        const QString clip = Clip(file);
        QVERIFY(!clip.isEmpty());
        TfrmMain w;
        w.show();
        w.cmbFramerate265->setCurrentIndex(5);
        w.chbHDR->setChecked(hdrBefore);
        w.edBitrate265->setValue(20000);
        w.edTime265->setText(QStringLiteral("11:11:11"));
        if (size.isEmpty())
            size = w.lbSize265->text();
        w.edInput265->setText(clip);
        TestMessages messages;
        if (error)
            messages.ExpectInfo();
        QTest::mouseClick(w.btnAutoDetect265, Qt::LeftButton);
        QCOMPARE(w.cmbFramerate265->currentIndex(), index);
        QCOMPARE(w.chbHDR->isChecked(), hdr);
        QCOMPARE(w.edTime265->text(), duration);
        QCOMPARE(w.lbSize265->text(), size);
        QCOMPARE(messages.shown, error ? QStringList{kError} : QStringList{});
    }

    void pageDV_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("error");
        QTest::newRow("23.976") << "r23976.mp4" << 1 << 0 << false;
        QTest::newRow("25 selects 24") << "p25.mkv" << 0 << 1 << false;
        QTest::newRow("19.9 keeps the list") << "r199.mp4" << 1 << 1 << false;
        QTest::newRow("no frame rate") << "audio.ac3" << 1 << 1 << true;
    }

    void pageDV()
    {
        QFETCH(QString, file);
        QFETCH(int, before);
        QFETCH(int, index);
        QFETCH(bool, error);
        const QString clip = Clip(file);
        QVERIFY(!clip.isEmpty());
        TfrmMain w;
        w.show();
        w.cmbFramerateDV->setCurrentIndex(before);
        w.edInputDV->setText(clip);
        TestMessages messages;
        if (error)
            messages.ExpectInfo();
        QTest::mouseClick(w.btnAutoDetectDV, Qt::LeftButton);
        QCOMPARE(w.cmbFramerateDV->currentIndex(), index);
        QCOMPARE(messages.shown, error ? QStringList{kError} : QStringList{});
    }

    // No file: the trimmed text goes back into the field and nothing else happens.
    void noFileChangesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks only") << QStringLiteral(" \t ") << QString();
        QTest::newRow("missing") << QStringLiteral("  /no/such/clip.mkv ") << QStringLiteral("/no/such/clip.mkv");
        QTest::newRow("folder") << QStringLiteral("/tmp") << QStringLiteral("/tmp");
    }

    void noFileChangesNothing()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        TfrmMain w;
        w.show();
        w.cmbFrameRate264->setCurrentIndex(5);
        w.chbFakeInterlaced->setChecked(true);
        w.cmbFramerate265->setCurrentIndex(5);
        w.chbHDR->setChecked(true);
        w.cmbFramerateDV->setCurrentIndex(1);
        TestMessages messages;
        for (auto [edit, button] : {std::pair{w.edInput264, w.btnAutoDetect264},
                                    std::pair{w.edInput265, w.btnAutoDetect265},
                                    std::pair{w.edInputDV, w.btnAutoDetectDV}}) {
            edit->setText(text);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(edit->text(), trimmed);
        }
        QCOMPARE(w.cmbFrameRate264->currentIndex(), 5);
        QVERIFY(w.chbFakeInterlaced->isChecked());
        QCOMPARE(w.cmbFramerate265->currentIndex(), 5);
        QVERIFY(w.chbHDR->isChecked());
        QCOMPARE(w.cmbFramerateDV->currentIndex(), 1);
        QVERIFY(messages.shown.isEmpty());
    }

    // One message per press, however many presses.
    void oneMessagePerPress()
    {
        const QString clip = Clip(QStringLiteral("audio.ac3"));
        TfrmMain w;
        w.show();
        w.edInput264->setText(clip);
        TestMessages messages;
        messages.ExpectInfo();
        messages.ExpectInfo();
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QCOMPARE(messages.shown, (QStringList{kError, kError}));
    }

    // Start-up with a page keyword and paths fills the page and detects.
    void startupArguments_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("file");
        QTest::newRow("264") << "264" << "p25.mkv";
        QTest::newRow("265") << "265" << "bt2020.mkv";
        QTest::newRow("dv") << "dv" << "r23976.mp4";
    }

    void startupArguments()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, file);
        const QString clip = Clip(file);
        QVERIFY(!clip.isEmpty());
        const QString out = dir_.filePath(QStringLiteral("out.bin"));
        TfrmMain w;
        w.cmbFrameRate264->setCurrentIndex(5);
        w.cmbFramerate265->setCurrentIndex(5);
        w.cmbFramerateDV->setCurrentIndex(1);
        w.SetStartupArguments({keyword, clip, out});
        TestMessages messages;
        w.show();
        if (keyword == QLatin1String("264")) {
            QCOMPARE(w.pcPages->currentWidget(), w.ts264);
            QCOMPARE(w.edInput264->text(), clip);
            QCOMPARE(w.edOutput264->text(), out);
            QCOMPARE(w.cmbFrameRate264->currentIndex(), 2);
            QVERIFY(w.chbSetFPS->isChecked());
            QVERIFY(w.chbFakeInterlaced->isChecked());
            QCOMPARE(w.edTime264->text(), QStringLiteral("00:00:02"));
        } else if (keyword == QLatin1String("265")) {
            QCOMPARE(w.pcPages->currentWidget(), w.ts265);
            QCOMPARE(w.edInput265->text(), clip);
            QCOMPARE(w.edOutput265->text(), out);
            QCOMPARE(w.cmbFramerate265->currentIndex(), 2);
            QVERIFY(w.chbHDR->isChecked());
            QCOMPARE(w.edTime265->text(), QStringLiteral("00:00:01"));
        } else {
            QCOMPARE(w.pcPages->currentWidget(), w.tsDV);
            QCOMPARE(w.edInputDV->text(), clip);
            QCOMPARE(w.edOutputBL->text(), out);
            QCOMPARE(w.cmbFramerateDV->currentIndex(), 0);
        }
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestAutoDetect)
#include "tst_autodetect.moc"
