// TruncViaText and RoundHalfUp on every 80-bit pattern and number of decimals:
// they raise only EConvertError, and an in-range result is the value truncated
// toward zero, give or take the one that rounding at the decimals may add.
#include "FuzzInput.h"
#include "NumToolz.h"

#include <cmath>

namespace {

void Check(qint64 (*routine)(quint8, long double), quint8 decimals, long double value, long double near)
{
    qint64 result = 0;
    try {
        result = routine(decimals, value);
    } catch (const EConvertError&) {
        // NaN, infinities and values that need the exponent form (18 digits and
        // more) are refused; nothing else.
        FUZZ_CHECK(!(std::fabs(near) < 9.9e17L));
        return;
    }
    FUZZ_CHECK(std::isfinite(near));
    const long double whole = std::trunc(near);
    FUZZ_CHECK(std::fabs(static_cast<long double>(result) - whole) <= 1.0L);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const quint8 decimals = in.Byte();
    const long double value = in.Extended();
    Check(TruncViaText, decimals, value, value);
    Check(RoundHalfUp, decimals, value, value + 0.5L);
    return 0;
}
