#include "csv_reader.h"

#include "encoding.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace dewpoint::logs {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

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

CsvReader::CsvReader(std::FILE* input, std::size_t blockSize)
    : input_(input)
    , blockSize_(std::max<std::size_t>(blockSize, 1))
    , buffer_(blockSize_, '\0')
{
}

bool CsvReader::Fill()
{
    if (atEnd_)
        return false;
    // Keep the bytes not yet returned, at the front, and make room for one
    // more block. A record is refused before it needs more than
    // kMaxRecord plus two blocks.
    if (start_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
    }
    if (buffer_.size() - end_ < blockSize_)
        buffer_.resize(std::max(buffer_.size() * 2, end_ + blockSize_));
    std::size_t got = 0;
    if (readSome_) {
        if (beforeWaiting_)
            beforeWaiting_();
        const long long read = readSome_(buffer_.data() + end_, blockSize_);
        got = read > 0 ? static_cast<std::size_t>(read) : 0;
        failed_ = read < 0;
    } else {
        got = std::fread(buffer_.data() + end_, 1, blockSize_, input_);
        failed_ = got == 0 && std::ferror(input_) != 0;
    }
    readError_ = failed_ ? errno : 0;
    bytesRead_ += static_cast<long long>(got);
    if (utf16_) {
        // Decoded in place of the raw bytes, so from a copy of them.
        const std::string raw = buffer_.substr(end_, got);
        Append(raw, got == 0);
    } else {
        end_ += got;
    }
    atEnd_ = got == 0;
    return !atEnd_;
}

void CsvReader::Append(std::string_view raw, bool last)
{
    std::string decoded;
    AppendUtf16LeAsUtf8(raw, utf16Rest_, decoded, last);
    if (last && !utf16Rest_.empty() && !failed_) {
        failed_ = true;  // an odd byte at the end: not UTF-16 after all
        readError_ = EILSEQ;
    }
    if (buffer_.size() < end_ + decoded.size())
        buffer_.resize(end_ + decoded.size());
    std::memcpy(buffer_.data() + end_, decoded.data(), decoded.size());
    end_ += decoded.size();
}

void CsvReader::DecodeUtf16Le()
{
    const std::string held = buffer_.substr(start_, end_ - start_);
    end_ = start_;
    utf16_ = true;
    Append(held, atEnd_);
}

void CsvReader::ReadAsBytesArrive(ReadSome readSome, std::function<void()> beforeWaiting)
{
    readSome_ = std::move(readSome);
    beforeWaiting_ = std::move(beforeWaiting);
}

bool CsvReader::IsUtf8ToTheEnd()
{
    std::fpos_t here{};
    if (std::fgetpos(input_, &here) != 0)
        return IsValidUtf8(std::string_view(buffer_.data() + start_, end_ - start_), true);
    // A character cut at the end of one piece is finished in the next.
    std::string piece = buffer_.substr(start_, end_ - start_);
    std::array<char, 1 << 16> block{};
    bool valid = true;
    for (bool more = true; valid && more;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), input_);
        more = got > 0;
        piece.append(block.data(), got);
        std::size_t cut = piece.size();
        for (std::size_t back = 1; back <= 3 && back <= piece.size(); ++back)
            if ((static_cast<unsigned char>(piece[piece.size() - back]) & 0xC0) == 0xC0) {
                cut = piece.size() - back;
                break;
            }
        valid = IsValidUtf8(std::string_view(piece).substr(0, more ? cut : piece.size()), false);
        piece.erase(0, more ? cut : piece.size());
    }
    std::clearerr(input_);
    std::fsetpos(input_, &here);
    return valid;
}

std::string_view CsvReader::TakeByteOrderMark()
{
    while (end_ - start_ < kUtf8ByteOrderMark.size() && Fill()) { }
    if (std::string_view(buffer_.data() + start_, end_ - start_).substr(0, kUtf8ByteOrderMark.size())
        != kUtf8ByteOrderMark)
        return {};
    start_ += kUtf8ByteOrderMark.size();
    return kUtf8ByteOrderMark;
}

std::string_view CsvReader::Head(std::size_t atLeast)
{
    while (end_ - start_ < atLeast && Fill()) { }
    return {buffer_.data() + start_, end_ - start_};
}

