#include "log_converter.h"

#include "csv_reader.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace dewpoint::cli {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr long long kProgressEveryRows = 4096;

// Buffered writing that remembers a failure.
class Writer {
public:
    explicit Writer(std::FILE* output)
        : output_(output)
    {
        buffer_.reserve(kSize);
    }
    void Write(std::string_view bytes)
    {
        if (buffer_.size() + bytes.size() > kSize)
            Flush();
        if (bytes.size() > kSize)
            failed_ |= std::fwrite(bytes.data(), 1, bytes.size(), output_) != bytes.size();
        else
            buffer_.append(bytes);
    }
    void Write(char byte) { Write(std::string_view(&byte, 1)); }
    bool Flush()
    {
        if (!buffer_.empty())
            failed_ |= std::fwrite(buffer_.data(), 1, buffer_.size(), output_) != buffer_.size();
        buffer_.clear();
        failed_ |= std::fflush(output_) != 0;
        return !failed_;
    }

private:
    static constexpr std::size_t kSize = 1 << 16;
    std::FILE* output_;
    std::string buffer_;
    bool failed_ = false;
};

// A column named on the command line, found in the header.
struct Column {
    std::size_t index = 0;
    std::string name;  // as messages call it
};

std::string Lowercase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
    return lower;
}

// The column a header name or a 1-based number stands for: the name first,
// exactly, then ignoring case; a number counts from 1.
std::optional<Column> FindColumn(const std::string& wanted, const std::vector<std::string>& names, std::string& why)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted)
            return Column{i, names[i]};
    std::optional<Column> found;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (Lowercase(names[i]) == Lowercase(wanted)) {
            if (found) {
                why = "more than one column is named \"" + wanted + "\"";
                return std::nullopt;
            }
            found = Column{i, names[i]};
        }
    }
    if (found)
        return found;
    std::size_t number = 0;
    const auto [end, status] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
    if (status == std::errc() && end == wanted.data() + wanted.size() && number >= 1) {
        if (names.empty() || number <= names.size())
            return Column{number - 1, names.empty() ? std::to_string(number) : names[number - 1]};
        why = "column " + wanted + " does not exist: the header has " + std::to_string(names.size()) + " fields";
        return std::nullopt;
    }
    why = "no column is named \"" + wanted + "\"";
    if (!names.empty()) {
        why += "; the header has";
        for (std::size_t i = 0; i < names.size(); ++i)
            why += (i == 0 ? " \"" : ", \"") + names[i] + "\"";
    }
    return std::nullopt;
}

// A new field as the table writes it: quoted where it holds the delimiter,
// a quote or a line break, or where the field before it is quoted.
void WriteField(Writer& out, std::string_view value, char delimiter, bool quote)
{
    quote = quote || std::any_of(value.begin(), value.end(), [delimiter](char c) {
        return c == delimiter || c == '"' || c == '\n' || c == '\r';
    });
    if (!quote) {
        out.Write(value);
        return;
    }
    out.Write('"');
    for (const char c : value) {
        if (c == '"')
            out.Write('"');
        out.Write(c);
    }
    out.Write('"');
}

bool Quoted(std::string_view field)
{
    const std::string_view value = TrimmedBlanks(field);
    return !value.empty() && value.front() == '"';
}

class Converter {
public:
    Converter(std::FILE* input, std::FILE* output, const LogOptions& options, const LogReporting& reporting)
        : reader_(input)
        , out_(output)
        , options_(options)
        , reporting_(reporting)
        , separator_(options.decimalComma ? ',' : '.')
    {
    }

