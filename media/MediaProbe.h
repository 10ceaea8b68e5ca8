#pragma once
// Probing a file for auto-detect: frame rate, scan type, HDR gamut and length.
#include "MediaInfoDll.h"

#include <QString>
#include <QtGlobal>

#include <functional>

struct TProbeResult {
    long double frameRate = 0; // frames per second; 0 when the file gives none
    bool interlaced = false;
    bool hdr = false; // BT.2020 or P3 primaries
    qint64 frameCount = 0;
};

// One field of stream 0 of a kind as text, empty when there is none.
using TFieldReader = std::function<QString(TStreamKind kind, const QString& parameter)>;

// Reads colour_primaries, ScanType, FrameRate, Duration and FrameCount in this
// order into `result` (Duration and FrameCount from the general stream when the
// video stream has none); a frame count below 10 gives way to the duration's
// frames when they are more than 10. An error from `get` leaves what was
// gathered. False when the video stream gave no frame rate.
bool ReadProbeFields(const TFieldReader& get, TProbeResult& result);

// The zero result for a path that names no existing file. Otherwise probes it
// through the library and shows "Error getting frame rate." once when there is
// no frame rate or the request failed (library missing included); raises nothing.
TProbeResult ProbeMedia(const QString& path);

// HH:MM:SS of the frame count at the frame rate rounded to a whole number, the
// frames left over dropped; empty unless both are above 10.
QString ProbeDurationText(const TProbeResult& probe);
