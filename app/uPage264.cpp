// The x264 page: its form and its handlers.
#include "DesktopServices.h"
#include "FormKit.h"
#include "PageChecks.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "uMain.h"
#include "JobScript.h"
#include "FrameRateDetect.h"
#include "MediaProbe.h"
#include "X264Command.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace form;
using Kind = TFilenameEdit::DialogKind;

namespace {
constexpr int kMaxBufsize264 = 30000;
}

QWidget* TfrmMain::CreatePage264()
{
    btnEncode264 = Button(nullptr, "btnEncode264", QStringLiteral("Encode with x264"));
    auto [page, main, v] = NewEncoderPage(pcPages, "ts264", btnEncode264);
    ts264 = page;
    QWidget* p = main;

    edX264 = FileEdit(p, "edX264", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("x264 executable"));
    edInput264 = FileEdit(p, "edInput264", Kind::Open, {}, QStringLiteral("Input file"));
    btnInfo264 = InfoButton(p, "btnInfo264");
    edOutput264 = FileEdit(p, "edOutput264", Kind::Save, QStringLiteral("264 files (*.264)|*.264|AVC files (*.avc)|*.avc"),
                           QStringLiteral("Output file"), QStringLiteral("264"));

    cmbDemuxer = Combo(p, "cmbDemuxer", X264DemuxerItems(), 0,
                       QStringLiteral("Specify source format (auto is recommended)"));
    cmbSpeed264 = Combo(p, "cmbSpeed264", X264SpeedItems(), 5);
    cmbTune264 = Combo(p, "cmbTune264", X264TuneItems(), 1);
    cmbFrameRate264 = Combo(p, "cmbFrameRate264", X264FrameRateItems(), 5);
    btnAutoDetect264 = Button(p, "btnAutoDetect264", QStringLiteral("Auto-detect"),
                              QStringLiteral("Autodetects framerate parameters"));
    chbSetFPS = Check(p, "chbSetFPS", QStringLiteral("Set fps"), false,
                      QStringLiteral("Sets fps parameter\n(required for MKV and recommended for the raw source)"));
    chbFakeInterlaced = Check(p, "chbFakeInterlaced", QStringLiteral("fake-interlaced for 25/29.97"),
                              false, QStringLiteral("Set it if your source is 25/29.97 progressive"));
    chbKeyFramesAuto = Check(p, "chbKeyFramesAuto", QStringLiteral("Auto"), true,
                             QStringLiteral("Disable it for video with angles\n(disables adaptive I-frame decision if unchecked)"));
    edKeyFrames = Spin(p, "edKeyFrames", 1, 60, 1, 2, 24,
                       QStringLiteral("For video with angles 15-18 is recommended"));
    chbCBR = Check(p, "chbCBR", QStringLiteral("Constant bitrate (CBR)"), false,
                   QStringLiteral("Recommended for video with angles"));
    edBitrate264 = Spin(p, "edBitrate264", 100, 40000, 1000, 6, 20000);
    edMaxBitrate264 = Spin(p, "edMaxBitrate264", 100, 40000, 1000, 6, 40000);
    edBufsize264 = Spin(p, "edBufsize264", 100, 30000, 1000, 6, 30000,
                        QStringLiteral("Recommended: equal to max bitrate, but no more than 30000"));
    cmbAspectRation = Combo(p, "cmbAspectRation", X264AspectItems(), 0);
    edTime264 = Duration(p, "edTime264");
    chb2pass264 = Check(p, "chb2pass264", QStringLiteral("2-pass"), true);
    chbPause264 = Check(p, "chbPause264", QStringLiteral("Pause at the end"), true);
    lbSize264 = new QLabel(QStringLiteral("    "), p);
    lbSize264->setObjectName(QStringLiteral("lbSize264"));
    mParams264 = Memo(p, "mParams264");
    btnEditParams264 = EditButton(p, "btnEditParams264");
    btnResetParams264 = ResetButton(p, "btnResetParams264", QStringLiteral("Reset x264 parameters to default"));

    auto* files = Grid(true);
    FileRow(files, 0, QStringLiteral("x264 executable"), edX264);
    FileRow(files, 1, QStringLiteral("Input file"), edInput264, btnInfo264);
    FileRow(files, 2, QStringLiteral("Output file"), edOutput264);
    v->addLayout(files);

    // Two option columns, the parameter memo across the page below them.
    auto* columns = new QHBoxLayout;
    columns->setSpacing(24);
    auto* a = Grid();
    LabelledRow(a, 0, QStringLiteral("Demuxer"), cmbDemuxer);
    LabelledRow(a, 1, QStringLiteral("Speed/Quality"), cmbSpeed264);
    LabelledRow(a, 2, QStringLiteral("Tune"), cmbTune264);
    LabelledRow(a, 3, QStringLiteral("Frame rate"), cmbFrameRate264);
    a->addWidget(btnAutoDetect264, 3, 2);
    a->addWidget(chbSetFPS, 4, 1, 1, 2);
    a->addWidget(chbFakeInterlaced, 5, 1, 1, 2);
    a->addWidget(Label(p, QStringLiteral("Keyframes"), chbKeyFramesAuto), 6, 0);
    a->addWidget(chbKeyFramesAuto, 6, 1);
    a->addWidget(edKeyFrames, 6, 2, Qt::AlignLeft);
    LabelledRow(a, 7, QStringLiteral("Aspect ration"), cmbAspectRation, 2);
    edKeyFrames->setFixedWidth(50);
    columns->addLayout(a);

    auto* b = Grid();
    b->addWidget(chbCBR, 0, 0, 1, 2);
    LabelledRow(b, 1, QStringLiteral("Bitrate (kb/s)"), edBitrate264);
    LabelledRow(b, 2, QStringLiteral("Max bitrate (kb/s)"), edMaxBitrate264);
    LabelledRow(b, 3, QStringLiteral("Bufsize (kb/s)"), edBufsize264);
    LabelledRow(b, 4, QStringLiteral("Duration"), edTime264);
    LabelledRow(b, 5, QStringLiteral("Approx. file size"), lbSize264);
    b->addWidget(chb2pass264, 6, 0, 1, 2);
    b->addWidget(chbPause264, 7, 0, 1, 2);
    for (QWidget* w : {static_cast<QWidget*>(edBitrate264), static_cast<QWidget*>(edMaxBitrate264),
                       static_cast<QWidget*>(edBufsize264), static_cast<QWidget*>(edTime264)})
        w->setFixedWidth(72);
    columns->addLayout(b);
    columns->addStretch(1);
    v->addLayout(columns);

    v->addLayout(MemoBlock(p, QStringLiteral("Other x264 parameters"), mParams264,
                           btnResetParams264, btnEditParams264),
                 1);
    return page;
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
    const TProbeResult probe = ProbeInput(edInput264);
    SelectDetectedFrameRate(cmbFrameRate264, TFrameRateList::X264, probe.frameRate);
    cmbFrameRate264Change();
    // Fake-interlaced suits progressive 25 and 29.97 only (items 2 and 3).
    if (probe.frameRate > 23) {
        const int i = cmbFrameRate264->currentIndex();
        chbFakeInterlaced->setChecked((i == 2 || i == 3) && !probe.interlaced);
    }
    ShowDetectedDuration(edTime264, probe);
}

