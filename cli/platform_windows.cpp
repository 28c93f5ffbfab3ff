#include "platform.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace dewpoint::cli::platform {

namespace {

// Why the last system call failed, in words, for LastErrorText.
std::string g_lastError;

// The temporary file of the run, for the console's Ctrl+C handler, which
// runs on a thread of its own: a fixed buffer.
std::array<wchar_t, 32768> g_removedOnInterruption{};

UINT g_consoleCodePage = 0;

std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Utf8(const std::wstring& text)
{
    const int length
        = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// Records the last Windows error in words; a file another program holds
// open gets words a user can act on.
void RememberSystemError()
{
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_USER_MAPPED_FILE) {
        g_lastError = "it is open in another program, such as a spreadsheet; close it there and try again";
        return;
    }
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    g_lastError = text ? Utf8(text) : "Windows error " + std::to_string(error);
    LocalFree(text);
    while (
        !g_lastError.empty() && (g_lastError.back() == '\n' || g_lastError.back() == '\r' || g_lastError.back() == '.'))
        g_lastError.pop_back();
}

void RememberCrtError()
{
    g_lastError = std::strerror(errno);
}

// The temporary file's handle: an open file cannot be deleted on Windows,
// so Ctrl+C closes it first.
HANDLE g_temporaryHandle = INVALID_HANDLE_VALUE;

BOOL WINAPI RemoveAndStop(DWORD)
{
    if (g_removedOnInterruption[0] != L'\0') {
        if (g_temporaryHandle != INVALID_HANDLE_VALUE)
            CloseHandle(g_temporaryHandle);
        DeleteFileW(g_removedOnInterruption.data());
    }
    return FALSE;  // the default handler ends the program
}

void RestoreConsoleCodePage()
{
    SetConsoleOutputCP(g_consoleCodePage);
}

}  // namespace

ClosedStreams PrepareStandardStreams()
{
    ClosedStreams closed;
    std::array<bool*, 3> flags{&closed.input, &closed.output, &closed.error};
    std::array<std::FILE*, 3> streams{stdin, stdout, stderr};
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const int descriptor = _fileno(streams.at(i));
        if (descriptor >= 0 && _get_osfhandle(descriptor) != -1)
            continue;
        *flags.at(i) = std::freopen("NUL", i == 0 ? "rb" : "wb", streams.at(i)) != nullptr;
    }
    // The user's bytes pass unchanged: no CR is added before LF or taken
    // away. Messages end in LF as on every other system; a console shows them alike.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // A console shows the UTF-8 the program writes ("°C"); redirected
    // output is the same UTF-8 bytes.
    if ((g_consoleCodePage = GetConsoleOutputCP()) != 0 && g_consoleCodePage != CP_UTF8) {
        SetConsoleOutputCP(CP_UTF8);
        std::atexit(RestoreConsoleCodePage);
    }
    return closed;
}

