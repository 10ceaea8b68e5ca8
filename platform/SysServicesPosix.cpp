#include "SysServices.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <random>
#include <sched.h>
#include <spawn.h>
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

// What the go-between is to start, and the reason it could not.
struct Launch {
    const char* program;
    char* const* argv;
    const posix_spawn_file_actions_t* actions;
    const posix_spawnattr_t* attributes;
    int error;
};

// The go-between: it shares the caller's memory, starts the program and ends, so
// the program goes to init. posix_spawn returns once the program runs, with exec's
// or chdir's reason when it does not.
int GoBetween(void* launch)
{
    auto* l = static_cast<Launch*>(launch);
    pid_t program;
    l->error = posix_spawn(&program, l->program, l->actions, l->attributes, l->argv, environ);
    _exit(0);
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

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    // A session of its own, every signal unblocked and SIGPIPE at its default.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    Launch launch{program.c_str(), argv.data(), &actions, &attributes, 0};

    // Not fork: copying a large process's page tables, twice, took most of an encode
    // click. CLONE_VFORK holds us until the go-between has ended; no handler of ours
    // may run in it meanwhile, so every signal stays blocked until then.
    std::vector<char> stack(64 * 1024);
    sigset_t all, previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child = clone(GoBetween, stack.data() + stack.size(), CLONE_VM | CLONE_VFORK | SIGCHLD, &launch);
    const int cloneError = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (child > 0)
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (child < 0)
        return Fail(error, cloneError);
    if (launch.error != 0)
        return Fail(error, launch.error);
    return true;
}

std::string GetEnv(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

std::string WindowsDirectory() { return {}; }

unsigned AnsiCodePage() { return 65001; }

unsigned ConsoleCodePage() { return 65001; }

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
