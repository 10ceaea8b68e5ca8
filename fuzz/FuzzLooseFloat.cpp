// ParseLooseFloat never raises and gives a finite number or the default; digits
// alone read as their value.
#include "FuzzInput.h"
#include "NumToolz.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const QString text = in.Text();
    const long double kDefault = -7.25L;
    const long double value = ParseLooseFloat(text, kDefault);
    FUZZ_CHECK(std::isfinite(value));

    // Up to 18 ASCII digits and blanks: the exact integer.
    QString digits = text;
    digits.remove(u' ').remove(u'\t').remove(QChar(0x00A0));
    bool allDigits = !digits.isEmpty() && digits.size() <= 18;
    long double expected = 0;
    for (const QChar c : digits) {
        allDigits = allDigits && c >= u'0' && c <= u'9';
        expected = expected * 10 + (c.unicode() - u'0');
    }
    if (allDigits)
        FUZZ_CHECK(value == expected);
    return 0;
}
