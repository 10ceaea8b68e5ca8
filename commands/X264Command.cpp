#include "X264Command.h"

#include "CommandTable.h"
#include "StrToolz.h"

namespace {

struct FrameRateRow {
    const char* item;
    const char* keyint;
    const char* fps;
};

constexpr std::array<FrameRateRow, 7> kFrameRates = {{{"23.976", "24", "24000/1001"},
                                                      {"24", "24", "24/1"},
                                                      {"25", "25", "25/1"},
                                                      {"29.97", "30", "30000/1001"},
                                                      {"50", "50", "50/1"},
                                                      {"59.94", "60", "60000/1001"},
                                                      {"60", "60", "60/1"}}};

struct AspectRow {
    const char* item;
    const char* sar;
};

constexpr std::array<AspectRow, 2> kAspects = {{{"16:9", "1:1"}, {"4:3 (for 1440x1080)", "4:3"}}};

bool Interlaceable(int frameRateIndex)
{
    return frameRateIndex == 2 || frameRateIndex == 3;
}

// The item at the index, or an empty text with the refusal set.
QString Pick(const QStringList& items, int index, const char* refusal, QString& error)
{
    if (InTable(items, index))
        return items[index];
    if (error.isEmpty())
        error = QString::fromLatin1(refusal);
    return {};
}

} // namespace

QStringList X264DemuxerItems() { return ItemsOf({"auto", "raw", "y4m", "avs", "lavf"}); }
QStringList X264SpeedItems() { return SpeedPresetItems(); }
QStringList X264TuneItems()
{
    return ItemsOf({"-", "film", "animation", "grain", "stillimage", "psnr", "ssim", "fastdecode",
                    "zerolatency"});
}
QStringList X264FrameRateItems() { return ItemsOf(kFrameRates); }
QStringList X264AspectItems() { return ItemsOf(kAspects); }

QString ExtractX264Tune(const QString& params, int* tuneIndex)
{
    QString text = QLatin1Char(' ') + params + QLatin1Char(' ');
    const QStringList tunes = X264TuneItems();
    for (int i = 1; i < tunes.size(); ++i) {
        const QString option = QStringLiteral(" --tune ") + tunes[i] + QLatin1Char(' ');
        if (text.contains(option)) {
            *tuneIndex = i;
            text.replace(option, QStringLiteral(" "));
            break;
        }
    }
    if (text.contains(QStringLiteral(" --tune ")))
        *tuneIndex = 0;
    return TrimBlanks(text);
}

CommandLines X264CommandLines(const X264Options& o, ScriptDialect dialect)
{
    if (!InTable(kFrameRates, o.frameRateIndex))
        return {{}, QStringLiteral("Frame rate not selected.")};
    if (!InTable(kAspects, o.aspectIndex))
        return {{}, QStringLiteral("Aspect ratio not selected.")};
    QString error;
    const QString tune = Pick(X264TuneItems(), o.tuneIndex, "Tune not selected.", error);
    const QString speed = Pick(X264SpeedItems(), o.speedIndex, "Speed/Quality not selected.", error);
    const QString demuxer = Pick(X264DemuxerItems(), o.demuxerIndex, "Demuxer not selected.", error);
    if (!error.isEmpty())
        return {{}, error};
    const FrameRateRow& rate = kFrameRates[o.frameRateIndex];

    QString p = QuotePathFor(dialect, o.x264Path) + QLatin1Char(' ') + FlattenParams(o.params);
    if (o.tuneIndex > 0)
        p += QStringLiteral(" --tune ") + tune;
    p += QStringLiteral(" --bitrate ") + o.bitrate;
    p += QStringLiteral(" --vbv-maxrate ") + o.maxBitrate;
    p += QStringLiteral(" --vbv-bufsize ") + o.bufsize;
    if (o.cbr)
        p += QStringLiteral(" --nal-hrd cbr");
    p += QStringLiteral(" --keyint ");
    p += o.keyFramesAuto ? QString::fromLatin1(rate.keyint)
                         : o.keyFrames + QStringLiteral(" --scenecut 0");
    p += QStringLiteral(" --sar ") + QString::fromLatin1(kAspects[o.aspectIndex].sar);
    p += QStringLiteral(" --preset ") + speed;
    if (o.demuxerIndex > 0)
        p += QStringLiteral(" --demuxer ") + demuxer;
    if (o.setFps)
        p += QStringLiteral(" --fps ") + QString::fromLatin1(rate.fps);
    if (Interlaceable(o.frameRateIndex))
        p += o.fakeInterlaced ? QStringLiteral(" --fake-interlaced") : QStringLiteral(" --tff");

    const QString tail = QuotePathFor(dialect, o.outputPath) + QLatin1Char(' ') + QuotePathFor(dialect, o.inputPath);
    if (o.twoPass)
        return {{p + QStringLiteral(" --pass 1 -o ") + tail, p + QStringLiteral(" --pass 2 -o ") + tail}, {}};
    return {{p + QStringLiteral(" -o ") + tail}, {}};
}
