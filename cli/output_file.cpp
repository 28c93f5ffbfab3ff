#include "output_file.h"

#include "platform.h"

namespace dewpoint::cli {

namespace {

std::string Describe(const std::string& what, const std::string& path)
{
    return "cannot " + what + " '" + path + "': " + platform::LastErrorText();
}

}  // namespace

OutputFile::~OutputFile()
{
    if (ownsStream_ && stream_)
        std::fclose(stream_);
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        platform::ForgetOnInterruption();
    }
}

bool OutputFile::Open(const std::string& path, std::string& error)
{
    if (path == "-") {
        stream_ = stdout;
        return true;
    }
    shownName_ = path;
    const platform::OutputTarget target = platform::ResolveOutput(path);
    if (target.kind != platform::OutputTarget::Kind::Replace) {
        stream_ = platform::OpenDirect(target);
        ownsStream_ = stream_ != nullptr;
        if (!stream_)
            error = Describe("write to", path);
        return stream_ != nullptr;
    }
    target_ = target.path;
    if (const std::string why = platform::WhyNotReplaceable(target_); !why.empty()) {
        error = "cannot replace '" + path + "': " + why;
        return false;
    }
    stream_ = platform::CreateTemporaryBeside(target_, temporary_);
    if (!stream_) {
        error = Describe("create a file in the folder of", path);
        return false;
    }
    ownsStream_ = true;
    return true;
}

bool OutputFile::IsTheFileOf(std::FILE* input) const
{
    return target_.empty() ? platform::SameRegularFile(input, stream_) : platform::SameRegularFile(input, target_);
}

bool OutputFile::Commit(std::string& error)
{
    if (!ownsStream_) {
        if (std::fflush(stream_) == 0 && std::ferror(stream_) == 0)
            return true;
        error = Describe("write to", shownName_);
        return false;
    }
    const bool written
        = std::ferror(stream_) == 0 && (temporary_.empty() ? std::fflush(stream_) == 0 : platform::Sync(stream_));
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!written || !closed) {
        error = Describe("write to", shownName_);
        return false;
    }
    if (temporary_.empty())
        return true;
    if (!platform::Replace(temporary_, target_)) {
        error = Describe("replace", shownName_);
        return false;
    }
    temporary_.clear();
    platform::ForgetOnInterruption();
    return true;
}

}  // namespace dewpoint::cli
