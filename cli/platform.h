// The few system calls dewpoint needs, one file per system
// (platform_posix.cpp, platform_windows.cpp). Paths are UTF-8 everywhere.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace dewpoint::cli::platform {

// Which of standard input, output and error were closed when the program
// started. Each closed one is given the null device, so that no file the
// program opens takes its place (and is read as the input, or gets the
// messages).
struct ClosedStreams {
    bool input = false;
    bool output = false;
    bool error = false;
};
ClosedStreams PrepareStandardStreams();

// The program's arguments as UTF-8 (argv as it stands on POSIX).
std::vector<std::string> Arguments(int argc, char** argv);

bool IsTerminal(std::FILE* stream);

// The size of the file behind `stream`, where it is a regular file.
std::optional<long long> RegularFileSize(std::FILE* stream);

std::FILE* OpenInput(const std::string& path);

// The system's device that takes every byte and keeps none.
extern const char* const kNullDevice;

// Up to `size` bytes of `stream`, as many as have arrived, without waiting
// for more: their number, 0 at the end, -1 where reading failed.
long long ReadSome(std::FILE* stream, char* buffer, std::size_t size);

// Whether the two are one and the same regular file, however it was
// named or opened (device and inode; on Windows volume and file index).
bool SameRegularFile(std::FILE* stream, std::FILE* other);
bool SameRegularFile(std::FILE* stream, const std::string& path);

// The last system error as text.
std::string LastErrorText();

// Where the output named OUT goes.
struct OutputTarget {
    enum class Kind {
        Replace,     // a regular file, new or existing: replaced through a temporary file
        Direct,      // a device or a pipe: written to as it is
        Descriptor,  // /dev/stdout, /dev/fd/N: the descriptor itself, never reopened
    } kind
        = Kind::Replace;
    std::string path;  // the file replaced (links followed) or written
    int descriptor = -1;
};
OutputTarget ResolveOutput(const std::string& path);

// Why an existing `target` cannot be replaced as the same file (empty when
// it can, or does not exist): other hard links, another user's file, a
// write-protected one.
std::string WhyNotReplaceable(const std::string& target);

// A new file in the folder of `target`, with the permissions, owner and
// extended attributes of the file it will replace, or those a new file gets
// there. Its path in `temporary`.
std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporary);

// Opens a target that is written to as it is.
std::FILE* OpenDirect(const OutputTarget& target);

// Forces the written bytes to the disk.
bool Sync(std::FILE* stream);

// Puts `temporary` in the place of `target` in one step.
bool Replace(const std::string& temporary, const std::string& target);

// Removes `path` if the program is interrupted (Ctrl+C, a signal that ends
// it) before Forget. Interruptions that were ignored when it started stay
// ignored (nohup).
void RemoveOnInterruption(const std::string& path);
void ForgetOnInterruption();

}  // namespace dewpoint::cli::platform
