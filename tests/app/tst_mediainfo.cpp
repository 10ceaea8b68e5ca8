// The Info page: MediaInfo's report of the file beside each "i" button.
#include "uMain.h"

#include "TFilenameEdit.h"

#include "MediaFixtures.h"
#include "TestStore.h"

#include <QtTest>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

bool InfoTabVisible(const TfrmMain& w)
{
    return w.pcPages->isTabVisible(w.pcPages->indexOf(w.tsInfo));
}

} // namespace

class TestMediaInfo : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir dir_;
    QString mkv_, ac3_;

    QLineEdit* FieldOf(TfrmMain& w, const QString& button)
    {
        if (button == QLatin1String("btnInfo264")) return w.edInput264;
        if (button == QLatin1String("btnInfo265")) return w.edInput265;
        if (button == QLatin1String("btnInfoDV")) return w.edInputDV;
        return w.edAudInput;
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        mkv_ = fixtures::Make(dir_.path(), QStringLiteral("p25.mkv"));
        ac3_ = fixtures::Make(dir_.path(), QStringLiteral("audio.ac3"));
        QVERIFY(!mkv_.isEmpty() && !ac3_.isEmpty());
    }

    void hiddenUntilTheFirstReport()
    {
        TfrmMain w;
        QVERIFY(!InfoTabVisible(w));
        QVERIFY(w.mInfo->toPlainText().isEmpty());
        QVERIFY(w.mInfo->isReadOnly());
    }

    // The report in the window's font height, in a fixed-pitch face.
    void fixedPitchAtTheWindowsHeight()
    {
        TfrmMain w;
        w.ShowMediaInfo(mkv_);
        QVERIFY(InfoTabVisible(w));
        QCOMPARE(QFontInfo(w.mInfo->font()).pixelSize(), QFontInfo(w.font()).pixelSize());
        QVERIFY(QFontInfo(w.mInfo->font()).fixedPitch());
    }

    void eachButtonShowsItsField_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* b : {"btnInfo264", "btnInfo265", "btnInfoDV", "btnAudInfo"})
            QTest::newRow(b) << b;
    }

    void eachButtonShowsItsField()
    {
        QFETCH(QString, button);
        TfrmMain w;
        w.show();
        FieldOf(w, button)->setText(mkv_);
        auto* b = w.findChild<QPushButton*>(button);
        QVERIFY(b);
        QCOMPARE(b->text(), QStringLiteral("i"));
        QCOMPARE(b->toolTip(), QStringLiteral("Media info"));
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(InfoTabVisible(w));
        QCOMPARE(w.pcPages->currentWidget(), w.tsInfo);
        const QString report = w.mInfo->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("Matroska")) && report.contains(QStringLiteral("25.000 FPS")),
                 qPrintable(report));
        QVERIFY(!QApplication::overrideCursor()); // the wait cursor is gone again
    }

    void secondReportReplacesTheFirstAndTheTabStays()
    {
        TfrmMain w;
        w.show();
        w.ShowMediaInfo(mkv_);
        w.pcPages->setCurrentWidget(w.ts264);
        QVERIFY(InfoTabVisible(w));
        w.ShowMediaInfo(ac3_);
        QCOMPARE(w.pcPages->currentWidget(), w.tsInfo);
        const QString report = w.mInfo->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("AC-3")), qPrintable(report));
        QVERIFY(!report.contains(QStringLiteral("Matroska")));
        w.pcPages->setCurrentWidget(w.tsAudio);
        QVERIFY(InfoTabVisible(w));
    }

    // The field's text is used as it is: with blanks around it, no such file.
    void nothingForNoFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks around") << QStringLiteral(" %1 ").arg(mkv_);
        QTest::newRow("trailing tab") << mkv_ + QLatin1Char('\t');
        QTest::newRow("missing") << dir_.filePath(QStringLiteral("missing.mkv"));
        QTest::newRow("folder") << dir_.path();
    }

    void nothingForNoFile()
    {
        QFETCH(QString, text);
        TfrmMain w;
        w.show();
        w.edInput264->setText(text);
        QTest::mouseClick(w.btnInfo264, Qt::LeftButton);
        QCOMPARE(w.edInput264->text(), text);
        QVERIFY(!InfoTabVisible(w));
        QCOMPARE(w.pcPages->currentWidget(), w.ts264);
        QVERIFY(w.mInfo->toPlainText().isEmpty());
    }

    // The library's answer is not examined: a file it cannot read still shows.
    void unreadableFileStillShowsThePage()
    {
        const QString junk = dir_.filePath(QStringLiteral("junk.bin"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not media");
        f.close();
        TfrmMain w;
        w.show();
        w.ShowMediaInfo(junk);
        QVERIFY(InfoTabVisible(w));
        QCOMPARE(w.pcPages->currentWidget(), w.tsInfo);
    }
};

QTEST_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
