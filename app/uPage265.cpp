// The x265 page's handlers.
#include "TFilenameEdit.h"
#include "TMaskEdit.h"
#include "TSpinEdit.h"
#include "uMain.h"

#include <QLabel>
#include <QPushButton>

void TfrmMain::Connect265()
{
    connect(btnAutoDetect265, &QPushButton::clicked, this, &TfrmMain::btnAutoDetect265Click);
    connect(edTime265, &TMaskEdit::changed, this, &TfrmMain::edTime265Change);
    connect(edBitrate265, &TSpinEdit::changed, this, &TfrmMain::edBitrate265Change);
}

void TfrmMain::btnAutoDetect265Click()
{
    AutoDetectInput(edInput265);
}

void TfrmMain::edTime265Change()
{
    ShowSizeEstimate(edTime265, edBitrate265, lbSize265);
}

void TfrmMain::edBitrate265Change()
{
    ShowSizeEstimate(edTime265, edBitrate265, lbSize265);
}
