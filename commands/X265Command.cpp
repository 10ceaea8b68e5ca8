#include "X265Command.h"

#include "CommandTable.h"
#include "StrToolz.h"

namespace {

struct FrameRateRow {
    const char* item;
    const char* keyint;
    const char* rate;  // after ffmpeg's -r and after x265's --fps
};

constexpr std::array<FrameRateRow, 6> kFrameRates = {{{"23.976", "24", "24000/1001"},
                                                      {"24", "24", "24/1"},
                                                      {"25", "25", "25/1"},
                                                      {"50", "50", "50/1"},
                                                      {"59.94", "60", "60000/1001"},
                                                      {"60", "60", "60/1"}}};

const QString kMarker = QStringLiteral("| x265");

const QString kSdrColour =
    QStringLiteral("--colorprim \"bt709\" --transfer \"bt709\" --colormatrix \"bt709\"");

// The first marker in any case becomes the pipe into the x265 path; later ones stay.
QString PipeIntoX265(QString params, const QString& x265Path, ScriptDialect dialect)
{
    const int at = params.indexOf(kMarker, 0, Qt::CaseInsensitive);
    return params.replace(at, kMarker.size(), QStringLiteral("| ") + QuotePathFor(dialect, x265Path));
}

} // namespace

QStringList X265FrameRateItems() { return ItemsOf(kFrameRates); }
QStringList X265SpeedItems() { return SpeedPresetItems(); }
QStringList X265TuneItems()
{
    return ItemsOf({"-", "animation", "grain", "psnr", "ssim", "fastdecode", "fast-decode",
                    "zerolatency", "zero-latency"});
}

CommandLines X265CommandLines(const X265Options& o, ScriptDialect dialect)
{
    const QString params = FlattenParams(o.params);
    // Only the exact spelling passes, though any spelling is replaced below.
    if (!params.contains(kMarker))
        return {{}, QStringLiteral("\"| x265\" not found in other x265 parameters.")};
    if (!InTable(kFrameRates, o.frameRateIndex))
        return {{}, QStringLiteral("Frame rate not selected.")};
    const QStringList speeds = X265SpeedItems();
    if (!InTable(speeds, o.speedIndex))
        return {{}, QStringLiteral("Speed/Quality not selected.")};
    const QStringList tunes = X265TuneItems();
    if (!InTable(tunes, o.tuneIndex))
        return {{}, QStringLiteral("Tune not selected.")};
    const QString rate = QString::fromLatin1(kFrameRates[o.frameRateIndex].rate);

    QString p = QuotePathFor(dialect, o.ffmpegPath) + QStringLiteral(" -i ") + QuotePathFor(dialect, o.inputPath);
    p += QStringLiteral(" -r ") + rate + QLatin1Char(' ') + PipeIntoX265(params, o.x265Path, dialect);
    if (o.tuneIndex > 0)
        p += QStringLiteral(" --tune ") + tunes[o.tuneIndex];
    p += QStringLiteral(" --bitrate ") + o.bitrate;
    p += QStringLiteral(" --vbv-maxrate ") + o.maxBitrate;
    p += QStringLiteral(" --vbv-bufsize ") + o.bufsize;
    p += QStringLiteral(" --keyint ") + QString::fromLatin1(kFrameRates[o.frameRateIndex].keyint);
    p += QStringLiteral(" --fps ") + rate;
    p += QStringLiteral(" --preset ") + speeds[o.speedIndex];
    p += QLatin1Char(' ') + (o.hdr ? FlattenParams(o.hdrParams) : kSdrColour);

    const QString output = QuotePathFor(dialect, o.outputPath);
    if (o.twoPass)
        return {{p + QStringLiteral(" --pass 1 --output ") + output,
                 p + QStringLiteral(" --pass 2 --output ") + output},
                {}};
    return {{p + QStringLiteral(" --output ") + output}, {}};
}
