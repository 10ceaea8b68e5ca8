// QuotePathForSh: the written word, read back by an independent reader of POSIX
// sh words, is the trimmed path, and cannot be taken for anything but a command
// name when it stands first on a line.
#include "FuzzInput.h"
#include "StrToolz.h"
#include "TrimBlanks.h"

#include <optional>
#include <string>

namespace {

bool IsNameStart(char16_t c) { return c == u'_' || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsNameChar(char16_t c) { return IsNameStart(c) || (c >= u'0' && c <= u'9'); }

// An unquoted word that sh reads as a variable assignment or a reserved word.
bool IsAssignmentOrReserved(const std::u16string& word)
{
    static const char16_t* const kReserved[] = {u"if", u"then", u"else", u"elif", u"fi", u"do", u"done",
                                                u"case", u"esac", u"while", u"until", u"for", u"in"};
    for (const char16_t* reserved : kReserved)
        if (word == reserved)
            return true;
    size_t i = 0;
    if (word.empty() || !IsNameStart(word[0]))
        return false;
    while (i < word.size() && IsNameChar(word[i]))
        ++i;
    return i < word.size() && word[i] == u'=';
}

// The word after quote removal, or nothing when sh would not read it as one
// literal word (blanks, operators, expansions, patterns, an open quote).
std::optional<std::u16string> ReadShWord(const std::u16string& s)
{
    static const std::u16string kSpecial = u" \t\n|&;<>()$`\"*?[]#~{}!\\";
    std::u16string word;
    bool quoted = false;
    for (size_t i = 0; i < s.size();) {
        const char16_t c = s[i];
        if (c == u'\'') {
            const size_t end = s.find(u'\'', i + 1);
            if (end == std::u16string::npos)
                return std::nullopt;
            word += s.substr(i + 1, end - i - 1);
            quoted = true;
            i = end + 1;
        } else if (c == u'\\' && i + 1 < s.size() && s[i + 1] != u'\n') {
            word += s[i + 1];
            quoted = true;
            i += 2;
        } else if (kSpecial.find(c) != std::u16string::npos || c < 0x20) {
            return std::nullopt;
        } else {
            word += c;
            ++i;
        }
    }
    if (!quoted && IsAssignmentOrReserved(word))
        return std::nullopt;
    return word;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const QString path = in.Text();
    const std::u16string written = QuotePathForSh(path).toStdU16String();
    const std::u16string trimmed = TrimBlanks(path).toStdU16String();
    if (trimmed.empty()) {
        FUZZ_CHECK(written.empty());
        return 0;
    }
    const std::optional<std::u16string> read = ReadShWord(written);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(*read == trimmed);
    return 0;
}
