#pragma once
#include "FrameRateDetect.h"
#include "MediaProbe.h"

#include "TFormStorage.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TDirectoryEdit;
class TFilenameEdit;
class TMaskEdit;
class TSpinEdit;

// The main window: every page's controls (named as the user-facing design names
// them, so findChild works by name) and the page handlers.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Start-up arguments (page keyword, then paths); taken from the command line
    // unless set before the first showing.
    void SetStartupArguments(const QStringList& args);
    // Selects the page the start-up arguments name, fills its files and runs its
    // auto-detect; the page, or nullptr when the arguments name none. The first
    // showing does this by itself.
    QWidget* ApplyStartupArguments();
    // The encode button of an encoder page; nullptr for any other widget.
    QPushButton* EncodeButtonOf(const QWidget* page) const;
    // Off: closing leaves the stored settings as they were (a run from the command line).
    void SetSaveSettingsOnClose(bool save);
    // The job the current page's encode would run, shown in a dialog (F4).
    void ShowJobScript();

    // ---- shell ----
    QTabWidget* pcPages = nullptr;
    std::unique_ptr<TFormStorage> FormStorage;
    QPushButton* btnCancel = nullptr;

    // ---- x264 page ----
    QWidget* ts264 = nullptr;
    TFilenameEdit* edX264 = nullptr;
    TFilenameEdit* edInput264 = nullptr;
    QPushButton* btnInfo264 = nullptr;
    TFilenameEdit* edOutput264 = nullptr;
    QComboBox* cmbDemuxer = nullptr;
    QComboBox* cmbSpeed264 = nullptr;
    QComboBox* cmbTune264 = nullptr;
    QComboBox* cmbFrameRate264 = nullptr;
    QPushButton* btnAutoDetect264 = nullptr;
    QCheckBox* chbSetFPS = nullptr;
    QCheckBox* chbFakeInterlaced = nullptr;
    QCheckBox* chbKeyFramesAuto = nullptr;
    TSpinEdit* edKeyFrames = nullptr;
    QCheckBox* chbCBR = nullptr;
    TSpinEdit* edBitrate264 = nullptr;
    TSpinEdit* edMaxBitrate264 = nullptr;
    TSpinEdit* edBufsize264 = nullptr;
    QComboBox* cmbAspectRation = nullptr;
    TMaskEdit* edTime264 = nullptr;
    QCheckBox* chb2pass264 = nullptr;
    QCheckBox* chbPause264 = nullptr;
    QLabel* lbSize264 = nullptr;
    QPlainTextEdit* mParams264 = nullptr;
    QPushButton* btnEditParams264 = nullptr;
    QPushButton* btnResetParams264 = nullptr;
    QPushButton* btnEncode264 = nullptr;

    // ---- x265 page ----
    QWidget* ts265 = nullptr;
    TFilenameEdit* edX265 = nullptr;
    TFilenameEdit* edFFmpeg = nullptr;
    TFilenameEdit* edInput265 = nullptr;
    QPushButton* btnInfo265 = nullptr;
    TFilenameEdit* edOutput265 = nullptr;
    QComboBox* cmbSpeed265 = nullptr;
    QComboBox* cmbFramerate265 = nullptr;
    QPushButton* btnAutoDetect265 = nullptr;
    TSpinEdit* edBitrate265 = nullptr;
    TSpinEdit* edMaxBitrate265 = nullptr;
    TSpinEdit* edBufsize265 = nullptr;
    QComboBox* cmbTune265 = nullptr;
    QCheckBox* chbHDR = nullptr;
    QCheckBox* chb2pass265 = nullptr;
    QCheckBox* chbPause265 = nullptr;
    TMaskEdit* edTime265 = nullptr;
    QLabel* lbSize265 = nullptr;
    QPlainTextEdit* mParams265 = nullptr;
    QPushButton* btnResetParams265 = nullptr;
    QPushButton* btnEditParams265 = nullptr;
    QPlainTextEdit* mParamsHDR = nullptr;
    QPushButton* btnResetParamsHDR = nullptr;
    QPushButton* btnEditParamsHDR = nullptr;
    QPushButton* btnHDRFromSource = nullptr;
    QPushButton* btnEncode265 = nullptr;

    // ---- Dolby Vision page ----
    QWidget* tsDV = nullptr;
    TFilenameEdit* edPythonDV = nullptr;
    TFilenameEdit* edScriptDV = nullptr;
    TFilenameEdit* edDEE = nullptr;
    TFilenameEdit* edDEELicense = nullptr;
    TFilenameEdit* edFFMpegDV = nullptr;
    TFilenameEdit* edInputDV = nullptr;
    QPushButton* btnInfoDV = nullptr;
    TFilenameEdit* edMetadataDV = nullptr;
    TFilenameEdit* edOutputBL = nullptr;
    TFilenameEdit* edOutputEL = nullptr;
    TDirectoryEdit* edTempDV = nullptr;
    QComboBox* cmbFramerateDV = nullptr;
    QPushButton* btnAutoDetectDV = nullptr;
    TSpinEdit* edFramesFrom = nullptr;
    TSpinEdit* edFramesTo = nullptr;
    QCheckBox* chb2passDV = nullptr;
    QCheckBox* chbPauseDV = nullptr;
    QPlainTextEdit* mParamsDV = nullptr;
    QPushButton* btnResetParamsDV = nullptr;
    QPushButton* btnEditParamsDV = nullptr;
    QPushButton* btnEncodeDV = nullptr;

    // ---- Audio page ----
    QWidget* tsAudio = nullptr;
    QRadioButton* rbAudEac3To = nullptr;
    QRadioButton* rbAudFFMpeg = nullptr;
    TFilenameEdit* edAudEac3To = nullptr;
    TFilenameEdit* edAudFFMpeg = nullptr;
    TFilenameEdit* edAudInput = nullptr;
    QPushButton* btnAudInfo = nullptr;
    TFilenameEdit* edAudOutput = nullptr;
    QComboBox* cmbAudFrameRate = nullptr;
    QComboBox* cmbAudBitrate = nullptr;
    QComboBox* cmbAudSpeed = nullptr;
    QComboBox* cmbAudResample = nullptr;
    QCheckBox* chbAudDown6 = nullptr;
    QCheckBox* chbAudDown2 = nullptr;
    QCheckBox* chbAudDown16 = nullptr;
    QCheckBox* chbAudCore = nullptr;
    QLineEdit* edAudAdditional = nullptr;
    QCheckBox* chbAudPause = nullptr;
    QPushButton* btnAudioEncode = nullptr;

    // ---- presets on each encoder page's bottom strip (uPresets.cpp) ----
    QComboBox* cmbPreset264 = nullptr;
    QPushButton* btnSavePreset264 = nullptr;
    QPushButton* btnDeletePreset264 = nullptr;
    QComboBox* cmbPreset265 = nullptr;
    QPushButton* btnSavePreset265 = nullptr;
    QPushButton* btnDeletePreset265 = nullptr;
    QComboBox* cmbPresetDV = nullptr;
    QPushButton* btnSavePresetDV = nullptr;
    QPushButton* btnDeletePresetDV = nullptr;
    QComboBox* cmbPresetAudio = nullptr;
    QPushButton* btnSavePresetAudio = nullptr;
    QPushButton* btnDeletePresetAudio = nullptr;

    // ---- Info page ----
    QWidget* tsInfo = nullptr;
    QPlainTextEdit* mInfo = nullptr;

    // MediaInfo's full report on the file in mInfo, the Info page shown; nothing
    // happens for a path that names no existing file or without the library.
    void ShowMediaInfo(const QString& path);

