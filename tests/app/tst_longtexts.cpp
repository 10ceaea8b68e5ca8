// 100 000 characters in every file field and memo: each page's encode answers at
// once with a refusal or a script that carries the texts whole. A line field holds
// at most 32 767 characters (Qt's limit, and the longest path Windows has): what it
// holds is what the script carries. The time of each press is printed (a freeze
// would show there), never asserted.
#include "uMain.h"

#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"

#include "EncodeEveryPage.h"
#include "TestMessages.h"
#include "TestStore.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace {

constexpr int kLength = 100000;

// A long text of characters that need quoting, no blank at either end.
QString LongText(QChar first)
{
    QString text(kLength, QLatin1Char('x'));
    const QString odd = QStringLiteral(" '\"$&;|\u00e9%");
    for (int i = 1; i < kLength - 1; i += 7)
        text[i] = odd[(i / 7) % odd.size()];
    text[0] = first;
    return text;
}

} // namespace

class TestLongTexts : public QObject {
    Q_OBJECT
    TestStore store_; // never the user's settings
    QTemporaryDir work_;

private slots:
    void init() { store_.clear(); }

    // Long texts everywhere: no such file can exist, so every page says which one.
    void everyFieldLong()
    {
        TfrmMain w;
        QElapsedTimer timer;
        timer.start();
        for (TFilenameEdit* f : w.findChildren<TFilenameEdit*>())
            f->setText(LongText('/'));
        w.edTempDV->setText(LongText('/'));
        w.edAudAdditional->setText(LongText('-'));
        for (QPlainTextEdit* m : w.findChildren<QPlainTextEdit*>())
            m->setPlainText(LongText('-'));
        qInfo("filling every field: %lld ms", timer.restart());
        const struct {
            QPushButton* button;
            const char* message;
        } pages[] = {{w.btnEncode264, "x264 encoder not specified."},
                     {w.btnEncode265, "x265 encoder not specified."},
                     {w.btnEncodeDV, "Python not specified."},
                     {w.btnAudioEncode, "Eac3to encoder not specified."}};
        for (const auto& page : pages) {
            TestMessages boxes;
            boxes.ExpectInfo();
            page.button->click();
            qInfo("%s: %lld ms", qPrintable(page.button->objectName()), timer.restart());
            QCOMPARE(boxes.shown, QStringList{QString::fromLatin1(page.message)});
        }
    }

    // Real files, long memos, long output names in an existing folder: the scripts
    // carry them whole (or a page refuses with a message).
    void longMemosAndOutputs()
    {
        TfrmMain w;
        for (QPlainTextEdit* m : w.findChildren<QPlainTextEdit*>())
            m->setPlainText(LongText('-') + QStringLiteral(" | x265 ") + LongText('-'));
        w.edAudAdditional->setText(LongText('-'));
        QElapsedTimer timer;
        timer.start();
        const QList<PageEncodeOutcome> outcomes = EncodeEveryPage(w, work_.path());
        qInfo("every page with long memos: %lld ms", timer.restart());
        for (const PageEncodeOutcome& o : outcomes) {
            QVERIFY2(o.launched != !o.messages.isEmpty(), qPrintable(o.page + ": " + o.messages.join(" / ")));
            if (o.launched)
                QVERIFY2(o.script.contains(o.page == QLatin1String("audio") ? w.edAudAdditional->text().toUtf8()
                                                                            : LongText('-').toUtf8()),
                         qPrintable(o.page));
        }

        // An output name of 100 000 characters in a folder that exists.
        const QString longName = work_.filePath(LongText('o'));
        for (const auto& [button, output] : {std::pair{w.btnEncode264, w.edOutput264},
                                             std::pair{w.btnEncode265, w.edOutput265},
                                             std::pair{w.btnAudioEncode, w.edAudOutput}}) {
            output->setText(longName);
            FakeTerminal terminal(false);
            TestMessages boxes;
            timer.restart();
            button->click();
            const bool launched = boxes.shown.isEmpty() && QTest::qWaitFor([&] { return terminal.called(); }, 20000);
            qInfo("%s with a long output name: %lld ms", qPrintable(button->objectName()), timer.elapsed());
            QVERIFY2(launched != !boxes.shown.isEmpty(), qPrintable(boxes.shown.join(" / ")));
            if (launched) {
                QVERIFY(terminal.script().contains(QFile::encodeName(output->text()).replace('\'', "'\\''")));
                QFile::remove(terminal.scriptPath());
            }
        }
    }
};

QTEST_MAIN(TestLongTexts)
#include "tst_longtexts.moc"
