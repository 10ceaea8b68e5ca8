// The job preview: the script each page would write, shown before anything exists,
// and the same bytes as the encode then writes.
#include "uMain.h"

#include "JobPreviewDialog.h"
#include "JobScript.h"
#include "StrToolz.h"
#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"

#include "FakeTerminal.h"
#include "TestFiles.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

class TestJobPreview : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
    QTemporaryDir work_;
    QString tmp_;  // TMPDIR: where reserved scripts would go
    QString file_; // an existing file standing in for every tool and input
    QString out_;  // an existing output, so an overwrite question would come

    // Fills the page so its encode passes every check; returns its encode button.
    QPushButton* Prepare(TfrmMain& w, const QString& page)
    {
        const QList<QLineEdit*> tools = {w.edX264, w.edInput264, w.edX265, w.edFFmpeg, w.edInput265,
                                         w.edPythonDV, w.edScriptDV, w.edDEE, w.edDEELicense,
                                         w.edFFMpegDV, w.edInputDV, w.edMetadataDV, w.edAudFFMpeg,
                                         w.edAudEac3To, w.edAudInput};
        for (QLineEdit* f : tools)
            f->setText(file_);
        for (QLineEdit* f : {w.edOutput264, w.edOutput265, w.edAudOutput, w.edOutputBL})
            f->setText(out_);
        w.edOutputEL->setText(work_.filePath(QStringLiteral("el out.hevc")));
        w.edPythonDV->setText(QStringLiteral("  ") + file_ + QStringLiteral("  "));
        w.edTempDV->setText(work_.filePath(QStringLiteral("dv temp/")));
        w.rbAudFFMpeg->click();
        const std::pair<const char*, QWidget*> pages[] = {
            {"264", w.ts264}, {"265", w.ts265}, {"dv", w.tsDV}, {"audio", w.tsAudio}};
        for (const auto& [name, widget] : pages)
            if (page == QLatin1String(name))
                w.pcPages->setCurrentWidget(widget);
        return w.EncodeButtonOf(w.pcPages->currentWidget());
    }

private slots:
    void init() { store_.clear(); }

    void initTestCase()
    {
        tmp_ = MakeScriptTemp(work_.path());
        QVERIFY(!tmp_.isEmpty());
        file_ = work_.filePath(QStringLiteral("tool & input"));
        out_ = work_.filePath(QStringLiteral("exists out"));
        Touch(file_, "old");
        Touch(out_, "old");
    }

    void previewIsWhatTheEncodeWrites_data()
    {
        QTest::addColumn<QString>("page");
        for (const char* page : {"264", "265", "dv", "audio"})
            QTest::newRow(page) << page;
    }

    void previewIsWhatTheEncodeWrites()
    {
        QFETCH(QString, page);
        TfrmMain w;
        QPushButton* encode = Prepare(w, page);
        FakeTerminal terminal(false);
        const QStringList before = Entries(work_.path(), QDir::AllEntries) + Entries(tmp_, QDir::AllEntries);
        QByteArray preview;
        {
            TestMessages boxes; // the overwrite question is not asked: nothing queued
            w.ShowJobScript();
            QCOMPARE(boxes.shown, QStringList());
            auto* dialog = w.findChild<JobPreviewDialog*>(QStringLiteral("dlgJobPreview"));
            QVERIFY(dialog);
            preview = LastJobOutcome().script;
            QCOMPARE(dialog->mJobScript->toPlainText().toUtf8() + '\n', preview);
            QVERIFY(dialog->mJobScript->isReadOnly());
            dialog->close();
        }
        // Nothing created, written, deleted, trimmed or launched.
        QCOMPARE(Entries(work_.path(), QDir::AllEntries) + Entries(tmp_, QDir::AllEntries), before);
        QCOMPARE(w.edPythonDV->text(), QStringLiteral("  ") + file_ + QStringLiteral("  "));
        QVERIFY(w.edTempDV->text().endsWith('/'));
        QVERIFY(!terminal.called());

        TestMessages boxes;
        boxes.ExpectYesNo(true);
        encode->click();
        QTRY_VERIFY(terminal.called());
        const QString script = terminal.scriptPath();
        preview.replace(QuotePath(ScriptNamePlaceholder()).toUtf8(), QuotePath(script).toUtf8());
        QCOMPARE(terminal.script(), preview);
        if (script.startsWith(tmp_))
            QFile::remove(script);
    }

    void checksStillRun()
    {
        TfrmMain w;
        Prepare(w, QStringLiteral("264"));
        w.edInput264->setText(QStringLiteral("/no/such/input"));
        TestMessages boxes;
        boxes.ExpectInfo();
        w.ShowJobScript();
        QCOMPARE(boxes.warnings, QStringList{"Input file not specified."});
        QVERIFY(!w.findChild<JobPreviewDialog*>());
    }

    void reachedFromF4AndTheButtonsMenu()
    {
        TfrmMain w;
        Prepare(w, QStringLiteral("265"));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_F4);
        auto* dialog = w.findChild<JobPreviewDialog*>();
        QVERIFY(dialog);
        QVERIFY(dialog->mJobScript->toPlainText().contains(QLatin1String(" | ")));
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.findChild<JobPreviewDialog*>());

        QCOMPARE(w.btnEncode264->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(w.btnEncode264->actions().value(0)->text(), QStringLiteral("Show job script…"));
        QVERIFY(w.btnEncode264->toolTip().contains(QLatin1String("F4")));
        w.btnEncode264->actions().value(0)->trigger();
        QCOMPARE(w.pcPages->currentWidget(), w.ts264);
        QVERIFY(w.findChild<JobPreviewDialog*>());
    }
};

QTEST_MAIN(TestJobPreview)
#include "tst_jobpreview.moc"
