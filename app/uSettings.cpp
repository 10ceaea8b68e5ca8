// What the window keeps between runs: restoring and saving the stored settings, the
// Reset buttons, the first-run tool paths and the field tints.
#include "DesktopServices.h"
#include "FieldShades.h"
#include "Messages.h"
#include "StoredSettings.h"
#include "StrToolz.h"
#include "TFilenameEdit.h"
#include "X264Command.h"
#include "uMain.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Tool fields and the program each finds on PATH on a first run.
const std::pair<const char*, const char*> kToolsOnPath[] = {
    {"edX264", "x264"},       {"edX265", "x265"},         {"edFFmpeg", "ffmpeg"},
    {"edPythonDV", "python3"}, {"edAudEac3To", "eac3to"},
};

void Tint(QLineEdit* field, quint32 colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    field->setPalette(palette);
}

} // namespace

void TfrmMain::RestoreSettings()
{
    for (const auto& [field, program] : kToolsOnPath)
        findChild<QLineEdit*>(QString::fromLatin1(field))->setText(desktop::ToolOnPath(QString::fromLatin1(program)));

    FormStorage->RestoreFormPlacement();

    // Each memo's text is set once, as every setting lays the whole text out again:
    // the stored text, else the default; the x264 one without its tune.
    for (const StoredText& t : StoredTexts()) {
        const QString stored = FormStorage->GetStoredValue(QString::fromLatin1(t.name)).toString();
        QString text = TrimBlanks(stored).isEmpty() ? t.defaultText : stored;
        if (t.memo == &TfrmMain::mParams264) {
            int tune = cmbTune264->currentIndex();
            text = ExtractX264Tune(text, &tune);
            cmbTune264->setCurrentIndex(tune);
        }
        (this->*t.memo)->setPlainText(text);
    }

    for (QLineEdit* carried : {static_cast<QLineEdit*>(edFFMpegDV), static_cast<QLineEdit*>(edAudFFMpeg)})
        if (TrimBlanks(carried->text()).isEmpty())
            carried->setText(edFFmpeg->text());
}

void TfrmMain::FormDestroy()
{
    if (!saveSettings_)
        return;
    for (const StoredText& t : StoredTexts())
        FormStorage->SetStoredValue(QString::fromLatin1(t.name), FlattenParams((this->*t.memo)->toPlainText()));
    QString error;
    if (!FormStorage->SaveFormPlacement(&error))
        Messages().Warning(error);
}

void TfrmMain::ResetParams(int which)
{
    const StoredText& t = StoredTexts().at(which);
    if (Messages().AskOkCancel(t.resetQuestion))
        (this->*t.memo)->setPlainText(t.defaultText);
}

void TfrmMain::btnResetParams264Click() { ResetParams(0); }
void TfrmMain::btnResetParams265Click() { ResetParams(1); }
void TfrmMain::btnResetParamsHDRClick() { ResetParams(2); }
void TfrmMain::btnResetParamsDVClick() { ResetParams(3); }

void TfrmMain::ApplyFieldShades()
{
    const QColor window = desktop::WindowColour();
    const FieldShades shades = ShadesFor(Rgb(window.red(), window.green(), window.blue()));
    for (QLineEdit* f : {edInput264, edInput265, edInputDV, edAudInput})
        Tint(f, shades.input);
    Tint(edMetadataDV, shades.metadata);
    for (QLineEdit* f : {edOutput264, edOutput265, edOutputBL, edOutputEL, edAudOutput})
        Tint(f, shades.output);
}
