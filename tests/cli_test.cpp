// The command-line program as its users run it: one conversion, whole logs
// in the dialects loggers write, every bad input, and the whole grid of the
// window in one run.
#include "support/engine.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

namespace dewpoint {
namespace {

using testing::ProgramRun;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

using Arguments = std::vector<std::string>;

ProgramRun Dewpoint(const Arguments& arguments, const std::string& input, const ScratchFolder& folder)
{
    return testing::RunProgram(DEWPOINT_PROGRAM, arguments, input, folder.path());
}

TEST(Cli, OneConversion)
{
    struct Case {
        Arguments arguments;
        const char* out;
    };
    const Case cases[] = {
        {{"--pressure", "7", "--sensor", "-40"}, "-20.2 °C\n"},
        {{"--pressure", "7", "--sensor", "-40", "--sensor-at", "system"}, "-40.0 °C\n"},
        {{"--pressure", "7", "--sensor", "-40", "--plain"}, "-20.2\n"},
        // The window's own double at 7.0 bar and -40.0 °C, whatever the units it is given in.
        {{"--pressure", "7", "--sensor", "-40", "--digits", "full"}, "-20.17099616201254\n"},
        {{"--pressure=0.7MPa", "--sensor=233.15K", "--digits=full"}, "-20.17099616201254\n"},
        {{"--pressure", "700 kPa", "--sensor", "-40F", "--digits", "full"}, "-20.17099616201254\n"},
        {{"--pressure", "7.0000000009", "--sensor", "-39.9999999991", "--digits", "full"}, "-20.17099616201254\n"},
        {{"--pressure", "7", "--sensor", "0", "--sensor-at", "system", "--digits", "full"},
            "-0.000003590609408115443\n"},
        // 101.5 psi is 6.998 bar: between grid points, used as given.
        {{"--pressure", "101.5psi", "--sensor", "-40", "--digits", "full"}, "-20.17336283167805\n"},
        {{"--pressure", "7", "--sensor", "0"}, "32.1 °C\n"},
        {{"--pressure", "7", "--sensor", "0", "--fahrenheit"}, "89.9 °F\n"},
        {{"--pressure", "7,0", "--sensor", "-40,0", "--decimal-comma", "--plain"}, "-20,2\n"},
        {{"--pressure", "0", "--sensor", "-100"}, "-100.0 °C\n"},
        {{"--pressure", "40", "--sensor", "+20", "--digits", "full"}, "93.53951747091395\n"},
        {{"--pressure", "14.5", "--pressure-unit", "psi", "--sensor", "32", "--sensor-unit", "F", "--plain"}, "9.8\n"},
    };
    const ScratchFolder folder;
    for (const Case& c : cases) {
        const ProgramRun run = Dewpoint(c.arguments, "", folder);
        EXPECT_EQ(run.out, c.out) << c.arguments[3] << " " << run.err;
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
    }
}

// Every bad input is refused with one line that says what and why, nothing
// on standard output, and an output file that is left as it was.
TEST(Cli, BadInputs)
{
    struct Case {
        Arguments arguments;
        const char* table;  // in.csv, where the case reads one
        int status;
        const char* message;
    };
    const char* log = "Time,Pressure,Dewpoint\n00:00,7.0,-40.0\n00:01,7.0,x\n00:02,7.0,-41.0\n";
    const Case cases[] = {
        {{"--pressure", "7", "--sensor", "abc"}, "", 2,
            "dewpoint: --sensor: 'abc' is not a number (accepted: -100 to +20 °C)\n"},
        {{"--pressure", "7", "--sensor", "nan"}, "", 2, "'nan' is not a number"},
        {{"--pressure", "7", "--sensor", "inf"}, "", 2, "'inf' is not a number"},
        {{"--pressure", "7", "--sensor", "1e400"}, "", 2, "'1e400' is not a number"},
        {{"--pressure", "7", "--sensor", ""}, "", 2, "'' is not a number"},
        {{"--pressure", "7,0", "--sensor", "0"}, "", 2,
            "dewpoint: --pressure: '7,0' is not a number (accepted: 0 to 40 bar gauge)\n"},
        {{"--pressure", "40.1", "--sensor", "0"}, "", 2, "'40.1' is out of range (accepted: 0 to 40 bar gauge)"},
        {{"--pressure", "7", "--sensor", "-148.1F"}, "", 2, "'-148.1F' is out of range"},
        {{"--pressure", "8bar(a)", "--sensor", "0"}, "", 2, "'8bar(a)' has a unit that is not known here"},
        {{"--pressure", "7"}, "", 2, "--sensor is missing"},
        {{"--pressure", "7", "--sensor", "0", "--bogus"}, "", 2, "unknown option '--bogus'"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "Dewpoint"}, log, 1,
            "dewpoint: in.csv:3: column \"Dewpoint\": 'x' is not a number (accepted: -100 to +20 °C)\n"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure-column", "Pressure", "--sensor-column", "Humidity"}, log, 2,
            R"(no column is named "Humidity"; the header has "Time", "Pressure", "Dewpoint")"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "3"}, "a,b,c\n1,2,3\n4,5\n", 1,
            "in.csv:3: column \"c\" is field 3, but the row has only 2"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n\"3,4\n", 1,
            "in.csv:3: a quoted field is not closed before the end of the input"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "45", "--sensor-column", "2"}, "a,b\n", 2,
            "--pressure: '45' is out of range"},
        {{"--csv", "in.csv", "-o", "in.csv", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n", 2,
            "-o names the input table"},
        {{"--csv", "missing.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2"}, nullptr, 2,
            "cannot open 'missing.csv': No such file or directory"},
        {{"--pressure", "7", "--sensor-column", "2"}, "", 2, "--sensor-column needs --csv"},
    };
    for (const Case& c : cases) {
        const ScratchFolder folder;
        const std::string before = "the earlier result\n";
        WriteFile(folder.path() / "out.csv", before);
        if (c.table)
            WriteFile(folder.path() / "in.csv", c.table);
        const ProgramRun run = Dewpoint(c.arguments, "", folder);
        SCOPED_TRACE(c.message);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadFile(folder.path() / "out.csv"), before);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), c.table ? 2 : 1);
    }
}

