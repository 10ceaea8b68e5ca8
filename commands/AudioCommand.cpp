#include "AudioCommand.h"

#include "CommandTable.h"
#include "StrToolz.h"

namespace {

enum Speed { kNoSpeed, kSlowdown, kSpeedup, kChangeTo24 };

struct SpeedRow {
    const char* item;
    const char* tempoTarget; // the frame rate the audio is brought to, for ffmpeg's atempo
};

constexpr std::array<SpeedRow, 4> kSpeeds = {{{"-", ""},
                                              {"slowdown", "23.976"},
                                              {"speedup", "25"},
                                              {"change to 24", "24"}}};

// The tempo numerator when no source frame rate is chosen.
const char* const kDefaultSourceRate = "23.976";

// The chosen items of the four lists, each checked against its table.
struct Picked {
    QString frameRate, bitrate, speed, resample;
    QString refusal;
};

Picked PickLists(const AudioOptions& o)
{
    Picked p;
    const struct {
        QStringList items;
        int index;
        const char* label;
        QString* text;
    } lists[] = {{AudioFrameRateItems(), o.frameRateIndex, "Frame rate", &p.frameRate},
                 {AudioBitrateItems(), o.bitrateIndex, "Bitrate", &p.bitrate},
                 {AudioSpeedItems(), o.speedIndex, "Change speed", &p.speed},
                 {AudioResampleItems(), o.resampleIndex, "Resample", &p.resample}};
    for (const auto& list : lists) {
        if (!InTable(list.items, list.index)) {
            p.refusal = QString::fromLatin1(list.label) + QStringLiteral(" not selected.");
            return p;
        }
        *list.text = list.items[list.index];
    }
    return p;
}

QString PieceIf(bool present, const QString& text) { return present ? text : QString(); }

// The output's extension as ffmpeg's codec name: after the last dot of the file
// name, lower-cased; "wav" needs no codec, so it counts as none.
QString OutputExtension(const QString& outputPath, ScriptDialect dialect)
{
    const QChar delimiter = dialect == ScriptDialect::Cmd ? QLatin1Char('\\') : QLatin1Char('/');
    const QString name = outputPath.mid(outputPath.lastIndexOf(delimiter) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1).toLower();
    return ext == QLatin1String("wav") ? QString() : ext;
}

} // namespace

QStringList AudioFrameRateItems()
{
    return ItemsOf({"-", "23.976", "24.000", "25.000", "29.970", "50.000", "59.940", "60.000"});
}
QStringList AudioBitrateItems()
{
    return ItemsOf({"-", "128", "160", "192", "224", "256", "272", "320", "384", "448", "512", "576",
                    "640", "768", "1536"});
}
QStringList AudioSpeedItems() { return ItemsOf(kSpeeds); }
QStringList AudioResampleItems() { return ItemsOf({"-", "48000", "96000"}); }

CommandLines Eac3toCommandLines(const AudioOptions& o, ScriptDialect dialect)
{
    const Picked p = PickLists(o);
    if (!p.refusal.isEmpty())
        return {{}, p.refusal};
    const bool speed = o.speedIndex == kSlowdown || o.speedIndex == kSpeedup;
    const QStringList pieces = {
        QuotePathFor(dialect, o.eac3toPath),
        QuotePathFor(dialect, o.inputPath),
        QuotePathFor(dialect, o.outputPath),
        PieceIf(o.frameRateIndex > 0, QLatin1Char('-') + p.frameRate),
        PieceIf(o.bitrateIndex > 0, QLatin1Char('-') + p.bitrate),
        PieceIf(speed, QLatin1Char('-') + p.speed),
        PieceIf(o.speedIndex == kChangeTo24, QStringLiteral("-changeTo24.000")),
        PieceIf(o.resampleIndex > 0, QStringLiteral("-resampleTo") + p.resample),
        PieceIf(o.down6, QStringLiteral("-down6")),
        PieceIf(o.downStereo, QStringLiteral("-downStereo")),
        PieceIf(o.down16, QStringLiteral("-down16")),
        PieceIf(o.core, QStringLiteral("-core")),
        TrimBlanks(o.additional)};
    return {{pieces.join(QLatin1Char(' '))}, {}};
}

CommandLines FFMpegAudioCommandLines(const AudioOptions& o, ScriptDialect dialect)
{
    const Picked p = PickLists(o);
    if (!p.refusal.isEmpty())
        return {{}, p.refusal};

    QString line = QuotePathFor(dialect, o.ffmpegPath) + QStringLiteral(" -i ") + QuotePathFor(dialect, o.inputPath);
    const QString ext = OutputExtension(o.outputPath, dialect);
    // Quoted like the path it comes from, so an odd name cannot break the line.
    if (!o.core && !ext.isEmpty())
        line += QStringLiteral(" -acodec ") + QuotePathFor(dialect, ext);

    const QString core = PieceIf(o.core, QStringLiteral("-bsf:a dca_core -c:a copy"));
    for (const QString& piece : {PieceIf(o.bitrateIndex > 0, QStringLiteral("-b:a ") + p.bitrate + QLatin1Char('k')),
                                 PieceIf(o.resampleIndex > 0, QStringLiteral("-osr ") + p.resample),
                                 PieceIf(o.down6, QStringLiteral("-ac 6")),
                                 PieceIf(o.downStereo, QStringLiteral("-ac 2")), core})
        line += QLatin1Char(' ') + piece;

    if (o.speedIndex > kNoSpeed) {
        // atempo above 1 shortens the audio, so the factor is target over source:
        // slowed-down video gets longer audio.
        const QString source = o.frameRateIndex > 0 ? p.frameRate : QString::fromLatin1(kDefaultSourceRate);
        if (!core.isEmpty())
            line += QLatin1Char(' ');
        line += QStringLiteral("-af \"atempo=") + QString::fromLatin1(kSpeeds[o.speedIndex].tempoTarget) +
                QLatin1Char('/') + source + QLatin1Char('"');
    }
    return {{line + QLatin1Char(' ') + QuotePathFor(dialect, o.outputPath)}, {}};
}
