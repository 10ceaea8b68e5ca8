// The Audio page: its form and its handlers.
#include "DesktopServices.h"
#include "FormKit.h"
#include "PageChecks.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "uMain.h"
#include "AudioCommand.h"
#include "JobScript.h"
#include "Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace form;
using Kind = TFilenameEdit::DialogKind;

QWidget* TfrmMain::CreatePageAudio()
{
    btnAudioEncode = Button(nullptr, "btnAudioEncode", QStringLiteral("Encode with Eac3To"));
    auto [page, main, v] = NewEncoderPage(pcPages, "tsAudio", btnAudioEncode);
    tsAudio = page;
    QWidget* p = main;

    rbAudEac3To = new QRadioButton(QStringLiteral("Eac3to executable"), p);
    rbAudEac3To->setObjectName(QStringLiteral("rbAudEac3To"));
    rbAudEac3To->setChecked(true);
    rbAudFFMpeg = new QRadioButton(QStringLiteral("FFMpeg executable"), p);
    rbAudFFMpeg->setObjectName(QStringLiteral("rbAudFFMpeg"));
    edAudEac3To = FileEdit(p, "edAudEac3To", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("Eac3to executable"));
    edAudFFMpeg = FileEdit(p, "edAudFFMpeg", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("FFMpeg executable"));
    edAudFFMpeg->setEnabled(false);
    edAudInput = FileEdit(p, "edAudInput", Kind::Open, {}, QStringLiteral("Input file"));
    btnAudInfo = InfoButton(p, "btnAudInfo");
    edAudOutput = FileEdit(p, "edAudOutput", Kind::Save, QStringLiteral("AC3 files (*.ac3)|*.ac3|DTS files (*.dts)|*.dts|WAV files (*.wav)|*.wav"),
                           QStringLiteral("Output file"), QStringLiteral("ac3"));
    cmbAudFrameRate = Combo(p, "cmbAudFrameRate", AudioFrameRateItems(), 0);
    cmbAudBitrate = Combo(p, "cmbAudBitrate", AudioBitrateItems(), 0);
    cmbAudSpeed = Combo(p, "cmbAudSpeed", AudioSpeedItems(), 0,
                        QStringLiteral("slowdown: convert 25.000 and 24.000 content to 23.976 fps,\n"
                                       "speedup: convert 23.976 and 24.000 content to 25.000 fps"));
    cmbAudResample = Combo(p, "cmbAudResample", AudioResampleItems(), 0);
    chbAudDown6 = Check(p, "chbAudDown6", QStringLiteral("Downmix to 6 channels"), false);
    chbAudDown2 = Check(p, "chbAudDown2", QStringLiteral("Downmix to stereo"), false);
    chbAudDown16 = Check(p, "chbAudDown16", QStringLiteral("Downmix to 16 bit"), false);
    chbAudCore = Check(p, "chbAudCore", QStringLiteral("Extract core"), false,
                       QStringLiteral("extract the DTS core of a DTS-HD track"));
    edAudAdditional = new QLineEdit(p);
    edAudAdditional->setObjectName(QStringLiteral("edAudAdditional"));
    chbAudPause = Check(p, "chbAudPause", QStringLiteral("Pause at the end"), true);

    auto* g = Grid(true);
    g->setVerticalSpacing(6);
    g->addWidget(rbAudEac3To, 0, 0);
    g->addWidget(edAudEac3To, 0, 1);
    g->addWidget(rbAudFFMpeg, 1, 0);
    g->addWidget(edAudFFMpeg, 1, 1);
    FileRow(g, 2, QStringLiteral("Input file"), edAudInput, btnAudInfo);
    FileRow(g, 3, QStringLiteral("Output file"), edAudOutput);

    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    const std::pair<QString, QComboBox*> labelled[] = {
        {QStringLiteral("Frame rate"), cmbAudFrameRate},
        {QStringLiteral("Bitrate"), cmbAudBitrate},
        {QStringLiteral("Change speed"), cmbAudSpeed},
        {QStringLiteral("Resample"), cmbAudResample}};
    for (const auto& [label, combo] : labelled) {
        lists->addWidget(Label(p, label, combo));
        lists->addWidget(combo, 1);
    }
    g->addLayout(lists, 4, 0, 1, 2);

    auto* checks = new QHBoxLayout;
    for (QCheckBox* c : {chbAudDown6, chbAudDown2, chbAudDown16, chbAudCore})
        checks->addWidget(c);
    checks->addStretch();
    g->addLayout(checks, 5, 0, 1, 2);
    LabelledRow(g, 6, QStringLiteral("Additional parameters"), edAudAdditional);
    g->addWidget(chbAudPause, 7, 0, 1, 2);
    v->addLayout(g);
    v->addStretch(1);
    return page;
}

