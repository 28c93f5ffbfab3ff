#include "output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace dewpoint::cli {

namespace {

// The temporary file of the run, for the signal handler: a fixed buffer,
// because a handler may only call async-signal-safe functions.
std::array<char, PATH_MAX + 32> g_temporaryPath{};

extern "C" void RemoveTemporaryAndDie(int signalNumber)
{
    if (g_temporaryPath[0] != '\0')
        unlink(g_temporaryPath.data());
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void Remember(const std::string& path)
{
    const std::size_t length = std::min(path.size(), g_temporaryPath.size() - 1);
    path.copy(g_temporaryPath.data(), length);
    g_temporaryPath.at(length) = '\0';
}

std::string Describe(const std::string& what, const std::string& path)
{
    return "cannot " + what + " '" + path + "': " + std::strerror(errno);
}

}  // namespace

bool SameFile(const std::string& first, const std::string& second)
{
    struct stat a { };
    struct stat b { };
    return stat(first.c_str(), &a) == 0 && stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

OutputFile::~OutputFile()
{
    if (!temporary_.empty()) {
        if (stream_)
            std::fclose(stream_);
        unlink(temporary_.c_str());
        g_temporaryPath[0] = '\0';
    }
}

bool OutputFile::Open(const std::string& path, std::string& error)
{
    if (path == "-") {
        stream_ = stdout;
        return true;
    }
    struct stat existing { };
    const bool exists = stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        // A device or a pipe cannot be replaced: write to it as it is.
        target_ = path;
        stream_ = std::fopen(path.c_str(), "wb");
        ownsStream_ = stream_ != nullptr;
        if (!stream_)
            error = Describe("write to", path);
        return stream_ != nullptr;
    }
    // Through a link, the file it points to is the one replaced.
    target_ = path;
    if (exists) {
        if (char* resolved = realpath(path.c_str(), nullptr)) {
            target_ = resolved;
            std::free(resolved);
        }
    }
    const std::size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";

    std::signal(SIGINT, RemoveTemporaryAndDie);
    std::signal(SIGTERM, RemoveTemporaryAndDie);
    std::signal(SIGHUP, RemoveTemporaryAndDie);
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        error = Describe("create a file in the folder of", path);
        return false;
    }
    temporary_ = pattern;
    Remember(temporary_);
    // The new file gets the old one's permissions, or those a new file gets.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(descriptor, mode);
    stream_ = fdopen(descriptor, "wb");
    if (!stream_) {
        close(descriptor);
        error = Describe("write to", temporary_);
        return false;
    }
    ownsStream_ = true;
    return true;
}

bool OutputFile::Commit(std::string& error)
{
    if (!ownsStream_) {
        if (std::fflush(stream_) == 0)
            return true;
        error = Describe("write to", "standard output");
        return false;
    }
    const bool written = std::fflush(stream_) == 0 && (temporary_.empty() || fsync(fileno(stream_)) == 0);
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!written || !closed) {
        error = Describe("write to", temporary_.empty() ? target_ : temporary_);
        return false;
    }
    if (temporary_.empty())
        return true;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = Describe("replace", target_);
        return false;
    }
    temporary_.clear();
    g_temporaryPath[0] = '\0';
    return true;
}

}  // namespace dewpoint::cli