    LogResult Run()
    {
        CopyPreamble();
        delimiter_ = options_.delimiter != '\0' ? options_.delimiter : DetectDelimiter(reader_.PeekLine());
        separators_ = {true, delimiter_ != ',' || options_.decimalComma};
        Record record;
        bool columnsKnown = false;
        bool atInputStart = options_.skipLines == 0;
        while (result_.outcome == LogOutcome::Done || result_.outcome == LogOutcome::RowsSkipped) {
            if (!reader_.ReadRecord(delimiter_, record))
                break;
            if (record.tooLong) {
                Report(record.firstLine,
                    "a row longer than " + std::to_string(CsvReader::kMaxRecord >> 20) + " MiB; is this a text table?");
                result_.outcome = LogOutcome::BadRow;
                break;
            }
            if (record.unterminatedQuote) {
                BadRow(record, "a quoted field is not closed before the end of the input");
                break;
            }
            if (record.blank()) {
                out_.Write(record.ending);
                atInputStart = false;
                continue;
            }
            // A byte-order mark is copied with the first row, but is no part of its first value.
            if (atInputStart && record.text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
                record.fields.front().offset += kUtf8ByteOrderMark.size();
                record.fields.front().length -= std::min(record.fields.front().length, kUtf8ByteOrderMark.size());
            }
            atInputStart = false;
            if (!columnsKnown) {
                columnsKnown = true;
                if (!FindColumns(options_.header ? &record : nullptr))
                    break;
                if (options_.header) {
                    WriteHeader(record);
                    continue;
                }
            }
            ConvertRow(record);
            if (++result_.rows % kProgressEveryRows == 0 && reporting_.progress)
                reporting_.progress(result_.rows, reader_.bytesRead());
        }
        if (reader_.failed()) {
            Report(0, "cannot be read to its end");
            result_.outcome = LogOutcome::ReadError;
        }
        if (!out_.Flush() && result_.outcome != LogOutcome::ReadError)
            result_.outcome = LogOutcome::WriteError;
        return result_;
    }

private:
    // "IN:LINE: why", or "IN: why" for the input as a whole (line 0).
    void Report(long line, const std::string& why) const
    {
        if (!reporting_.message)
            return;
        std::string message = options_.inputName;
        if (line > 0)
            message.append(":").append(std::to_string(line));
        reporting_.message(message.append(": ").append(why));
    }

    void CopyPreamble()
    {
        std::string_view line;
        for (long i = 0; i < options_.skipLines && reader_.ReadRawLine(line); ++i)
            out_.Write(line);
    }

    // Finds the columns in the header, or takes them by number without one.
    bool FindColumns(const Record* header)
    {
        std::vector<std::string> names;
        if (header) {
            std::string scratch;
            for (std::size_t i = 0; i < header->fields.size(); ++i)
                names.emplace_back(FieldValue(header->field(i), scratch));
        }
        auto find = [&](const std::string& wanted, const char* option) -> std::optional<Column> {
            if (wanted.empty())
                return std::nullopt;
            std::string why;
            std::optional<Column> column = FindColumn(wanted, names, why);
            if (!column) {
                if (!header && why.rfind("no column", 0) == 0)
                    why = "without a header, " + std::string(option) + " takes a column number, not \"" + wanted + "\"";
                if (reporting_.message)
                    reporting_.message(options_.inputName + ": " + option + ": " + why);
                result_.outcome = LogOutcome::UsageError;
            }
            return column;
        };
        sensor_ = find(options_.sensorColumn, "--sensor-column");
        pressure_ = find(options_.pressureColumn, "--pressure-column");
        position_ = find(options_.positionColumn, "--sensor-at-column");
        return result_.outcome != LogOutcome::UsageError;
    }

    void WriteHeader(const Record& header)
    {
        out_.Write(header.text);
        out_.Write(delimiter_);
        std::string name = options_.outputColumn;
        if (name.empty())
            name = options_.format.fahrenheit ? "Pressure dewpoint (\u00B0F)" : "Pressure dewpoint (\u00B0C)";
        WriteField(out_, name, delimiter_, Quoted(header.field(header.fields.size() - 1)));
        out_.Write(header.ending);
    }

