// The Dolby Vision encode through the window: checks in order, what earlier steps
// leave behind, the fixed script in the temp folder and the line handed to it.
#include "uMain.h"

#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"
#include "TSpinEdit.h"

#include "DVCommand.h"
#include "DefaultParams.h"
#include "FakeTerminal.h"
#include "TestFiles.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>

namespace {

// Every fixture path holds a space, so sh quoting wraps it whole.
QString Q(const QString& path) { return '\'' + path + '\''; }

// The fields in the order the encode checks them.
QList<QLineEdit*> CheckedFields(const TfrmMain& w)
{
    return {w.edPythonDV, w.edScriptDV, w.edDEE,     w.edDEELicense, w.edFFMpegDV,
            w.edInputDV,  w.edMetadataDV, w.edTempDV, w.edOutputBL,  w.edOutputEL};
}

bool HasSelfDeletion(const QStringList& lines)
{
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("rm ")) || line.startsWith(QLatin1String("del ")))
            return true;
    return false;
}

} // namespace

class TestPageDV : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings

    QTemporaryDir work_;
    QString base_;     // "<work>/dv page": every fixture path holds a space
    QStringList valid_; // a good value for each checked field, temp folder and outputs last
    QString python_, script_, dee_, license_, ffmpeg_, input_, metadata_;
    int folders_ = 0;

    // A temp folder nobody has used yet, not created.
    QString NewTempFolder() { return base_ + QStringLiteral("/temp %1/dv").arg(++folders_); }

    // Every field valid; temp folder and outputs as given.
    void Fill(TfrmMain& w, const QString& temp, const QString& bl, const QString& el) const
    {
        const QList<QLineEdit*> fields = CheckedFields(w);
        for (int i = 0; i < 7; ++i)
            fields[i]->setText(valid_[i]);
        w.edTempDV->setText(temp);
        w.edOutputBL->setText(bl);
        w.edOutputEL->setText(el);
    }

    // The command line for the fixture's fields and the given changes.
    QString Line(const QString& runner, const QString& temp, const QString& options) const
    {
        return runner + ' ' + Q(script_) + " --dee " + Q(dee_) + " --dee-license " + Q(license_) +
               " --ffmpeg " + Q(ffmpeg_) + " -i " + Q(input_) + " -m " + Q(metadata_) + " -b " +
               Q(base_ + "/bl out.hevc") + " -e " + Q(base_ + "/el out.hevc") + options + ' ' +
               kDefaultParamsDV + " --temp " + Q(temp);
    }

