#include "MediaProbe.h"

#include "DateTimeToolz.h"
#include "Messages.h"
#include "NumToolz.h"

#include <QFileInfo>

#include <limits>

namespace {

// Fewer frames than this do not count as a length.
constexpr qint64 kFewFrames = 10;

// A value out of the 64-bit range leaves `target` as it was.
void RoundInto(long double value, qint64& target)
{
    try {
        target = RoundHalfEven(value);
    } catch (const EConvertError&) {
    }
}

QString VideoOrGeneral(const TFieldReader& get, const QString& parameter)
{
    const QString video = get(TStreamKind::Video, parameter);
    return video.isEmpty() ? get(TStreamKind::General, parameter) : video;
}

} // namespace

bool ReadProbeFields(const TFieldReader& get, TProbeResult& result)
{
    const QString primaries = get(TStreamKind::Video, QStringLiteral("colour_primaries"));
    result.hdr = primaries.contains(QLatin1String("2020")) || primaries.contains(QLatin1String(" P3"));

    result.interlaced = get(TStreamKind::Video, QStringLiteral("ScanType")).toLower() == QLatin1String("interlaced");

    const QString rate = get(TStreamKind::Video, QStringLiteral("FrameRate"));
    if (!rate.isEmpty())
        result.frameRate = ParseLooseFloat(rate, 0);

    qint64 durationFrames = 0;
    const QString duration = VideoOrGeneral(get, QStringLiteral("Duration"));
    if (!duration.isEmpty())
        RoundInto(ParseLooseFloat(duration, 0) / 1000 * result.frameRate, durationFrames);

    const QString count = VideoOrGeneral(get, QStringLiteral("FrameCount"));
    if (!count.isEmpty())
        RoundInto(ParseLooseFloat(count, 0), result.frameCount);

    if (result.frameCount < kFewFrames && durationFrames > kFewFrames)
        result.frameCount = durationFrames;
    return !rate.isEmpty();
}

TProbeResult ProbeMedia(const QString& path)
{
    TProbeResult result;
    if (!QFileInfo(path).isFile())
        return result;
    bool gotRate = false;
    try {
        if (LoadMediaInfo(MediaInfoLibraryPath())) {
            TMediaInfoRequest request;
            request.Open(path);
            gotRate = ReadProbeFields([&request](TStreamKind kind, const QString& parameter) {
                return request.Get(kind, parameter);
            }, result);
            request.Close();
        }
    } catch (...) {
        // Whatever went wrong, the user hears of it once, as of a missing frame rate.
        gotRate = false;
    }
    if (!gotRate)
        Messages().Info(QStringLiteral("Error getting frame rate."));
    return result;
}

QString ProbeDurationText(const TProbeResult& probe)
{
    if (probe.frameCount <= kFewFrames || probe.frameRate <= kFewFrames)
        return {};
    qint64 rate = 0;
    RoundInto(probe.frameRate, rate);
    if (rate <= 0 || rate > std::numeric_limits<qint32>::max())
        return {};
    TTimeParts parts{};
    SplitFrameCount(static_cast<qint32>(rate), false, probe.frameCount, parts);
    return FormatTimeCode(parts, false, false);
}
