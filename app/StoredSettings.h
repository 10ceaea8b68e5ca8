#pragma once
#include "TFormStorage.h"

#include <QString>

#include <vector>

class QPlainTextEdit;
class TfrmMain;

// The control properties kept between runs, in the order they are restored and saved.
const std::vector<StoredProperty>& StoredProperties();

// A parameter memo kept as a named value, with the text it starts from and the
// question its Reset button asks.
struct StoredText {
    const char* name;
    QPlainTextEdit* TfrmMain::*memo;
    QString defaultText;
    QString resetQuestion;
};
const std::vector<StoredText>& StoredTexts();
QStringList StoredTextNames();
