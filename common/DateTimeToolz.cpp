#include "DateTimeToolz.h"

#include "NumToolz.h"
#include "TrimBlanks.h"

#include <cmath>

namespace {

void ReadFields(const QString& text, TTimeParts& parts)
{
    // The separators at positions 3 and 6 are not examined.
    parts.hours = ReadInt32(text.mid(0, 2));
    parts.minutes = ReadInt32(text.mid(3, 2));
    parts.seconds = ReadInt32(text.mid(6, 2));
}

void ReadTail(const QString& tail, long double rate, TTimeParts& parts)
{
    if (tail.size() > 3 || tail.startsWith(u'.') || tail.startsWith(u',')) {
        parts.fraction = ReadDecimal(QStringLiteral("0") + DecimalSeparator() + tail.mid(1));
        parts.frames = RoundHalfUp(8, parts.fraction * rate);
    } else {
        parts.frames = ReadInt32(tail.mid(1));
        if (rate == 0)
            throw EConvertError(QStringLiteral("Floating point division by zero"));
        parts.fraction = parts.frames / rate;
    }
}

} // namespace

void ParseTimeCode(const QString& text, bool raise, long double rate, TTimeParts& parts)
{
    parts = TTimeParts{0, 0, 0, 0, 0.0L};
    if (text.isEmpty()) {
        if (raise)
            throw EConvertError(QStringLiteral("Time string is empty"));
        return;
    }
    try {
        ReadFields(text, parts);
    } catch (const EConvertError&) {
        if (raise)
            throw;
    }
    const QString tail = TrimBlanks(text.mid(8));
    if (tail.isEmpty())
        return;
    try {
        ReadTail(tail, rate, parts);
    } catch (const EConvertError&) {
        if (raise)
            throw;
    }
}

bool TimeCodeToTicks(const QString& text, long double rate, bool lenient, qint64& ticks,
                     qint64& frames)
{
    ticks = 0;
    frames = 0;
    TTimeParts parts;
    try {
        ParseTimeCode(text, !lenient, rate, parts);
        const qint64 seconds = (parts.hours * 60 + parts.minutes) * 60 + parts.seconds;
        // A fraction or rate too large for 64 bits makes the text invalid, not an error.
        const qint64 t = RoundHalfUp(8, (seconds + parts.fraction) * 90000.0L);
        frames = RoundHalfEven(seconds * rate + parts.frames);
        ticks = t;
    } catch (...) {
        frames = 0;
        return false;
    }
    return true;
}

void SplitFrameCount(qint32 rate, bool milliseconds, qint64 count, TTimeParts& parts)
{
    const qint64 perHour = qint64(rate) * 3600;
    const qint64 perMinute = qint64(rate) * 60;
    parts.hours = count / perHour;
    qint64 rest = count - parts.hours * perHour;
    parts.minutes = rest / perMinute;
    rest -= parts.minutes * perMinute;
    parts.seconds = rest / rate;
    rest -= parts.seconds * rate;
    parts.frames = milliseconds ? rest * 1000 / rate : rest;
}

QString FormatTimeCode(const TTimeParts& parts, bool withFrames, bool strip)
{
    const auto two = [](qint64 value) { return PadNumber(2, u'0', value); };
    QString text = two(parts.hours) + u':' + two(parts.minutes) + u':' + two(parts.seconds);
    if (withFrames)
        text += u':' + two(parts.frames);
    if (strip) {
        const QString group = QStringLiteral("00:");
        if (text.startsWith(group))
            text.remove(0, group.size());
        if (withFrames && text.startsWith(group))
            text.remove(0, group.size());
        if (text.startsWith(u'0'))
            text.remove(0, 1);
    }
    return text;
}