private slots:
    void init() { store_.clear(); } // every test starts from a first run
    void initTestCase()
    {
        base_ = work_.filePath(QStringLiteral("dv page"));
        QVERIFY(QDir().mkpath(base_));
        python_ = base_ + "/python 3";
        script_ = base_ + "/dv script.py";
        dee_ = base_ + "/dee engine";
        license_ = base_ + "/dee licence.lic";
        ffmpeg_ = base_ + "/ff mpeg";
        input_ = base_ + "/in put.mov";
        metadata_ = base_ + "/meta data.xml";
        for (const QString& f : {python_, script_, dee_, license_, ffmpeg_, input_, metadata_})
            Touch(f);
        Touch(base_ + "/existing bl.hevc");
        Touch(base_ + "/existing el.hevc");
        valid_ = QStringList{python_, script_, dee_, license_, ffmpeg_, input_, metadata_};
    }

    void frameRateListIsTheBuildersTable()
    {
        TfrmMain w;
        QStringList items;
        for (int i = 0; i < w.cmbFramerateDV->count(); ++i)
            items << w.cmbFramerateDV->itemText(i);
        QCOMPARE(items, DVFrameRateItems());
        QCOMPARE(w.cmbFramerateDV->currentText(), QStringLiteral("24"));
    }

    // The field at `failing` holds `value`, every later field is empty: only the
    // first failure in the page's order may speak.
    void checksStopAtTheFirstFailure_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("Python names no file") << 0 << "/no/python" << "Python not specified.";
        QTest::newRow("Python is a folder") << 0 << work_.path() << "Python not specified.";
        QTest::newRow("no script") << 1 << "" << "Python script not specified.";
        QTest::newRow("missing engine") << 2 << "/no/dee" << "Dolby Encoder Engine not specified.";
        QTest::newRow("blank licence") << 3 << "  " << "Dolby Encoder License not specified.";
        QTest::newRow("missing ffmpeg") << 4 << "/no/ffmpeg" << "FFMpeg not specified.";
        QTest::newRow("no input") << 5 << "" << "Input file not specified.";
        QTest::newRow("missing metadata") << 6 << "/no/meta.xml" << "XML data not specified.";
        QTest::newRow("blank temp folder") << 7 << " \t" << "Output temp folder not specified.";
        QTest::newRow("no base layer") << 8 << " " << "Output base layer file not specified.";
        QTest::newRow("no enhancement layer") << 9 << "" << "Output extended layer file not specified.";
    }

    void checksStopAtTheFirstFailure()
    {
        QFETCH(int, failing);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const QString temp = NewTempFolder();
        QStringList values = valid_;
        values << temp << base_ + "/bl out.hevc" << base_ + "/el out.hevc";
        values[failing] = value;
        for (int i = failing + 1; i < values.size(); ++i)
            values[i].clear();

        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectInfo();
        TfrmMain w;
        const QList<QLineEdit*> fields = CheckedFields(w);
        for (int i = 0; i < fields.size(); ++i)
            fields[i]->setText(values[i]);
        w.btnEncodeDV->setFocus();
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);

        QCOMPARE(boxes.shown, QStringList{message});
        QVERIFY(boxes.unexpected.isEmpty());
        QCOMPARE(w.focusWidget(), fields[failing]);
        QVERIFY(!terminal.called());
        // The folder is made after the temp folder check and before the output checks.
        QCOMPARE(QFileInfo::exists(temp), failing > 7);
        if (failing > 7)
            QCOMPARE(Entries(temp), QStringList());
    }

    void blankPythonRunsPython3WithoutPause()
    {
        const QString temp = NewTempFolder();
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        Fill(w, temp, base_ + "/bl out.hevc", base_ + "/el out.hevc");
        w.edPythonDV->setText(QStringLiteral("  \t "));
        QVERIFY(w.chbPauseDV->isChecked());
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);

        QCOMPARE(boxes.shown, QStringList());
        QCOMPARE(w.edPythonDV->text(), QString());
        QTRY_VERIFY(terminal.called());
        QCOMPARE(ScriptLines(terminal),
                 (QStringList{"#!/bin/sh",
                              Line("python3", temp, " --fps 24 -p 2 --start 0 --end 75000")}));
    }

    void script_data()
    {
        QTest::addColumn<bool>("trailingDelimiter");
        QTest::addColumn<bool>("twoPass");
        QTest::addColumn<int>("frameRate");
        QTest::addColumn<bool>("pause");
        QTest::addColumn<QString>("options");
        QTest::newRow("trailing delimiter, defaults, pause")
            << true << true << 1 << true << " --fps 24 -p 2 --start 100 --end 2000";
        QTest::newRow("one pass, 23.976, no pause")
            << false << false << 0 << false << " --fps 23.976 -p 1 --start 100 --end 2000";
    }

    void script()
    {
        QFETCH(bool, trailingDelimiter);
        QFETCH(bool, twoPass);
        QFETCH(int, frameRate);
        QFETCH(bool, pause);
        QFETCH(QString, options);
        const QString temp = NewTempFolder(); // its parent does not exist either
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        Fill(w, trailingDelimiter ? temp + '/' : temp, base_ + "/bl out.hevc", base_ + "/el out.hevc");
        w.edPythonDV->setText(' ' + python_ + ' ');
        w.chb2passDV->setChecked(twoPass);
        w.cmbFramerateDV->setCurrentIndex(frameRate);
        w.chbPauseDV->setChecked(pause);
        w.edFramesFrom->setText(QStringLiteral("100"));
        w.edFramesTo->setText(QStringLiteral("2000"));
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);

        QCOMPARE(boxes.shown, QStringList());
        QCOMPARE(w.edTempDV->text(), temp);
        QCOMPARE(w.edPythonDV->text(), python_);
        QTRY_VERIFY(terminal.called());
        QCOMPARE(terminal.scriptPath(), temp + "/encode_DV.sh");
        QCOMPARE(terminal.workingFolder(), temp);
        const QStringList lines = ScriptLines(terminal);
        QCOMPARE(lines.size(), pause ? 3 : 2);
        QCOMPARE(lines[0], QStringLiteral("#!/bin/sh"));
        QCOMPARE(lines[1], Line(Q(python_), temp, options));
        if (pause)
            QVERIFY2(lines[2].contains(QLatin1String("Press Enter")), qPrintable(lines[2]));
        QVERIFY(!HasSelfDeletion(lines));
        QCOMPARE(Entries(temp), QStringList{"encode_DV.sh"});
    }

    // An output check that stops the request leaves the trimmed Python field, the
    // rewritten temp folder field and the created folder behind.
    void outputCheckStopKeepsEarlierSteps_data()
    {
        QTest::addColumn<QString>("bl");
        QTest::addColumn<QString>("el");
        QTest::addColumn<QStringList>("shown");
        const QString bl = base_ + "/bl out.hevc";
        const QString blExists = base_ + "/existing bl.hevc";
        const QString elExists = base_ + "/existing el.hevc";
        QTest::newRow("No to the base layer")
            << blExists << elExists
            << QStringList{"Output base layer file already exists. Overwrite?"};
        QTest::newRow("Yes to the base layer, No to the enhancement layer")
            << blExists << elExists
            << QStringList{"Output base layer file already exists. Overwrite?",
                           "Output extended layer file already exists. Overwrite?"};
        QTest::newRow("no enhancement layer")
            << bl << " " << QStringList{"Output extended layer file not specified."};
    }

    void outputCheckStopKeepsEarlierSteps()
    {
        QFETCH(QString, bl);
        QFETCH(QString, el);
        QFETCH(QStringList, shown);
        const QString temp = NewTempFolder();
        FakeTerminal terminal(false);
        TestMessages boxes;
        if (shown.size() == 2)
            boxes.ExpectYesNo(true);
        if (shown.last().endsWith(QLatin1String("Overwrite?")))
            boxes.ExpectYesNo(false);
        else
            boxes.ExpectInfo();
        TfrmMain w;
        Fill(w, temp + '/', bl, el);
        w.edPythonDV->setText(" \t" + python_ + "  ");
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);

        QCOMPARE(boxes.shown, shown);
        QVERIFY(boxes.unexpected.isEmpty());
        QVERIFY(boxes.allAnswered());
        QCOMPARE(w.edPythonDV->text(), python_);
        QCOMPARE(w.edTempDV->text(), temp);
        QVERIFY(QFileInfo(temp).isDir());
        QCOMPARE(Entries(temp), QStringList());
        QVERIFY(!terminal.called());
        QVERIFY(QFile::exists(base_ + "/existing bl.hevc"));
    }

    void secondRequestOverwritesWithoutQuestion()
    {
        const QString temp = NewTempFolder();
        FakeTerminal terminal(false);
        TestMessages boxes;
        TfrmMain w;
        Fill(w, temp, base_ + "/bl out.hevc", base_ + "/el out.hevc");
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);
        QTRY_VERIFY(terminal.called());
        const QString first = terminal.scriptPath();
        QVERIFY(ScriptLines(terminal).value(1).contains(QLatin1String(" --end 75000 ")));

        terminal.reset();
        w.edFramesTo->setText(QStringLiteral("500"));
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);
        QTRY_VERIFY(terminal.called());
        QCOMPARE(boxes.shown, QStringList());
        QCOMPARE(terminal.scriptPath(), first);
        QVERIFY(ScriptLines(terminal).value(1).contains(QLatin1String(" --end 500 ")));
        QFile saved(first);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), terminal.script());
        QCOMPARE(Entries(temp), QStringList{"encode_DV.sh"});
    }

    void folderThatCannotBeMadeIsReportedOnce()
    {
        const QString temp = base_ + "/existing bl.hevc/dv"; // under a file
        FakeTerminal terminal(false);
        TestMessages boxes;
        boxes.ExpectInfo();
        TfrmMain w;
        Fill(w, temp, base_ + "/bl out.hevc", base_ + "/el out.hevc");
        QTest::mouseClick(w.btnEncodeDV, Qt::LeftButton);
        QCOMPARE(boxes.warnings.size(), 1);
        QVERIFY2(boxes.warnings[0].contains(temp), qPrintable(boxes.warnings[0]));
        QVERIFY(boxes.unexpected.isEmpty());
        QVERIFY(!terminal.called());
    }

    void tempFolderLosesDoubleQuotes()
    {
        TfrmMain w;
        w.edTempDV->setText(QStringLiteral("\"/my dv\" temp\""));
        QCOMPARE(w.edTempDV->text(), QStringLiteral("/my dv temp"));
        w.edTempDV->clear();
        QTest::keyClicks(w.edTempDV, QStringLiteral("/a\"b"));
        QCOMPARE(w.edTempDV->text(), QStringLiteral("/ab"));
    }
};

QTEST_MAIN(TestPageDV)
#include "tst_pageDV.moc"
