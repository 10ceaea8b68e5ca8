#include "Batch.h"

#include "JobScript.h"
#include "Messages.h"
#include "Presets.h"
#include "SysToolz.h"
#include "TrimBlanks.h"
#include "uMain.h"

#include <QCoreApplication>
#include <QPushButton>

#include <cstdio>

namespace {

const char* const kUsage =
    "Usage: corvane PAGE INPUT OUTPUT [OUTPUT2] --encode [--preset NAME] [--yes] [--print | --here]\n"
    "       corvane PAGE --list-presets\n"
    "       corvane --help | --version\n"
    "\n"
    "Runs a page's encode with the options saved in the window, without showing it:\n"
    "the stored settings are restored, the preset applied, the files filled in,\n"
    "auto-detect run, and the page's encode button pressed. The stored settings are\n"
    "never changed.\n"
    "\n"
    "PAGE:\n"
    "  264      x264:          INPUT OUTPUT\n"
    "  265      x265:          INPUT OUTPUT\n"
    "  dv       Dolby Vision:  INPUT BASE-LAYER ENHANCEMENT-LAYER\n"
    "  audio    eac3to/ffmpeg: INPUT OUTPUT\n"
    "\n"
    "Options:\n"
    "  --encode   press the page's encode button (required)\n"
    "  --preset NAME\n"
    "             apply the page's preset NAME, saved in the window, over the stored\n"
    "             settings\n"
    "  --list-presets\n"
    "             write the page's presets to standard output, one a line\n"
    "  --yes      answer Yes to the overwrite questions (otherwise No)\n"
    "  --print    write the job script to standard output instead of starting it\n"
    "  --here     run the job in this terminal without the pause, wait for it and\n"
    "             exit with its status\n"
    "  --help     this text\n"
    "  --version  the program's version\n"
    "\n"
    "Messages go to standard error as \"corvane: MESSAGE\". Exit status: 0 the job was\n"
    "started, printed or run; 1 a check stopped it; 2 a usage error.\n";

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int UsageError(const QString& why)
{
    Print(stderr, QStringLiteral("corvane: ") + why + QStringLiteral("\n\n") + QString::fromLatin1(kUsage));
    return 2;
}

// Every message the window would show, as a line on standard error; the overwrite
// questions answered as the command line says.
class ConsoleMessages : public IMessages {
public:
    explicit ConsoleMessages(bool yes) : yes_(yes) { SetMessages(this); }
    ~ConsoleMessages() override { SetMessages(nullptr); }
    void Info(const QString& text) override { Line(text); }
    void Warning(const QString& text) override { Line(text); }
    bool AskYesNo(const QString& text) override
    {
        Line(text + (yes_ ? QStringLiteral(" Yes") : QStringLiteral(" No")));
        return yes_;
    }
    bool AskOkCancel(const QString& text) override
    {
        Line(text + QStringLiteral(" Cancel"));
        return false;
    }
    bool AskText(const QString& prompt, QString*) override
    {
        Line(prompt);
        return false;
    }

private:
    static void Line(const QString& text) { Print(stderr, QStringLiteral("corvane: ") + text + '\n'); }
    bool yes_;
};

struct BatchRequest {
    QStringList startup; // page keyword and paths, as the window takes them
    bool encode = false;
    bool yes = false;
    JobMode mode = JobMode::Launch;
    QString preset; // empty: none
    bool listPresets = false;
};

int PathsWanted(const QString& page, int* most)
{
    *most = page.compare(QLatin1String("dv"), Qt::CaseInsensitive) == 0 ? 3 : 2;
    return 2;
}

QString UnknownPreset(const QString& page, const QString& name)
{
    const QStringList names = PresetNames(page);
    if (names.isEmpty())
        return QStringLiteral("no preset \"%1\": the page %2 has no presets").arg(name, page);
    return QStringLiteral("no preset \"%1\" on the page %2; its presets:\n  ").arg(name, page) +
           names.join(QStringLiteral("\n  "));
}

bool IsPage(const QString& word)
{
    return word == QLatin1String("264") || word == QLatin1String("265") ||
           word.compare(QLatin1String("dv"), Qt::CaseInsensitive) == 0 ||
           word.compare(QLatin1String("audio"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsBatchCommandLine(const QStringList& args)
{
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--")))
            return true;
    return false;
}

int RunBatch(const QStringList& args)
{
    if (args.contains(QLatin1String("--help"))) {
        Print(stdout, QString::fromLatin1(kUsage));
        return 0;
    }
    if (args.contains(QLatin1String("--version"))) {
        Print(stdout, QStringLiteral("Corvane ") +
                          FileVersionText(QCoreApplication::applicationFilePath(), 0) + '\n');
        return 0;
    }

    BatchRequest request;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--preset")) {
            // The next argument is the name, whatever it looks like.
            if (i + 1 == args.size() || TrimBlanks(args[i + 1]).isEmpty())
                return UsageError(QStringLiteral("--preset needs a name"));
            request.preset = TrimBlanks(args[++i]);
        } else if (a == QLatin1String("--list-presets"))
            request.listPresets = true;
        else if (a == QLatin1String("--encode"))
            request.encode = true;
        else if (a == QLatin1String("--yes"))
            request.yes = true;
        else if (a == QLatin1String("--print") || a == QLatin1String("--here")) {
            const JobMode mode = a == QLatin1String("--print") ? JobMode::Print : JobMode::RunHere;
            if (request.mode != JobMode::Launch && request.mode != mode)
                return UsageError(QStringLiteral("--print and --here exclude each other"));
            request.mode = mode;
        } else if (a.startsWith(QLatin1String("--")))
            return UsageError(QStringLiteral("unknown option ") + a);
        else
            request.startup << a;
    }
    if (request.startup.isEmpty() || !IsPage(request.startup.first()))
        return UsageError(request.startup.isEmpty() ? QStringLiteral("no page given")
                                                    : QStringLiteral("unknown page ") + request.startup.first());
    const QString pageKeyword = request.startup.first();
    if (request.listPresets) {
        if (request.startup.size() > 1 || request.encode || !request.preset.isEmpty())
            return UsageError(QStringLiteral("--list-presets takes the page alone"));
        for (const QString& name : PresetNames(pageKeyword))
            Print(stdout, name + '\n');
        return 0;
    }
    int most = 0;
    const int least = PathsWanted(request.startup.first(), &most);
    const int paths = int(request.startup.size()) - 1;
    if (paths < least || paths > most)
        return UsageError(QStringLiteral("the page %1 takes %2 to %3 paths").arg(request.startup.first()).arg(least).arg(most));
    if (!request.encode)
        return UsageError(QStringLiteral("nothing to do without --encode"));
    if (!request.preset.isEmpty() && !PresetNames(pageKeyword).contains(request.preset))
        return UsageError(UnknownPreset(pageKeyword, request.preset));

    const ConsoleMessages messages(request.yes);
    TfrmMain window;
    window.SetSaveSettingsOnClose(false);
    window.SetStartupArguments(request.startup);
    if (!request.preset.isEmpty())
        ApplyPreset(window, pageKeyword, request.preset);
    QWidget* page = window.ApplyStartupArguments();
    const ScopedJobMode mode(request.mode);
    window.EncodeButtonOf(page)->click();
    const JobOutcome& outcome = LastJobOutcome();
    if (!outcome.delivered)
        return 1;
    if (request.mode == JobMode::Print) {
        std::fwrite(outcome.script.constData(), 1, size_t(outcome.script.size()), stdout);
        std::fflush(stdout);
    }
    return request.mode == JobMode::RunHere ? outcome.exitStatus : 0;
}
