// Stands in for a Windows tool under wine: records the arguments the C runtime
// gave it, argv[0] included, as UTF-8 separated by NULs, in a new file of the
// folder named by CORVANE_RECORD. "--codepages" prints the ANSI and OEM code pages.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wcscmp(argv[1], L"--codepages") == 0) {
        std::printf("%u %u\n", GetACP(), GetOEMCP());
        return 0;
    }
    static wchar_t folder[32768];
    const DWORD length = GetEnvironmentVariableW(L"CORVANE_RECORD", folder, 32768);
    if (length == 0 || length >= 32768)
        return 2;
    std::string record;
    for (int i = 0; i < argc; ++i)
        record += Utf8(argv[i]) + '\0';
    // Tools in a pipe run at once: each call gets a file of its own.
    for (unsigned k = 0; k < 1000; ++k) {
        const std::wstring path = std::wstring(folder) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(k) + L".rec";
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        DWORD written = 0;
        const BOOL ok = WriteFile(file, record.data(), DWORD(record.size()), &written, nullptr);
        CloseHandle(file);
        return ok && written == record.size() ? 0 : 3;
    }
    return 4;
}
