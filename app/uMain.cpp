#include "uMain.h"

#include "DesktopServices.h"
#include "FormKit.h"
#include "HelpFile.h"
#include "MessageBox.h"
#include "SizeEstimate.h"
#include "StoredSettings.h"
#include "SysToolz.h"
#include "TFilenameEdit.h"
#include "TrimBlanks.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"

#include <QLabel>

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>

namespace {

// Hints come after 500 ms and stay 5000 ms, for the whole application.
class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 500;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 50;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

// Set before the form is built: a style set afterwards polishes every control again.
void UseHintTimingStyle()
{
    if (!dynamic_cast<HintTimingStyle*>(qApp->style()))
        qApp->setStyle(new HintTimingStyle(qApp->style()->name()));
}

void ApplyHintDuration(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>())
        w->setToolTipDuration(5000);
}

// Tahoma 8 pt where installed, else the platform's sans-serif at the same 11 px.
// A family list rather than a test: asking whether Tahoma is there loaded a font of
// its own, and its fall-backs, before anything was shown.
QFont WindowFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    f.setPixelSize(11);
    return f;
}

void ToggleParamsEdit(QPlainTextEdit* memo, QPushButton* button)
{
    const bool edit = memo->isReadOnly();
    form::SetMemoEditable(memo, edit);
    button->setText(edit ? QStringLiteral("View") : QStringLiteral("Edit"));
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowContextHelpButtonHint),
      startupArgs_(QCoreApplication::arguments().mid(1))
{
    UseHintTimingStyle();
    setFont(WindowFont());
    CreateForm();
    setFixedSize(644, 435);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    SetMessageParent(this);
    SetDefaultMessages(&MessageBoxes());
    FormStorage = std::make_unique<TFormStorage>(this, StoredProperties(), StoredTextNames());
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
    SetMessageParent(nullptr);
}

void TfrmMain::SetStartupArguments(const QStringList& args)
{
    startupArgs_ = args;
}

void TfrmMain::FormCreate()
{
    // Handlers first: restoring a setting runs them as the user's change would.
    for (TFilenameEdit* e : findChildren<TFilenameEdit*>())
        connect(e, &QLineEdit::textChanged, this, &TfrmMain::FileNameOnChange);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmMain::btnCancelClick);
    connect(btnEditParams264, &QPushButton::clicked, this, &TfrmMain::btnEditParams264Click);
    connect(btnEditParams265, &QPushButton::clicked, this, &TfrmMain::btnEditParams265Click);
    connect(btnEditParamsHDR, &QPushButton::clicked, this, &TfrmMain::btnEditParamsHDRClick);
    connect(btnEditParamsDV, &QPushButton::clicked, this, &TfrmMain::btnEditParamsDVClick);
    connect(btnResetParams264, &QPushButton::clicked, this, &TfrmMain::btnResetParams264Click);
    connect(btnResetParams265, &QPushButton::clicked, this, &TfrmMain::btnResetParams265Click);
    connect(btnResetParamsHDR, &QPushButton::clicked, this, &TfrmMain::btnResetParamsHDRClick);
    connect(btnResetParamsDV, &QPushButton::clicked, this, &TfrmMain::btnResetParamsDVClick);
    Connect264();
    Connect265();
    ConnectDV();
    ConnectAudio();
    ConnectInfo();
    ConnectPresets();
    ConnectJobPreview();
    // The Close button's visibility depends on the active page alone, so it is
    // brought up to date when that changes rather than on every idle pass.
    connect(pcPages, &QTabWidget::currentChanged, this, &TfrmMain::actIdleUpdate);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &TfrmMain::ContextHelp);
    desktop::InstallContextHelpHook(this, [this] { ContextHelp(); });

    RestoreSettings();
    // The x264 bitrate limits follow the max bitrate; the values stay as they are.
    edMaxBitrate264Change();
    cmbFrameRate264Change();
    chbKeyFramesAutoClick();

    setWindowTitle(QStringLiteral("Corvane ") +
                   FileVersionText(QCoreApplication::applicationFilePath(), 0));
    ApplyFieldShades();
    ApplyHintDuration(this);
    rbAudioEncoderClick();
}

