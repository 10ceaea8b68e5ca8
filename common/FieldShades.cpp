#include "FieldShades.h"

#include "NumToolz.h"

#include <algorithm>

namespace {

unsigned Channel(quint32 colour, int shift) { return (colour >> shift) & 0xFF; }

} // namespace

quint32 ScaleChannels(quint32 colour, unsigned channels, long double factor)
{
    quint32 result = 0;
    const int shifts[] = {0, 8, 16};
    for (int i = 0; i < 3; ++i) {
        unsigned value = Channel(colour, shifts[i]);
        if (channels & (1u << i)) {
            // Through fixed-point text: 100 * 0.94 must give 94, not 93.
            const qint64 scaled = TruncViaText(8, std::max(value, 16u) * factor);
            value = static_cast<unsigned>(std::min<qint64>(255, scaled));
        }
        result |= value << shifts[i];
    }
    return result;
}

FieldShades ShadesFor(quint32 window)
{
    const unsigned sum = Channel(window, 0) + Channel(window, 8) + Channel(window, 16);
    if (sum > 299)
        return {ScaleChannels(window, kBlue, 0.95L),
                ScaleChannels(ScaleChannels(window, kBlue, 0.97L), kRed, 0.94L),
                ScaleChannels(ScaleChannels(window, kGreen, 0.97L), kRed, 0.94L)};
    return {ScaleChannels(window, kAllChannels, 3.5L),
            ScaleChannels(ScaleChannels(ScaleChannels(window, kRed, 1.0L), kGreen, 3.0L), kBlue, 2.0L),
            ScaleChannels(ScaleChannels(ScaleChannels(window, kRed, 1.0L), kGreen, 2.0L), kBlue, 3.0L)};
}
