// The x265 page: its form and its handlers.
#include "DesktopServices.h"
#include "FormKit.h"
#include "HdrMetadata.h"
#include "Messages.h"
#include "PageChecks.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "uMain.h"
#include "JobScript.h"
#include "VideoFields.h"
#include "X265Command.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace form;
using Kind = TFilenameEdit::DialogKind;

namespace {

// A third button on a memo block's title row, before Reset and Edit. At the
// window's fixed width the title then goes onto two lines, broken at its last
// blank (a word-wrapped label would take its memo's whole preferred height from
// the memo above).
void JoinTitleRow(QLayout* memoBlock, QPushButton* button)
{
    auto* row = qobject_cast<QBoxLayout*>(memoBlock->itemAt(0)->layout());
    auto* title = qobject_cast<QLabel*>(row->itemAt(0)->widget());
    QString text = title->text();
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
    if (blank > 0)
        title->setText(text.replace(blank, 1, QLatin1Char('\n')));
    row->insertWidget(1, button);
}

} // namespace

QWidget* TfrmMain::CreatePage265()
{
    btnEncode265 = Button(nullptr, "btnEncode265", QStringLiteral("Encode with x265"));
    auto [page, main, v] = NewEncoderPage(pcPages, "ts265", btnEncode265);
    ts265 = page;
    QWidget* p = main;

    edX265 = FileEdit(p, "edX265", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("x265 executable"));
    edFFmpeg = FileEdit(p, "edFFmpeg", Kind::Open, desktop::ExecutableFilter(), QStringLiteral("ffmpeg executable"));
    edInput265 = FileEdit(p, "edInput265", Kind::Open, {}, QStringLiteral("Input file"));
    btnInfo265 = InfoButton(p, "btnInfo265");
    edOutput265 = FileEdit(p, "edOutput265", Kind::Save, kOutput265Filter,
                           QStringLiteral("Output file"), QStringLiteral("265"));

    cmbSpeed265 = Combo(p, "cmbSpeed265", X265SpeedItems(), 5, {}, 12);
    cmbFramerate265 = Combo(p, "cmbFramerate265", X265FrameRateItems(), 0);
    btnAutoDetect265 = Button(p, "btnAutoDetect265", QStringLiteral("Auto-detect"),
                              QStringLiteral("Autodetects framerate and HDR"));
    edBitrate265 = Spin(p, "edBitrate265", 100, 144000, 1000, 6, 50000);
    edMaxBitrate265 = Spin(p, "edMaxBitrate265", 100, 100000, 1000, 6, 75000,
                           QStringLiteral("Check the real limit in specification!"));
    edBufsize265 = Spin(p, "edBufsize265", 100, 75000, 1000, 6, 70000,
                        QStringLiteral("Recommended: equal to bitrate + 40%, but no more than max bitrate"));
    cmbTune265 = Combo(p, "cmbTune265", X265TuneItems(), 0,
                       QStringLiteral("fast-decode and zero-latency intended for old versions"), 12);
    chbHDR = Check(p, "chbHDR", QStringLiteral("HDR"), false);
    chb2pass265 = Check(p, "chb2pass265", QStringLiteral("2-pass"), true);
    chbPause265 = Check(p, "chbPause265", QStringLiteral("Pause at the end"), true);
    edTime265 = Duration(p, "edTime265");
    lbSize265 = new QLabel(QStringLiteral("    "), p);
    lbSize265->setObjectName(QStringLiteral("lbSize265"));
    mParams265 = Memo(p, "mParams265");
    btnResetParams265 = ResetButton(p, "btnResetParams265", QStringLiteral("Reset x265 parameters to default"));
    btnEditParams265 = EditButton(p, "btnEditParams265");
    mParamsHDR = Memo(p, "mParamsHDR", QStringLiteral("Use smpte-st-2084 instead of smpte2084 for old x265 versions"));
    btnResetParamsHDR = ResetButton(p, "btnResetParamsHDR", QStringLiteral("Reset HDR parameters to default"));
    btnEditParamsHDR = EditButton(p, "btnEditParamsHDR");
    btnHDRFromSource = Button(p, "btnHDRFromSource", QStringLiteral("From source"),
                              QStringLiteral("Take the mastering display and light levels from the input file"));

    auto* files = Grid(true);
    FileRow(files, 0, QStringLiteral("x265 executable"), edX265);
    FileRow(files, 1, QStringLiteral("ffmpeg executable"), edFFmpeg);
    FileRow(files, 2, QStringLiteral("Input file"), edInput265, btnInfo265);
    FileRow(files, 3, QStringLiteral("Output file"), edOutput265);
    v->addLayout(files);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    auto* a = Grid();
    LabelledRow(a, 0, QStringLiteral("Speed/Quality"), cmbSpeed265);
    LabelledRow(a, 1, QStringLiteral("Frame rate"), cmbFramerate265);
    a->addWidget(btnAutoDetect265, 1, 2);
    LabelledRow(a, 2, QStringLiteral("Bitrate (kb/s)"), edBitrate265);
    LabelledRow(a, 3, QStringLiteral("Max bitrate (kb/s)"), edMaxBitrate265);
    LabelledRow(a, 4, QStringLiteral("Bufsize (kb/s)"), edBufsize265);
    LabelledRow(a, 5, QStringLiteral("Tune"), cmbTune265);
    a->addWidget(chbHDR, 5, 2);
    a->addWidget(chb2pass265, 6, 1);
    a->addWidget(chbPause265, 6, 2);
    LabelledRow(a, 7, QStringLiteral("Duration"), edTime265);
    LabelledRow(a, 8, QStringLiteral("Approx. file size"), lbSize265);
    a->setRowStretch(9, 1);
    columns->addLayout(a);

    auto* memos = new QVBoxLayout;
    memos->setSpacing(4);
    memos->addLayout(MemoBlock(p, QStringLiteral("Other x265 parameters"), mParams265,
                               btnResetParams265, btnEditParams265),
                     1);
    QLayout* hdr = MemoBlock(p, QStringLiteral("HDR x265 parameters"), mParamsHDR, btnResetParamsHDR,
                             btnEditParamsHDR);
    JoinTitleRow(hdr, btnHDRFromSource);
    memos->addLayout(hdr, 1);
    columns->addLayout(memos, 1);
    v->addLayout(columns, 1);
    return page;
}

