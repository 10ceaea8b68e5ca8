#include "X264Command.h"

#include "StrToolz.h"

#include <array>

namespace {

struct FrameRateRow {
    const char* keyint;
    const char* fps;
};

// Indexed by the frame-rate list: "23.976", "24", "25", "29.97", "50", "59.94", "60".
constexpr std::array<FrameRateRow, 7> kFrameRates = {{{"24", "24000/1001"},
                                                      {"24", "24/1"},
                                                      {"25", "25/1"},
                                                      {"30", "30000/1001"},
                                                      {"50", "50/1"},
                                                      {"60", "60000/1001"},
                                                      {"60", "60/1"}}};
// Indexed by the aspect list: "16:9", "4:3 (for 1440x1080)".
constexpr std::array<const char*, 2> kSar = {"1:1", "4:3"};

template <typename Table>
bool InTable(const Table& t, int index)
{
    return index >= 0 && index < static_cast<int>(t.size());
}

bool Interlaceable(int frameRateIndex)
{
    return frameRateIndex == 2 || frameRateIndex == 3;
}

} // namespace

QStringList X264CommandLines(const X264Options& o, QString* error)
{
    if (!InTable(kFrameRates, o.frameRateIndex)) {
        *error = QStringLiteral("Frame rate not selected.");
        return {};
    }
    if (!InTable(kSar, o.aspectIndex)) {
        *error = QStringLiteral("Aspect ratio not selected.");
        return {};
    }
    const FrameRateRow& rate = kFrameRates[o.frameRateIndex];

    QString p = QuotePath(o.x264Path) + QLatin1Char(' ') + FlattenParams(o.params);
    if (o.tuneIndex > 0)
        p += QStringLiteral(" --tune ") + o.tune;
    p += QStringLiteral(" --bitrate ") + o.bitrate;
    p += QStringLiteral(" --vbv-maxrate ") + o.maxBitrate;
    p += QStringLiteral(" --vbv-bufsize ") + o.bufsize;
    if (o.cbr)
        p += QStringLiteral(" --nal-hrd cbr");
    p += QStringLiteral(" --keyint ");
    p += o.keyFramesAuto ? QString::fromLatin1(rate.keyint)
                         : o.keyFrames + QStringLiteral(" --scenecut 0");
    p += QStringLiteral(" --sar ") + QString::fromLatin1(kSar[o.aspectIndex]);
    p += QStringLiteral(" --preset ") + o.speed;
    if (o.demuxerIndex > 0)
        p += QStringLiteral(" --demuxer ") + o.demuxer;
    if (o.setFps)
        p += QStringLiteral(" --fps ") + QString::fromLatin1(rate.fps);
    if (Interlaceable(o.frameRateIndex))
        p += o.fakeInterlaced ? QStringLiteral(" --fake-interlaced") : QStringLiteral(" --tff");

    const QString tail = QuotePath(o.outputPath) + QLatin1Char(' ') + QuotePath(o.inputPath);
    if (o.twoPass)
        return {p + QStringLiteral(" --pass 1 -o ") + tail, p + QStringLiteral(" --pass 2 -o ") + tail};
    return {p + QStringLiteral(" -o ") + tail};
}
