// Without a loadable MediaInfo library "i" does nothing visible and auto-detect
// reports once per press; once the library can be loaded both work, in the same
// process. Built into a folder of its own: an unloadable libmediainfo.so.0 beside
// this program is what hides the system's library from it.
#include "uMain.h"

#include "MediaInfoDll.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"

#include "MediaFixtures.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString kError = QStringLiteral("Error getting frame rate.");

QString BesideProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libmediainfo.so.0"));
}

} // namespace

class TestMediaInfoAbsent : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir dir_;
    QString clip_;

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        clip_ = fixtures::Make(dir_.path(), QStringLiteral("p25.mkv"));
        QVERIFY(!clip_.isEmpty());
        QFile broken(BesideProgram());
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("not a library");
    }

    void cleanupTestCase() { QFile::remove(BesideProgram()); }

    void absent()
    {
        QCOMPARE(MediaInfoLibraryPath(), BesideProgram());
        TfrmMain w;
        w.show();
        w.edInput264->setText(clip_);
        w.edInput265->setText(clip_);
        w.edInputDV->setText(clip_);
        w.cmbFrameRate264->setCurrentIndex(5);
        w.cmbFramerate265->setCurrentIndex(5);

        QTest::mouseClick(w.btnInfo264, Qt::LeftButton);
        QVERIFY(!w.pcPages->isTabVisible(w.pcPages->indexOf(w.tsInfo)));
        QVERIFY(w.mInfo->toPlainText().isEmpty());

        TestMessages messages;
        for (int i = 0; i < 4; ++i)
            messages.ExpectInfo();
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QCOMPARE(messages.shown, QStringList{kError});
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QTest::mouseClick(w.btnAutoDetect265, Qt::LeftButton);
        QTest::mouseClick(w.btnAutoDetectDV, Qt::LeftButton);
        QCOMPARE(messages.shown, (QStringList{kError, kError, kError, kError}));
        QCOMPARE(w.cmbFrameRate264->currentIndex(), 5);
        QCOMPARE(w.cmbFramerate265->currentIndex(), 5);
        QCOMPARE(w.edTime264->text(), QStringLiteral("00:00:00"));
        QVERIFY(!QApplication::overrideCursor());
    }

    // The failed loads held nothing: the next request loads the system's library.
    void reachableAfterwards()
    {
        QVERIFY(QFile::remove(BesideProgram()));
        TfrmMain w;
        w.show();
        w.edInput264->setText(clip_);
        QTest::mouseClick(w.btnInfo264, Qt::LeftButton);
        QCOMPARE(w.pcPages->currentWidget(), w.tsInfo);
        QVERIFY(w.mInfo->toPlainText().contains(QStringLiteral("Matroska")));

        TestMessages messages;
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(w.cmbFrameRate264->currentIndex(), 2);
        QCOMPARE(w.edTime264->text(), QStringLiteral("00:00:02"));
    }
};

QTEST_MAIN(TestMediaInfoAbsent)
#include "tst_mediainfo_absent.moc"
