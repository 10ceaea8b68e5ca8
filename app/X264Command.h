#pragma once
#include <QString>
#include <QStringList>

// What the x264 page contributes to its command lines, as the controls show it.
struct X264Options {
    QString x264Path;
    QString inputPath;
    QString outputPath;
    QString params;          // the parameter memo's text, flattened here
    int tuneIndex = 0;
    QString tune;
    QString bitrate;         // spin-edit texts, passed exactly as typed
    QString maxBitrate;
    QString bufsize;
    bool cbr = false;
    bool keyFramesAuto = true;
    QString keyFrames;
    int frameRateIndex = 0;
    int aspectIndex = 0;
    QString speed;
    int demuxerIndex = 0;
    QString demuxer;
    bool setFps = false;
    bool fakeInterlaced = false;
    bool twoPass = true;
};

// One line, or two for two passes. Empty, with *error set, when a list index lies
// outside its table (a damaged selection must never read past the table).
QStringList X264CommandLines(const X264Options& o, QString* error);
