// dewpoint: the calculator's conversion on the command line, for one reading
// or for every row of a logged table.
#include "log_converter.h"
#include "options.h"
#include "output_file.h"
#include "quantity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace dewpoint::cli;

// Exit statuses.
constexpr int kDone = 0;
constexpr int kDataError = 1;
constexpr int kUsageError = 2;
constexpr int kRowsSkipped = 3;

void Complain(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
}

DecimalSeparators Separators(const Options& options)
{
    return {!options.decimalComma, options.decimalComma};
}

// The reading --pressure gives; a complaint where it is not one.
std::optional<PressureReading> PressureArgument(const Options& options)
{
    const Parsed<PressureReading> pressure = ReadPressure(*options.pressure, options.pressureUnit, Separators(options));
    if (!pressure.reading)
        Complain("--pressure: " + ValueErrorMessage(pressure.error, *options.pressure, kPressureRange));
    return pressure.reading;
}

int ConvertOne(const Options& options)
{
    const std::optional<PressureReading> pressure = PressureArgument(options);
    if (!pressure)
        return kUsageError;
    const Parsed<SensorReading> sensor = ReadSensor(*options.sensor, options.sensorUnit, Separators(options));
    if (!sensor.reading) {
        Complain("--sensor: " + ValueErrorMessage(sensor.error, *options.sensor, kSensorRange));
        return kUsageError;
    }
    const dewpoint::CalcState state = Convert(*pressure, *sensor.reading, options.atmosphere);
    const std::string result = FormatResult(state.DewpointOut, options.format, options.decimalComma ? ',' : '.');
    std::printf("%s\n", result.c_str());
    return std::fflush(stdout) == 0 ? kDone : kDataError;
}

// Rows, percent and rate on one terminal line, at most four times a second.
class Progress {
public:
    explicit Progress(long long totalBytes)
        : totalBytes_(totalBytes)
    {
    }
    void Show(long long rows, long long bytes)
    {
        const auto now = std::chrono::steady_clock::now();
        if (now - shown_ < std::chrono::milliseconds(250))
            return;
        shown_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        std::fprintf(stderr, "\r%lld rows  %3lld%%  %.2f million rows/s ", rows,
            totalBytes_ > 0 ? bytes * 100 / totalBytes_ : 0,
            seconds > 0 ? static_cast<double>(rows) / seconds / 1e6 : 0.0);
        visible_ = true;
    }
    void Clear() const
    {
        if (visible_)
            std::fprintf(stderr, "\r%60s\r", "");
    }

private:
    long long totalBytes_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point shown_ = start_;  // a quick run shows none
    bool visible_ = false;
};

int ConvertTable(Options& options)
{
    LogOptions& log = options.log;
    log.format = options.format;
    log.format.unit = false;  // the header names the unit
    log.decimalComma = options.decimalComma;
    log.pressureUnit = options.pressureUnit;
    log.sensorUnit = options.sensorUnit;
    log.atmosphere = options.atmosphere;
    if (options.pressure) {
        log.fixedPressure = PressureArgument(options);
        if (!log.fixedPressure)
            return kUsageError;
    }

    std::FILE* input = stdin;
    if (options.input != "-") {
        log.inputName = options.input;
        input = std::fopen(options.input.c_str(), "rb");
        if (!input) {
            Complain("cannot open '" + options.input + "': " + std::strerror(errno));
            return kUsageError;
        }
    }
    if (options.output != "-" && options.input != "-" && SameFile(options.input, options.output)) {
        Complain("-o names the input table; the output must go to another file");
        return kUsageError;
    }
    OutputFile output;
    std::string error;
    if (!output.Open(options.output, error)) {
        Complain(error);
        return kUsageError;
    }

    struct stat inputStatus { };
    const bool showProgress = !options.quiet && isatty(STDERR_FILENO) && fstat(fileno(input), &inputStatus) == 0
        && S_ISREG(inputStatus.st_mode);
    Progress progress(showProgress ? static_cast<long long>(inputStatus.st_size) : 0);
    LogReporting reporting;
    reporting.message = [&progress](const std::string& message) {
        progress.Clear();
        Complain(message);
    };
    if (showProgress)
        reporting.progress = [&progress](long long rows, long long bytes) { progress.Show(rows, bytes); };

    const LogResult result = ConvertLog(input, output.stream(), log, reporting);
    progress.Clear();
    if (input != stdin)
        std::fclose(input);
    switch (result.outcome) {
    case LogOutcome::Done:
    case LogOutcome::RowsSkipped:
        if (!output.Commit(error)) {
            Complain(error);
            return kDataError;
        }
        if (result.outcome == LogOutcome::Done)
            return kDone;
        Complain(std::to_string(result.skipped) + " of " + std::to_string(result.rows) + " rows skipped");
        return kRowsSkipped;
    case LogOutcome::UsageError:
        return kUsageError;
    case LogOutcome::WriteError:
        Complain("cannot write the output: " + std::string(std::strerror(errno)));
        return kDataError;
    case LogOutcome::BadRow:
    case LogOutcome::ReadError:
        break;
    }
    return kDataError;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    Options options;
    std::string error;
    if (!ParseOptions(arguments, options, error)) {
        Complain(error + " (see dewpoint --help)");
        return kUsageError;
    }
    try {
        switch (options.action) {
        case Options::Action::Help:
            std::fputs(HelpText().c_str(), stdout);
            return kDone;
        case Options::Action::Version:
            std::printf("%s %s\n", kProgramName, DEWPOINT_VERSION);
            return kDone;
        case Options::Action::Convert:
            return ConvertOne(options);
        case Options::Action::ConvertLog:
            return ConvertTable(options);
        }
    } catch (const std::exception& fault) {
        // Inside the accepted ranges the conversion never faults.
        Complain(std::string("internal error: ") + fault.what());
    }
    return kDataError;
}