namespace {

// The user has agreed to overwrite: the old output goes now, so the tool never
// sees it. False, with the system's reason shown, when it cannot be deleted.
bool DeleteExistingOutput(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return true;
    QFile file(path);
    if (file.remove())
        return true;
    Messages().Warning(QStringLiteral("Cannot delete the output file %1: %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

} // namespace

void TfrmMain::ConnectAudio()
{
    // toggled rather than clicked: a restored or programmatic choice counts too.
    connect(rbAudEac3To, &QRadioButton::toggled, this, &TfrmMain::rbAudioEncoderClick);
    connect(rbAudFFMpeg, &QRadioButton::toggled, this, &TfrmMain::rbAudioEncoderClick);
    connect(btnAudioEncode, &QPushButton::clicked, this, &TfrmMain::btnAudioEncodeClick);
}

void TfrmMain::rbAudioEncoderClick()
{
    const bool eac3to = rbAudEac3To->isChecked();
    edAudEac3To->setEnabled(eac3to);
    edAudFFMpeg->setEnabled(rbAudFFMpeg->isChecked());
    btnAudioEncode->setText(QStringLiteral("Encode with ") +
                            (eac3to ? QStringLiteral("Eac3To") : QStringLiteral("FFMpeg")));
    chbAudDown16->setEnabled(eac3to);
}

void TfrmMain::btnAudioEncodeClick()
{
    const bool eac3to = rbAudEac3To->isChecked();
    if (eac3to && !RequireField(edAudEac3To, QStringLiteral("Eac3to encoder")))
        return;
    if (rbAudFFMpeg->isChecked() && !RequireField(edAudFFMpeg, QStringLiteral("FFMpeg encoder")))
        return;
    if (!RequireField(edAudInput, QStringLiteral("Input file")) || !CheckOutputField(edAudOutput))
        return;

    AudioOptions o;
    o.eac3toPath = edAudEac3To->text();
    o.ffmpegPath = edAudFFMpeg->text();
    o.inputPath = edAudInput->text();
    o.outputPath = edAudOutput->text();
    o.frameRateIndex = cmbAudFrameRate->currentIndex();
    o.bitrateIndex = cmbAudBitrate->currentIndex();
    o.speedIndex = cmbAudSpeed->currentIndex();
    o.resampleIndex = cmbAudResample->currentIndex();
    o.down6 = chbAudDown6->isChecked();
    o.downStereo = chbAudDown2->isChecked();
    o.down16 = chbAudDown16->isChecked();
    o.core = chbAudCore->isChecked();
    o.additional = edAudAdditional->text();
    const CommandLines commands = eac3to ? Eac3toCommandLines(o) : FFMpegAudioCommandLines(o);
    // A refused line must not cost the user the old output.
    if (!commands.refusal.isEmpty()) {
        Messages().Warning(commands.refusal);
        return;
    }
    if (JobMayTouchFiles() && !DeleteExistingOutput(edAudOutput->text()))
        return;

    EncodeJob job;
    job.prefix = QStringLiteral("audio");
    job.pause = chbAudPause->isChecked();
    job.workingFolder = WorkingFolderOf(edAudOutput->text());
    RunJob(job, commands);
}