void TfrmMain::Connect265()
{
    connect(btnEncode265, &QPushButton::clicked, this, &TfrmMain::btnEncode265Click);
    connect(edMaxBitrate265, &TSpinEdit::changed, this, &TfrmMain::edMaxBitrate265Change);
    connect(btnAutoDetect265, &QPushButton::clicked, this, &TfrmMain::btnAutoDetect265Click);
    connect(edTime265, &TMaskEdit::changed, this, &TfrmMain::edTime265Change);
    connect(edBitrate265, &TSpinEdit::changed, this, &TfrmMain::edBitrate265Change);
    connect(btnHDRFromSource, &QPushButton::clicked, this, &TfrmMain::btnHDRFromSourceClick);
}

// No cap of its own here: both bounds are the maximum bitrate itself.
void TfrmMain::edMaxBitrate265Change()
{
    const int max = edMaxBitrate265->value();
    edBitrate265->setMaximum(max);
    edBufsize265->setMaximum(max);
}

void TfrmMain::btnEncode265Click()
{
    if (!RequireField(edX265, QStringLiteral("x265 encoder")) ||
        !RequireField(edFFmpeg, QStringLiteral("FFMpeg")) ||
        !RequireField(edInput265, QStringLiteral("Input file")) || !CheckOutputField(edOutput265))
        return;

    X265Options o;
    o.ffmpegPath = edFFmpeg->text();
    o.x265Path = edX265->text();
    o.inputPath = edInput265->text();
    o.outputPath = edOutput265->text();
    o.params = mParams265->toPlainText();
    o.hdrParams = mParamsHDR->toPlainText();
    o.hdr = chbHDR->isChecked();
    o.frameRateIndex = cmbFramerate265->currentIndex();
    o.speedIndex = cmbSpeed265->currentIndex();
    o.tuneIndex = cmbTune265->currentIndex();
    o.bitrate = edBitrate265->text();
    o.maxBitrate = edMaxBitrate265->text();
    o.bufsize = edBufsize265->text();
    o.twoPass = chb2pass265->isChecked();

    EncodeJob job;
    job.prefix = QStringLiteral("x265");
    job.pause = chbPause265->isChecked();
    job.workingFolder = WorkingFolderOf(edOutput265->text());
    RunJob(job, X265CommandLines(o));
}

void TfrmMain::btnAutoDetect265Click()
{
    if (!AutoDetectInput(edInput265))
        return;
    const TProbeResult probe = ProbeInput(edInput265);
    SelectDetectedFrameRate(cmbFramerate265, TFrameRateList::X265, probe.frameRate);
    // Every probe sets it: one that found nothing clears it.
    chbHDR->setChecked(probe.hdr);
    ShowDetectedDuration(edTime265, probe);
}

void TfrmMain::edTime265Change()
{
    ShowSizeEstimate(edTime265, edBitrate265, lbSize265);
}

void TfrmMain::edBitrate265Change()
{
    ShowSizeEstimate(edTime265, edBitrate265, lbSize265);
}

// Only on request: auto-detect never touches the HDR text.
void TfrmMain::btnHDRFromSourceClick()
{
    if (!AutoDetectInput(edInput265))
        return;
    const std::optional<QStringList> texts = ReadVideoFields(edInput265->text(), HdrSourceFieldNames());
    if (!texts) {
        Messages().Info(QStringLiteral("MediaInfo could not read the input file."));
        return;
    }
    const THdrUpdate update = ApplySourceHdr(mParamsHDR->toPlainText(), HdrSourceTextsFrom(*texts));
    switch (update.outcome) {
    case THdrFromSource::Applied:
        mParamsHDR->setPlainText(update.params);
        break;
    case THdrFromSource::NoLightLevels:
        mParamsHDR->setPlainText(update.params);
        Messages().Info(QStringLiteral("The input file carries no content light levels (MaxCLL, MaxFALL): "
                                       "--max-cll was left as it was."));
        break;
    case THdrFromSource::NoMastering:
        Messages().Info(QStringLiteral("The input file carries no HDR10 mastering metadata."));
        break;
    case THdrFromSource::Unreadable:
        Messages().Info(QStringLiteral("The input file's HDR10 metadata could not be understood: "
                                       "the HDR parameters were left as they were."));
        break;
    }
}
