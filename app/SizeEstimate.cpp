#include "SizeEstimate.h"

#include "DateTimeToolz.h"
#include "NumToolz.h"

QString EstimateSize(const QString& durationText, qint32 bitrate)
{
    try {
        qint64 ticks = 0;
        qint64 seconds = 0;
        if (!TimeCodeToTicks(durationText, 1.0L, false, ticks, seconds))
            return {};
        // The two constants stay apart and in this order: folded into one factor
        // they round some halfway sizes the other way.
        long double size = static_cast<long double>(bitrate) * 0.9L;
        size = size * static_cast<long double>(seconds);
        size = size / 7200.0L;
        const qint64 megabytes = RoundHalfEven(size);
        if (megabytes > 1)
            return GroupDigits(1, true, QStringLiteral(" "), megabytes) + QStringLiteral(" mb");
    } catch (...) {
    }
    return {};
}
