#pragma once
// Which item of a page's frame-rate list auto-detect selects for a detected rate.
// Each table sits beside the builder whose list it indexes.

// The frame-rate lists of the x264, x265 and Dolby Vision pages.
enum class TFrameRateList { X264, X265, DV };

// The first row whose bound is above `rate` (the last row when none is); a row
// applies from the previous row's bound, or 20 for the first. A rate below 20,
// 0 included, keeps `current`. Compared in extended precision.
int DetectedFrameRateIndex(TFrameRateList list, long double rate, int current);