void TfrmMain::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    ApplyStartupArguments();
}

QWidget* TfrmMain::ApplyStartupArguments()
{
    if (startupArgs_.isEmpty())
        return nullptr;
    struct PageArgs {
        const char* keyword;
        Qt::CaseSensitivity cs;
        QWidget* page;
        QLineEdit* fields[3];
        void (TfrmMain::*autoDetect)();
    };
    const PageArgs rows[] = {
        {"264", Qt::CaseSensitive, ts264, {edInput264, edOutput264, nullptr}, &TfrmMain::btnAutoDetect264Click},
        {"265", Qt::CaseSensitive, ts265, {edInput265, edOutput265, nullptr}, &TfrmMain::btnAutoDetect265Click},
        {"dv", Qt::CaseInsensitive, tsDV, {edInputDV, edOutputBL, edOutputEL}, &TfrmMain::btnAutoDetectDVClick},
        {"audio", Qt::CaseInsensitive, tsAudio, {edAudInput, edAudOutput, nullptr}, nullptr},
    };
    const QString first = startupArgs_.first();
    for (const PageArgs& row : rows) {
        if (first.compare(QLatin1String(row.keyword), row.cs) != 0)
            continue;
        pcPages->setCurrentWidget(row.page);
        for (int i = 0; i < 3 && row.fields[i]; ++i)
            row.fields[i]->setText(startupArgs_.value(i + 1));
        if (startupArgs_.size() >= 2 && row.autoDetect)
            (this->*row.autoDetect)();
        return row.page;
    }
    return nullptr;
}

QPushButton* TfrmMain::EncodeButtonOf(const QWidget* page) const
{
    const std::pair<const QWidget*, QPushButton*> buttons[] = {
        {ts264, btnEncode264}, {ts265, btnEncode265}, {tsDV, btnEncodeDV}, {tsAudio, btnAudioEncode}};
    for (const auto& [p, button] : buttons)
        if (p == page)
            return button;
    return nullptr;
}

void TfrmMain::SetSaveSettingsOnClose(bool save)
{
    saveSettings_ = save;
}

void TfrmMain::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // Over the left end of the current encoder page's bottom strip.
    btnCancel->adjustSize();
    const int h = btnCancel->sizeHint().height();
    btnCancel->setGeometry(8, height() - 2 - form::kStripHeight + (form::kStripHeight - h) / 2,
                           btnCancel->sizeHint().width() + 16, h);
    btnCancel->raise();
}

void TfrmMain::btnCancelClick()
{
    close();
}

void TfrmMain::actIdleUpdate()
{
    const bool visible = pcPages->currentWidget() != tsInfo;
    if (btnCancel->isVisibleTo(this) != visible)
        btnCancel->setVisible(visible);
}

void TfrmMain::FileNameOnChange()
{
    auto* edit = qobject_cast<QLineEdit*>(sender());
    if (edit && edit->text().contains(QLatin1Char('"')))
        edit->setText(QString(edit->text()).remove(QLatin1Char('"')));
}

void TfrmMain::btnEditParams264Click() { ToggleParamsEdit(mParams264, btnEditParams264); }
void TfrmMain::btnEditParams265Click() { ToggleParamsEdit(mParams265, btnEditParams265); }
void TfrmMain::btnEditParamsHDRClick() { ToggleParamsEdit(mParamsHDR, btnEditParamsHDR); }
void TfrmMain::btnEditParamsDVClick() { ToggleParamsEdit(mParamsDV, btnEditParamsDV); }

void TfrmMain::ShowSizeEstimate(const TMaskEdit* duration, const TSpinEdit* bitrate, QLabel* size)
{
    size->setText(EstimateSize(duration->text(), bitrate->value()));
}

bool TfrmMain::AutoDetectInput(QLineEdit* input)
{
    input->setText(TrimBlanks(input->text()));
    return !input->text().isEmpty() && QFileInfo(input->text()).isFile();
}

void TfrmMain::ContextHelp()
{
    OpenHelpTopic(QCoreApplication::applicationFilePath());
}
