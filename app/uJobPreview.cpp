// The job preview: F4, or "Show job script…" on an encode button, runs the page's
// encode in the preview mode and shows the script it would write.
#include "JobPreviewDialog.h"
#include "JobScript.h"
#include "uMain.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

void TfrmMain::ConnectJobPreview()
{
    for (QWidget* page : {ts264, ts265, tsDV, tsAudio}) {
        QPushButton* encode = EncodeButtonOf(page);
        auto* show = new QAction(QStringLiteral("Show job script…"), encode);
        connect(show, &QAction::triggered, this, [this, page] {
            pcPages->setCurrentWidget(page);
            ShowJobScript();
        });
        encode->addAction(show);
        encode->setContextMenuPolicy(Qt::ActionsContextMenu);
        encode->setToolTip(QStringLiteral("Checks the files, writes the job script and opens it in a "
                                          "terminal\nF4 or right-click: show the job script first"));
    }
    auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), this);
    connect(f4, &QShortcut::activated, this, &TfrmMain::ShowJobScript);
}

void TfrmMain::ShowJobScript()
{
    QPushButton* encode = EncodeButtonOf(pcPages->currentWidget());
    if (!encode)
        return;
    {
        const ScopedJobMode preview(JobMode::Preview);
        encode->click();
    }
    if (!LastJobOutcome().delivered)
        return;
    auto* dialog = new JobPreviewDialog(this, QStringLiteral("Job script - ") + encode->text(),
                                        LastJobOutcome().lines.join(QLatin1Char('\n')));
    dialog->open();
}
