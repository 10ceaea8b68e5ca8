// The Windows services, checked without Qt. Cross-compiled by CTest with the
// program's own version resource linked in; run under Windows itself or wine.
// Arguments: the version the resource must carry ("1.0.0.1") and a folder for
// temporary names.
#include "CodePageCases.h"
#include "LibraryLoader.h"
#include "SysServices.h"
#include "WinDetail.h"

#include <windows.h>

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
    for (const CodePageCase& c : kCodePageCases) {
        const sys::CodePageText text = sys::ToCodePage(c.text, c.codePage);
        Check(text.bytes == c.bytes && text.refused == c.refused, (std::string("ToCodePage: ") + c.name).c_str());
    }
}

void CheckEnvironment()
{
    const std::wstring longValue(1000, L'\u00e9');
    SetEnvironmentVariableW(L"CORVANE_TEST_VAR", longValue.c_str());
    Check(sys::GetEnv("CORVANE_TEST_VAR") == sys::win::Narrow(longValue), "GetEnv past 260 characters");
    SetEnvironmentVariableW(L"CORVANE_TEST_VAR", nullptr);
    Check(sys::GetEnv("CORVANE_TEST_VAR").empty(), "GetEnv of an unset variable");
    Check(!sys::WindowsDirectory().empty(), "WindowsDirectory");
}

void CheckTempFileName(const std::string& folder)
{
    std::string error;
    const std::string name = sys::SystemTempFileName(folder, "x264", &error);
    const std::string file = name.substr(name.find_last_of("\\/") + 1);
    Check(file.rfind("x26", 0) == 0, "temporary name keeps three prefix characters");
    Check(file.size() > 4 && file.compare(file.size() - 4, 4, ".tmp") == 0, "temporary name ends in .tmp");
    Check(GetFileAttributesW(sys::win::Widen(name).c_str()) != INVALID_FILE_ATTRIBUTES,
          "the system created the temporary file");
    DeleteFileW(sys::win::Widen(name).c_str());
    Check(sys::SystemTempFileName(folder + "\\no such folder", "x264", &error).empty() && !error.empty(),
          "a missing folder gives an error");
}

void CheckVersion(const std::string& expected)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const auto v = sys::ReadFileVersion(sys::win::Narrow(self));
    Check(v.has_value(), "the version resource is read");
    if (v) {
        const std::string text = std::to_string(v->major) + "." + std::to_string(v->minor) + "." +
                                 std::to_string(v->release) + "." + std::to_string(v->build);
        Check(text == expected, "the version resource carries the project version");
    }
    Check(!sys::ReadFileVersion(sys::WindowsDirectory() + "\\no-such-file.exe"), "no file, no version");
}

void CheckLibraryLoader()
{
    std::string error;
    const sys::LibraryHandle kernel = sys::LoadLibraryFile("kernel32.dll", &error);
    Check(kernel != nullptr, "LoadLibraryFile loads a system library by name");
    Check(sys::LibrarySymbol(kernel, "GetProcAddress") != nullptr, "LibrarySymbol finds an export");
    Check(sys::LibrarySymbol(kernel, "NoSuchExport") == nullptr, "LibrarySymbol of a missing name");
    Check(!sys::LoadLibraryFile(sys::WindowsDirectory() + "\\no such library.dll", &error) && !error.empty(),
          "a missing library gives an error");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::printf("usage: WinServicesDriver VERSION TEMP_FOLDER\n");
        return 2;
    }
    CheckReadGrowing();
    CheckQuoteArg();
    CheckText();
    CheckCodePage();
    CheckEnvironment();
    CheckTempFileName(argv[2]);
    CheckVersion(argv[1]);
    CheckLibraryLoader();
    std::printf(failures ? "%d failures\n" : "all passed\n", failures);
    return failures ? 1 : 0;
}
