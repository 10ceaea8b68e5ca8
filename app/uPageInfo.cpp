// The Info page: MediaInfo's report on the file of an "i" button, and what the
// pages' auto-detect share.
#include "FormKit.h"
#include "FrameRateDetect.h"
#include "MediaInfoDll.h"
#include "MediaProbe.h"
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TTabSheet.h"
#include "uMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace form;

namespace {

// The wait cursor while a library request runs.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

} // namespace

QWidget* TfrmMain::CreatePageInfo()
{
    tsInfo = new TTabSheet(pcPages);
    tsInfo->setObjectName(QStringLiteral("tsInfo"));
    mInfo = new QPlainTextEdit(tsInfo);
    mInfo->setObjectName(QStringLiteral("mInfo"));
    mInfo->setReadOnly(true);
    mInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    mInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* v = new QVBoxLayout(tsInfo);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(mInfo);
    return tsInfo;
}

void TfrmMain::ConnectInfo()
{
    connect(btnInfo264, &QPushButton::clicked, this, &TfrmMain::btnInfo264Click);
    connect(btnInfo265, &QPushButton::clicked, this, &TfrmMain::btnInfo265Click);
    connect(btnInfoDV, &QPushButton::clicked, this, &TfrmMain::btnInfoDVClick);
    connect(btnAudInfo, &QPushButton::clicked, this, &TfrmMain::btnAudInfoClick);
}

// The field's text as it stands, blanks included: a name with blanks around it
// is another name.
void TfrmMain::btnInfo264Click() { ShowMediaInfo(edInput264->text()); }
void TfrmMain::btnInfo265Click() { ShowMediaInfo(edInput265->text()); }
void TfrmMain::btnInfoDVClick() { ShowMediaInfo(edInputDV->text()); }
void TfrmMain::btnAudInfoClick() { ShowMediaInfo(edAudInput->text()); }

void TfrmMain::ShowMediaInfo(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    TWaitCursor wait;
    try {
        if (!LoadMediaInfo(MediaInfoLibraryPath()))
            return;
        TMediaInfoRequest request;
        request.Open(path);
        // The fixed-pitch face is looked up for the first report, not while the
        // page is hidden.
        if (!mInfo->testAttribute(Qt::WA_SetFont)) {
            QFont mono = FixedPitchFont();
            mono.setPixelSize(QFontInfo(font()).pixelSize());
            mInfo->setFont(mono);
        }
        mInfo->setPlainText(request.Inform());
        pcPages->setTabVisible(pcPages->indexOf(tsInfo), true);
        pcPages->setCurrentWidget(tsInfo);
        request.Close();
    } catch (...) {
        // A failed report ends quietly; what was shown stays shown.
    }
}

TProbeResult TfrmMain::ProbeInput(const QLineEdit* input)
{
    TWaitCursor wait;
    return ProbeMedia(input->text());
}

void TfrmMain::SelectDetectedFrameRate(QComboBox* list, TFrameRateList table, long double rate)
{
    list->setCurrentIndex(DetectedFrameRateIndex(table, rate, list->currentIndex()));
}

void TfrmMain::ShowDetectedDuration(TMaskEdit* duration, const TProbeResult& probe)
{
    const QString text = ProbeDurationText(probe);
    if (!text.isEmpty())
        duration->setText(text);
}