    // A bad row: stops the run, or with --skip-bad is written without a result.
    void BadRow(const Record& record, const std::string& why)
    {
        Report(record.firstLine, why);
        if (!options_.skipBad) {
            result_.outcome = LogOutcome::BadRow;
            return;
        }
        ++result_.skipped;
        result_.outcome = LogOutcome::RowsSkipped;
        out_.Write(record.text);
        // The rest of an input that ends inside a quote is that quoted field: copied as it is.
        if (!record.unterminatedQuote)
            out_.Write(delimiter_);
        out_.Write(record.ending);
    }

    // The value of a column in a row, or why there is none.
    std::optional<std::string_view> Cell(const Record& record, const Column& column, std::string& why)
    {
        if (column.index < record.fields.size())
            return FieldValue(record.field(column.index), scratch_);
        why = "column \"" + column.name + "\" is field " + std::to_string(column.index + 1) + ", but the row has only "
            + std::to_string(record.fields.size());
        return std::nullopt;
    }

    void ConvertRow(const Record& record)
    {
        std::string why;
        PressureReading pressure;
        if (pressure_) {
            const std::optional<std::string_view> cell = Cell(record, *pressure_, why);
            if (!cell)
                return BadRow(record, why);
            const Parsed<PressureReading> parsed = ReadPressure(*cell, options_.pressureUnit, separators_);
            if (!parsed.reading)
                return BadRow(record, ColumnMessage(*pressure_, parsed.error, *cell, kPressureRange));
            pressure = *parsed.reading;
        } else {
            pressure = *options_.fixedPressure;
        }

        const std::optional<std::string_view> sensorCell = Cell(record, *sensor_, why);
        if (!sensorCell)
            return BadRow(record, why);
        const Parsed<SensorReading> sensor = ReadSensor(*sensorCell, options_.sensorUnit, separators_);
        if (!sensor.reading)
            return BadRow(record, ColumnMessage(*sensor_, sensor.error, *sensorCell, kSensorRange));

        bool atmosphere = options_.atmosphere;
        if (position_) {
            const std::optional<std::string_view> cell = Cell(record, *position_, why);
            if (!cell)
                return BadRow(record, why);
            const std::string position = Lowercase(*cell);
            if (position == "atmosphere" || position == "atm")
                atmosphere = true;
            else if (position == "system" || position == "sys")
                atmosphere = false;
            else
                return BadRow(record,
                    "column \"" + position_->name + "\": " + ShownText(*cell)
                        + " is not a sensor position (accepted: atmosphere or system)");
        }

        // The result takes the decimal separator of the row's sensor value,
        // else of its pressure; a row of whole numbers the one last seen.
        const std::array<char, 2> used{sensor.reading->separator, pressure_ ? pressure.separator : '\0'};
        if (const auto* first = std::find_if(used.begin(), used.end(), [](char c) { return c != '\0'; });
            first != used.end())
            separator_ = *first;
        const CalcState state = Convert(pressure, *sensor.reading, atmosphere);
        out_.Write(record.text);
        out_.Write(delimiter_);
        const std::string result = FormatResult(state.DewpointOut, options_.format, separator_);
        WriteField(out_, result, delimiter_, Quoted(record.field(record.fields.size() - 1)));
        out_.Write(record.ending);
    }

    static std::string ColumnMessage(
        const Column& column, ValueError error, std::string_view given, std::string_view range)
    {
        return "column \"" + column.name + "\": " + ValueErrorMessage(error, given, range);
    }

    CsvReader reader_;
    Writer out_;
    const LogOptions& options_;
    const LogReporting& reporting_;
    LogResult result_;
    char delimiter_ = ',';
    DecimalSeparators separators_;
    char separator_;
    std::optional<Column> sensor_;
    std::optional<Column> pressure_;
    std::optional<Column> position_;
    std::string scratch_;
};

}  // namespace

LogResult ConvertLog(std::FILE* input, std::FILE* output, const LogOptions& options, const LogReporting& reporting)
{
    return Converter(input, output, options, reporting).Run();
}

}  // namespace dewpoint::cli
