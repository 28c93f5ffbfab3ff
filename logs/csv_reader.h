// Reads a delimited text table (RFC 4180, and the dialects loggers write)
// record by record from a stream, keeping every record's bytes exactly as
// they came, so that a record can be written out again unchanged.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dewpoint::logs {

// One record: its bytes without the line ending, the line ending ("\r\n",
// "\n", a lone "\r", or "" at the end of the input), and where each field
// lies in it.
struct Record {
    std::string_view text;
    std::string_view ending;
    struct Field {
        std::size_t offset;
        std::size_t length;
    };
    std::vector<Field> fields;
    long firstLine = 0;              // 1-based line of the input where the record starts
    bool unterminatedQuote = false;  // the input ended inside a quoted field

    [[nodiscard]] std::string_view field(std::size_t index) const
    {
        return text.substr(fields.at(index).offset, fields.at(index).length);
    }
    // A blank line holds no record: it is copied as it stands.
    [[nodiscard]] bool blank() const { return text.empty(); }
};

// A field's value: blanks around it removed and, where it is quoted, the
// quotes removed and doubled quotes made single. `scratch` holds the text
// when it had to be rewritten.
std::string_view FieldValue(std::string_view field, std::string& scratch);

// The delimiter a header line uses: whichever of ',' ';' and tab it holds
// most often outside quotes, ',' where it holds none.
char DetectDelimiter(std::string_view line);

enum class ReadStatus {
    Ok,
    End,      // nothing more to read
    TooLong,  // a line or record longer than CsvReader::kMaxRecord: nothing more is read
};

class CsvReader {
public:
    // Longer lines and records are refused rather than held in memory: no
    // logger writes a row of a mebibyte.
    static constexpr std::size_t kMaxRecord = std::size_t{1} << 20;
    static constexpr std::size_t kBlock = std::size_t{1} << 16;

    // `blockSize` is how much one read asks for.
    explicit CsvReader(std::FILE* input, std::size_t blockSize = kBlock);

    // Reads up to `size` bytes, as many as have arrived: their number, 0 at
    // the end of the input, -1 where reading failed (errno says why).
    using ReadSome = std::function<long long(char* buffer, std::size_t size)>;
    // Reads through `readSome` rather than in whole blocks, calling
    // `beforeWaiting` before each read: for a live input, such as a pipe.
    void ReadAsBytesArrive(ReadSome readSome, std::function<void()> beforeWaiting);

    // Reads the input, from the bytes not yet returned on, as UTF-16LE
    // (Excel's "Unicode Text"), returning it as UTF-8.
    void DecodeUtf16Le();

    // Whether the bytes not yet returned and the whole rest of a seekable
    // input are valid UTF-8; the input is read to its end and set back.
    bool IsUtf8ToTheEnd();

    // The UTF-8 byte-order mark the input starts with, taken off the first
    // line (empty where there is none). Call before reading anything else.
    std::string_view TakeByteOrderMark();

    // The first bytes of the input not yet returned, at least `atLeast` of
    // them where the input has that many: for telling its encoding.
    std::string_view Head(std::size_t atLeast = 1);

    // The next physical line as it stands, ending included.
    ReadStatus ReadLine(std::string_view& line);
    // The next physical line without its ending, without reading it.
    ReadStatus PeekLine(std::string_view& line);
    // The line `offset` bytes past the next one's start, without reading
    // it; `offset` moves past it. Its view stays valid until the next call.
    ReadStatus PeekLineAt(std::size_t& offset, std::string_view& line);

    // The next record, split at `delimiter`. Its views stay valid until the next call.
    ReadStatus ReadRecord(char delimiter, Record& record);

    // Bytes read so far, for progress.
    [[nodiscard]] long long bytesRead() const { return bytesRead_; }
    // True once reading failed (not at the end of the input), and the system's error number.
    [[nodiscard]] bool failed() const { return failed_; }
    [[nodiscard]] int readError() const { return readError_; }

private:
    // Reads one more block after the bytes held; false at the end of the input.
    bool Fill();
    // Puts bytes read after those held, decoded where the input is UTF-16LE.
    void Append(std::string_view raw, bool last);
    // Where the physical line at the read position ends.
    ReadStatus FindLineEnd(std::size_t from, std::size_t& textLength, std::size_t& endingLength);

    std::FILE* input_;
    ReadSome readSome_;
    std::function<void()> beforeWaiting_;
    std::size_t blockSize_;
    std::string buffer_;
    std::size_t start_ = 0;  // first byte not yet returned
    std::size_t end_ = 0;    // bytes held
    bool atEnd_ = false;
    bool utf16_ = false;
    std::string utf16Rest_;  // the bytes of a UTF-16 character not yet complete
    bool failed_ = false;
    int readError_ = 0;
    long long bytesRead_ = 0;
    long nextLine_ = 1;
};

}  // namespace dewpoint::logs
