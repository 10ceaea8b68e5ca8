// The form: every control with its name, caption, hint, items, default and
// limits. Behaviour lives in the page sources.
#include "DefaultParams.h"
#include "FormKit.h"
#include "TDirectoryEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "uMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace form;
using Kind = TFilenameEdit::DialogKind;

namespace {

const QString kOutput264Filter = QStringLiteral("264 files (*.264)|*.264|AVC files (*.avc)|*.avc");
const QString kOutput265Filter = QStringLiteral("265 files (*.265)|*.265|HEVC files (*.hevc)|*.hevc");
const QString kAudioOutputFilter = QStringLiteral(
    "AC3 files (*.ac3)|*.ac3|DTS files (*.dts)|*.dts|WAV files (*.wav)|*.wav");
const QStringList kSpeeds = {"ultrafast", "superfast", "veryfast", "faster", "fast",
                             "medium",    "slow",      "slower",   "veryslow", "placebo"};

// An encoder page: a main panel filling it and the strip with the encode button.
struct EncoderPage {
    QWidget* page;
    QFrame* main;
};

EncoderPage NewEncoderPage(const char* name, QPushButton* encode)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    auto* main = Panel(page);
    auto* strip = Panel(page);
    strip->setFixedHeight(kStripHeight);
    auto* h = new QHBoxLayout(strip);
    h->setContentsMargins(4, 3, 6, 3);
    h->addStretch();
    encode->setParent(strip);
    encode->setMinimumWidth(130);
    h->addWidget(encode);
    v->addWidget(main, 1);
    v->addWidget(strip);
    return {page, main};
}

QGridLayout* Grid(QWidget* owner = nullptr)
{
    auto* g = owner ? new QGridLayout(owner) : new QGridLayout;
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    return g;
}

// A labelled file row; the "i" button, when given, stands at its right end.
void FileRow(QGridLayout* g, int row, const QString& label, QWidget* edit, QWidget* extra = nullptr)
{
    g->addWidget(Label(edit->parentWidget(), label, edit), row, 0);
    if (extra) {
        auto* h = new QHBoxLayout;
        h->setSpacing(2);
        h->addWidget(edit, 1);
        h->addWidget(extra);
        g->addLayout(h, row, 1);
    } else {
        g->addWidget(edit, row, 1);
    }
}

void LabelledRow(QGridLayout* g, int row, const QString& label, QWidget* field, int span = 1)
{
    g->addWidget(Label(field->parentWidget(), label, field), row, 0);
    g->addWidget(field, row, 1, 1, span);
}

// A parameter memo with its title row ("Reset" and "Edit" beside the title).
QLayout* MemoBlock(QWidget* parent, const QString& title, QPlainTextEdit* memo, QPushButton* reset,
                   QPushButton* edit)
{
    auto* v = new QVBoxLayout;
    v->setSpacing(2);
    auto* h = new QHBoxLayout;
    h->setSpacing(2);
    h->addWidget(Label(parent, title, memo), 1);
    for (QPushButton* b : {reset, edit}) {
        b->setFixedWidth(48);
        h->addWidget(b);
    }
    v->addLayout(h);
    v->addWidget(memo, 1);
    return v;
}

QPushButton* ResetButton(QWidget* p, const char* name, const QString& hint)
{
    return Button(p, name, QStringLiteral("Reset"), hint);
}

QPushButton* EditButton(QWidget* p, const char* name)
{
    return Button(p, name, QStringLiteral("Edit"));
}

QVBoxLayout* MainLayout(QFrame* main)
{
    auto* v = new QVBoxLayout(main);
    v->setContentsMargins(8, 6, 8, 6);
    v->setSpacing(6);
    return v;
}

} // namespace

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
}

