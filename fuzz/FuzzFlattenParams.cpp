// FlattenParams against a second, plain implementation of its six steps.
#include "FuzzInput.h"
#include "StrToolz.h"

#include <string>

namespace {

std::u16string ReplaceAll(std::u16string text, const std::u16string& from, const std::u16string& to)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::u16string Flatten(std::u16string text)
{
    text = ReplaceAll(text, u"\r\n", u" ");
    text = ReplaceAll(text, u"\n\r", u" ");
    text = ReplaceAll(text, u"\n", u" ");
    text = ReplaceAll(text, u"\r", u" ");
    size_t first = 0, last = text.size();
    while (first < last && text[first] <= 0x20)
        ++first;
    while (last > first && text[last - 1] <= 0x20)
        --last;
    return ReplaceAll(text.substr(first, last - first), u"  ", u" ");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const QString memo = in.Text();
    const QString flat = FlattenParams(memo);
    FUZZ_CHECK(flat.toStdU16String() == Flatten(memo.toStdU16String()));
    FUZZ_CHECK(!flat.contains(u'\r') && !flat.contains(u'\n'));
    return 0;
}
