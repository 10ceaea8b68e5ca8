// The x264 page's handlers.
#include "JobScript.h"
#include "Messages.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "X264Command.h"
#include "uMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int kMaxBufsize264 = 30000;
}

void TfrmMain::Connect264()
{
    connect(btnEncode264, &QPushButton::clicked, this, &TfrmMain::btnEncode264Click);
    connect(cmbFrameRate264, &QComboBox::currentIndexChanged, this, &TfrmMain::cmbFrameRate264Change);
    connect(chbKeyFramesAuto, &QCheckBox::toggled, this, &TfrmMain::chbKeyFramesAutoClick);
    connect(chbCBR, &QCheckBox::toggled, this, &TfrmMain::chbCBRClick);
    connect(edMaxBitrate264, &TSpinEdit::changed, this, &TfrmMain::edMaxBitrate264Change);
    connect(btnAutoDetect264, &QPushButton::clicked, this, &TfrmMain::btnAutoDetect264Click);
    connect(edTime264, &TMaskEdit::changed, this, &TfrmMain::edTime264Change);
    connect(edBitrate264, &TSpinEdit::changed, this, &TfrmMain::edBitrate264Change);
}

void TfrmMain::cmbFrameRate264Change()
{
    const int i = cmbFrameRate264->currentIndex();
    chbFakeInterlaced->setEnabled(i == 2 || i == 3);
}

void TfrmMain::chbKeyFramesAutoClick()
{
    edKeyFrames->setVisible(!chbKeyFramesAuto->isChecked());
}

void TfrmMain::chbCBRClick()
{
    if (!chbCBR->isChecked())
        return;
    edMaxBitrate264->setValue(edBitrate264->value());
    edMaxBitrate264Change();
    edBufsize264->setValue(qMin(edBitrate264->value(), kMaxBufsize264));
}

void TfrmMain::edMaxBitrate264Change()
{
    const int max = edMaxBitrate264->value();
    edBitrate264->setMaximum(max);
    edBufsize264->setMaximum(qMin(max, kMaxBufsize264));
}

void TfrmMain::btnAutoDetect264Click()
{
    if (!AutoDetectInput(edInput264))
        return;
    if (QFileInfo(edInput264->text()).suffix().toLower() == QLatin1String("mkv"))
        chbSetFPS->setChecked(true);
}

void TfrmMain::btnEncode264Click()
{
    if (!RequireFile(edX264->text(), QStringLiteral("x264 encoder")) ||
        !RequireFile(edInput264->text(), QStringLiteral("Input file")))
        return;
    if (!CheckOutputFile(edOutput264->text(), QStringLiteral("Output file not specified."),
                         QStringLiteral("Output file already exists. Overwrite?")))
        return;

    X264Options o;
    o.x264Path = edX264->text();
    o.inputPath = edInput264->text();
    o.outputPath = edOutput264->text();
    o.params = mParams264->toPlainText();
    o.tuneIndex = cmbTune264->currentIndex();
    o.tune = cmbTune264->currentText();
    o.bitrate = edBitrate264->text();
    o.maxBitrate = edMaxBitrate264->text();
    o.bufsize = edBufsize264->text();
    o.cbr = chbCBR->isChecked();
    o.keyFramesAuto = chbKeyFramesAuto->isChecked();
    o.keyFrames = edKeyFrames->text();
    o.frameRateIndex = cmbFrameRate264->currentIndex();
    o.aspectIndex = cmbAspectRation->currentIndex();
    o.speed = cmbSpeed264->currentText();
    o.demuxerIndex = cmbDemuxer->currentIndex();
    o.demuxer = cmbDemuxer->currentText();
    o.setFps = chbSetFPS->isChecked();
    o.fakeInterlaced = chbFakeInterlaced->isChecked();
    o.twoPass = chb2pass264->isChecked();

    QString error;
    const QStringList lines = X264CommandLines(o, &error);
    if (lines.isEmpty()) {
        Messages().Info(error);
        return;
    }
    RunJobScript(QStringLiteral("x264"), lines, chbPause264->isChecked(), edOutput264->text());
}

void TfrmMain::edTime264Change()
{
    ShowSizeEstimate(edTime264, edBitrate264, lbSize264);
}

void TfrmMain::edBitrate264Change()
{
    ShowSizeEstimate(edTime264, edBitrate264, lbSize264);
}