std::vector<std::string> Arguments(int, char**)
{
    // The arguments as Windows holds them, in UTF-16, whatever the code page.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

bool IsTerminal(std::FILE* stream)
{
    return _isatty(_fileno(stream)) != 0;
}

std::optional<long long> RegularFileSize(std::FILE* stream)
{
    struct _stat64 status { };
    if (_fstat64(_fileno(stream), &status) != 0 || (status.st_mode & _S_IFREG) == 0)
        return std::nullopt;
    return static_cast<long long>(status.st_size);
}

const char* const kNullDevice = "NUL";

std::FILE* OpenInput(const std::string& path)
{
    std::FILE* stream = _wfopen(Wide(path).c_str(), L"rb");
    if (!stream)
        RememberCrtError();
    return stream;
}

long long ReadSome(std::FILE* stream, char* buffer, std::size_t size)
{
    const int got = _read(_fileno(stream), buffer, static_cast<unsigned>(std::min<std::size_t>(size, 1U << 30)));
    if (got < 0)
        RememberCrtError();
    return got;
}

namespace {

// A regular file's identity: its volume and index.
bool Identity(HANDLE file, BY_HANDLE_FILE_INFORMATION& information)
{
    return file != INVALID_HANDLE_VALUE && GetFileType(file) == FILE_TYPE_DISK
        && GetFileInformationByHandle(file, &information) != 0
        && (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Identity(std::FILE* stream, BY_HANDLE_FILE_INFORMATION& information)
{
    return Identity(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), information);
}

bool Identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& information)
{
    const HANDLE file
        = CreateFileW(Wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool known = Identity(file, information);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return known;
}

bool Same(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh
        && a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

bool SameRegularFile(std::FILE* stream, std::FILE* other)
{
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    return Identity(stream, a) && Identity(other, b) && Same(a, b);
}

bool SameRegularFile(std::FILE* stream, const std::string& path)
{
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    return Identity(stream, a) && Identity(path, b) && Same(a, b);
}

std::string LastErrorText()
{
    return g_lastError.empty() ? std::string(std::strerror(errno)) : g_lastError;
}

OutputTarget ResolveOutput(const std::string& path)
{
    const std::wstring wide = Wide(path);
    // A device (NUL, CON, a serial port, by whatever name Windows gives it)
    // or a folder is what the path opens as, not how it is spelt.
    const HANDLE existing = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (existing != INVALID_HANDLE_VALUE) {
        BY_HANDLE_FILE_INFORMATION information{};
        const bool regularFile = Identity(existing, information);
        CloseHandle(existing);
        if (!regularFile)
            return {OutputTarget::Kind::Direct, path, -1};
    }
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), length, full.data(), nullptr));
    return {OutputTarget::Kind::Replace, full.empty() ? path : Utf8(full), -1};
}

std::string WhyNotReplaceable(const std::string& target)
{
    const DWORD attributes = GetFileAttributesW(Wide(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return "it is read-only; clear that in its properties first, or write to a new file";
    BY_HANDLE_FILE_INFORMATION information{};
    if (Identity(target, information) && information.nNumberOfLinks > 1)
        return "it has " + std::to_string(information.nNumberOfLinks - 1)
            + " other hard link(s), which would keep the old table; write to a new file";
    return {};
}

std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporary)
{
    const std::size_t slash = target.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // The temporary name stays within the 255 characters of a name.
    std::wstring name = Wide(target.substr(slash == std::string::npos ? 0 : slash + 1));
    name.resize(std::min<std::size_t>(name.size(), 246));
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = folder + "." + Utf8(name) + "."
            + std::to_string((GetTickCount64() * 7919 + GetCurrentProcessId() * 104729 + attempt) % 1000000);
        // Shared for deletion, so that an interruption can remove it even open.
        const HANDLE file = CreateFileW(Wide(candidate).c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            RememberSystemError();
            return nullptr;
        }
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_BINARY | _O_WRONLY);
        std::FILE* stream = descriptor >= 0 ? _fdopen(descriptor, "wb") : nullptr;
        if (!stream) {
            RememberCrtError();
            descriptor >= 0 ? _close(descriptor) : CloseHandle(file);
            DeleteFileW(Wide(candidate).c_str());
            return nullptr;
        }
        temporary = candidate;
        RemoveOnInterruption(temporary);
        g_temporaryHandle = file;
        return stream;
    }
    RememberSystemError();
    return nullptr;
}

std::FILE* OpenDirect(const OutputTarget& target)
{
    std::FILE* stream = _wfopen(Wide(target.path).c_str(), L"wb");
    if (!stream)
        RememberCrtError();
    return stream;
}

bool Sync(std::FILE* stream)
{
    return std::fflush(stream) == 0 && _commit(_fileno(stream)) == 0;
}

bool Replace(const std::string& temporary, const std::string& target)
{
    if (MoveFileExW(Wide(temporary).c_str(), Wide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (GetLastError() == ERROR_ACCESS_DENIED) {
        // Windows says "access denied" also for a file another program holds
        // open: asking for it with the access a replacement needs tells the
        // two apart, by a sharing violation.
        const HANDLE held = CreateFileW(Wide(target).c_str(), DELETE,
            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
            SetLastError(ERROR_ACCESS_DENIED);
        }
    }
    RememberSystemError();
    return false;
}

void RemoveOnInterruption(const std::string& path)
{
    const std::wstring wide = Wide(path);
    const std::size_t length = std::min(wide.size(), g_removedOnInterruption.size() - 1);
    wide.copy(g_removedOnInterruption.data(), length);
    g_removedOnInterruption.at(length) = L'\0';
    static const bool installed = SetConsoleCtrlHandler(RemoveAndStop, TRUE) != 0;
    static_cast<void>(installed);
}

void ForgetOnInterruption()
{
    g_temporaryHandle = INVALID_HANDLE_VALUE;
    g_removedOnInterruption[0] = L'\0';
}

}  // namespace dewpoint::cli::platform
