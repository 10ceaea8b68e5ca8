#pragma once
// HDR10 static metadata as MediaInfo reports it, turned into x265's
// --master-display and --max-cll values and written into the HDR parameter text.
#include <QString>
#include <QStringList>

// What MediaInfo says of the video stream, each text empty when it says nothing.
struct THdrSourceTexts {
    QString masteringPrimaries; // e.g. "Display P3" or "R: x=0.680000 y=0.320000, G: ..."
    QString masteringLuminance; // e.g. "min: 0.0050 cd/m2, max: 1000 cd/m2"
    QString maxCll;             // e.g. "1000 cd/m2"
    QString maxFall;            // e.g. "400 cd/m2"
};

// MediaInfo's names of those fields, in the order of THdrSourceTexts.
QStringList HdrSourceFieldNames();
THdrSourceTexts HdrSourceTextsFrom(const QStringList& texts);

// "G(x,y)B(x,y)R(x,y)WP(x,y)L(max,min)": chromaticities in 0.00002, luminances in
// 0.0001 cd/m2. Empty when either text is absent or not understood.
QString MasterDisplayValue(const QString& primaries, const QString& luminance);

// "MaxCLL,MaxFALL" in cd/m2, an absent one as 0 (MediaInfo leaves out a zero
// level). Empty when both are absent or one is not understood.
QString MaxCllValue(const QString& maxCll, const QString& maxFall);

// The parameter text with the value of every `option` (as "--opt value" or
// "--opt=value") replaced, quoted when the old value was. An absent option is
// appended after the last non-blank character as `option "value"`. Everything
// else, line breaks included, stays as it was.
QString WithOptionValue(const QString& params, const QString& option, const QString& value);

enum class THdrFromSource {
    Applied,       // both options written
    NoMastering,   // nothing to write: the text is unchanged
    NoLightLevels, // --master-display written, --max-cll left as it was
    Unreadable,    // a value MediaInfo gave is not understood: the text is unchanged
};

struct THdrUpdate {
    THdrFromSource outcome;
    QString params;
};

// The HDR parameter text with the source's mastering display and light levels.
THdrUpdate ApplySourceHdr(const QString& params, const THdrSourceTexts& source);
