#include "DVCommand.h"

#include "CommandTable.h"
#include "StrToolz.h"

namespace {

// What stands before the script when no Python is named.
QString NoPythonRunner(ScriptDialect dialect)
{
    // cmd's start takes its first quoted argument as the window title, so an empty
    // title goes first and a quoted script path stays the program. sh has no start:
    // python3 from PATH runs the script in the same terminal.
    return dialect == ScriptDialect::Cmd ? QStringLiteral("start \"\"") : QStringLiteral("python3");
}

} // namespace

// Passed to the script as the text shown, never as a fraction.
QStringList DVFrameRateItems() { return ItemsOf({"23.976", "24"}); }

CommandLines DVCommandLines(const DVOptions& o, ScriptDialect dialect)
{
    const QStringList frameRates = DVFrameRateItems();
    if (!InTable(frameRates, o.frameRateIndex))
        return {{}, QStringLiteral("Frame rate not selected.")};
    const auto path = [dialect](const QString& p) { return QuotePathFor(dialect, p); };

    QString line = TrimBlanks(o.pythonPath).isEmpty() ? NoPythonRunner(dialect) : path(o.pythonPath);
    line += QLatin1Char(' ') + path(o.scriptPath);
    line += QStringLiteral(" --dee ") + path(o.deePath);
    line += QStringLiteral(" --dee-license ") + path(o.licensePath);
    line += QStringLiteral(" --ffmpeg ") + path(o.ffmpegPath);
    line += QStringLiteral(" -i ") + path(o.inputPath);
    line += QStringLiteral(" -m ") + path(o.metadataPath);
    line += QStringLiteral(" -b ") + path(o.baseLayerPath);
    line += QStringLiteral(" -e ") + path(o.enhancementLayerPath);
    line += QStringLiteral(" --fps ") + frameRates[o.frameRateIndex];
    line += QStringLiteral(" -p ") + (o.twoPass ? QLatin1Char('2') : QLatin1Char('1'));
    line += QStringLiteral(" --start ") + o.framesFrom;
    line += QStringLiteral(" --end ") + o.framesTo;
    line += QLatin1Char(' ') + FlattenParams(o.params);
    line += QStringLiteral(" --temp ") + path(o.tempFolder);
    return {{line}, {}};
}
