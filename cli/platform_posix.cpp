#include "platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

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

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The path and every path its chain of symbolic links leads through, in
// order: the last is where the chain ends, whether or not that file exists.
std::vector<std::string> LinkChain(std::string path)
{
    std::vector<std::string> chain{path};
    for (int hops = 0; hops < 40; ++hops) {
        std::array<char, PATH_MAX> target{};
        const ssize_t length = readlink(path.c_str(), target.data(), target.size() - 1);
        if (length <= 0)
            break;
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : FolderOf(path).append(next);
        chain.push_back(path);
    }
    return chain;
}

// The descriptor of this process that a chain of links reaches through its
// folder of descriptors (/proc/PID/fd, also as /dev/fd, /dev/stdout,
// /proc/self/fd or a link of the user's to one of them), whatever the
// spelling: each hop is judged by its folder's canonical path.
std::optional<int> DescriptorRoute(const std::vector<std::string>& chain)
{
    const std::string processFolder = "/proc/" + std::to_string(getpid());
    for (const std::string& hop : chain) {
        const std::string folder = FolderOf(hop);
        char* canonical = realpath(folder.empty() ? "." : folder.c_str(), nullptr);
        if (!canonical)
            continue;
        const std::string_view resolved(canonical);
        const bool descriptors = resolved == processFolder + "/fd"
            || (resolved.substr(0, processFolder.size() + 6) == processFolder + "/task/" && resolved.size() > 3
                && resolved.substr(resolved.size() - 3) == "/fd");
        std::free(canonical);
        const std::string_view name = std::string_view(hop).substr(folder.size());
        int descriptor = 0;
        const auto [end, status] = std::from_chars(name.data(), name.data() + name.size(), descriptor);
        if (descriptors && status == std::errc() && end == name.data() + name.size())
            return descriptor;
    }
    return std::nullopt;
}

// The standard streams that were closed when the program started, and now
// hold the null device.
std::array<bool, 3> g_closedAtStart{};

bool SameRegularFile(const struct stat& a, const struct stat& b)
{
    return S_ISREG(a.st_mode) && S_ISREG(b.st_mode) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Every extended attribute of `from`, the access control list among them,
// given to the file open as `to`. False where one that carries access or
// meaning cannot be kept; the system's own labels (security.*) are left to
// the system.
bool CopyExtendedAttributes(const std::string& from, int to)
{
    const ssize_t listLength = listxattr(from.c_str(), nullptr, 0);
    if (listLength <= 0)
        return listLength == 0 || errno == ENOTSUP;
    std::string names(static_cast<std::size_t>(listLength), '\0');
    const ssize_t got = listxattr(from.c_str(), names.data(), names.size());
    if (got < 0)
        return false;
    names.resize(static_cast<std::size_t>(got));
    for (std::size_t at = 0; at < names.size();) {
        const std::string name = names.substr(at, names.find('\0', at) - at);
        at += name.size() + 1;
        const ssize_t valueLength = getxattr(from.c_str(), name.c_str(), nullptr, 0);
        std::string value(static_cast<std::size_t>(std::max<ssize_t>(valueLength, 0)), '\0');
        const bool read = valueLength >= 0 && getxattr(from.c_str(), name.c_str(), value.data(), value.size()) >= 0;
        const bool kept = read && fsetxattr(to, name.c_str(), value.data(), value.size(), 0) == 0;
        if (!kept && name.rfind("security.", 0) != 0)
            return false;
    }
    return true;
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
    g_closedAtStart = closed;
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

const char* const kNullDevice = "/dev/null";

std::FILE* OpenInput(const std::string& path)
{
    return std::fopen(path.c_str(), "rb");
}

long long ReadSome(std::FILE* stream, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t got = read(fileno(stream), buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool SameRegularFile(std::FILE* stream, std::FILE* other)
{
    struct stat a { };
    struct stat b { };
    return fstat(fileno(stream), &a) == 0 && fstat(fileno(other), &b) == 0 && SameRegularFile(a, b);
}

bool SameRegularFile(std::FILE* stream, const std::string& path)
{
    struct stat a { };
    struct stat b { };
    return fstat(fileno(stream), &a) == 0 && stat(path.c_str(), &b) == 0 && SameRegularFile(a, b);
}

std::string LastErrorText()
{
    return std::strerror(errno);
}

OutputTarget ResolveOutput(const std::string& path)
{
    const std::vector<std::string> chain = LinkChain(path);
    if (const std::optional<int> descriptor = DescriptorRoute(chain))
        return {OutputTarget::Kind::Descriptor, path, *descriptor};
    // Through links, the file they end in is the one replaced, or created.
    std::string target = chain.back();
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

std::string WhyNotReplaceable(const std::string& target)
{
    struct stat existing { };
    if (stat(target.c_str(), &existing) != 0)
        return {};
    // Replacing would part the file from its other names, give it to this
    // user, or write past its protection: the shell's > would not either.
    if (existing.st_nlink > 1)
        return "it has " + std::to_string(existing.st_nlink - 1)
            + " other hard link(s), which would keep the old table; write to a new file";
    if (geteuid() != 0 && existing.st_uid != geteuid())
        return "it belongs to another user; write to a file of your own";
    if (access(target.c_str(), W_OK) != 0)
        return "it is write-protected; make it writable first, or write to a new file";
    return {};
}

std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporary)
{
    struct stat existing { };
    const bool replacing = stat(target.c_str(), &existing) == 0;
    // A new file is created as the shell's > creates one, so that the system
    // applies the umask or the folder's default access list; a replacement
    // starts private and is given the old file's permissions below.
    const mode_t createMode = replacing ? S_IRUSR | S_IWUSR : 0666;
    // The temporary file's name stays within the system's limit for a name.
    const std::string folder = FolderOf(target);
    const long nameMax = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    const std::size_t kept = static_cast<std::size_t>(nameMax > 0 ? nameMax : NAME_MAX) - 9;
    const std::string prefix = folder + "." + target.substr(folder.size(), kept) + ".";
    std::random_device seed;
    std::mt19937 random(seed());
    int descriptor = -1;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporary = prefix + std::to_string(100000 + random() % 900000);
        descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (descriptor < 0 && errno != EEXIST)
            break;
    }
    if (descriptor < 0) {
        temporary.clear();
        return nullptr;
    }
    RemoveOnInterruption(temporary);

    // The replaced file keeps its owner, group, exact permissions and every
    // extended attribute (its access list among them). Where the owner or
    // the group cannot be kept, set-id bits and the group's access are not
    // passed on, so that no one gains a permission.
    bool preserved = true;
    if (replacing) {
        mode_t mode = existing.st_mode & 07777;
        if ((existing.st_uid != geteuid() || existing.st_gid != getegid())
            && fchown(descriptor, existing.st_uid, existing.st_gid) != 0) {
            mode &= ~static_cast<mode_t>(S_ISUID | S_ISGID);
            if (fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid) != 0)
                mode &= ~static_cast<mode_t>(S_IRWXG);
        }
        preserved = fchmod(descriptor, mode) == 0 && CopyExtendedAttributes(target, descriptor);
    }
    std::FILE* stream = preserved ? fdopen(descriptor, "wb") : nullptr;
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
        if (target.descriptor >= 0 && target.descriptor < 3
            && g_closedAtStart.at(static_cast<std::size_t>(target.descriptor))) {
            errno = EBADF;
            return nullptr;
        }
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
        // Every signal that ends the program and can be caught.
        for (const int signalNumber : {SIGHUP, SIGINT, SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2, SIGXCPU,
                 SIGXFSZ, SIGVTALRM, SIGPROF}) {
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
