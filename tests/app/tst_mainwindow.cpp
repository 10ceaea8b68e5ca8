// The window as a user meets it: pages, start-up arguments, shared field rules.
#include "uMain.h"

#include "HelpFile.h"
#include "AudioCommand.h"
#include "DVCommand.h"
#include "X264Command.h"
#include "X265Command.h"

#include "TFilenameEdit.h"

#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const char* const kFileFields[] = {
    "edX264",     "edInput264",  "edOutput264", "edX265",     "edFFmpeg",
    "edInput265", "edOutput265", "edPythonDV",  "edScriptDV", "edDEE",
    "edDEELicense", "edFFMpegDV", "edInputDV",  "edMetadataDV", "edOutputBL",
    "edOutputEL", "edAudEac3To", "edAudFFMpeg", "edAudInput", "edAudOutput"};

QString Text(TfrmMain& w, const char* name)
{
    return w.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

void SetText(TfrmMain& w, const char* name, const QString& text)
{
    w.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

// Every list on the window with the items its command builder owns.
QList<QPair<QString, QStringList>> BuilderLists()
{
    return {
        {"cmbDemuxer", X264DemuxerItems()},
        {"cmbSpeed264", X264SpeedItems()},
        {"cmbTune264", X264TuneItems()},
        {"cmbFrameRate264", X264FrameRateItems()},
        {"cmbAspectRation", X264AspectItems()},
        {"cmbSpeed265", X265SpeedItems()},
        {"cmbFramerate265", X265FrameRateItems()},
        {"cmbTune265", X265TuneItems()},
        {"cmbFramerateDV", DVFrameRateItems()},
        {"cmbAudFrameRate", AudioFrameRateItems()},
        {"cmbAudBitrate", AudioBitrateItems()},
        {"cmbAudSpeed", AudioSpeedItems()},
        {"cmbAudResample", AudioResampleItems()},
    };
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void listsShowTheirBuildersItems_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("items");
        for (const auto& [list, items] : BuilderLists())
            QTest::newRow(qPrintable(list)) << list << items;
    }

    void listsShowTheirBuildersItems()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, items);
        TfrmMain w;
        auto* combo = w.findChild<QComboBox*>(list);
        QVERIFY(combo);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
    }

    void everyListComesFromABuilder()
    {
        TfrmMain w;
        // The preset lists hold the user's own names: no builder owns them.
        const QStringList presetLists = {"cmbPreset264", "cmbPreset265", "cmbPresetDV", "cmbPresetAudio"};
        QStringList onWindow;
        for (QComboBox* combo : w.findChildren<QComboBox*>())
            if (!presetLists.contains(combo->objectName()))
                onWindow << combo->objectName();
        QStringList inTable;
        for (const auto& row : BuilderLists())
            inTable << row.first;
        onWindow.sort();
        inTable.sort();
        QCOMPARE(onWindow, inTable);
    }

    void everyControlIsFoundByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        const char* const rows[][2] = {
            {"pcPages", "QTabWidget"}, {"btnCancel", "QPushButton"},
            {"ts264", "QWidget"}, {"ts265", "QWidget"}, {"tsDV", "QWidget"},
            {"tsAudio", "QWidget"}, {"tsInfo", "QWidget"}, {"mInfo", "QPlainTextEdit"},
            {"btnInfo264", "QPushButton"}, {"cmbDemuxer", "QComboBox"}, {"cmbSpeed264", "QComboBox"},
            {"cmbTune264", "QComboBox"}, {"cmbFrameRate264", "QComboBox"},
            {"btnAutoDetect264", "QPushButton"}, {"chbSetFPS", "QCheckBox"},
            {"chbFakeInterlaced", "QCheckBox"}, {"chbKeyFramesAuto", "QCheckBox"},
            {"edKeyFrames", "TSpinEdit"}, {"chbCBR", "QCheckBox"}, {"edBitrate264", "TSpinEdit"},
            {"edMaxBitrate264", "TSpinEdit"}, {"edBufsize264", "TSpinEdit"},
            {"cmbAspectRation", "QComboBox"}, {"edTime264", "TMaskEdit"},
            {"chb2pass264", "QCheckBox"}, {"chbPause264", "QCheckBox"}, {"lbSize264", "QLabel"},
            {"mParams264", "QPlainTextEdit"}, {"btnEditParams264", "QPushButton"},
            {"btnResetParams264", "QPushButton"}, {"btnEncode264", "QPushButton"},
            {"btnInfo265", "QPushButton"}, {"cmbSpeed265", "QComboBox"},
            {"cmbFramerate265", "QComboBox"}, {"btnAutoDetect265", "QPushButton"},
            {"edBitrate265", "TSpinEdit"}, {"edMaxBitrate265", "TSpinEdit"},
            {"edBufsize265", "TSpinEdit"}, {"cmbTune265", "QComboBox"}, {"chbHDR", "QCheckBox"},
            {"chb2pass265", "QCheckBox"}, {"chbPause265", "QCheckBox"}, {"edTime265", "TMaskEdit"},
            {"lbSize265", "QLabel"}, {"mParams265", "QPlainTextEdit"},
            {"btnResetParams265", "QPushButton"}, {"btnEditParams265", "QPushButton"},
            {"mParamsHDR", "QPlainTextEdit"}, {"btnResetParamsHDR", "QPushButton"},
            {"btnEditParamsHDR", "QPushButton"}, {"btnHDRFromSource", "QPushButton"},
            {"btnEncode265", "QPushButton"},
            {"btnInfoDV", "QPushButton"}, {"edTempDV", "TDirectoryEdit"},
            {"cmbFramerateDV", "QComboBox"}, {"btnAutoDetectDV", "QPushButton"},
            {"edFramesFrom", "TSpinEdit"}, {"edFramesTo", "TSpinEdit"}, {"chb2passDV", "QCheckBox"},
            {"chbPauseDV", "QCheckBox"}, {"mParamsDV", "QPlainTextEdit"},
            {"btnResetParamsDV", "QPushButton"}, {"btnEditParamsDV", "QPushButton"},
            {"btnEncodeDV", "QPushButton"}, {"rbAudEac3To", "QRadioButton"},
            {"rbAudFFMpeg", "QRadioButton"}, {"btnAudInfo", "QPushButton"},
            {"cmbAudFrameRate", "QComboBox"}, {"cmbAudBitrate", "QComboBox"},
            {"cmbAudSpeed", "QComboBox"}, {"cmbAudResample", "QComboBox"},
            {"chbAudDown6", "QCheckBox"}, {"chbAudDown2", "QCheckBox"}, {"chbAudDown16", "QCheckBox"},
            {"chbAudCore", "QCheckBox"}, {"edAudAdditional", "QLineEdit"},
            {"chbAudPause", "QCheckBox"}, {"btnAudioEncode", "QPushButton"},
            {"cmbPreset264", "QComboBox"}, {"btnSavePreset264", "QPushButton"},
            {"btnDeletePreset264", "QPushButton"}, {"cmbPreset265", "QComboBox"},
            {"btnSavePreset265", "QPushButton"}, {"btnDeletePreset265", "QPushButton"},
            {"cmbPresetDV", "QComboBox"}, {"btnSavePresetDV", "QPushButton"},
            {"btnDeletePresetDV", "QPushButton"}, {"cmbPresetAudio", "QComboBox"},
            {"btnSavePresetAudio", "QPushButton"}, {"btnDeletePresetAudio", "QPushButton"}};
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]);
        for (const char* f : kFileFields)
            QTest::newRow(f) << QString::fromLatin1(f) << QStringLiteral("TFilenameEdit");
    }

    void everyControlIsFoundByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        TfrmMain w;
        const QList<QWidget*> found = w.findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QVERIFY2(found[0]->inherits(kind.toLatin1()), qPrintable(found[0]->metaObject()->className()));
    }

    void windowFrame()
    {
        TfrmMain w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Corvane 1.0.0.1"));
        QCOMPARE(w.size(), QSize(644, 435));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QStringList captions = {"x264", "x265", "Dolby Vision", "Audio", "Info"};
        const QList<QWidget*> pages = {w.ts264, w.ts265, w.tsDV, w.tsAudio, w.tsInfo};
        QCOMPARE(w.pcPages->count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(w.pcPages->tabText(i), captions[i]);
            QCOMPARE(w.pcPages->widget(i), pages[i]);
            QCOMPARE(w.pcPages->isTabVisible(i), i != 4);
        }
        QCOMPARE(w.pcPages->currentWidget(), w.ts264);
        QVERIFY(w.mInfo->isReadOnly());
    }

    void startupArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("fields");  // name=expected text
        QTest::newRow("none") << QStringList{} << "ts264"
                              << QStringList{"edInput264=old", "edInput265=old"};
        QTest::newRow("264") << QStringList{"264", "/a/in.mkv", "/a/out.264"} << "ts264"
                             << QStringList{"edInput264=/a/in.mkv", "edOutput264=/a/out.264"};
        QTest::newRow("265 alone empties its fields") << QStringList{"265"} << "ts265"
                             << QStringList{"edInput265=", "edOutput265=", "edInput264=old"};
        QTest::newRow("DV in capitals, three paths")
            << QStringList{"DV", "/v/in.mov", "/v/bl.265", "/v/el.265"} << "tsDV"
            << QStringList{"edInputDV=/v/in.mov", "edOutputBL=/v/bl.265", "edOutputEL=/v/el.265"};
        QTest::newRow("dv with one path") << QStringList{"dv", "/v/in.mov"} << "tsDV"
            << QStringList{"edInputDV=/v/in.mov", "edOutputBL=", "edOutputEL="};
        QTest::newRow("Audio in mixed case") << QStringList{"AuDiO", "/s/a.dts", "/s/b.ac3"} << "tsAudio"
            << QStringList{"edAudInput=/s/a.dts", "edAudOutput=/s/b.ac3"};
        QTest::newRow("x264 is no keyword") << QStringList{"x264", "/a/in.mkv"} << "ts264"
            << QStringList{"edInput264=old", "edOutput264=old"};
        QTest::newRow("265 compared exactly") << QStringList{"0265", "/a/in.mkv"} << "ts264"
            << QStringList{"edInput265=old"};
        QTest::newRow("quotes in an argument are removed") << QStringList{"264", "\"/a b/in.mkv\""}
            << "ts264" << QStringList{"edInput264=/a b/in.mkv", "edOutput264="};
    }

    void startupArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, page);
        QFETCH(QStringList, fields);
        TfrmMain w;
        for (const char* f : kFileFields)
            SetText(w, f, QStringLiteral("old"));
        w.SetStartupArguments(args);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pcPages->currentWidget()->objectName(), page);
        for (const QString& f : fields) {
            const QString name = f.section('=', 0, 0);
            QCOMPARE(Text(w, name.toLatin1()), f.section('=', 1));
        }
    }

    void argumentsApplyOnFirstShowOnly()
    {
        TfrmMain w;
        w.SetStartupArguments({"265", "/a/in.mkv", "/a/out.265"});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.hide();
        w.pcPages->setCurrentWidget(w.tsAudio);
        SetText(w, "edInput265", QStringLiteral("/typed/by/user.mkv"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pcPages->currentWidget(), w.tsAudio);
        QCOMPARE(Text(w, "edInput265"), QStringLiteral("/typed/by/user.mkv"));
    }

    void autoDetectTrimsItsInput()
    {
        // With two or more arguments the page's auto-detect runs: it trims the input.
        TfrmMain w;
        w.SetStartupArguments({"264", "  /no/such/file.mkv \t"});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(Text(w, "edInput264"), QStringLiteral("/no/such/file.mkv"));
        QVERIFY(!w.chbSetFPS->isChecked()); // no such file: nothing else changes
    }

    void autoDetectTicksSetFpsForMkv()
    {
        QTemporaryDir dir;
        const QString mkv = dir.filePath(QStringLiteral("clip.MKV"));
        QFile f(mkv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TfrmMain w;
        w.edInput264->setText(mkv);
        TestMessages messages;
        messages.ExpectInfo(); // an empty file has no frame rate
        QTest::mouseClick(w.btnAutoDetect264, Qt::LeftButton);
        QVERIFY(w.chbSetFPS->isChecked());
        QCOMPARE(messages.shown, QStringList{QStringLiteral("Error getting frame rate.")});
    }

    void quotesAreRemovedFromEveryFileField_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* f : kFileFields)
            QTest::newRow(f) << QString::fromLatin1(f);
    }

    void quotesAreRemovedFromEveryFileField()
    {
        QFETCH(QString, name);
        TfrmMain w;
        auto* edit = w.findChild<QLineEdit*>(name);
        edit->setText(QStringLiteral("\"/my files/in \"put\".mkv\""));
        QCOMPARE(edit->text(), QStringLiteral("/my files/in put.mkv"));
        edit->clear();
        edit->setEnabled(true); // the ffmpeg audio field starts disabled
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("\"/x y\""));
        QCOMPARE(edit->text(), QStringLiteral("/x y"));
    }

    void quotesStayInOtherFields()
    {
        TfrmMain w;
        w.edAudAdditional->setText(QStringLiteral("-x \"y\""));
        QCOMPARE(w.edAudAdditional->text(), QStringLiteral("-x \"y\""));
    }

    void editViewToggles_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("button");
        QTest::newRow("x264") << "mParams264" << "btnEditParams264";
        QTest::newRow("x265") << "mParams265" << "btnEditParams265";
        QTest::newRow("HDR") << "mParamsHDR" << "btnEditParamsHDR";
        QTest::newRow("DV") << "mParamsDV" << "btnEditParamsDV";
    }

    void editViewToggles()
    {
        QFETCH(QString, memo);
        QFETCH(QString, button);
        TfrmMain w;
        auto* m = w.findChild<QPlainTextEdit*>(memo);
        auto* b = w.findChild<QPushButton*>(button);
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        const QColor window = QApplication::palette().color(QPalette::Base);
        QVERIFY(buttonFace != window);
        QVERIFY(m->isReadOnly());
        QCOMPARE(b->text(), QStringLiteral("Edit"));
        QCOMPARE(m->palette().color(QPalette::Base), buttonFace);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(!m->isReadOnly());
        QCOMPARE(b->text(), QStringLiteral("View"));
        QCOMPARE(m->palette().color(QPalette::Base), window);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(m->isReadOnly());
        QCOMPARE(b->text(), QStringLiteral("Edit"));
        QCOMPARE(m->palette().color(QPalette::Base), buttonFace);
    }

    void enterAddsNoLineBreakToMemos()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.btnEditParams264, Qt::LeftButton);
        w.mParams264->setPlainText(QStringLiteral("--a"));
        w.mParams264->setFocus();
        w.mParams264->moveCursor(QTextCursor::End);
        QTest::keyClick(w.mParams264, Qt::Key_Return);
        QTest::keyClicks(w.mParams264, QStringLiteral(" --b"));
        QCOMPARE(w.mParams264->toPlainText(), QStringLiteral("--a --b"));
    }

    void closeButtonHidesOnInfo()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.btnCancel->isVisible());
        w.pcPages->setTabVisible(w.pcPages->indexOf(w.tsInfo), true);
        w.pcPages->setCurrentWidget(w.tsInfo);
        QTRY_VERIFY(!w.btnCancel->isVisible());
        w.pcPages->setCurrentWidget(w.ts265);
        QTRY_VERIFY(w.btnCancel->isVisible());
    }

    void closeButtonClosesTheWindow()
    {
        TfrmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.btnCancel, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void helpFileSitsBesideTheProgramFolder_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("help");
        QTest::newRow("bin folder") << "/opt/corvane/bin/corvane" << "/opt/corvane/help.chm";
        QTest::newRow("folder with spaces") << "/home/u/my apps/x/corvane" << "/home/u/my apps/help.chm";
    }

    void helpFileSitsBesideTheProgramFolder()
    {
        QFETCH(QString, executable);
        QFETCH(QString, help);
        QCOMPARE(HelpFilePath(executable), QDir::toNativeSeparators(help));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
