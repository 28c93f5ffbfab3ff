// Adds the pressure dewpoint to every row of a logged table, copying every
// byte of the input through unchanged.
#pragma once

#include "csv_reader.h"
#include "options.h"
#include "quantity.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dewpoint::logs {

enum class LogOutcome {
    Done,         // every row converted
    RowsSkipped,  // finished, with bad rows left without a result
    BadData,      // stopped: a bad row, an input that holds no table or cannot be read
    UsageError,   // the table does not have the columns asked for, or the new name cannot be written in it
    WriteError,   // the output could not be written
};

struct LogResult {
    LogOutcome outcome = LogOutcome::Done;
    long long rows = 0;     // table rows, header excluded
    long long skipped = 0;  // bad rows written without a result
    // The table as it was read: its delimiter, and the lines copied before
    // it (--skip-lines, a sep= line, notes, blank lines).
    char delimiter = ',';
    long linesBeforeTable = 0;
};

// Where messages (without "dewpoint: ") and progress go.
struct LogReporting {
    std::function<void(const std::string&)> message;
    // Called now and then with the rows and bytes done; may be empty.
    std::function<void(long long rows, long long bytes)> progress;
    // Called for every converted row, with its line and the value of the
    // log's time column (empty without one), and for every bad row; may be empty.
    std::function<void(double dewpointC, long line, std::string_view time)> converted;
    std::function<void(long line)> bad;
    // Called with the header's names, as UTF-8, once the header is found; may be empty.
    std::function<void(const std::vector<std::string>& names)> header;
};

// How the input arrives.
struct InputNature {
    // A regular file: its encoding, where neither given nor marked, is
    // judged from all of it before any row is written.
    bool wholeFile = false;
    // Where set, a live input (a pipe, a terminal) read as its bytes arrive;
    // each row is then written as soon as it is complete.
    CsvReader::ReadSome readSome;
};

// Converts the table on `input` to `output` as `settings` say. Every row
// takes `fixedPressure` where the settings name no pressure column.
LogResult ConvertLog(std::FILE* input, std::FILE* output, const Settings& settings,
    const std::optional<PressureReading>& fixedPressure, const LogReporting& reporting,
    std::size_t blockSize = CsvReader::kBlock, const InputNature& nature = {});

}  // namespace dewpoint::logs
