#pragma once
// Presses each encoder page's button with every path it checks pointing at a real
// file, whatever else the window holds, and tells what came of it: a script handed
// to the terminal, or messages. For tests that feed the window odd stored state.
#include "FakeTerminal.h"
#include "TestMessages.h"
#include "uMain.h"

#include "TDirectoryEdit.h"
#include "TFilenameEdit.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

struct PageEncodeOutcome {
    QString page;
    bool launched = false;   // a script reached the terminal
    QByteArray script;
    QStringList messages;    // every box shown (overwrite questions answered No)
};

inline QList<PageEncodeOutcome> EncodeEveryPage(TfrmMain& w, const QString& workFolder)
{
    const QString file = QDir(workFolder).filePath(QStringLiteral("exists.bin"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString out = QDir(workFolder).filePath(QStringLiteral("out"));
    struct Page {
        const char* name;
        QPushButton* button;
        QList<QLineEdit*> files;
        QList<QLineEdit*> outputs;
    };
    const Page pages[] = {
        {"x264", w.btnEncode264, {w.edX264, w.edInput264}, {w.edOutput264}},
        {"x265", w.btnEncode265, {w.edX265, w.edFFmpeg, w.edInput265}, {w.edOutput265}},
        {"dv", w.btnEncodeDV,
         {w.edPythonDV, w.edScriptDV, w.edDEE, w.edDEELicense, w.edFFMpegDV, w.edInputDV, w.edMetadataDV},
         {w.edOutputBL, w.edOutputEL}},
        {"audio", w.btnAudioEncode, {w.edAudEac3To, w.edAudFFMpeg, w.edAudInput}, {w.edAudOutput}},
    };
    QList<PageEncodeOutcome> outcomes;
    for (const Page& page : pages) {
        for (QLineEdit* f : page.files)
            f->setText(file);
        for (int i = 0; i < page.outputs.size(); ++i)
            page.outputs[i]->setText(out + QString::number(i) + QStringLiteral(".bin"));
        w.edTempDV->setText(QDir(workFolder).filePath(QStringLiteral("dv temp")));
        FakeTerminal terminal(false);
        TestMessages messages;
        page.button->click();
        PageEncodeOutcome outcome;
        outcome.page = QString::fromLatin1(page.name);
        // The terminal starts detached: give it time when no message said no.
        outcome.launched = messages.shown.isEmpty() ? QTest::qWaitFor([&] { return terminal.called(); }, 20000)
                                                    : terminal.called();
        outcome.script = terminal.script();
        outcome.messages = messages.shown;
        if (outcome.launched)
            QFile::remove(terminal.scriptPath());
        outcomes << outcome;
    }
    return outcomes;
}
