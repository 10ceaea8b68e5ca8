#include "FrameRateDetect.h"

#include <array>

namespace {

// Below this a detected rate is not trusted to pick a list item.
constexpr long double kLowestRate = 20.0L;

// Upper bounds, not included, of the rows before the last; row i is list index i.
// Items: 23.976, 24, 25, 29.97, 50, 59.94, 60.
constexpr std::array kBounds264 = {23.999L, 24.5L, 25.5L, 32.0L, 51.0L, 59.999L};
// Items: 23.976, 24, 25, 50, 59.94, 60 (no 29.97: it falls to 50).
constexpr std::array kBounds265 = {23.999L, 24.5L, 25.5L, 51.5L, 59.999L};
// Items: 23.976, 24.
constexpr std::array kBoundsDV = {23.999L};

template <std::size_t N>
int RowOf(const std::array<long double, N>& bounds, long double rate)
{
    int row = 0;
    while (row < static_cast<int>(N) && !(rate < bounds[row]))
        ++row;
    return row;
}

} // namespace

int DetectedFrameRateIndex(TFrameRateList list, long double rate, int current)
{
    if (!(rate >= kLowestRate)) // NaN included
        return current;
    switch (list) {
    case TFrameRateList::X264: return RowOf(kBounds264, rate);
    case TFrameRateList::X265: return RowOf(kBounds265, rate);
    case TFrameRateList::DV: return RowOf(kBoundsDV, rate);
    }
    return current;
}
