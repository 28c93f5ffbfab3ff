// The log converter as the page runs it, in a worker: the same code as
// `dewpoint --csv`, given the same arguments. The log is standard input and
// the converted log standard output; the page serves both, reading the
// user's file and collecting what is written. Rows, bad rows, progress,
// messages and the header's names go to the page as they happen.
#include "logs/log_converter.h"
#include "logs/log_summary.h"
#include "logs/options.h"
#include "logs/quantity.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

extern "C" {
// The page's side.
__attribute__((import_module("dewpoint"), import_name("progress"))) void PageProgress(double rows, double bytes);
__attribute__((import_module("dewpoint"), import_name("row"))) void PageRow(
    double line, double dewpointC, const char* time, int timeLength);
__attribute__((import_module("dewpoint"), import_name("bad"))) void PageBadRow(double line);
__attribute__((import_module("dewpoint"), import_name("message"))) void PageMessage(const char* text, int length);
__attribute__((import_module("dewpoint"), import_name("column"))) void PageColumn(
    const char* name, int length, int pressureUnit, int temperatureUnit);
}

namespace {

using namespace dewpoint::logs;

// The exit statuses of `dewpoint`.
constexpr int kDone = 0;
constexpr int kDataError = 1;
constexpr int kUsageError = 2;
constexpr int kRowsSkipped = 3;

std::vector<std::string> g_arguments;
std::string g_argument;
std::string g_summary;

void Message(const std::string& text)
{
    PageMessage(text.data(), static_cast<int>(text.size()));
}

}  // namespace

extern "C" {

// Room for one argument, which the page writes before calling dp_log_argument.
__attribute__((export_name("dp_log_argument_buffer"))) char* dp_log_argument_buffer(int size)
{
    g_argument.assign(static_cast<std::size_t>(size), '\0');
    return g_argument.data();
}

// Takes the argument written into the buffer; the first one starts a new command line.
__attribute__((export_name("dp_log_argument"))) void dp_log_argument(int first)
{
    if (first != 0)
        g_arguments.clear();
    g_arguments.push_back(g_argument);
}

// Converts standard input to standard output as `dewpoint` would with the
// arguments given, and returns its exit status. Messages are the program's,
// without "dewpoint: ". With --summary, dp_log_summary holds the summary.
__attribute__((export_name("dp_log_convert"))) int dp_log_convert()
{
    Settings settings;
    std::string error;
    if (!ParseOptions(g_arguments, settings, error) || settings.action != Settings::Action::ConvertLog) {
        Message(error.empty() ? "not a log conversion" : error);
        return kUsageError;
    }
    settings.format.unit = false;  // the header names the unit
    std::optional<PressureReading> fixedPressure;
    if (settings.pressure && !(fixedPressure = PressureArgument(settings, error))) {
        Message(error);
        return kUsageError;
    }

    LogSummary summary(settings.summaryClass);
    LogReporting reporting;
    reporting.message = Message;
    reporting.progress
        = [](long long rows, long long bytes) { PageProgress(static_cast<double>(rows), static_cast<double>(bytes)); };
    reporting.converted = [&summary](double dewpointC, long line, std::string_view time) {
        summary.AddRow(dewpointC, line, time);
        PageRow(static_cast<double>(line), dewpointC, time.data(), static_cast<int>(time.size()));
    };
    reporting.bad = [&summary](long line) {
        summary.AddBadRow();
        PageBadRow(static_cast<double>(line));
    };
    reporting.header = [](const std::vector<std::string>& names) {
        // Each name, with the units it names (-1 for none), for the page's choices.
        for (const std::string& name : names) {
            const auto pressure = PressureUnitInHeader(name);
            const auto temperature = TemperatureUnitInHeader(name);
            PageColumn(name.data(), static_cast<int>(name.size()),
                pressure ? static_cast<int>(pressure->unit) * 2 + (pressure->absolute ? 1 : 0) : -1,
                temperature ? static_cast<int>(*temperature) : -1);
        }
    };

    InputNature nature;
    nature.wholeFile = true;  // the page's file is all there, and can be read twice
    const LogResult result = ConvertLog(stdin, stdout, settings, fixedPressure, reporting, CsvReader::kBlock, nature);
    std::fflush(stdout);
    g_summary = settings.summary == Settings::Summary::Text ? summary.Text() : summary.Json();
    switch (result.outcome) {
    case LogOutcome::Done:
        return kDone;
    case LogOutcome::RowsSkipped:
        Message(std::to_string(result.skipped) + " of " + std::to_string(result.rows) + " rows skipped");
        return kRowsSkipped;
    case LogOutcome::UsageError:
        return kUsageError;
    case LogOutcome::WriteError:
        Message("cannot write the output");
        return kDataError;
    case LogOutcome::BadData:
        break;
    }
    return kDataError;
}

// The summary of the last conversion, as UTF-8 ending in a zero byte.
__attribute__((export_name("dp_log_summary"))) const char* dp_log_summary()
{
    return g_summary.c_str();
}
}
