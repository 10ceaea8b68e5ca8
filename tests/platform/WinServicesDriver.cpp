// The pure parts of the Windows services, checked without Qt. Cross-compiled by
// CTest; run where a Windows loader (Windows itself or wine) is at hand.
#include "SysServices.h"
#include "WinDetail.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::printf("FAIL: %s\n", what);
        ++failures;
    }
}

void CheckReadGrowing()
{
    // A fake Win32 call holding a value of `length` characters.
    for (const unsigned long length : {0ul, 259ul, 260ul, 1000ul}) {
        const std::wstring value(length, L'v');
        std::vector<unsigned long> sizesSeen;
        const std::wstring got = sys::win::ReadGrowing([&](wchar_t* buffer, unsigned long size) {
            sizesSeen.push_back(size);
            if (size <= length)
                return length + 1;
            value.copy(buffer, length);
            buffer[length] = L'\0';
            return length;
        });
        Check(got == value, "ReadGrowing returns the whole value");
        Check(sizesSeen.front() == 260, "ReadGrowing starts with 260");
        Check(sizesSeen.size() == (length < 260 ? 1u : 2u), "ReadGrowing grows once to the size asked");
    }
}

void CheckQuoteArg()
{
    struct Case {
        const wchar_t* arg;
        const wchar_t* quoted;
    };
    const Case cases[] = {
        {L"mk:@MSITStore:help.chm::/27-%20encoders.html", L"mk:@MSITStore:help.chm::/27-%20encoders.html"},
        {L"", L"\"\""},
        {L"C:\\My Files\\a.mkv", L"\"C:\\My Files\\a.mkv\""},
        {L"C:\\My Dir\\", L"\"C:\\My Dir\\\\\""},
        {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
        {L"a\\\"b", L"\"a\\\\\\\"b\""},
    };
    for (const Case& c : cases)
        Check(sys::win::QuoteArg(c.arg) == c.quoted, "QuoteArg");
}

void CheckText()
{
    const std::string utf8 = "\xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x82\xAC"; // "Łódź €"
    Check(sys::win::Narrow(sys::win::Widen(utf8)) == utf8, "UTF-8 round trip");
    Check(sys::win::Widen(utf8).size() == 6, "Widen gives UTF-16");
    Check(sys::win::ColorRefToRgb(0x00332211ul) == 0x112233u, "COLORREF to RGB");
}

// These call into the system's code-page tables.
void CheckCodePage()
{
    const std::string utf8 = "\xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x82\xAC";
    Check(sys::ToCodePage(utf8, 1252) == "?\xF3" "d? \x80", "1252 with a default character");
    Check(sys::ToCodePage(utf8, 65001) == utf8, "65001 unchanged");
}

} // namespace

int main()
{
    CheckReadGrowing();
    CheckQuoteArg();
    CheckText();
    CheckCodePage();
    std::printf(failures ? "%d failures\n" : "all passed\n", failures);
    return failures ? 1 : 0;
}
