// The shell of the form: the page control holding every page and the Close
// button. Each page's controls are built in its own source.
#include "FormKit.h"
#include "uMain.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace form;


void TfrmMain::CreateForm()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Corvane"));

    pcPages = new QTabWidget(this);
    pcPages->setObjectName(QStringLiteral("pcPages"));
    pcPages->addTab(CreatePage264(), QStringLiteral("x264"));
    pcPages->addTab(CreatePage265(), QStringLiteral("x265"));
    pcPages->addTab(CreatePageDV(), QStringLiteral("Dolby Vision"));
    pcPages->addTab(CreatePageAudio(), QStringLiteral("Audio"));
    pcPages->addTab(CreatePageInfo(), QStringLiteral("Info"));
    pcPages->setTabVisible(pcPages->indexOf(tsInfo), false);
    pcPages->setCurrentWidget(ts264);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(pcPages);

    btnCancel = Button(this, "btnCancel", QStringLiteral("Close"));
    btnCancel->raise();
    CreatePresetControls();
    EqualiseLabelColumns(this);
}

