// ParseTimeCode and TimeCodeToTicks on any text at the rates the pages use: they
// raise only EConvertError, and only when asked to; a strict read that succeeds
// gives what the lenient one gives.
#include "DateTimeToolz.h"
#include "FuzzInput.h"
#include "NumToolz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const long double kRates[] = {1.0L, 0.0L, 23.976L, 24000.0L / 1001.0L, 25.0L, 60.0L, -25.0L, 1e30L};
    FuzzInput in(data, size);
    const long double rate = kRates[in.Byte() % (sizeof kRates / sizeof *kRates)];
    const QString text = in.Text();

    TTimeParts parts;
    try {
        ParseTimeCode(text, true, rate, parts);
    } catch (const EConvertError&) {
    }
    ParseTimeCode(text, false, rate, parts); // never raises

    qint64 ticks = 0, frames = 0, looseTicks = 0, looseFrames = 0;
    const bool strict = TimeCodeToTicks(text, rate, false, ticks, frames);
    const bool lenient = TimeCodeToTicks(text, rate, true, looseTicks, looseFrames);
    if (strict)
        FUZZ_CHECK(lenient && ticks == looseTicks && frames == looseFrames);
    return 0;
}
