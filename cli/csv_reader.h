// Reads a delimited text table (RFC 4180, and the dialects loggers write)
// record by record from a stream, keeping every record's bytes exactly as
// they came, so that a record can be written out again unchanged.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace dewpoint::cli {

// One record: its bytes without the line ending, the line ending ("\r\n",
// "\n" or "" at the end of the input), and where each field lies in it.
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
    bool tooLong = false;            // longer than kMaxRecord: nothing more is read

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

class CsvReader {
public:
    // Longer records are refused rather than held in memory: no logger
    // writes a row of a mebibyte.
    static constexpr std::size_t kMaxRecord = std::size_t{1} << 20;

    explicit CsvReader(std::FILE* input);

    // The next physical line as it stands, ending included, before the
    // table starts. False at the end of the input.
    bool ReadRawLine(std::string_view& line);

    // The first record's line, without reading it: for detecting the delimiter.
    std::string_view PeekLine();

    // The next record, split at `delimiter`. False at the end of the input.
    // The record's views stay valid until the next call.
    bool ReadRecord(char delimiter, Record& record);

    // Bytes read so far, for progress.
    [[nodiscard]] long long bytesRead() const { return bytesRead_; }
    // True once reading failed (not at the end of the input).
    [[nodiscard]] bool failed() const { return failed_; }

private:
    // Makes at least one more byte available after the ones held; false at the end.
    bool Fill();

    std::FILE* input_;
    std::string buffer_;
    std::size_t start_ = 0;  // first byte not yet returned
    std::size_t end_ = 0;    // bytes held
    bool atEnd_ = false;
    bool failed_ = false;
    long long bytesRead_ = 0;
    long nextLine_ = 1;
};

}  // namespace dewpoint::cli
