#include "platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace dewpoint::cli::platform {

namespace {

// The temporary file of the run, for the signal handler: a fixed buffer,
// because a handler may only call async-signal-safe functions.
std::array<char, PATH_MAX + 32> g_removedOnInterruption{};

extern "C" void RemoveAndDie(int signalNumber)
{
    if (g_removedOnInterruption[0] != '\0')
        unlink(g_removedOnInterruption.data());
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// The descriptor that /dev/stdout, /dev/fd/N or /proc/self/fd/N names.
std::optional<int> NamedDescriptor(std::string_view path)
{
    if (path == "/dev/stdin")
        return 0;
    if (path == "/dev/stdout")
        return 1;
    if (path == "/dev/stderr")
        return 2;
    for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.substr(0, prefix.size()) != prefix || path.size() == prefix.size())
            continue;
        int descriptor = 0;
        for (const char c : path.substr(prefix.size())) {
            if (c < '0' || c > '9' || descriptor > 100000)
                return std::nullopt;
            descriptor = descriptor * 10 + (c - '0');
        }
        return descriptor;
    }
    return std::nullopt;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Where a chain of symbolic links ends, whether or not that file exists.
std::string FollowLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        std::array<char, PATH_MAX> target{};
        const ssize_t length = readlink(path.c_str(), target.data(), target.size() - 1);
        if (length < 0)
            return path;
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : FolderOf(path).append(next);
    }
    return path;
}

}  // namespace

ClosedStreams PrepareStandardStreams()
{
    std::array<bool, 3> closed{};
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is the one just found closed.
        closed.at(static_cast<std::size_t>(descriptor))
            = open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY) == descriptor;
    }
    return {closed[0], closed[1], closed[2]};
}

std::vector<std::string> Arguments(int argc, char** argv)
{
    return {argv + 1, argv + argc};
}

bool IsTerminal(std::FILE* stream)
{
    return isatty(fileno(stream)) != 0;
}

std::optional<long long> RegularFileSize(std::FILE* stream)
{
    struct stat status { };
    if (fstat(fileno(stream), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return static_cast<long long>(status.st_size);
}

std::FILE* OpenInput(const std::string& path)
{
    return std::fopen(path.c_str(), "rb");
}

bool SameFile(const std::string& first, const std::string& second)
{
    struct stat a { };
    struct stat b { };
    return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

std::string LastErrorText()
{
    return std::strerror(errno);
}

OutputTarget ResolveOutput(const std::string& path)
{
    if (const std::optional<int> descriptor = NamedDescriptor(path))
        return {OutputTarget::Kind::Descriptor, path, *descriptor};
    // Through links, the file they end in is the one replaced, or created.
    std::string target = FollowLinks(path);
    if (char* resolved = realpath(target.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
    struct stat status { };
    if (stat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return {OutputTarget::Kind::Direct, path, -1};
    // The kernel's own files, such as a process's descriptors, are never replaced.
    if (const std::string_view resolved(target); resolved.substr(0, 6) == "/proc/" || resolved.substr(0, 5) == "/dev/")
        return {OutputTarget::Kind::Direct, path, -1};
    return {OutputTarget::Kind::Replace, target, -1};
}

std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporary)
{
    const std::size_t slash = target.rfind('/');
    std::string pattern
        = FolderOf(target) + "." + target.substr(slash == std::string::npos ? 0 : slash + 1) + ".XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        return nullptr;
    temporary = pattern;
    RemoveOnInterruption(temporary);

    // The replaced file keeps its permissions, owner and group. Where the
    // owner cannot be kept, a set-user or set-group bit is not passed on;
    // where not even the group can, neither is the group's access, which
    // would go to another group.
    struct stat existing { };
    mode_t mode = 0;
    if (stat(target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
        if ((existing.st_uid != geteuid() || existing.st_gid != getegid())
            && fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
            mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
            if (fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid) != 0)
                mode &= ~static_cast<mode_t>(S_IRWXG);
        }
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    std::FILE* stream = nullptr;
    if (fchmod(descriptor, mode) == 0)
        stream = fdopen(descriptor, "wb");
    if (!stream) {
        const int error = errno;
        close(descriptor);
        unlink(temporary.c_str());
        ForgetOnInterruption();
        temporary.clear();
        errno = error;
    }
    return stream;
}

std::FILE* OpenDirect(const OutputTarget& target)
{
    if (target.kind == OutputTarget::Kind::Descriptor) {
        const int copy = dup(target.descriptor);
        std::FILE* stream = copy >= 0 ? fdopen(copy, "wb") : nullptr;
        if (copy >= 0 && !stream)
            close(copy);
        return stream;
    }
    return std::fopen(target.path.c_str(), "wb");
}

bool Sync(std::FILE* stream)
{
    return std::fflush(stream) == 0 && fsync(fileno(stream)) == 0;
}

bool Replace(const std::string& temporary, const std::string& target)
{
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        return false;
    // The new name must reach the disk as well as the data.
    const std::string folder = FolderOf(target);
    const int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
    return true;
}

void RemoveOnInterruption(const std::string& path)
{
    const std::size_t length = std::min(path.size(), g_removedOnInterruption.size() - 1);
    path.copy(g_removedOnInterruption.data(), length);
    g_removedOnInterruption.at(length) = '\0';
    static const bool installed = [] {
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
            struct sigaction current { };
            if (sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
                continue;  // ignored on purpose, as under nohup
            struct sigaction action { };
            action.sa_handler = RemoveAndDie;
            sigemptyset(&action.sa_mask);
            sigaction(signalNumber, &action, nullptr);
        }
        return true;
    }();
    static_cast<void>(installed);
}

void ForgetOnInterruption()
{
    g_removedOnInterruption[0] = '\0';
}

}  // namespace dewpoint::cli::platform
