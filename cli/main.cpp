// dewpoint: the calculator's conversion on the command line, for one reading
// or for every row of a logged table.
#include "output_file.h"
#include "platform.h"

#include "logs/log_converter.h"
#include "logs/log_summary.h"
#include "logs/options.h"
#include "logs/quantity.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace dewpoint::cli;
using namespace dewpoint::logs;

// Exit statuses.
constexpr int kDone = 0;
constexpr int kDataError = 1;  // a bad row; an input that cannot be read; an output that cannot be written
constexpr int kUsageError = 2;
constexpr int kRowsSkipped = 3;

platform::ClosedStreams g_closed;

void Complain(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", kProgramName, message.c_str());
    std::fflush(stderr);
}

DecimalSeparators Separators(const Settings& settings)
{
    return {!settings.decimalComma, settings.decimalComma};
}

// Writes `text` to standard output; false, with a message, where it cannot.
bool Print(const std::string& text)
{
    if (!g_closed.output && std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0)
        return true;
    Complain(g_closed.output ? "standard output is closed"
                             : "cannot write to standard output: " + platform::LastErrorText());
    return false;
}

// The reading --pressure gives; a complaint where it is not one.
std::optional<PressureReading> PressureArgument(const Settings& settings)
{
    std::string error;
    const std::optional<PressureReading> pressure = dewpoint::logs::PressureArgument(settings, error);
    if (!pressure)
        Complain(error);
    return pressure;
}

int ConvertOne(const Settings& settings)
{
    const std::optional<PressureReading> pressure = PressureArgument(settings);
    if (!pressure)
        return kUsageError;
    const Parsed<SensorReading> sensor = ReadSensor(*settings.sensor, settings.sensorUnit, Separators(settings));
    if (!sensor.reading) {
        Complain(
            "--sensor: " + ValueErrorMessage(sensor.error, *settings.sensor, kSensorAccepted, settings.decimalComma));
        return kUsageError;
    }
    const dewpoint::CalcState state = Convert(*pressure, *sensor.reading, settings.atmosphere);
    return Print(FormatResult(state.DewpointOut, settings.format, settings.decimalComma ? ',' : '.') + "\n")
        ? kDone
        : kDataError;
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

int ConvertTable(Settings settings)
{
    settings.format.unit = false;  // the header names the unit
    std::optional<PressureReading> fixedPressure;
    if (settings.pressure && !(fixedPressure = PressureArgument(settings)))
        return kUsageError;

    std::FILE* input = stdin;
    if (settings.input != "-" && !(input = platform::OpenInput(settings.input))) {
        Complain("cannot open '" + settings.input + "': " + platform::LastErrorText());
        return kDataError;
    }
    if (settings.output == "-" && g_closed.output) {
        Complain("standard output is closed; name an output file with -o");
        return kDataError;
    }
    // With a summary and no -o, the converted log itself is not wanted.
    OutputFile output;
    std::string error;
    const bool summaryOnly = settings.summary != Settings::Summary::None && settings.output == "-";
    if (!output.Open(summaryOnly ? platform::kNullDevice : settings.output, error)) {
        Complain(error);
        return kDataError;
    }
    // By whatever name, link or redirection: writing the table it reads
    // would lose it, or grow it without end.
    if (output.IsTheFileOf(input)) {
        Complain("the output is the input table " + settings.input + "; write to another file");
        return kDataError;
    }

    const std::optional<long long> size = platform::RegularFileSize(input);
    const bool showProgress = !settings.quiet && size && platform::IsTerminal(stderr);
    Progress progress(size.value_or(0));
    LogReporting reporting;
    reporting.message = [&progress](const std::string& message) {
        progress.Clear();
        Complain(message);
    };
    if (showProgress)
        reporting.progress = [&progress](long long rows, long long bytes) { progress.Show(rows, bytes); };
    LogSummary summary(settings.summaryClass);
    if (settings.summary != Settings::Summary::None) {
        reporting.converted
            = [&summary](double dewpointC, long line, std::string_view time) { summary.AddRow(dewpointC, line, time); };
        reporting.bad = [&summary](long) { summary.AddBadRow(); };
    }

    InputNature nature;
    nature.wholeFile = size.has_value();
    if (!size)
        nature.readSome = [input](char* buffer, std::size_t bytes) { return platform::ReadSome(input, buffer, bytes); };
    const LogResult result
        = ConvertLog(input, output.stream(), settings, fixedPressure, reporting, CsvReader::kBlock, nature);
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
        if (settings.summary != Settings::Summary::None
            && !Print(settings.summary == Settings::Summary::Json ? summary.Json() : summary.Text()))
            return kDataError;
        if (result.outcome == LogOutcome::Done)
            return kDone;
        Complain(std::to_string(result.skipped) + " of " + std::to_string(result.rows) + " rows skipped");
        return kRowsSkipped;
    case LogOutcome::UsageError:
        return kUsageError;
    case LogOutcome::WriteError:
        Complain("cannot write the output: " + platform::LastErrorText());
        return kDataError;
    case LogOutcome::BadData:
        break;
    }
    return kDataError;
}

}  // namespace

int main(int argc, char* argv[])
{
    g_closed = platform::PrepareStandardStreams();
    Settings settings;
    std::string error;
    if (!ParseOptions(platform::Arguments(argc, argv), settings, error)) {
        Complain(error + " (see dewpoint --help)");
        return kUsageError;
    }
    try {
        switch (settings.action) {
        case Settings::Action::Help:
            return Print(HelpText()) ? kDone : kDataError;
        case Settings::Action::Version:
            return Print(std::string(kProgramName) + " " + DEWPOINT_VERSION + "\n") ? kDone : kDataError;
        case Settings::Action::Convert:
            return ConvertOne(settings);
        case Settings::Action::ConvertLog:
            return ConvertTable(settings);
        }
    } catch (const std::exception& fault) {
        // Inside the accepted ranges the conversion never faults.
        Complain(std::string("internal error: ") + fault.what());
    }
    return kDataError;
}
