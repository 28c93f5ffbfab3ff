// Adds the pressure dewpoint to every row of a logged table, copying every
// byte of the input through unchanged.
#pragma once

#include "quantity.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace dewpoint::cli {

struct LogOptions {
    std::string inputName = "<stdin>";  // for messages
    std::string sensorColumn;           // a header name or a 1-based number
    std::string pressureColumn;         // empty: every row at `fixedPressure`
    std::optional<PressureReading> fixedPressure;
    std::string positionColumn;  // empty: every row at `atmosphere`
    bool atmosphere = true;
    bool header = true;
    long skipLines = 0;
    char delimiter = '\0';  // '\0': detected from the first row
    bool decimalComma = false;
    PressureUnit pressureUnit = PressureUnit::Bar;
    TemperatureUnit sensorUnit = TemperatureUnit::Celsius;
    ResultFormat format{false, false, false};
    std::string outputColumn;  // empty: a name with the result's unit
    bool skipBad = false;
};

enum class LogOutcome {
    Done,         // every row converted
    BadRow,       // stopped at the first bad row
    RowsSkipped,  // finished, with bad rows left without a result
    UsageError,   // the table does not have the columns asked for
    ReadError,
    WriteError,
};

struct LogResult {
    LogOutcome outcome = LogOutcome::Done;
    long long rows = 0;     // table rows, header excluded
    long long skipped = 0;  // bad rows written without a result
};

// Reports a message line (without "dewpoint: ") and the progress.
struct LogReporting {
    std::function<void(const std::string&)> message;
    // Called now and then with the rows and bytes done; may be empty.
    std::function<void(long long rows, long long bytes)> progress;
};

LogResult ConvertLog(std::FILE* input, std::FILE* output, const LogOptions& options, const LogReporting& reporting);

}  // namespace dewpoint::cli
