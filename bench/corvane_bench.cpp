// Drives the real window for bench/run.py; each mode prints its figures on
// standard output, one per line, and fails (exit code 1) when a message box came
// up or a job was not launched, so a refused request never passes for a fast one.
//
//   corvane_bench startup          create the window, show it, end
//   corvane_bench encode N FOLDER  N clicks of each page's encode button
//   corvane_bench probe            an x264 Auto-detect per file path read from stdin
//   corvane_bench info FILE        the first and the second "i" press on FILE
#include "Messages.h"
#include "WindowShown.h"
#include "uMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// Any box is a failed request: noted on stderr and answered No/Cancel.
class NoMessages : public IMessages {
public:
    NoMessages() { SetMessages(this); }
    ~NoMessages() override { SetMessages(nullptr); }
    void Info(const QString& text) override { Note(text); }
    void Warning(const QString& text) override { Note(text); }
    bool AskYesNo(const QString& text) override { return Note(text); }
    bool AskOkCancel(const QString& text) override { return Note(text); }
    bool AskText(const QString& prompt, QString*) override { return Note(prompt); }
    int shown = 0;

private:
    bool Note(const QString& text)
    {
        ++shown;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return false;
    }
};

template <typename W = QWidget>
W* Control(TfrmMain& w, const char* name)
{
    auto* c = w.findChild<W*>(QString::fromLatin1(name));
    if (!c) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return c;
}

long long TimedClick(QAbstractButton* button)
{
    QElapsedTimer t;
    t.start();
    button->click();
    return t.nsecsElapsed();
}

enum class Role { Tool, Input, Output, Folder };

struct Field {
    const char* name;
    Role role;
};

struct Page {
    const char* label;
    const char* page;
    const char* button;
    std::vector<Field> fields;
};

const Page kPages[] = {
    {"x264", "ts264", "btnEncode264",
     {{"edX264", Role::Tool}, {"edInput264", Role::Input}, {"edOutput264", Role::Output}}},
    {"x265", "ts265", "btnEncode265",
     {{"edX265", Role::Tool}, {"edFFmpeg", Role::Tool}, {"edInput265", Role::Input},
      {"edOutput265", Role::Output}}},
    {"dv", "tsDV", "btnEncodeDV",
     {{"edPythonDV", Role::Tool}, {"edScriptDV", Role::Tool}, {"edDEE", Role::Tool},
      {"edDEELicense", Role::Tool}, {"edFFMpegDV", Role::Tool}, {"edInputDV", Role::Input},
      {"edMetadataDV", Role::Input}, {"edOutputBL", Role::Output}, {"edOutputEL", Role::Output},
      {"edTempDV", Role::Folder}}},
    {"audio", "tsAudio", "btnAudioEncode",
     {{"edAudEac3To", Role::Tool}, {"edAudFFMpeg", Role::Tool}, {"edAudInput", Role::Input},
      {"edAudOutput", Role::Output}}},
};

int LinesIn(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
}

// The stand-in terminal notes each launch in CORVANE_BENCH_LAUNCHES once it has
// done its work; a launch may still be starting when its click returns.
bool AllLaunched(int expected)
{
    const QString log = QFile::decodeName(qgetenv("CORVANE_BENCH_LAUNCHES"));
    for (int waited = 0; LinesIn(log) < expected && waited < 30000; ++waited)
        QThread::msleep(1);
    const int got = LinesIn(log);
    if (got != expected)
        std::fprintf(stderr, "%d jobs launched of %d\n", got, expected);
    return got == expected;
}

int Encode(TfrmMain& w, int clicks, const QDir& folder)
{
    NoMessages boxes;
    QFile(folder.filePath(QStringLiteral("tool"))).open(QIODevice::WriteOnly);
    QFile(folder.filePath(QStringLiteral("input.mkv"))).open(QIODevice::WriteOnly);
    int launched = 0;
    for (const Page& p : kPages) {
        Control<QTabWidget>(w, "pcPages")->setCurrentWidget(Control(w, p.page));
        for (const Field& f : p.fields) {
            const QString name = QString::fromLatin1(f.name);
            const QString path = f.role == Role::Tool    ? folder.filePath(QStringLiteral("tool"))
                                 : f.role == Role::Input ? folder.filePath(QStringLiteral("input.mkv"))
                                 : f.role == Role::Folder ? folder.filePath(QStringLiteral("dv-temp"))
                                                          : folder.filePath(name + QStringLiteral(".out"));
            Control<QLineEdit>(w, f.name)->setText(path);
        }
        auto* button = Control<QAbstractButton>(w, p.button);
        // Each click waits, untimed, for the job before it: a click is timed alone,
        // not against the scripts still starting from the clicks before.
        for (int i = 0; i < clicks; ++i) {
            const long long ns = TimedClick(button);
            if (boxes.shown || !AllLaunched(++launched))
                return 1;
            std::printf("%s %lld\n", p.label, ns);
        }
    }
    std::fflush(stdout);
    return 0;
}

int Probe(TfrmMain& w)
{
    NoMessages boxes;
    auto* input = Control<QLineEdit>(w, "edInput264");
    auto* detect = Control<QAbstractButton>(w, "btnAutoDetect264");
    for (std::string line; std::getline(std::cin, line);) {
        input->setText(QString::fromStdString(line));
        const long long ns = TimedClick(detect);
        if (boxes.shown)
            return 1;
        std::printf("%lld\n", ns);
        std::fflush(stdout);
    }
    return 0;
}

int Info(TfrmMain& w, const QString& file)
{
    Control<QLineEdit>(w, "edInput264")->setText(file);
    auto* info = Control<QAbstractButton>(w, "btnInfo264");
    const long long first = TimedClick(info);
    const long long second = TimedClick(info);
    if (Control<QTabWidget>(w, "pcPages")->currentWidget() != Control(w, "tsInfo")) {
        std::fprintf(stderr, "no report on the Info page\n");
        return 1;
    }
    std::printf("first_ns=%lld\nsecond_ns=%lld\n", first, second);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Corvane"));
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    TfrmMain frmMain;
    // The mode is not a page keyword for the window.
    frmMain.SetStartupArguments({});
    if (mode == QLatin1String("startup"))
        return bench::ShowAndEnd(frmMain);

    frmMain.show();
    QApplication::processEvents();
    if (mode == QLatin1String("encode") && args.size() == 3)
        return Encode(frmMain, args[1].toInt(), QDir(args[2]));
    if (mode == QLatin1String("probe"))
        return Probe(frmMain);
    if (mode == QLatin1String("info") && args.size() == 2)
        return Info(frmMain, args[1]);
    std::fprintf(stderr, "usage: corvane_bench startup | encode N FOLDER | probe | info FILE\n");
    return 2;
}
