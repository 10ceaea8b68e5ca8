// The Dolby Vision page: its form and its handlers.
#include "DesktopServices.h"
#include "FormKit.h"
#include "PageChecks.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "uMain.h"
#include "TDirectoryEdit.h"
#include "DVCommand.h"
#include "JobScript.h"
#include "Messages.h"
#include "StrToolz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace form;
using Kind = TFilenameEdit::DialogKind;

QWidget* TfrmMain::CreatePageDV()
{
    btnEncodeDV = Button(nullptr, "btnEncodeDV", QStringLiteral("Encode Dolby Vision"));
    auto [page, main, v] = NewEncoderPage(pcPages, "tsDV", btnEncodeDV);
    tsDV = page;
    QWidget* p = main;

    edPythonDV = FileEdit(p, "edPythonDV", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("Python executable"));
    edScriptDV = FileEdit(p, "edScriptDV", Kind::Open, QStringLiteral("Python script (*.py)|*.py"),
                          QStringLiteral("Python script"));
    edDEE = FileEdit(p, "edDEE", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("Dolby Encoder Engine"));
    edDEELicense = FileEdit(p, "edDEELicense", Kind::Open, QStringLiteral("License files (*.lic)|*.lic"),
                            QStringLiteral("Dolby Encoder License"));
    edFFMpegDV = FileEdit(p, "edFFMpegDV", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("ffmpeg executable"));
    edInputDV = FileEdit(p, "edInputDV", Kind::Open, {}, QStringLiteral("Input file"));
    btnInfoDV = InfoButton(p, "btnInfoDV");
    edMetadataDV = FileEdit(p, "edMetadataDV", Kind::Open, QStringLiteral("XML files (*.xml)|*.xml"),
                            QStringLiteral("XML metadata"));
    edOutputBL = FileEdit(p, "edOutputBL", Kind::Save, kOutput265Filter, QStringLiteral("Output file"),
                          QStringLiteral("265"), 1);
    edOutputEL = FileEdit(p, "edOutputEL", Kind::Save, kOutput265Filter, QStringLiteral("Output file"),
                          QStringLiteral("265"), 1);
    edTempDV = new TDirectoryEdit(p);
    edTempDV->setObjectName(QStringLiteral("edTempDV"));
    edTempDV->setDialogTitle(QStringLiteral("Temp folder"));
    cmbFramerateDV = Combo(p, "cmbFramerateDV", DVFrameRateItems(), 1);
    btnAutoDetectDV = Button(p, "btnAutoDetectDV", QStringLiteral("Auto-detect"),
                             QStringLiteral("Autodetects framerate"));
    edFramesFrom = Spin(p, "edFramesFrom", 0, 999999, 1, 6, 0);
    edFramesTo = Spin(p, "edFramesTo", 1, 999999, 1, 6, 75000);
    chb2passDV = Check(p, "chb2passDV", QStringLiteral("2-pass"), true);
    chbPauseDV = Check(p, "chbPauseDV", QStringLiteral("Pause at the end"), true,
                       QStringLiteral("Only works if you have specified Python executable"));
    mParamsDV = Memo(p, "mParamsDV");
    btnResetParamsDV = ResetButton(p, "btnResetParamsDV", QStringLiteral("Reset DV parameters to default"));
    btnEditParamsDV = EditButton(p, "btnEditParamsDV");

    auto* files = Grid(true);
    FileRow(files, 0, QStringLiteral("Python executable"), edPythonDV);
    FileRow(files, 1, QStringLiteral("Python script"), edScriptDV);
    FileRow(files, 2, QStringLiteral("Dolby Encoder Engine"), edDEE);
    FileRow(files, 3, QStringLiteral("Dolby Encoder License"), edDEELicense);
    FileRow(files, 4, QStringLiteral("ffmpeg executable"), edFFMpegDV);
    FileRow(files, 5, QStringLiteral("Input file"), edInputDV, btnInfoDV);
    FileRow(files, 6, QStringLiteral("XML metadata"), edMetadataDV);
    FileRow(files, 7, QStringLiteral("Output base layer"), edOutputBL);
    FileRow(files, 8, QStringLiteral("Output enhanced layer"), edOutputEL);
    FileRow(files, 9, QStringLiteral("Temp folder"), edTempDV);
    v->addLayout(files);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    auto* a = Grid();
    LabelledRow(a, 0, QStringLiteral("Frame rate"), cmbFramerateDV);
    a->addWidget(btnAutoDetectDV, 0, 2);
    LabelledRow(a, 1, QStringLiteral("Frames (from - to)"), edFramesFrom);
    a->addWidget(edFramesTo, 1, 2);
    a->addWidget(chb2passDV, 2, 1);
    a->addWidget(chbPauseDV, 2, 2);
    a->setRowStretch(3, 1);
    for (QWidget* w : {static_cast<QWidget*>(edFramesFrom), static_cast<QWidget*>(edFramesTo)})
        w->setFixedWidth(72);
    columns->addLayout(a);
    columns->addLayout(MemoBlock(p, QStringLiteral("Other DV parameters"), mParamsDV,
                                 btnResetParamsDV, btnEditParamsDV),
                       1);
    v->addLayout(columns, 1);
    return page;
}

