#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <shellapi.h>

#include "SysServices.h"
#include "WinDetail.h"

#include <vector>

namespace sys {
namespace win {

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], n);
    return wide;
}

namespace {

// Empty when the code page or the flags are not accepted.
std::string Encode(const std::wstring& wide, unsigned codePage, DWORD flags)
{
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, flags, wide.data(), size, &bytes[0], n, nullptr, nullptr);
    return bytes;
}

// The length of the character at i: a surrogate pair stays whole.
size_t CharLength(const std::wstring& wide, size_t i)
{
    return IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]) ? 2 : 1;
}

// The text in the code page without best fit, since a look-alike (a full-width
// quote becoming '"') could change what the command interpreter reads; false when
// the system had to use the default character.
bool EncodeExactly(const std::wstring& wide, unsigned codePage, std::string* bytes)
{
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return false;
    bytes->assign(static_cast<size_t>(n), '\0');
    BOOL usedDefault = FALSE;
    return WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, &(*bytes)[0], n, nullptr,
                               &usedDefault) == n &&
           !usedDefault;
}

std::string ErrorText(DWORD code)
{
    wchar_t buffer[512];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             code, 0, buffer, 512, nullptr);
    while (n > 0 && (buffer[n - 1] == L'\r' || buffer[n - 1] == L'\n' || buffer[n - 1] == L'.'))
        --n;
    return n ? Narrow(std::wstring(buffer, n)) : "error " + std::to_string(code);
}

bool Fail(std::string* error)
{
    if (error)
        *error = ErrorText(GetLastError());
    return false;
}

} // namespace

std::string Narrow(const std::wstring& wide) { return Encode(wide, CP_UTF8, 0); }

std::wstring ReadGrowing(const std::function<unsigned long(wchar_t*, unsigned long)>& read)
{
    std::wstring buffer(260, L'\0');
    for (;;) {
        const unsigned long n = read(&buffer[0], static_cast<unsigned long>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(n);
    }
}

std::wstring QuoteArg(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return arg;
    // Backslashes count double only before a quote, the closing one included.
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

unsigned ColorRefToRgb(unsigned long colorRef)
{
    return static_cast<unsigned>(((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF));
}

} // namespace win

using namespace win;

bool ShellOpen(const std::string& file, const std::vector<std::string>& args,
               const std::string& workingFolder, std::string* error)
{
    std::wstring params;
    for (const std::string& arg : args)
        params += (params.empty() ? L"" : L" ") + QuoteArg(Widen(arg));
    const std::wstring wideFile = Widen(file);
    const std::wstring folder = Widen(workingFolder);
    const HINSTANCE result =
        ShellExecuteW(nullptr, nullptr, wideFile.c_str(), params.empty() ? nullptr : params.c_str(),
                      folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32 || Fail(error);
}

std::string GetEnv(const std::string& name)
{
    const std::wstring wideName = Widen(name);
    return Narrow(ReadGrowing([&](wchar_t* buffer, unsigned long size) {
        return GetEnvironmentVariableW(wideName.c_str(), buffer, size);
    }));
}

std::string WindowsDirectory()
{
    return Narrow(ReadGrowing([](wchar_t* buffer, unsigned long size) {
        return GetWindowsDirectoryW(buffer, size);
    }));
}

unsigned AnsiCodePage() { return GetACP(); }

unsigned ConsoleCodePage() { return GetOEMCP(); }

CodePageText ToCodePage(const std::string& utf8, unsigned codePage)
{
    if (codePage == CP_UTF8)
        return {utf8, {}};
    if (WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, L"a", 1, nullptr, 0, nullptr, nullptr) == 0)
        codePage = 20127; // not known, or not without best fit: ASCII
    // One character at a time, so the first one the code page cannot carry is known.
    const std::wstring wide = Widen(utf8);
    CodePageText text;
    for (size_t i = 0; i < wide.size();) {
        const std::wstring one = wide.substr(i, CharLength(wide, i));
        std::string bytes;
        if (!EncodeExactly(one, codePage, &bytes))
            return {{}, Narrow(one)};
        text.bytes += bytes;
        i += one.size();
    }
    return text;
}

std::optional<FileVersion> ReadFileVersion(const std::string& file)
{
    const std::wstring name = Widen(file);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &handle);
    if (size == 0)
        return std::nullopt;
    std::vector<unsigned char> block(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(name.c_str(), 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                       HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

unsigned SysColorRgb(SysColor color)
{
    return ColorRefToRgb(GetSysColor(color == SysColor::Window ? COLOR_WINDOW : COLOR_BTNFACE));
}

std::string SystemTempFileName(const std::string& folder, const std::string& prefix, std::string* error)
{
    wchar_t name[MAX_PATH] = {};
    if (GetTempFileNameW(Widen(folder).c_str(), Widen(prefix).c_str(), 0, name) == 0) {
        Fail(error);
        return {};
    }
    return Narrow(name); // cut at its NUL
}

} // namespace sys
