// QuotePathForCmd: a path a Windows file can have (no double quote, no control
// character), written into a batch line, goes through cmd's percent and special
// character phases as one token, even as the command name, and the C runtime's
// argument rules give back the trimmed path. Other texts must merely not crash.
#include "FuzzInput.h"
#include "StrToolz.h"
#include "TrimBlanks.h"

#include <optional>
#include <string>

namespace {

// Batch files: "%%" is one percent sign; a lone one starts an expansion.
std::optional<std::u16string> PercentPhase(const std::u16string& s)
{
    std::u16string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != u'%') {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == u'%') {
            out += u'%';
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// cmd's parser: outside double quotes, operators, the caret, and the delimiters
// that end a command name (blanks ; , =) would break the token; a leading @ is
// taken as echo suppression.
bool OneCommandToken(const std::u16string& s)
{
    static const std::u16string kBreaking = u"&|<>()^ \t;,=";
    if (!s.empty() && s[0] == u'@')
        return false;
    bool inQuotes = false;
    for (const char16_t c : s) {
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (!inQuotes && kBreaking.find(c) != std::u16string::npos)
            return false;
    }
    return !inQuotes;
}

// The C runtime's reading of one argument: 2n backslashes before a quote are n
// and the quote toggles quoting, 2n+1 are n and a literal quote; "" inside quotes
// is a literal quote. A blank outside quotes would start a second argument.
std::optional<std::u16string> CrtArgument(const std::u16string& s)
{
    std::u16string arg;
    bool inQuotes = false;
    for (size_t i = 0; i < s.size();) {
        size_t backslashes = 0;
        while (i < s.size() && s[i] == u'\\') {
            ++backslashes;
            ++i;
        }
        if (i < s.size() && s[i] == u'"') {
            arg.append(backslashes / 2, u'\\');
            if (backslashes % 2) {
                arg += u'"';
            } else if (inQuotes && i + 1 < s.size() && s[i + 1] == u'"') {
                arg += u'"';
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
            ++i;
            continue;
        }
        arg.append(backslashes, u'\\');
        if (i == s.size())
            break;
        if (!inQuotes && (s[i] == u' ' || s[i] == u'\t'))
            return std::nullopt;
        arg += s[i++];
    }
    return arg;
}

bool WindowsCanName(const std::u16string& path)
{
    for (const char16_t c : path)
        if (c == u'"' || c < 0x20)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const QString path = in.Text();
    const std::u16string written = QuotePathForCmd(path).toStdU16String();
    const std::u16string trimmed = TrimBlanks(path).toStdU16String();
    if (!WindowsCanName(trimmed))
        return 0;
    if (trimmed.empty()) {
        FUZZ_CHECK(written.empty());
        return 0;
    }
    const std::optional<std::u16string> line = PercentPhase(written);
    FUZZ_CHECK(line.has_value());
    FUZZ_CHECK(OneCommandToken(*line));
    const std::optional<std::u16string> arg = CrtArgument(*line);
    FUZZ_CHECK(arg.has_value());
    FUZZ_CHECK(*arg == trimmed);
    return 0;
}
