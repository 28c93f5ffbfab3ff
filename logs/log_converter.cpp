#include "log_converter.h"

#include "encoding.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace dewpoint::logs {

namespace {

constexpr long long kProgressEveryRows = 4096;

// Buffered writing that remembers a failure. It beats stdio's own buffering
// on a million-row log (log_benchmark: 1.64 against 1.22 million rows a
// second for setvbuf and one fwrite a piece), because fwrite locks the
// stream on every call.
class Writer {
public:
    explicit Writer(std::FILE* output)
        : output_(output)
    {
        buffer_.reserve(kSize);
    }
    // From now on the output is UTF-16LE, the bytes written being UTF-8.
    void EncodeUtf16Le() { utf16_ = true; }
    void Write(std::string_view bytes)
    {
        if (buffer_.size() + bytes.size() > kSize)
            Flush();
        if (bytes.size() > kSize && !utf16_)
            failed_ |= std::fwrite(bytes.data(), 1, bytes.size(), output_) != bytes.size();
        else
            buffer_.append(bytes);
    }
    void Write(char byte) { Write(std::string_view(&byte, 1)); }
    bool Flush()
    {
        std::string_view bytes = buffer_;
        if (utf16_) {
            encoded_.clear();
            AppendUtf8AsUtf16Le(buffer_, utf16Rest_, encoded_);
            bytes = encoded_;
        }
        if (!bytes.empty() && !failed_)
            failed_ |= std::fwrite(bytes.data(), 1, bytes.size(), output_) != bytes.size();
        buffer_.clear();
        failed_ |= std::fflush(output_) != 0;
        return !failed_;
    }
    [[nodiscard]] bool failed() const { return failed_; }

private:
    static constexpr std::size_t kSize = 1 << 16;
    std::FILE* output_;
    std::string buffer_;
    bool failed_ = false;
    bool utf16_ = false;
    std::string encoded_;
    std::string utf16Rest_;
};

// A column named on the command line, found in the header.
struct Column {
    std::size_t index = 0;
    std::string name;  // as messages call it
};

// Why a column named on the command line is not in the table.
enum class ColumnProblem { NotFound, Ambiguous, BeyondTheHeader, NameWithoutHeader };

struct FoundColumn {
    std::optional<Column> column;
    ColumnProblem problem = ColumnProblem::NotFound;
};

// The column a header name or a 1-based number stands for: the name, with
// case ignored where no name matches exactly; then a number counting from 1.
// A name that more than one column has is ambiguous.
FoundColumn FindColumn(const std::string& wanted, const std::vector<std::string>& names)
{
    for (const bool ignoreCase : {false, true}) {
        std::optional<Column> found;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (ignoreCase ? Lowercase(names[i]) != Lowercase(wanted) : names[i] != wanted)
                continue;
            if (found)
                return {std::nullopt, ColumnProblem::Ambiguous};
            found = Column{i, Escaped(names[i])};
        }
        if (found)
            return {found};
    }
    std::size_t number = 0;
    const auto [end, status] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
    if (status == std::errc() && end == wanted.data() + wanted.size() && number >= 1) {
        if (names.empty() || number <= names.size())
            return {Column{number - 1, names.empty() ? std::to_string(number) : Escaped(names[number - 1])}};
        return {std::nullopt, ColumnProblem::BeyondTheHeader};
    }
    return {std::nullopt, names.empty() ? ColumnProblem::NameWithoutHeader : ColumnProblem::NotFound};
}

// A new field as the table writes it: quoted where it holds the delimiter,
// a quote or a line break, or where the row's last field is quoted.
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

bool EveryFieldEmpty(const Record& record)
{
    for (std::size_t i = 0; i < record.fields.size(); ++i)
        if (!TrimmedBlanks(record.field(i)).empty())
            return false;
    return true;
}

bool Quoted(std::string_view field)
{
    const std::string_view value = TrimmedBlanks(field);
    return !value.empty() && value.front() == '"';
}

std::string DelimiterName(char delimiter)
{
    return delimiter == '\t' ? "tab" : std::string("'") + delimiter + "'";
}

