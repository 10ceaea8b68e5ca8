#include "Messages.h"

#include <cstdio>

namespace {

IMessages* g_installed = nullptr;
IMessages* g_default = nullptr;

// With no window there is nobody to ask: report on standard error, decline.
class StderrMessages : public IMessages {
public:
    void Info(const QString& text) override { Print(text); }
    void Warning(const QString& text) override { Print(text); }
    bool AskYesNo(const QString& text) override { Print(text); return false; }
    bool AskOkCancel(const QString& text) override { Print(text); return false; }
    bool AskText(const QString& prompt, QString*) override { Print(prompt); return false; }

private:
    static void Print(const QString& text)
    {
        std::fprintf(stderr, "corvane: %s\n", text.toLocal8Bit().constData());
    }
};

} // namespace

IMessages& Messages()
{
    static StderrMessages fallback;
    if (g_installed)
        return *g_installed;
    return g_default ? *g_default : fallback;
}

void SetMessages(IMessages* messages) { g_installed = messages; }

void SetDefaultMessages(IMessages* messages) { g_default = messages; }
