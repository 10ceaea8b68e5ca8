// The Dolby Vision page's handlers.
#include "uMain.h"

#include "TFilenameEdit.h"

void TfrmMain::btnAutoDetectDVClick()
{
    AutoDetectInput(edInputDV);
}