void TfrmMain::ConnectDV()
{
    connect(btnAutoDetectDV, &QPushButton::clicked, this, &TfrmMain::btnAutoDetectDVClick);
    connect(btnEncodeDV, &QPushButton::clicked, this, &TfrmMain::btnEncodeDVClick);
    connect(edTempDV, &QLineEdit::textChanged, this, &TfrmMain::edTempDVChange);
}

void TfrmMain::btnAutoDetectDVClick()
{
    // The page has no duration field: only the frame rate is taken.
    if (!AutoDetectInput(edInputDV))
        return;
    SelectDetectedFrameRate(cmbFramerateDV, TFrameRateList::DV, ProbeInput(edInputDV).frameRate);
}

void TfrmMain::edTempDVChange()
{
    if (edTempDV->text().contains(QLatin1Char('"')))
        edTempDV->setText(QString(edTempDV->text()).remove(QLatin1Char('"')));
}

void TfrmMain::btnEncodeDVClick()
{
    // A job only looked at leaves the fields and the disk as they are.
    const bool touch = JobMayTouchFiles();
    const QString pythonPath = TrimBlanks(edPythonDV->text());
    if (touch)
        edPythonDV->setText(pythonPath);
    const bool python = !pythonPath.isEmpty();
    if (python && !RequireFile(pythonPath, QStringLiteral("Python"))) {
        edPythonDV->setFocus();
        return;
    }
    if (!RequireField(edScriptDV, QStringLiteral("Python script")) ||
        !RequireField(edDEE, QStringLiteral("Dolby Encoder Engine")) ||
        !RequireField(edDEELicense, QStringLiteral("Dolby Encoder License")) ||
        !RequireField(edFFMpegDV, QStringLiteral("FFMpeg")) ||
        !RequireField(edInputDV, QStringLiteral("Input file")) ||
        !RequireField(edMetadataDV, QStringLiteral("XML data")))
        return;
    if (TrimBlanks(edTempDV->text()).isEmpty()) {
        Messages().Warning(QStringLiteral("Output temp folder not specified."));
        edTempDV->setFocus();
        return;
    }
    const QString folder = ExcludeTrailingDelimiter(edTempDV->text());
    if (touch) {
        edTempDV->setText(folder);
        // Not reported here: a folder that cannot be made fails the script's save, which says so.
        QDir().mkpath(folder);
    }
    if (!CheckOutputField(edOutputBL, QStringLiteral("Output base layer file not specified."),
                          QStringLiteral("Output base layer file already exists. Overwrite?")) ||
        !CheckOutputField(edOutputEL, QStringLiteral("Output extended layer file not specified."),
                          QStringLiteral("Output extended layer file already exists. Overwrite?")))
        return;

    DVOptions o;
    o.pythonPath = pythonPath;
    o.scriptPath = edScriptDV->text();
    o.deePath = edDEE->text();
    o.licensePath = edDEELicense->text();
    o.ffmpegPath = edFFMpegDV->text();
    o.inputPath = edInputDV->text();
    o.metadataPath = edMetadataDV->text();
    o.baseLayerPath = edOutputBL->text();
    o.enhancementLayerPath = edOutputEL->text();
    o.frameRateIndex = cmbFramerateDV->currentIndex();
    o.twoPass = chb2passDV->isChecked();
    o.framesFrom = edFramesFrom->text();
    o.framesTo = edFramesTo->text();
    o.params = mParamsDV->toPlainText();
    o.tempFolder = folder;

    // The script stays in the temp folder under one name, for the user to rerun.
    EncodeJob job;
    job.scriptPath = IncludeTrailingDelimiter(folder) + QStringLiteral("encode_DV") + ScriptExtension();
    // Without Python the script runs outside this console ("start" gives it a window of
    // its own), so a pause would hold nothing worth reading.
    job.pause = python && chbPauseDV->isChecked();
    job.selfDelete = false;
    job.workingFolder = folder;
    RunJob(job, DVCommandLines(o, BuildDialect()));
}