class Converter {
public:
    Converter(std::FILE* input, std::FILE* output, const Settings& settings,
        const std::optional<PressureReading>& fixedPressure, const LogReporting& reporting, std::size_t blockSize,
        const InputNature& nature)
        : reader_(input, blockSize)
        , wholeFile_(nature.wholeFile)
        , out_(output)
        , settings_(settings)
        , fixedPressure_(fixedPressure)
        , reporting_(reporting)
        , inputName_(settings.input == "-" ? "<stdin>" : settings.input)
        , separator_(settings.decimalComma ? ',' : '.')
    {
        if (nature.readSome)
            reader_.ReadAsBytesArrive(nature.readSome, [this] { out_.Flush(); });
    }

    LogResult Run()
    {
        // Excel's "Unicode Text": UTF-16LE with its byte-order mark, read as
        // UTF-8 and written back as it came.
        if (!settings_.encoding && reader_.Head(2).substr(0, 2) == "\xFF\xFE") {
            reader_.DecodeUtf16Le();
            out_.EncodeUtf16Le();
        }
        const std::string_view byteOrderMark = reader_.TakeByteOrderMark();
        out_.Write(byteOrderMark);
        // Neither given nor marked: UTF-8 where all of a file is, or on a
        // stream where its first block is; a later row that is not stops
        // the run rather than mixing two encodings in one file.
        encoding_ = settings_.encoding.value_or(Encoding::Utf8);
        if (!settings_.encoding && byteOrderMark.empty()) {
            const bool utf8 = wholeFile_ ? reader_.IsUtf8ToTheEnd() : IsValidUtf8(reader_.Head(), true);
            encoding_ = utf8 ? Encoding::Utf8 : Encoding::Windows1252;
            checkEachRow_ = utf8 && !wholeFile_;
        }
        if (CopyLinesBeforeTheTable())
            ConvertRecords();
        if (reader_.failed()) {
            Report(0, std::string("cannot be read: ") + std::strerror(reader_.readError()));
            result_.outcome = LogOutcome::BadData;
        }
        if (!out_.Flush())
            result_.outcome = LogOutcome::WriteError;
        return result_;
    }

private:
    // Every message of a run: "IN:LINE: why", or "IN: why" for the input as a whole (line 0).
    void Report(long line, const std::string& why) const
    {
        if (!reporting_.message)
            return;
        std::string message = inputName_;
        if (line > 0)
            message.append(":").append(std::to_string(line));
        reporting_.message(message.append(": ").append(why));
    }

    // True, with the run stopped, once the output could not be written.
    bool WriteFailed()
    {
        if (out_.failed())
            result_.outcome = LogOutcome::WriteError;
        return out_.failed();
    }

    void Stop(LogOutcome outcome, long line, const std::string& why)
    {
        Report(line, why);
        result_.outcome = outcome;
    }

    void TooLong(long line)
    {
        Stop(LogOutcome::BadData, line,
            "a line longer than " + std::to_string(CsvReader::kMaxRecord) + " bytes (1 MiB); is this a text table?");
    }

    // The delimiter of a table whose header is `line`: the one --delimiter
    // gives, else a "sep=" line's, else the one the header holds most.
    char DelimiterOf(std::string_view line, char namedDelimiter) const
    {
        if (settings_.delimiter != '\0')
            return settings_.delimiter;
        return namedDelimiter != '\0' ? namedDelimiter : DetectDelimiter(line);
    }

