#include "csv_reader.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace dewpoint::cli {

namespace {

constexpr std::size_t kBlock = 1 << 16;

std::size_t Offset(const char* from, const char* to)
{
    return static_cast<std::size_t>(to - from);
}

}  // namespace

std::string_view FieldValue(std::string_view field, std::string& scratch)
{
    const std::string_view value = TrimmedBlanks(field);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    const std::string_view inner = value.substr(1, value.size() - 2);
    if (inner.find('"') == std::string_view::npos)
        return TrimmedBlanks(inner);
    scratch.clear();
    for (std::size_t i = 0; i < inner.size(); ++i) {
        scratch += inner[i];
        if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
            ++i;
    }
    return TrimmedBlanks(scratch);
}

char DetectDelimiter(std::string_view line)
{
    constexpr std::array<char, 3> kCandidates{',', ';', '\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    bool closed = false;  // a quote just closed a quoted part: a second one makes a doubled quote
    bool fieldStart = true;
    for (const char c : line) {
        if (c == '\n')
            break;
        if (quoted || (closed && c == '"')) {
            closed = quoted && c == '"';
            quoted = !closed;
            continue;
        }
        closed = false;
        const auto* candidate = std::find(kCandidates.begin(), kCandidates.end(), c);
        if (candidate != kCandidates.end()) {
            ++counts.at(static_cast<std::size_t>(candidate - kCandidates.begin()));
            fieldStart = true;
            continue;
        }
        if (c == '"' && fieldStart)
            quoted = true;
        fieldStart = false;
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? ',' : kCandidates.at(static_cast<std::size_t>(most - counts.begin()));
}

CsvReader::CsvReader(std::FILE* input)
    : input_(input)
    , buffer_(kBlock, '\0')
{
}

bool CsvReader::Fill()
{
    if (atEnd_)
        return false;
    // Keep the bytes not yet returned, at the front; make room for at least
    // as many again, so that a long record is scanned a bounded number of times.
    if (start_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    if (end_ > buffer_.size() / 2)
        buffer_.resize(buffer_.size() * 2);
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, input_);
    if (got == 0) {
        atEnd_ = true;
        failed_ = std::ferror(input_) != 0;
        return false;
    }
    end_ += got;
    bytesRead_ += static_cast<long long>(got);
    return true;
}

bool CsvReader::ReadRawLine(std::string_view& line)
{
    std::size_t scanned = 0;
    for (;;) {
        const char* from = buffer_.data() + start_ + scanned;
        if (const void* newline = std::memchr(from, '\n', end_ - start_ - scanned)) {
            const std::size_t length = static_cast<const char*>(newline) - (buffer_.data() + start_) + 1;
            line = std::string_view(buffer_.data() + start_, length);
            start_ += length;
            ++nextLine_;
            return true;
        }
        scanned = end_ - start_;
        if (!Fill()) {
            line = std::string_view(buffer_.data() + start_, end_ - start_);
            start_ = end_;
            return !line.empty();
        }
    }
}

std::string_view CsvReader::PeekLine()
{
    std::size_t scanned = 0;
    for (;;) {
        const char* from = buffer_.data() + start_ + scanned;
        if (const void* newline = std::memchr(from, '\n', end_ - start_ - scanned))
            return {buffer_.data() + start_,
                static_cast<std::size_t>(static_cast<const char*>(newline) - (buffer_.data() + start_))};
        scanned = end_ - start_;
        if (!Fill())
            return {buffer_.data() + start_, end_ - start_};
    }
}

bool CsvReader::ReadRecord(char delimiter, Record& record)
{
    record.firstLine = nextLine_;
    record.unterminatedQuote = false;
    record.tooLong = false;

    // Scans from the record's start; where the bytes held end inside the
    // record, reads more and scans it again.
    for (;;) {
        record.fields.clear();
        const char* const begin = buffer_.data() + start_;
        const char* const stop = buffer_.data() + end_;
        const char* p = begin;
        const char* fieldBegin = p;
        const char* textEnd = nullptr;  // set once the line ending is found
        long lines = 0;
        while (p < stop && !textEnd) {
            if (*p == '"' && p == fieldBegin) {
                // A quoted field: up to the quote that is not doubled. A
                // quote at the end of the bytes held may be the first of two.
                const char* q = p + 1;
                for (; q < stop; ++q) {
                    if (*q == '"') {
                        if (q + 1 == stop && !atEnd_)
                            break;
                        if (q + 1 < stop && q[1] == '"') {
                            ++q;
                            continue;
                        }
                        break;
                    }
                    lines += *q == '\n' ? 1 : 0;
                }
                if (q >= stop || (q + 1 == stop && !atEnd_)) {
                    p = stop;
                    record.unterminatedQuote = atEnd_;
                    break;
                }
                p = q + 1;
                continue;
            }
            if (*p == delimiter) {
                record.fields.push_back({Offset(begin, fieldBegin), Offset(fieldBegin, p)});
                fieldBegin = ++p;
            } else if (*p == '\n') {
                textEnd = p > fieldBegin && p[-1] == '\r' ? p - 1 : p;
            } else {
                ++p;
            }
        }
        if (!textEnd && !atEnd_) {
            if (end_ - start_ > kMaxRecord) {
                record.tooLong = true;
                record.text = {};
                record.ending = {};
                return true;
            }
            Fill();
            continue;
        }
        if (begin == stop)
            return false;
        const char* const recordEnd = textEnd ? p + 1 : stop;
        if (!textEnd)
            textEnd = stop;  // the last record, without a line ending
        record.fields.push_back({Offset(begin, fieldBegin), Offset(fieldBegin, textEnd)});
        record.text = std::string_view(begin, Offset(begin, textEnd));
        record.ending = std::string_view(textEnd, Offset(textEnd, recordEnd));
        nextLine_ += lines + (recordEnd[-1] == '\n' ? 1 : 0);
        start_ = Offset(buffer_.data(), recordEnd);
        return true;
    }
}

}  // namespace dewpoint::cli