// Logs in the dialects loggers and spreadsheets write: every byte of the
// input comes out again, with one field added to each row.
TEST(Cli, LogDialectsKeepEveryByte)
{
    struct Case {
        const char* what;
        Arguments arguments;
        std::string in;
        std::string out;
        int status = 0;
    };
    const Case cases[] = {
        {"plain", {"--pressure", "7", "--sensor-column", "Dewpoint"}, "Time,Dewpoint\n10:00,-40.0\n10:01,0\n",
            "Time,Dewpoint,Pressure dewpoint (°C)\n10:00,-40.0,-20.2\n10:01,0,32.1\n"},
        {"European export: byte-order mark, CRLF, semicolons, decimal commas, a blank line, no final line end",
            {"--pressure-column", "2", "--sensor-column", "Taupunkt [°C]", "--output-column", "Drucktaupunkt"},
            "\xEF\xBB\xBFZeit;Druck;\"Taupunkt [°C]\"\r\n01.12.;7,0; -25,6 "
            "\r\n\r\n02.12.;\"7,5\";-40\r\n03.12.;7;-40.0",
            "\xEF\xBB\xBFZeit;Druck;\"Taupunkt [°C]\";\"Drucktaupunkt\"\r\n01.12.;7,0; -25,6 ;-3,1\r\n\r\n"
            "02.12.;\"7,5\";-40;-19,5\r\n03.12.;7;-40.0;-20.2"},
        {"logger notes before a tab-separated table, units in the cells",
            {"--skip-lines", "2", "--pressure", "101.5psi", "--sensor-column", "2", "--fahrenheit", "--digits", "full"},
            "Serial;4711\nStart,2026-12-01\nt\tdp\n0\t-40F\n1\t233.15 K\n",
            "Serial;4711\nStart,2026-12-01\nt\tdp\tPressure dewpoint (°F)\n0\t-40F\t-4.312053097020488\n"
            "1\t233.15 K\t-4.312053097020488\n"},
        {"quoted fields with delimiters, doubled quotes and a line break",
            {"--pressure", "7", "--sensor-column", "dp", "--sensor-at-column", "where"},
            "note,dp,where\n\"a, \"\"b\"\"\nc\",-40,system\n\"\",\"-40\",Atmosphere\n",
            "note,dp,where,Pressure dewpoint (°C)\n\"a, "
            "\"\"b\"\"\nc\",-40,system,-40.0\n\"\",\"-40\",Atmosphere,-20.2\n"},
        {"no header, a decimal comma that needs quoting in a comma-separated table",
            {"--no-header", "--decimal-comma", "--pressure", "7", "--sensor-column", "1", "--delimiter", ","},
            "-40\n\"0,0\"\n", "-40,\"-20,2\"\n\"0,0\",\"32,1\"\n"},
        {"bad rows skipped", {"--skip-bad", "--quiet", "--pressure", "7", "--sensor-column", "dp"},
            "dp\n-40\n99\n\nx\n0\n", "dp,Pressure dewpoint (°C)\n-40,-20.2\n99,\n\nx,\n0,32.1\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder folder;
        Arguments arguments{"--csv"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const ProgramRun piped = Dewpoint(arguments, c.in, folder);
        EXPECT_EQ(piped.out, c.out);
        EXPECT_EQ(piped.status, c.status) << piped.err;

        WriteFile(folder.path() / "log.csv", c.in);
        arguments.insert(arguments.end(), {"log.csv", "-o", "out.csv"});
        const ProgramRun named = Dewpoint(arguments, "", folder);
        EXPECT_EQ(ReadFile(folder.path() / "out.csv"), c.out);
        EXPECT_EQ(named.status, c.status);
    }
}

// Every state of the window, 963,202 rows through one process, gives the
// window's own double.
TEST(Cli, WholeGridGivesTheWindowsBits)
{
    auto tenths = [](int value) {
        std::string text = std::to_string(std::abs(value) / 10) + "." + std::to_string(std::abs(value) % 10);
        return value < 0 ? "-" + text : text;
    };
    std::string table = "pressure,sensor,where\n";
    std::vector<double> expected;
    expected.reserve(kGridPointCount);
    ForEachGridPoint([&](const GridPoint& point) {
        table += tenths(point.pressureScroll) + "," + tenths(point.sensorScroll - kSensorScrollZero) + ","
            + (point.atmosphere ? "atmosphere\n" : "system\n");
        expected.push_back(ConvertAtGridPoint(point).DewpointOut);
    });
    const ScratchFolder folder;
    const ProgramRun run = Dewpoint({"--csv", "--pressure-column", "pressure", "--sensor-column", "sensor",
                                        "--sensor-at-column", "where", "--digits", "full"},
        table, folder);
    ASSERT_EQ(run.status, 0) << run.err;

    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    std::size_t row = 0;
    int mismatches = 0;
    while (std::getline(lines, line) && row < expected.size()) {
        double value = 0.0;
        const std::size_t comma = line.rfind(',');
        std::from_chars(line.data() + comma + 1, line.data() + line.size(), value);
        if (value != expected[row] && ++mismatches <= 5)
            ADD_FAILURE() << line << " should end in " << expected[row];
        ++row;
    }
    EXPECT_EQ(row, static_cast<std::size_t>(kGridPointCount));
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace dewpoint