    // The names in a line that may be the header, split at `delimiter`.
    std::vector<std::string> NamesIn(std::string_view line, char delimiter)
    {
        std::vector<std::string> names;
        bool quoted = false;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] == '"') {
                quoted = !quoted;  // a doubled quote toggles twice
            } else if (i == line.size() || (line[i] == delimiter && !quoted)) {
                names.emplace_back(Value(line.substr(start, i - start)));
                start = i + 1;
            }
        }
        return names;
    }

    // Notes a logger writes above its table: the header is the first of the
    // next lines that holds the sensor column's name, and the lines above it
    // are copied. Where none does, the first is the header, and a message
    // that the column is missing says that no line holds it.
    long LinesAboveTheHeader(char namedDelimiter)
    {
        const std::string& wanted = settings_.sensorColumn;
        if (!settings_.header || settings_.skipLines > 0 || wanted.empty()
            || std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return 0;
        constexpr long kLinesSearched = 50;
        constexpr std::size_t kBytesSearched = std::size_t{1} << 18;
        std::size_t offset = 0;
        std::string_view line;
        for (long lines = 0; lines < kLinesSearched && offset < kBytesSearched; ++lines) {
            if (reader_.PeekLineAt(offset, line) != ReadStatus::Ok)
                break;
            if (!line.empty() && FindColumn(wanted, NamesIn(line, DelimiterOf(line, namedDelimiter))).column)
                return lines;
        }
        headerSearched_ = true;
        return 0;
    }

    // Copies the lines --skip-lines names, and blank lines before the
    // header; finds the delimiter in the header. False where no table follows.
    bool CopyLinesBeforeTheTable()
    {
        std::string_view line;
        long lineNumber = 1;
        // A spreadsheet's "sep=;" first line names the delimiter, and is copied.
        char namedDelimiter = '\0';
        if (reader_.PeekLine(line) == ReadStatus::Ok && line.size() == 5 && Lowercase(line.substr(0, 4)) == "sep=") {
            namedDelimiter = line[4];
            if (settings_.skipLines == 0) {
                reader_.ReadLine(line);
                out_.Write(line);
                ++lineNumber;
            }
        }
        const long notes = LinesAboveTheHeader(namedDelimiter);
        for (long i = 0; i < settings_.skipLines + notes; ++i, ++lineNumber) {
            const ReadStatus status = reader_.ReadLine(line);
            if (status == ReadStatus::TooLong) {
                TooLong(lineNumber);
                return false;
            }
            if (status == ReadStatus::End)
                break;
            out_.Write(line);
            if (WriteFailed())
                return false;
        }
        for (;; ++lineNumber) {
            const ReadStatus status = reader_.PeekLine(line);
            if (status == ReadStatus::TooLong) {
                TooLong(lineNumber);
                return false;
            }
            if (status == ReadStatus::End && reader_.failed())
                return false;
            if (status == ReadStatus::End) {
                Stop(LogOutcome::BadData, 0,
                    settings_.skipLines > 0
                        ? "holds no table after the " + std::to_string(settings_.skipLines) + " lines skipped"
                        : "is empty: there is no table to convert");
                return false;
            }
            if (!line.empty())
                break;
            reader_.ReadLine(line);
            out_.Write(line);
            if (WriteFailed())
                return false;
        }
        delimiter_ = DelimiterOf(line, namedDelimiter);
        separators_ = {true, delimiter_ != ',' || settings_.decimalComma};
        // Until a row shows its decimal separator: a comma in a ';' table.
        separator_ = settings_.decimalComma || delimiter_ == ';' ? ',' : '.';
        result_.delimiter = delimiter_;
        result_.linesBeforeTable = lineNumber - 1;
        return true;
    }

    void ConvertRecords()
    {
        Record record;
        bool columnsKnown = false;
        // Every write goes through out_, which stops the run at its first error.
        while ((result_.outcome == LogOutcome::Done || result_.outcome == LogOutcome::RowsSkipped) && !WriteFailed()) {
            const ReadStatus status = reader_.ReadRecord(delimiter_, record);
            if (status == ReadStatus::End)
                break;
            if (status == ReadStatus::TooLong)
                return TooLong(record.firstLine);
            if (checkEachRow_ && !IsValidUtf8(record.text, false))
                return Stop(LogOutcome::BadData, record.firstLine,
                    "is not UTF-8, as the lines before it are; give the log's encoding with --encoding");
            if (record.unterminatedQuote)
                return BadRow(record, "a quoted field is not closed before the end of the input");
            // Blank lines, and rows of empty fields below the data (",,,"), are copied as they stand.
            if (record.blank() || (columnsKnown && EveryFieldEmpty(record))) {
                out_.Write(record.text);
                out_.Write(record.ending);
                continue;
            }
            if (!columnsKnown) {
                columnsKnown = true;
                fieldCount_ = record.fields.size();
                if (!FindColumns(settings_.header ? &record : nullptr))
                    return;
                if (settings_.header) {
                    WriteHeader(record);
                    unitsRowMayFollow_ = true;
                    continue;
                }
            }
            if (std::exchange(unitsRowMayFollow_, false) && TakeUnitsRow(record))
                continue;
            ConvertRow(record);
            if (++result_.rows % kProgressEveryRows == 0 && reporting_.progress)
                reporting_.progress(result_.rows, reader_.bytesRead());
        }
    }

    // A field's value as UTF-8.
    std::string_view Value(std::string_view field)
    {
        const std::string_view value = FieldValue(field, scratch_);
        if (encoding_ == Encoding::Utf8
            || std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return value;
        decoded_ = ToUtf8(value, encoding_);
        return decoded_;
    }

    // Finds the columns in the header, or takes them by number without one.
    bool FindColumns(const Record* header)
    {
        std::vector<std::string> names;
        if (header)
            for (std::size_t i = 0; i < header->fields.size(); ++i)
                names.emplace_back(Value(header->field(i)));
        const auto find = [&](const std::string& wanted, const char* option) -> std::optional<Column> {
            if (wanted.empty() || result_.outcome == LogOutcome::UsageError)
                return std::nullopt;
            const FoundColumn found = FindColumn(wanted, names);
            if (!found.column)
                Stop(LogOutcome::UsageError, 0,
                    std::string(option) + ": " + ColumnMessage(found.problem, wanted, names));
            return found.column;
        };
        if (header && reporting_.header)
            reporting_.header(names);
        sensor_ = find(settings_.sensorColumn, "--sensor-column");
        pressure_ = find(settings_.pressureColumn, "--pressure-column");
        position_ = find(settings_.positionColumn, "--sensor-at-column");
        time_ = TimeColumn(names);
        if (result_.outcome != LogOutcome::UsageError && header)
            TakeUnitsFrom(names, header->firstLine);
        return result_.outcome != LogOutcome::UsageError;
    }

    // The first column whose name says it holds the time or the date.
    static std::optional<Column> TimeColumn(const std::vector<std::string>& names)
    {
        constexpr std::array<std::string_view, 13> kWords{"time", "zeit", "uhrzeit", "zeitstempel", "date", "datum",
            "timestamp", "datetime", "heure", "hora", "ora", "fecha", "data"};
        for (std::size_t i = 0; i < names.size(); ++i) {
            std::string word;
            for (const char c : Lowercase(names[i]) + ' ') {
                if (c >= 'a' && c <= 'z') {
                    word += c;
                    continue;
                }
                if (std::find(kWords.begin(), kWords.end(), word) != kWords.end())
                    return Column{i, names[i]};
                word.clear();
            }
        }
        return std::nullopt;
    }

    // The units the header (or a units row below it) names for the columns
    // read; a unit given on the command line must agree with them. A column
    // that names none keeps the command line's unit, or bar gauge and °C.
    void TakeUnitsFrom(const std::vector<std::string>& names, long line)
    {
        if (sensor_ && sensor_->index < names.size())
            if (const std::optional<TemperatureUnit> unit = TemperatureUnitInHeader(names[sensor_->index])) {
                if (settings_.sensorUnitGiven && *unit != settings_.sensorUnit)
                    return Stop(LogOutcome::UsageError, line,
                        "--sensor-unit contradicts the unit that column \"" + sensor_->name + "\" names");
                sensorUnit_ = *unit;
            }
        if (pressure_ && pressure_->index < names.size())
            if (const std::optional<HeaderPressureUnit> unit = PressureUnitInHeader(names[pressure_->index])) {
                if (settings_.pressureUnitGiven && unit->unit != settings_.pressureUnit)
                    return Stop(LogOutcome::UsageError, line,
                        "--pressure-unit contradicts the unit that column \"" + pressure_->name + "\" names");
                pressureUnit_ = *unit;
            }
    }

    // A row of units straight below the header ("", "bar", "°C"): its units
    // are taken, and it is copied with the result's unit as its new field.
    bool TakeUnitsRow(const Record& record)
    {
        std::vector<std::string> cells;
        for (std::size_t i = 0; i < record.fields.size(); ++i)
            cells.emplace_back(Value(record.field(i)));
        // A unit alone: no digit, as a reading would have.
        const auto unitOnly = [](const std::string& cell) {
            return std::none_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        const bool sensorUnit = sensor_->index < cells.size() && unitOnly(cells[sensor_->index])
            && TemperatureUnitInHeader(cells[sensor_->index]);
        const bool pressureUnit = !pressure_ || pressure_->index >= cells.size()
            || TrimmedBlanks(cells[pressure_->index]).empty()
            || (unitOnly(cells[pressure_->index]) && PressureUnitInHeader(cells[pressure_->index]));
        if (!sensorUnit || !pressureUnit)
            return false;
        TakeUnitsFrom(cells, record.firstLine);
        if (result_.outcome == LogOutcome::UsageError)
            return true;
        out_.Write(record.text);
        WritePadding(record);
        out_.Write(delimiter_);
        const std::optional<std::string> unit
            = FromUtf8(settings_.format.fahrenheit ? "\u00B0F" : "\u00B0C", encoding_);
        WriteField(out_, unit.value_or(settings_.format.fahrenheit ? "F" : "C"), delimiter_,
            Quoted(record.field(record.fields.size() - 1)));
        out_.Write(record.ending);
        return true;
    }

    std::string ColumnMessage(
        ColumnProblem problem, const std::string& wanted, const std::vector<std::string>& names) const
    {
        switch (problem) {
        case ColumnProblem::Ambiguous:
            return "more than one column is named \"" + wanted + "\"; give its number instead";
        case ColumnProblem::BeyondTheHeader:
            return "column " + wanted + " does not exist: the header has " + std::to_string(names.size()) + " fields";
        case ColumnProblem::NameWithoutHeader:
            return "without a header, columns are given by number, not as \"" + wanted + "\"";
        case ColumnProblem::NotFound:
            break;
        }
        // A name inside one of the header's fields: the header was split at
        // the wrong delimiter, and showing it would show the name.
        if (std::any_of(names.begin(), names.end(),
                [&wanted](const std::string& name) { return name.find(wanted) != std::string::npos; }))
            return "no column is named \"" + wanted + "\" in the header split at " + DelimiterName(delimiter_)
                + "; give the table's delimiter with --delimiter";
        std::string message = "no column is named \"" + wanted + "\"; the header has";
        for (std::size_t i = 0; i < names.size(); ++i)
            message += (i == 0 ? " \"" : ", \"") + Escaped(names[i]) + "\"";
        if (headerSearched_)
            message += ", and no line below it holds that name";
        return message;
    }

    void WriteHeader(const Record& header)
    {
        std::string name = settings_.outputColumn;
        if (name.empty())
            name = settings_.format.fahrenheit ? "Pressure dewpoint (\u00B0F)" : "Pressure dewpoint (\u00B0C)";
        const std::optional<std::string> encoded = FromUtf8(name, encoding_);
        if (!encoded)
            return Stop(LogOutcome::UsageError, 0,
                "--output-column: \"" + name + "\" has a character that the table's encoding lacks");
        out_.Write(header.text);
        out_.Write(delimiter_);
        WriteField(out_, *encoded, delimiter_, Quoted(header.field(header.fields.size() - 1)));
        out_.Write(header.ending);
    }

    // The delimiters that give a short row the header's number of fields,
    // so that its result lands under the new header.
    void WritePadding(const Record& record)
    {
        for (std::size_t i = record.fields.size(); i < fieldCount_; ++i)
            out_.Write(delimiter_);
    }

    // A bad row: stops the run, or with --skip-bad is written without a result.
    void BadRow(const Record& record, const std::string& why)
    {
        Report(record.firstLine, why);
        if (reporting_.bad)
            reporting_.bad(record.firstLine);
        if (!settings_.skipBad) {
            result_.outcome = LogOutcome::BadData;
            return;
        }
        ++result_.skipped;
        result_.outcome = LogOutcome::RowsSkipped;
        out_.Write(record.text);
        // A row too long for the header, and the rest of an input that ends
        // inside a quote, are copied as they are.
        if (!record.unterminatedQuote && record.fields.size() <= fieldCount_) {
            WritePadding(record);
            out_.Write(delimiter_);
        }
        out_.Write(record.ending);
    }

    // The value of a column in a row, or why there is none.
    std::optional<std::string_view> Cell(const Record& record, const Column& column, std::string& why)
    {
        if (column.index < record.fields.size())
            return Value(record.field(column.index));
        why = "column \"" + column.name + "\" is field " + std::to_string(column.index + 1) + ", but the row has only "
            + std::to_string(record.fields.size());
        return std::nullopt;
    }

    // A column's reading in a row; false with the row reported where it is none.
    template <typename Reading, typename Read>
    bool ReadCell(const Record& record, const Column& column, const Accepted& accepted, Read read, Reading& reading)
    {
        std::string why;
        const std::optional<std::string_view> cell = Cell(record, column, why);
        if (!cell) {
            BadRow(record, why);
            return false;
        }
        const Parsed<Reading> parsed = read(*cell, separators_);
        if (!parsed.reading) {
            BadRow(record,
                "column \"" + column.name
                    + "\": " + ValueErrorMessage(parsed.error, *cell, accepted, separators_.comma));
            return false;
        }
        reading = *parsed.reading;
        return true;
    }

    void ConvertRow(const Record& record)
    {
        if (record.fields.size() > fieldCount_)
            return BadRow(record,
                "the row has " + std::to_string(record.fields.size()) + " fields, the "
                    + (settings_.header ? "header " : "first row ") + std::to_string(fieldCount_));
        PressureReading pressure = fixedPressure_.value_or(PressureReading{});
        if (pressure_
            && !ReadCell(
                record, *pressure_, kPressureAccepted,
                [this](std::string_view cell, DecimalSeparators separators) {
                    return ReadPressure(cell, pressureUnit_.unit, separators, pressureUnit_.absolute);
                },
                pressure))
            return;
        SensorReading sensor;
        if (!ReadCell(
                record, *sensor_, kSensorAccepted,
                [this](std::string_view cell, DecimalSeparators separators) {
                    return ReadSensor(cell, sensorUnit_, separators);
                },
                sensor))
            return;

        bool atmosphere = settings_.atmosphere;
        if (position_) {
            std::string why;
            const std::optional<std::string_view> cell = Cell(record, *position_, why);
            if (!cell)
                return BadRow(record, why);
            const std::optional<bool> named = SensorPositionNamed(*cell);
            if (!named)
                return BadRow(record,
                    "column \"" + position_->name + "\": " + ShownText(*cell)
                        + " is not a sensor position (accepted: atmosphere, system)");
            atmosphere = *named;
        }

        // The result column takes the decimal separator of the first row that
        // shows one, in its sensor value, else its pressure, and keeps it:
        // one column never mixes the two.
        const std::array<char, 2> used{sensor.separator, pressure_ ? pressure.separator : '\0'};
        if (!separatorFixed_) {
            const auto* first = std::find_if(used.begin(), used.end(), [](char c) { return c != '\0'; });
            if (first != used.end())
                separator_ = *first;
            separatorFixed_ = true;
        }
        const CalcState state = Convert(pressure, sensor, atmosphere);
        if (reporting_.converted) {
            reporting_.converted(state.DewpointOut, record.firstLine,
                time_ && time_->index < record.fields.size() ? Value(record.field(time_->index)) : "");
        }
        out_.Write(record.text);
        WritePadding(record);
        out_.Write(delimiter_);
        const std::string result = FormatResult(state.DewpointOut, settings_.format, separator_);
        WriteField(out_, result, delimiter_, Quoted(record.field(record.fields.size() - 1)));
        out_.Write(record.ending);
    }

    CsvReader reader_;
    bool wholeFile_;
    bool checkEachRow_ = false;  // the encoding was guessed from the first block of a stream
    Writer out_;
    const Settings& settings_;
    const std::optional<PressureReading>& fixedPressure_;
    const LogReporting& reporting_;
    std::string inputName_;
    LogResult result_;
    Encoding encoding_ = Encoding::Utf8;
    char delimiter_ = ',';
    std::size_t fieldCount_ = 0;  // the header's, or the first row's
    DecimalSeparators separators_;
    char separator_;
    bool separatorFixed_ = false;
    bool headerSearched_ = false;  // no line near the top holds the sensor column's name
    bool unitsRowMayFollow_ = false;
    HeaderPressureUnit pressureUnit_{settings_.pressureUnit, false};  // of the pressure column's bare numbers
    TemperatureUnit sensorUnit_ = settings_.sensorUnit;
    std::optional<Column> sensor_;
    std::optional<Column> pressure_;
    std::optional<Column> position_;
    std::optional<Column> time_;
    std::string scratch_;
    std::string decoded_;
};

}  // namespace

LogResult ConvertLog(std::FILE* input, std::FILE* output, const Settings& settings,
    const std::optional<PressureReading>& fixedPressure, const LogReporting& reporting, std::size_t blockSize,
    const InputNature& nature)
{
    return Converter(input, output, settings, fixedPressure, reporting, blockSize, nature).Run();
}

}  // namespace dewpoint::logs
