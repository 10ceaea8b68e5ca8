#pragma once
// The background tints of the file fields, derived from the window colour so that
// they follow a light or a dark scheme. Colours are 0x00BBGGRR, as Windows keeps them.
#include <QtGlobal>

enum ColourChannel : unsigned { kRed = 1, kGreen = 2, kBlue = 4, kAllChannels = 7 };

// Each selected channel becomes min(255, trunc(max(value, 16) * factor)); the others
// keep their value. Products truncate as exact decimal arithmetic does.
quint32 ScaleChannels(quint32 colour, unsigned channels, long double factor);

struct FieldShades {
    quint32 input;
    quint32 metadata;
    quint32 output;
};

// The three tints for a window colour: light when its channels add up to 300 or more.
FieldShades ShadesFor(quint32 windowColour);

inline quint32 Rgb(unsigned red, unsigned green, unsigned blue) { return red | (green << 8) | (blue << 16); }