public slots:
    // stored settings
    void btnResetParams264Click();
    void btnResetParams265Click();
    void btnResetParamsHDRClick();
    void btnResetParamsDVClick();

    // shell
    void btnCancelClick();
    void actIdleUpdate();
    void FileNameOnChange();
    void btnEditParams264Click();
    void btnEditParams265Click();
    void btnEditParamsHDRClick();
    void btnEditParamsDVClick();
    void ContextHelp();

    // x264 page
    void btnEncode264Click();
    void cmbFrameRate264Change();
    void chbKeyFramesAutoClick();
    void chbCBRClick();
    void edMaxBitrate264Change();
    void btnAutoDetect264Click();
    void edTime264Change();
    void edBitrate264Change();

    // other pages' auto-detect, run by the start-up arguments
    void btnAutoDetect265Click();
    void btnAutoDetectDVClick();

    // x265 page
    void btnEncode265Click();
    void edMaxBitrate265Change();
    void edTime265Change();
    void edBitrate265Change();
    void btnHDRFromSourceClick();

    // Dolby Vision page
    void btnEncodeDVClick();
    void edTempDVChange();

    // Audio page
    void rbAudioEncoderClick();
    void btnAudioEncodeClick();

    // "i" buttons (uPageInfo.cpp)
    void btnInfo264Click();
    void btnInfo265Click();
    void btnInfoDVClick();
    void btnAudInfoClick();

    // presets, one handler of each kind for every page (uPresets.cpp)
    void PresetOnChange();
    void SavePresetOnClick();
    void DeletePresetOnClick();

protected:
    void showEvent(class QShowEvent* e) override;
    void resizeEvent(class QResizeEvent* e) override;

private:
    // The form: builds every control with its name, caption, hint, items, default
    // and limits (uMainForm.cpp).
    void CreateForm();
    QWidget* CreatePage264();
    QWidget* CreatePage265();
    QWidget* CreatePageDV();
    QWidget* CreatePageAudio();
    QWidget* CreatePageInfo();
    // The preset list and its buttons on each encoder page's strip, between the
    // Close button and the encode button.
    void CreatePresetControls();
    void ConnectPresets();

    void FormCreate();
    // Settings (uSettings.cpp): the memos' defaults, the first-run tool paths, the
    // restore and what follows from it; saving when the window goes.
    void RestoreSettings();
    void FormDestroy();
    void ResetParams(int which);
    void ApplyFieldShades();
    void Connect264();
    void FormShow();
    // Trims the input field and stops when it names no existing file.
    bool AutoDetectInput(QLineEdit* input);
    // What auto-detect shares (uPageInfo.cpp): the probe under the wait cursor,
    // the list selection by the page's table, the duration field.
    static TProbeResult ProbeInput(const QLineEdit* input);
    static void SelectDetectedFrameRate(QComboBox* list, TFrameRateList table, long double rate);
    static void ShowDetectedDuration(TMaskEdit* duration, const TProbeResult& probe);
    void ConnectInfo();
    void ConnectJobPreview();
    // Both fields of a page share one handler body.
    static void ShowSizeEstimate(const TMaskEdit* duration, const TSpinEdit* bitrate, QLabel* size);
    void Connect265();
    void ConnectDV();
    void ConnectAudio();

    QStringList startupArgs_;
    bool argsGiven_ = false;
    bool shown_ = false;
    bool saveSettings_ = true;
};
