#pragma once
#include "JobScript.h"

#include <QString>
#include <QStringList>

// What the x265 page contributes to its command lines: ffmpeg decodes the input
// and pipes raw frames into x265. Lists are carried as the index of the chosen
// item; the builder turns it into text from its own tables.
struct X265Options {
    QString ffmpegPath;
    QString x265Path;
    QString inputPath;
    QString outputPath;
    QString params;          // ffmpeg's output options, the "| x265" marker, x265's input options
    QString hdrParams;       // used instead of the SDR colour flags when hdr is set
    bool hdr = false;
    int frameRateIndex = 0;
    int speedIndex = 5;
    int tuneIndex = 0;
    QString bitrate;         // spin-edit texts, passed exactly as typed
    QString maxBitrate;
    QString bufsize;
    bool twoPass = true;
};

// The items of the page's lists, in list order.
QStringList X265FrameRateItems();
QStringList X265SpeedItems();
QStringList X265TuneItems();

// One line, or two for two passes. Refused when the parameter text holds no
// "| x265" (exact case) or a list index lies outside its table.
CommandLines X265CommandLines(const X265Options& o, ScriptDialect dialect = BuildDialect());
