#pragma once
// Operating-system services as plain functions. Text is UTF-8 throughout; no Qt,
// so the Windows side builds and tests on its own.
#include <optional>
#include <string>
#include <vector>

namespace sys {

// Starts `file` with `args` in `workingFolder` (empty: inherit) and returns at
// once; the program is never waited for. Windows: ShellExecuteW with the default
// verb and a normal window, the args quoted the way Windows programs split them.
// POSIX: `file` (searched on PATH unless it holds a '/') runs as a program in a
// session of its own, started by a go-between that ends at once so no zombie is left. False with the system's
// reason in *error when it could not be started.
bool ShellOpen(const std::string& file, const std::vector<std::string>& args,
               const std::string& workingFolder, std::string* error);

// The variable's value; empty when it is not set.
std::string GetEnv(const std::string& name);

// The Windows directory as the system gives it (no trailing backslash unless a
// root); empty elsewhere.
std::string WindowsDirectory();

// The system ANSI code page; 65001 (UTF-8) on POSIX.
unsigned AnsiCodePage();
// The code page a new console starts with (the OEM one), in which cmd reads batch
// files; 65001 (UTF-8) on POSIX.
unsigned ConsoleCodePage();
// A text in a code page, or the character that stops it.
struct CodePageText {
    std::string bytes;   // the whole text, when the code page carries every character
    std::string refused; // else the first character it cannot carry (UTF-8), and no bytes
};
// The text in the code page. A character without an exact equivalent there (one
// that would not convert back to itself) refuses the text: its default character
// "?" or a best-fit look-alike would change what the command interpreter reads.
// 65001 carries everything; an unknown code page carries ASCII only.
CodePageText ToCodePage(const std::string& utf8, unsigned codePage);

// The four parts of a file version: major.minor.release.build.
struct FileVersion {
    unsigned major = 0, minor = 0, release = 0, build = 0;
};
// The fixed file version from the file's version resource. POSIX has no such
// resource: always empty there.
std::optional<FileVersion> ReadFileVersion(const std::string& file);

enum class SysColor { Window, ButtonFace };
// The colour as 0xRRGGBB. POSIX: white and a light grey.
unsigned SysColorRgb(SysColor color);

#ifdef _WIN32
// GetTempFileNameW(folder, prefix, 0): creates an empty file
// "<first 3 of prefix><hex>.tmp" in the folder. Empty with *error on failure.
std::string SystemTempFileName(const std::string& folder, const std::string& prefix,
                               std::string* error);
#else
enum class CreateResult { Created, Exists, Failed };
// Creates the file in one step (O_CREAT|O_EXCL|O_NOFOLLOW) with exactly `mode`:
// an existing file or link at the path is never opened or followed.
CreateResult CreateExclusive(const std::string& path, unsigned mode, std::string* error);
// Creates "<folder><prefix><random hex><suffix>" with CreateExclusive, trying new
// names while the name is taken. The path, or empty with *error.
std::string CreateUniqueFile(const std::string& folder, const std::string& prefix,
                             const std::string& suffix, unsigned mode, std::string* error);
// The full path of an executable `program` found on PATH; empty when none.
std::string FindProgram(const std::string& program);
#endif

} // namespace sys