QWidget* TfrmMain::CreatePage264()
{
    btnEncode264 = Button(nullptr, "btnEncode264", QStringLiteral("Encode with x264"));
    auto [page, main] = NewEncoderPage("ts264", btnEncode264);
    ts264 = page;
    QWidget* p = main;

    edX264 = FileEdit(p, "edX264", Kind::Open, ExecutableFilter(), QStringLiteral("x264 executable"));
    edInput264 = FileEdit(p, "edInput264", Kind::Open, {}, QStringLiteral("Input file"));
    btnInfo264 = InfoButton(p, "btnInfo264");
    edOutput264 = FileEdit(p, "edOutput264", Kind::Save, kOutput264Filter,
                           QStringLiteral("Output file"), QStringLiteral("264"));

    cmbDemuxer = Combo(p, "cmbDemuxer", {"auto", "raw", "y4m", "avs", "lavf"}, 0,
                       QStringLiteral("Specify source format (auto is recommended)"));
    cmbSpeed264 = Combo(p, "cmbSpeed264", kSpeeds, 5);
    cmbTune264 = Combo(p, "cmbTune264",
                       {"-", "film", "animation", "grain", "stillimage", "psnr", "ssim",
                        "fastdecode", "zerolatency"},
                       1);
    cmbFrameRate264 =
        Combo(p, "cmbFrameRate264", {"23.976", "24", "25", "29.97", "50", "59.94", "60"}, 5);
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
    cmbAspectRation = Combo(p, "cmbAspectRation", {"16:9", "4:3 (for 1440x1080)"}, 0);
    edTime264 = Duration(p, "edTime264");
    chb2pass264 = Check(p, "chb2pass264", QStringLiteral("2-pass"), true);
    chbPause264 = Check(p, "chbPause264", QStringLiteral("Pause at the end"), true);
    lbSize264 = new QLabel(QStringLiteral("    "), p);
    lbSize264->setObjectName(QStringLiteral("lbSize264"));
    mParams264 = Memo(p, "mParams264");
    btnEditParams264 = EditButton(p, "btnEditParams264");
    btnResetParams264 = ResetButton(p, "btnResetParams264", QStringLiteral("Reset x264 parameters to default"));

    auto* v = MainLayout(main);
    auto* files = Grid();
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

QWidget* TfrmMain::CreatePage265()
{
    btnEncode265 = Button(nullptr, "btnEncode265", QStringLiteral("Encode with x265"));
    auto [page, main] = NewEncoderPage("ts265", btnEncode265);
    ts265 = page;
    QWidget* p = main;

    edX265 = FileEdit(p, "edX265", Kind::Open, ExecutableFilter(), QStringLiteral("x265 executable"));
    edFFmpeg = FileEdit(p, "edFFmpeg", Kind::Open, ExecutableFilter(), QStringLiteral("ffmpeg executable"));
    edInput265 = FileEdit(p, "edInput265", Kind::Open, {}, QStringLiteral("Input file"));
    btnInfo265 = InfoButton(p, "btnInfo265");
    edOutput265 = FileEdit(p, "edOutput265", Kind::Save, kOutput265Filter,
                           QStringLiteral("Output file"), QStringLiteral("265"));

    cmbSpeed265 = Combo(p, "cmbSpeed265", kSpeeds, 5, {}, 12);
    cmbFramerate265 = Combo(p, "cmbFramerate265", {"23.976", "24", "25", "50", "59.94", "60"}, 0);
    btnAutoDetect265 = Button(p, "btnAutoDetect265", QStringLiteral("Auto-detect"),
                              QStringLiteral("Autodetects framerate and HDR"));
    edBitrate265 = Spin(p, "edBitrate265", 100, 144000, 1000, 6, 50000);
    edMaxBitrate265 = Spin(p, "edMaxBitrate265", 100, 100000, 1000, 6, 75000,
                           QStringLiteral("Check the real limit in specification!"));
    edBufsize265 = Spin(p, "edBufsize265", 100, 75000, 1000, 6, 70000,
                        QStringLiteral("Recommended: equal to bitrate + 40%, but no more than max bitrate"));
    cmbTune265 = Combo(p, "cmbTune265",
                       {"-", "animation", "grain", "psnr", "ssim", "fastdecode", "fast-decode",
                        "zerolatency", "zero-latency"},
                       0, QStringLiteral("fast-decode and zero-latency intended for old versions"), 12);
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

    auto* v = MainLayout(main);
    auto* files = Grid();
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
    memos->addLayout(MemoBlock(p, QStringLiteral("HDR x265 parameters"), mParamsHDR,
                               btnResetParamsHDR, btnEditParamsHDR),
                     1);
    columns->addLayout(memos, 1);
    v->addLayout(columns, 1);
    return page;
}

QWidget* TfrmMain::CreatePageDV()
{
    btnEncodeDV = Button(nullptr, "btnEncodeDV", QStringLiteral("Encode Dolby Vision"));
    auto [page, main] = NewEncoderPage("tsDV", btnEncodeDV);
    tsDV = page;
    QWidget* p = main;

    edPythonDV = FileEdit(p, "edPythonDV", Kind::Open, ExecutableFilter(), QStringLiteral("Python executable"));
    edScriptDV = FileEdit(p, "edScriptDV", Kind::Open, QStringLiteral("Python script (*.py)|*.py"),
                          QStringLiteral("Python script"));
    edDEE = FileEdit(p, "edDEE", Kind::Open, ExecutableFilter(), QStringLiteral("Dolby Encoder Engine"));
    edDEELicense = FileEdit(p, "edDEELicense", Kind::Open, QStringLiteral("License files (*.lic)|*.lic"),
                            QStringLiteral("Dolby Encoder License"));
    edFFMpegDV = FileEdit(p, "edFFMpegDV", Kind::Open, ExecutableFilter(), QStringLiteral("ffmpeg executable"));
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
    cmbFramerateDV = Combo(p, "cmbFramerateDV", {"23.976", "24"}, 1);
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

    auto* v = MainLayout(main);
    auto* files = Grid();
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

QWidget* TfrmMain::CreatePageAudio()
{
    btnAudioEncode = Button(nullptr, "btnAudioEncode", QStringLiteral("Encode with Eac3To"));
    auto [page, main] = NewEncoderPage("tsAudio", btnAudioEncode);
    tsAudio = page;
    QWidget* p = main;

    rbAudEac3To = new QRadioButton(QStringLiteral("Eac3to executable"), p);
    rbAudEac3To->setObjectName(QStringLiteral("rbAudEac3To"));
    rbAudEac3To->setChecked(true);
    rbAudFFMpeg = new QRadioButton(QStringLiteral("FFMpeg executable"), p);
    rbAudFFMpeg->setObjectName(QStringLiteral("rbAudFFMpeg"));
    edAudEac3To = FileEdit(p, "edAudEac3To", Kind::Open, ExecutableFilter(), QStringLiteral("Eac3to executable"));
    edAudFFMpeg = FileEdit(p, "edAudFFMpeg", Kind::Open, ExecutableFilter(), QStringLiteral("FFMpeg executable"));
    edAudFFMpeg->setEnabled(false);
    edAudInput = FileEdit(p, "edAudInput", Kind::Open, {}, QStringLiteral("Input file"));
    btnAudInfo = InfoButton(p, "btnAudInfo");
    edAudOutput = FileEdit(p, "edAudOutput", Kind::Save, kAudioOutputFilter,
                           QStringLiteral("Output file"), QStringLiteral("ac3"));
    cmbAudFrameRate = Combo(p, "cmbAudFrameRate",
                            {"-", "23.976", "24.000", "25.000", "29.970", "50.000", "59.940", "60.000"}, 0);
    cmbAudBitrate = Combo(p, "cmbAudBitrate",
                          {"-", "128", "160", "192", "224", "256", "272", "320", "384", "448", "512",
                           "576", "640", "768", "1536"},
                          0);
    cmbAudSpeed = Combo(p, "cmbAudSpeed", {"-", "slowdown", "speedup", "change to 24"}, 0,
                        QStringLiteral("slowdown: convert 25.000 and 24.000 content to 23.976 fps,\n"
                                       "speedup: convert 23.976 and 24.000 content to 25.000 fps"));
    cmbAudResample = Combo(p, "cmbAudResample", {"-", "48000", "96000"}, 0);
    chbAudDown6 = Check(p, "chbAudDown6", QStringLiteral("Downmix to 6 channels"), false);
    chbAudDown2 = Check(p, "chbAudDown2", QStringLiteral("Downmix to stereo"), false);
    chbAudDown16 = Check(p, "chbAudDown16", QStringLiteral("Downmix to 16 bit"), false);
    chbAudCore = Check(p, "chbAudCore", QStringLiteral("Extract core"), false,
                       QStringLiteral("extract the DTS core of a DTS-HD track"));
    edAudAdditional = new QLineEdit(p);
    edAudAdditional->setObjectName(QStringLiteral("edAudAdditional"));
    chbAudPause = Check(p, "chbAudPause", QStringLiteral("Pause at the end"), true);

    auto* v = MainLayout(main);
    auto* g = Grid();
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

QWidget* TfrmMain::CreatePageInfo()
{
    tsInfo = new QWidget;
    tsInfo->setObjectName(QStringLiteral("tsInfo"));
    mInfo = new QPlainTextEdit(tsInfo);
    mInfo->setObjectName(QStringLiteral("mInfo"));
    mInfo->setReadOnly(true);
    mInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    mInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono(QStringLiteral("Consolas"));
    if (QFontInfo(mono).family() != mono.family())
        mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(11);
    mInfo->setFont(mono);
    auto* v = new QVBoxLayout(tsInfo);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(mInfo);
    return tsInfo;
}
