// Writing the converted table so that the named file is either complete or
// untouched: the rows go to a temporary file beside it, which replaces it
// only once everything has been written.
#pragma once

#include <cstdio>
#include <string>

namespace dewpoint::cli {

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Removes the temporary file if Commit was not reached.
    ~OutputFile();

    // Opens `path` for writing ("-" for standard output). A regular file (or
    // a new one) is written through a temporary file in the same folder;
    // anything else, a terminal, a pipe or /dev/stdout, directly. False with
    // `error` set where that is not possible.
    bool Open(const std::string& path, std::string& error);

    [[nodiscard]] std::FILE* stream() const { return stream_; }

    // Whether the output is the file `input` reads, by any name or route.
    [[nodiscard]] bool IsTheFileOf(std::FILE* input) const;

    // Puts the written file in place. False with `error` set where the data
    // could not be written out.
    bool Commit(std::string& error);

private:
    std::FILE* stream_ = nullptr;
    std::string shownName_ = "standard output";
    std::string target_;     // the file to replace; empty when written directly
    std::string temporary_;  // the file written
    bool ownsStream_ = false;
};

}  // namespace dewpoint::cli
