#pragma once
#include "JobScript.h"

#include <QString>
#include <QStringList>

// What the x264 page contributes to its command lines. Lists are carried as the
// index of the chosen item; the builder turns it into text from its own tables.
struct X264Options {
    QString x264Path;
    QString inputPath;
    QString outputPath;
    QString params;          // the parameter memo's text, flattened here
    int tuneIndex = 1;
    QString bitrate;         // spin-edit texts, passed exactly as typed
    QString maxBitrate;
    QString bufsize;
    bool cbr = false;
    bool keyFramesAuto = true;
    QString keyFrames;
    int frameRateIndex = 5;
    int aspectIndex = 0;
    int speedIndex = 5;
    int demuxerIndex = 0;
    bool setFps = false;
    bool fakeInterlaced = false;
    bool twoPass = true;
};

// The items of the page's lists, in list order.
QStringList X264DemuxerItems();
QStringList X264SpeedItems();
QStringList X264TuneItems();
QStringList X264FrameRateItems();
QStringList X264AspectItems();

// The tune option taken out of a stored x264 parameter text. The first tune in
// list order found as " --tune NAME " wins and every such occurrence is removed;
// a " --tune " left after that selects "-" (index 0). tuneIndex is left alone when
// no " --tune " occurs. Returns the trimmed text.
QString ExtractX264Tune(const QString& params, int* tuneIndex);

// One line, or two for two passes, with the paths quoted for the dialect; refused
// when a list index lies outside its table.
CommandLines X264CommandLines(const X264Options& o, ScriptDialect dialect = BuildDialect());
