#pragma once
#include "JobScript.h"

#include <QString>
#include <QStringList>

// What the Dolby Vision page hands to the user's Python script. The frame rate is
// carried as the index of the chosen item; the builder owns the table.
struct DVOptions {
    QString pythonPath;      // empty: the script is run without a named interpreter
    QString scriptPath;
    QString deePath;
    QString licensePath;
    QString ffmpegPath;
    QString inputPath;
    QString metadataPath;
    QString baseLayerPath;
    QString enhancementLayerPath;
    int frameRateIndex = 1;
    bool twoPass = true;
    QString framesFrom;      // spin-edit texts, passed exactly as typed
    QString framesTo;
    QString params;          // the parameter memo's text, flattened here
    QString tempFolder;      // without its trailing delimiter
};

// The items of the page's frame-rate list, in list order.
QStringList DVFrameRateItems();

// One line in the given dialect (paths quoted for it); refused when the frame-rate
// index lies outside its table.
CommandLines DVCommandLines(const DVOptions& o, ScriptDialect dialect);
