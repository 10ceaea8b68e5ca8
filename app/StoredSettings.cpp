#include "StoredSettings.h"

#include "DefaultParams.h"
#include "uMain.h"

const std::vector<StoredProperty>& StoredProperties()
{
    static const std::vector<StoredProperty> rows = {
        {"edX264", "Text"},                   // 1
        {"cmbDemuxer", "ItemIndex"},
        {"cmbFrameRate264", "ItemIndex"},
        {"chbSetFPS", "Checked"},
        {"chbFakeInterlaced", "Checked"},     // 5
        {"cmbSpeed264", "ItemIndex"},
        {"edBitrate264", "Value"},
        {"edMaxBitrate264", "Value"},
        {"edBufsize264", "Value"},
        {"cmbAspectRation", "ItemIndex"},  // 10
        {"edTime264", "Text"},
        {"chb2pass264", "Checked"},
        {"edX265", "Text"},
        {"edFFmpeg", "Text"},
        {"cmbFramerate265", "ItemIndex"},  // 15
        {"cmbSpeed265", "ItemIndex"},
        {"edBitrate265", "Value"},
        {"edMaxBitrate265", "Value"},
        {"edBufsize265", "Value"},
        {"chb2pass265", "Checked"},           // 20
        {"chbHDR", "Checked"},
        {"chbPause264", "Checked"},
        {"chbPause265", "Checked"},
        {"edTime265", "Text"},
        {"chb2passDV", "Checked"},            // 25
        {"chbPauseDV", "Checked"},
        {"cmbFramerateDV", "ItemIndex"},
        {"edDEE", "Text"},
        {"edDEELicense", "Text"},
        {"edFFMpegDV", "Text"},               // 30
        {"edFramesFrom", "Value"},
        {"edFramesTo", "Value"},
        {"edInputDV", "Text"},
        {"edMetadataDV", "Text"},
        {"edOutputBL", "Text"},               // 35
        {"edOutputEL", "Text"},
        {"edPythonDV", "Text"},
        {"edScriptDV", "Text"},
        {"edTempDV", "Text"},
        {"chbCBR", "Checked"},                // 40
        {"chbKeyFramesAuto", "Checked"},
        {"edKeyFrames", "Value"},
        {"cmbTune264", "ItemIndex"},
        {"cmbTune265", "ItemIndex"},
        {"rbAudEac3To", "Checked"},           // 45
        {"rbAudFFMpeg", "Checked"},
        {"edAudEac3To", "Text"},
        {"edAudFFMpeg", "Text"},
        {"edAudAdditional", "Text"},
        {"cmbAudBitrate", "ItemIndex"},    // 50
        {"chbAudPause", "Checked"},
    };
    return rows;
}

const std::vector<StoredText>& StoredTexts()
{
    static const std::vector<StoredText> rows = {
        {"OtherParams", &TfrmMain::mParams264, kDefaultParams264,
         QStringLiteral("Reset other x264 parameters to default?")},
        {"OtherParams265", &TfrmMain::mParams265, kDefaultParams265,
         QStringLiteral("Reset other x265 parameters to default?")},
        {"OtherParamsHDR", &TfrmMain::mParamsHDR, kDefaultParamsHDR,
         QStringLiteral("Reset HDR x265 parameters to default?")},
        {"OtherParamsDV", &TfrmMain::mParamsDV, kDefaultParamsDV,
         QStringLiteral("Reset other DV parameters to default?")},
    };
    return rows;
}

QStringList StoredTextNames()
{
    QStringList names;
    for (const StoredText& t : StoredTexts())
        names << QString::fromLatin1(t.name);
    return names;
}
