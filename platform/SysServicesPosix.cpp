#include "SysServices.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sys {
namespace {

bool Fail(std::string* error, int err)
{
    if (error)
        *error = std::strerror(err);
    return false;
}

bool IsExecutableFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Only async-signal-safe calls from here on: the parent may have threads.
[[noreturn]] void ExitWithError(int reportFd, int err)
{
    (void)!write(reportFd, &err, sizeof err);
    _exit(127);
}

[[noreturn]] void RunProgram(int reportFd, const char* program, char* const* argv, const char* folder)
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &dfl, nullptr);
    if (folder && chdir(folder) != 0)
        ExitWithError(reportFd, errno);
    execv(program, argv);
    ExitWithError(reportFd, errno);
}

// The length of the UTF-8 character at i: its lead byte and continuation bytes.
size_t Utf8CharLength(const std::string& utf8, size_t i)
{
    size_t n = 1;
    while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// One iconv direction, closed with it.
class Converter {
public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter()
    {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // The whole text converted; false when iconv fails on any of it.
    bool Convert(const std::string& text, std::string* out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char buffer[16];
        char* o = buffer;
        size_t outLeft = sizeof buffer;
        const bool done = iconv(cd_, &in, &inLeft, &o, &outLeft) != static_cast<size_t>(-1) &&
                          iconv(cd_, nullptr, nullptr, &o, &outLeft) != static_cast<size_t>(-1);
        out->assign(buffer, static_cast<size_t>(o - buffer));
        return done && inLeft == 0;
    }

private:
    iconv_t cd_;
};

} // namespace

std::string FindProgram(const std::string& program)
{
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return IsExecutableFile(program) ? program : std::string();
    const char* pathVar = std::getenv("PATH");
    const std::string path = pathVar ? pathVar : "/usr/bin:/bin";
    size_t start = 0;
    for (;;) {
        const size_t end = path.find(':', start);
        std::string dir = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + program;
        if (IsExecutableFile(candidate))
            return candidate;
        if (end == std::string::npos)
            return {};
        start = end + 1;
    }
}

bool ShellOpen(const std::string& file, const std::vector<std::string>& args,
               const std::string& workingFolder, std::string* error)
{
    // A path is left to exec, which gives the true reason it cannot run.
    const std::string program = file.find('/') != std::string::npos ? file : FindProgram(file);
    if (program.empty())
        return Fail(error, ENOENT);
    // Everything the children need is made before fork.
    std::vector<std::string> strings{file};
    strings.insert(strings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const char* folder = workingFolder.empty() ? nullptr : workingFolder.c_str();

    // The children write errno here when they fail; exec closes it on success.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return Fail(error, errno);
    const pid_t child = fork();
    if (child < 0) {
        const int err = errno;
        close(report[0]);
        close(report[1]);
        return Fail(error, err);
    }
    if (child == 0) {
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild < 0)
            ExitWithError(report[1], errno);
        if (grandchild > 0)
            _exit(0); // the grandchild goes to init, which reaps it
        RunProgram(report[1], program.c_str(), argv.data(), folder);
    }
    close(report[1]);
    int childError = 0;
    ssize_t got;
    do
        got = read(report[0], &childError, sizeof childError);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    if (got == static_cast<ssize_t>(sizeof childError))
        return Fail(error, childError);
    return true;
}

std::string GetEnv(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

std::string WindowsDirectory() { return {}; }

unsigned AnsiCodePage() { return 65001; }

CodePageText ToCodePage(const std::string& utf8, unsigned codePage)
{
    if (codePage == 65001)
        return {utf8, {}};
    std::string name = "CP" + std::to_string(codePage);
    if (!Converter(name, "UTF-8").ok())
        name = "ASCII";
    Converter to(name, "UTF-8"), back("UTF-8", name);
    // One character at a time, each one checked to come back unchanged as Windows
    // checks without best fit: iconv itself maps some look-alikes (CP932 turns the
    // yen sign into a backslash).
    CodePageText text;
    for (size_t i = 0; i < utf8.size();) {
        const std::string one = utf8.substr(i, Utf8CharLength(utf8, i));
        std::string bytes, again;
        if (!to.Convert(one, &bytes) || !back.Convert(bytes, &again) || again != one)
            return {{}, one};
        text.bytes += bytes;
        i += one.size();
    }
    return text;
}

std::optional<FileVersion> ReadFileVersion(const std::string&) { return std::nullopt; }

unsigned SysColorRgb(SysColor color)
{
    return color == SysColor::Window ? 0xFFFFFFu : 0xF0F0F0u;
}

CreateResult CreateExclusive(const std::string& path, unsigned mode, std::string* error)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        const int err = errno;
        Fail(error, err);
        return err == EEXIST ? CreateResult::Exists : CreateResult::Failed;
    }
    // The umask must not take bits away from the mode asked for.
    if (fchmod(fd, mode) != 0) {
        Fail(error, errno);
        close(fd);
        unlink(path.c_str());
        return CreateResult::Failed;
    }
    close(fd);
    return CreateResult::Created;
}

std::string CreateUniqueFile(const std::string& folder, const std::string& prefix,
                             const std::string& suffix, unsigned mode, std::string* error)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char unique[9];
        std::snprintf(unique, sizeof unique, "%08X", static_cast<unsigned>(random()));
        const std::string path = folder + prefix + unique + suffix;
        switch (CreateExclusive(path, mode, error)) {
        case CreateResult::Created: return path;
        case CreateResult::Exists: continue;
        case CreateResult::Failed: return {};
        }
    }
    Fail(error, EEXIST);
    return {};
}

} // namespace sys