void TfrmMain::btnEncode264Click()
{
    if (!RequireField(edX264, QStringLiteral("x264 encoder")) ||
        !RequireField(edInput264, QStringLiteral("Input file")) || !CheckOutputField(edOutput264))
        return;

    X264Options o;
    o.x264Path = edX264->text();
    o.inputPath = edInput264->text();
    o.outputPath = edOutput264->text();
    o.params = mParams264->toPlainText();
    o.tuneIndex = cmbTune264->currentIndex();
    o.bitrate = edBitrate264->text();
    o.maxBitrate = edMaxBitrate264->text();
    o.bufsize = edBufsize264->text();
    o.cbr = chbCBR->isChecked();
    o.keyFramesAuto = chbKeyFramesAuto->isChecked();
    o.keyFrames = edKeyFrames->text();
    o.frameRateIndex = cmbFrameRate264->currentIndex();
    o.aspectIndex = cmbAspectRation->currentIndex();
    o.speedIndex = cmbSpeed264->currentIndex();
    o.demuxerIndex = cmbDemuxer->currentIndex();
    o.setFps = chbSetFPS->isChecked();
    o.fakeInterlaced = chbFakeInterlaced->isChecked();
    o.twoPass = chb2pass264->isChecked();

    EncodeJob job;
    job.prefix = QStringLiteral("x264");
    job.pause = chbPause264->isChecked();
    job.workingFolder = WorkingFolderOf(edOutput264->text());
    RunJob(job, X264CommandLines(o));
}

void TfrmMain::edTime264Change()
{
    ShowSizeEstimate(edTime264, edBitrate264, lbSize264);
}

void TfrmMain::edBitrate264Change()
{
    ShowSizeEstimate(edTime264, edBitrate264, lbSize264);
}