ReadStatus CsvReader::FindLineEnd(std::size_t from, std::size_t& textLength, std::size_t& endingLength)
{
    std::size_t scanned = 0;
    for (;;) {
        const char* const begin = buffer_.data() + start_ + from;
        const std::size_t held = end_ - start_ - from;
        for (; scanned < held; ++scanned) {
            if (begin[scanned] == '\n') {
                endingLength = 1;
                break;
            }
            if (begin[scanned] == '\r' && (scanned + 1 < held || atEnd_)) {
                endingLength = scanned + 1 < held && begin[scanned + 1] == '\n' ? 2 : 1;
                break;
            }
            if (begin[scanned] == '\r')
                break;  // a line feed may follow in the next block
        }
        const bool found = scanned < held && endingLength > 0;
        if (found || atEnd_) {
            if (!found && held == 0)
                return ReadStatus::End;
            if (!found)
                endingLength = 0;
            textLength = scanned;
            return textLength > kMaxRecord ? ReadStatus::TooLong : ReadStatus::Ok;
        }
        if (held > kMaxRecord + 1)
            return ReadStatus::TooLong;
        endingLength = 0;
        Fill();  // keeps the bytes from start_ on, so `from` still holds
    }
}

ReadStatus CsvReader::ReadLine(std::string_view& line)
{
    std::size_t text = 0;
    std::size_t ending = 0;
    const ReadStatus status = FindLineEnd(0, text, ending);
    if (status != ReadStatus::Ok)
        return status;
    line = std::string_view(buffer_.data() + start_, text + ending);
    start_ += text + ending;
    ++nextLine_;
    return status;
}

ReadStatus CsvReader::PeekLine(std::string_view& line)
{
    std::size_t offset = 0;
    return PeekLineAt(offset, line);
}

ReadStatus CsvReader::PeekLineAt(std::size_t& offset, std::string_view& line)
{
    std::size_t text = 0;
    std::size_t ending = 0;
    const ReadStatus status = FindLineEnd(offset, text, ending);
    if (status == ReadStatus::Ok) {
        line = std::string_view(buffer_.data() + start_ + offset, text);
        offset += text + ending;
    }
    return status;
}

ReadStatus CsvReader::ReadRecord(char delimiter, Record& record)
{
    record.firstLine = nextLine_;
    record.unterminatedQuote = false;

    // Scans from the record's start; where the bytes held end inside the
    // record, reads more and scans it again.
    for (;;) {
        record.fields.clear();
        const char* const begin = buffer_.data() + start_;
        const char* const stop = buffer_.data() + end_;
        const char* p = begin;
        const char* fieldBegin = p;
        const char* textEnd = nullptr;  // set once the line ending is found
        std::size_t endingLength = 0;
        long lines = 0;
        bool needMore = false;
        while (p < stop) {
            if (*p == '"' && p == fieldBegin) {
                // A quoted field: up to the quote that is not doubled. A
                // quote at the end of the bytes held may be the first of two.
                const char* q = p + 1;
                for (; q < stop; ++q) {
                    if (*q == '"') {
                        if (q + 1 < stop && q[1] == '"') {
                            ++q;
                            continue;
                        }
                        break;
                    }
                    lines += *q == '\n' || (*q == '\r' && (q + 1 == stop || q[1] != '\n')) ? 1 : 0;
                }
                if (q >= stop || (q + 1 == stop && !atEnd_)) {
                    needMore = !atEnd_;
                    record.unterminatedQuote = atEnd_ && q >= stop;
                    p = stop;
                    break;
                }
                p = q + 1;
                continue;
            }
            if (*p == delimiter) {
                record.fields.push_back({Offset(begin, fieldBegin), Offset(fieldBegin, p)});
                fieldBegin = ++p;
            } else if (*p == '\n' || (*p == '\r' && (p + 1 < stop || atEnd_))) {
                textEnd = p;
                endingLength = *p == '\r' && p + 1 < stop && p[1] == '\n' ? 2 : 1;
                break;
            } else if (*p == '\r') {
                needMore = true;  // a line feed may follow in the next block
                break;
            } else {
                ++p;
            }
        }
        if (!textEnd && (needMore || !atEnd_)) {
            if (end_ - start_ > kMaxRecord + 1)
                return ReadStatus::TooLong;
            Fill();
            continue;
        }
        if (begin == stop)
            return ReadStatus::End;
        if (!textEnd)
            textEnd = stop;  // the last record, without a line ending
        if (Offset(begin, textEnd) > kMaxRecord)
            return ReadStatus::TooLong;
        record.fields.push_back({Offset(begin, fieldBegin), Offset(fieldBegin, textEnd)});
        record.text = std::string_view(begin, Offset(begin, textEnd));
        record.ending = std::string_view(textEnd, endingLength);
        nextLine_ += lines + (endingLength > 0 ? 1 : 0);
        start_ = Offset(buffer_.data(), textEnd + endingLength);
        return ReadStatus::Ok;
    }
}

}  // namespace dewpoint::logs
