#pragma once
// Small media files made by ffmpeg at test time (64x48, one or two seconds, a
// few KB each), for the MediaInfo tests.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace fixtures {

struct Recipe {
    const char* file;
    const char* args; // ffmpeg's output options and input, split at blanks
};

// What Debian's libmediainfo 23.04 says of each is in the tests that use them.
inline const Recipe kRecipes[] = {
    {"p25.mkv", "-f lavfi -i testsrc=size=64x48:rate=25:duration=2 -c:v libx264 -preset ultrafast"},
    {"P25.MKV", "-f lavfi -i testsrc=size=64x48:rate=25:duration=2 -c:v libx264 -preset ultrafast -f matroska"},
    {"p25.mp4", "-f lavfi -i testsrc=size=64x48:rate=25:duration=2 -c:v libx264 -preset ultrafast"},
    {"mbaff.mkv", "-f lavfi -i testsrc=size=64x48:rate=25:duration=2 -c:v libx264 -preset ultrafast "
                  "-flags +ildct+ilme -x264opts tff=1"},
    {"i25.ts", "-f lavfi -i testsrc=size=64x48:rate=25:duration=2 -c:v mpeg2video -flags +ildct+ilme -top 1"},
    {"r23976.mp4", "-f lavfi -i testsrc=size=64x48:rate=24000/1001:duration=1 -c:v libx264 -preset ultrafast"},
    {"r2997.mp4", "-f lavfi -i testsrc=size=64x48:rate=30000/1001:duration=1 -c:v libx264 -preset ultrafast"},
    {"r48.mp4", "-f lavfi -i testsrc=size=64x48:rate=48:duration=1 -c:v libx264 -preset ultrafast"},
    {"r199.mp4", "-f lavfi -i testsrc=size=64x48:rate=199/10:duration=1 -c:v libx264 -preset ultrafast"},
    {"bt2020.mkv", "-f lavfi -i testsrc=size=64x48:rate=25:duration=1 -c:v libx265 -preset ultrafast "
                   "-x265-params log-level=none -color_primaries bt2020 -color_trc smpte2084 -colorspace bt2020nc"},
    {"p3.mkv", "-f lavfi -i testsrc=size=64x48:rate=25:duration=1 -c:v libx265 -preset ultrafast "
               "-x265-params log-level=none:colorprim=smpte432"},
    {"bt709.mkv", "-f lavfi -i testsrc=size=64x48:rate=25:duration=1 -c:v libx265 -preset ultrafast "
                  "-x265-params log-level=none -color_primaries bt709"},
    {"audio.ac3", "-f lavfi -i sine=duration=1 -c:a ac3"},
};

// Makes the named file (one of kRecipes) in folder, once; its path, or empty
// when ffmpeg is missing or fails.
inline QString Make(const QString& folder, const QString& file)
{
    const QString path = QDir(folder).filePath(file);
    if (QFileInfo::exists(path))
        return path;
    for (const Recipe& r : kRecipes) {
        if (file != QLatin1String(r.file))
            continue;
        QProcess ffmpeg;
        ffmpeg.start(QStandardPaths::findExecutable(QStringLiteral("ffmpeg")),
                     QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                                 QStringLiteral("-nostdin"), QStringLiteral("-y")} +
                         QString::fromLatin1(r.args).split(QLatin1Char(' ')) + QStringList{path});
        if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
            return {};
        return path;
    }
    return {};
}

} // namespace fixtures
