// Speed and memory of the command line's log conversion:
//   log_benchmark <dewpoint program>
// converts a 1,000,000-row log (timestamp, pressure, sensor dewpoint) in
// memory and times it against the bare conversion loop over the same
// readings, then feeds 10,000,000 rows through the program itself and reads
// its peak resident memory. Prints "name value" lines.
#include "logs/log_converter.h"
#include "logs/log_summary.h"
#include "logs/quantity.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace dewpoint::logs;

constexpr long kRows = 1'000'000;
constexpr long kMemoryRows = 10'000'000;
constexpr int kRepeats = 5;

// Row i of a day's log at ten-second intervals: the pressure wanders
// between 6.50 and 7.49 bar, the sensor between -60.0 and +9.9 °C.
int WriteRow(char* buffer, std::size_t size, long i)
{
    const long seconds = i * 10;
    return std::snprintf(buffer, size, "2026-12-%02ld %02ld:%02ld:%02ld,%ld.%02ld,%s%ld.%ld\n",
        1 + seconds / 86400 % 28, seconds / 3600 % 24, seconds / 60 % 60, seconds % 60, 6 + (50 + i * 7 % 100) / 100,
        (50 + i * 7 % 100) % 100, i * 13 % 700 < 600 ? "-" : "", std::labs(i * 13 % 700 - 600) / 10,
        std::labs(i * 13 % 700 - 600) % 10);
}

template <typename Work> double BestSeconds(Work work)
{
    double best = 1e300;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// Peak resident memory in kB of the program converting kMemoryRows rows fed
// through a pipe. Run while this process is still small: a forked child
// counts the pages it shares with its parent until it starts the program.
long ProgramPeakKb(const char* program, int& exitStatus)
{
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[0], STDIN_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        close(pipeEnds[1]);
        execl(program, program, "--csv", "--quiet", "--pressure-column", "Pressure", "--sensor-column", "Dewpoint",
            static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[0]);
    std::FILE* feed = fdopen(pipeEnds[1], "wb");
    std::fputs("Time,Pressure,Dewpoint\n", feed);
    std::array<char, 96> row{};
    for (long i = 0; i < kMemoryRows; ++i) {
        const int length = WriteRow(row.data(), row.size(), i);
        std::fwrite(row.data(), 1, static_cast<std::size_t>(length), feed);
    }
    std::fclose(feed);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: log_benchmark <dewpoint program>\n");
        return 2;
    }
    int status = 0;
    const long peakKb = ProgramPeakKb(argv[1], status);

    std::string log = "Time,Pressure,Dewpoint\n";
    std::vector<std::pair<PressureReading, SensorReading>> readings;
    readings.reserve(kRows);
    std::array<char, 96> row{};
    for (long i = 0; i < kRows; ++i) {
        const int length = WriteRow(row.data(), row.size(), i);
        log.append(row.data(), static_cast<std::size_t>(length));
        const std::string_view text(row.data(), static_cast<std::size_t>(length - 1));
        const std::size_t first = text.find(',');
        const std::size_t second = text.rfind(',');
        readings.emplace_back(*ReadPressure(text.substr(first + 1, second - first - 1), PressureUnit::Bar, {}).reading,
            *ReadSensor(text.substr(second + 1), TemperatureUnit::Celsius, {}).reading);
    }

    double sink = 0.0;
    const double bare = BestSeconds([&] {
        for (const auto& [pressure, sensor] : readings)
            sink += Convert(pressure, sensor, true).DewpointOut;
    });

    Settings settings;
    settings.sensorColumn = "Dewpoint";
    settings.pressureColumn = "Pressure";
    settings.format.unit = false;
    std::FILE* nowhere = std::fopen("/dev/null", "wb");
    const double table = BestSeconds([&] {
        std::FILE* input = fmemopen(log.data(), log.size(), "rb");
        const LogResult result = ConvertLog(input, nowhere, settings, std::nullopt, {});
        std::fclose(input);
        if (result.outcome != LogOutcome::Done || result.rows != kRows)
            std::fprintf(stderr, "log_benchmark: the log did not convert\n");
    });
    // The same with the summary counted, as --summary does it.
    long long summarised = 0;
    const double withSummary = BestSeconds([&] {
        std::FILE* input = fmemopen(log.data(), log.size(), "rb");
        LogSummary summary;
        LogReporting reporting;
        reporting.converted
            = [&summary](double dewpointC, long line, std::string_view time) { summary.AddRow(dewpointC, line, time); };
        ConvertLog(input, nowhere, settings, std::nullopt, reporting);
        std::fclose(input);
        summarised += static_cast<long long>(summary.Json().size());
    });
    std::fclose(nowhere);

    std::printf("rows %ld\n", kRows);
    std::printf("summary_rows_per_second %.0f\n", summarised > 0 ? kRows / withSummary : 0.0);
    std::printf("bare_rows_per_second %.0f\n", kRows / bare);
    std::printf("log_rows_per_second %.0f\n", kRows / table);
    std::printf("peak_kb_10m_rows %ld\n", peakKb);
    std::printf("program_status %d\n", status);
    return sink == 0.0 ? 1 : 0;
}
