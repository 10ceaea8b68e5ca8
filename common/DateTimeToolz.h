#pragma once
// Time codes: HH:MM:SS, optionally followed by a fraction of a second
// (00:00:01.5, 00:00:01,250) or a frame number (00:00:01:12).

#include <QString>
#include <QtGlobal>

struct TTimeParts {
    qint64 hours;
    qint64 minutes;
    qint64 seconds;
    qint64 frames;        // milliseconds when SplitFrameCount runs in milliseconds mode
    long double fraction; // the part of a second after the whole seconds
};

// Splits text into parts; no range is enforced. With raise set, bad text raises
// EConvertError (NumToolz.h): "Time string is empty" or the number reader's message.
// With raise clear it never raises and keeps what could be read, the rest zero.
void ParseTimeCode(const QString& text, bool raise, long double rate, TTimeParts& parts);

// Ticks of 90 kHz and total frames at rate; true when both are valid. Strict
// (lenient clear) rejects any malformed text; lenient takes what could be read.
bool TimeCodeToTicks(const QString& text, long double rate, bool lenient, qint64& ticks,
                     qint64& frames);

// Fills hours, minutes, seconds and frames (or milliseconds) from a frame count at
// a positive integer rate; the fraction is left as it was.
void SplitFrameCount(qint32 rate, bool milliseconds, qint64 count, TTimeParts& parts);

// HH:MM:SS[:FF]; strip drops one leading "00:" group (two with frames) and then
// one leading zero. The fraction is never used.
QString FormatTimeCode(const TTimeParts& parts, bool withFrames, bool strip);
