#pragma once
#include "JobScript.h"

#include <QString>
#include <QStringList>

// What the Audio page contributes to its one command line. Lists are carried as
// the index of the chosen item (0 is "-", the option not given).
struct AudioOptions {
    QString eac3toPath;
    QString ffmpegPath;
    QString inputPath;
    QString outputPath;
    int frameRateIndex = 0;
    int bitrateIndex = 0;
    int speedIndex = 0;
    int resampleIndex = 0;
    bool down6 = false;
    bool downStereo = false;
    bool down16 = false;     // eac3to only
    bool core = false;
    QString additional;      // eac3to only, trimmed onto the line
};

// The items of the page's lists, in list order.
QStringList AudioFrameRateItems();
QStringList AudioBitrateItems();
QStringList AudioSpeedItems();
QStringList AudioResampleItems();

// The eac3to line: thirteen pieces joined by single spaces, an unset piece
// keeping its separator. Refused when a list index lies outside its table.
CommandLines Eac3toCommandLines(const AudioOptions& o, ScriptDialect dialect = BuildDialect());

// The ffmpeg line. Refused when a list index lies outside its table.
CommandLines FFMpegAudioCommandLines(const AudioOptions& o, ScriptDialect dialect = BuildDialect());
