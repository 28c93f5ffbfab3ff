// The command-line program as its users run it: one conversion, whole logs
// in the dialects loggers write, every bad input, and the whole grid of the
// window in one run.
#include "run_program.h"
#include "support/engine.h"

#include "engine/display.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <random>
#include <sstream>

namespace dewpoint {
namespace {

using testing::ProgramRun;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

using Arguments = std::vector<std::string>;

// The program under test: this build's, or another build of it (dewpoint.exe
// under Wine) named by DEWPOINT_PROGRAM_UNDER_TEST.
std::string Program()
{
    const char* other = std::getenv("DEWPOINT_PROGRAM_UNDER_TEST");
    return other ? other : DEWPOINT_PROGRAM;
}

// Cases that rest on a POSIX system's devices and messages.
bool OnPosix()
{
    return std::getenv("DEWPOINT_PROGRAM_UNDER_TEST") == nullptr;
}

ProgramRun Dewpoint(const Arguments& arguments, const std::string& input, const ScratchFolder& folder)
{
    return testing::RunProgram(Program(), arguments, input, folder.path());
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
        {{"--pressure", "7", "--sensor", "-40", "--digits", "1"}, "-20.2 °C\n"},
        // -4 °F is -20 °C, in every spelling of its unit.
        {{"--pressure", "7", "--sensor", "-4°F", "--digits", "full"}, "4.042079391701417\n"},
        {{"--pressure", "7", "--sensor", "-4 f", "--digits", "full"}, "4.042079391701417\n"},
        {{"--pressure", "7", "--sensor", "-20", "--digits", "full"}, "4.042079391701417\n"},
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
        bool posixOnly = false;
    };
    const char* log = "Time,Pressure,Dewpoint\n00:00,7.0,-40.0\n00:01,7.0,x\n00:02,7.0,-41.0\n";
    const Case cases[] = {
        {{"--pressure", "7", "--sensor", "abc"}, "", 2,
            "dewpoint: --sensor: 'abc' is not a number (accepted: -100 to +20 °C)\n"},
        {{"--pressure", "7", "--sensor", "nan"}, "", 2, "'nan' is not a number"},
        {{"--pressure", "7", "--sensor", "inf"}, "", 2, "'inf' is not a number"},
        {{"--pressure", "7", "--sensor", "1e400"}, "", 2, "'1e400' is out of range"},
        {{"--pressure", "7", "--sensor", ""}, "", 2, "'' is not a number"},
        {{"--pressure", "7,0", "--sensor", "0"}, "", 2,
            "dewpoint: --pressure: '7,0' is not a number (accepted: 0 to 40 bar gauge); for a decimal comma give "
            "--decimal-comma, or use a ; or tab table\n"},
        {{"--pressure", "40.1", "--sensor", "0"}, "", 2, "'40.1' is out of range (accepted: 0 to 40 bar gauge)"},
        {{"--pressure", "7", "--sensor", "-148.1F"}, "", 2, "'-148.1F' is out of range"},
        {{"--pressure", "8bar(a)", "--sensor", "0"}, "", 2,
            "'8bar(a)' has an unknown unit (accepted: bar, psi, kPa, MPa)"},
        {{"--pressure", "7"}, "", 2, "--sensor is missing"},
        {{"--pressure", "7", "--sensor", "0", "--bogus"}, "", 2, "unknown option '--bogus'"},
        {{"--pressure"}, "", 2, "dewpoint: --pressure needs a value"},
        {{"--pressure", "7", "--sensor", "0", "-o"}, "", 2, "dewpoint: -o needs a value"},
        {{"--pres", "7", "--sensor", "0"}, "", 2,
            "option '--pres' is ambiguous: it may be --pressure, --pressure-unit, --pressure-column"},
        {{"--pressure", "7", "--sensor", "0", "--plain=yes"}, "", 2, "dewpoint: --plain takes no value"},
        {{"7", "-40"}, "", 2, "give a reading with its option names: dewpoint --pressure 7 --sensor -40"},
        {{"--pressure", "7", "--sensor", "0", "--digits", "2"}, "", 2, "--digits: '2' is not one of 1, full"},
        {{"--csv", "in.csv", "--pressure", "7", "--sensor-column", "Dewpoint", "--summary-class", "12"}, log, 2,
            "--summary-class: '12' is not one of 1, 2, 3, 4, 5, 6"},
        {{"--csv", "in.csv", "--pressure", "7", "--sensor-column", "Dewpoint", "--summary-class", "0"}, log, 2,
            "--summary-class: '0' is not one of 1, 2, 3, 4, 5, 6"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "Dewpoint"}, log, 1,
            "dewpoint: in.csv:3: column \"Dewpoint\": 'x' is not a number (accepted: -100 to +20 °C)\n"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure-column", "Pressure", "--sensor-column", "Humidity"}, log, 2,
            R"(no column is named "Humidity"; the header has "Time", "Pressure", "Dewpoint", and no line below it)"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "3"}, "a,b,c\n1,2,3\n4,5\n", 1,
            "in.csv:3: column \"c\" is field 3, but the row has only 2"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n\"3,4\n", 1,
            "in.csv:3: a quoted field is not closed before the end of the input"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "45", "--sensor-column", "2"}, "a,b\n", 2,
            "--pressure: '45' is out of range"},
        {{"--csv", "in.csv", "-o", "in.csv", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n", 1,
            "the output is the input table in.csv; write to another file"},
        {{"--csv", "in.csv", "-o", "", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n", 2,
            "dewpoint: -o needs a file name"},
        {{"--csv", "missing.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2"}, nullptr, 1,
            "cannot open 'missing.csv': No such file or directory"},
        {{"--csv", ".", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2"}, nullptr, 1,
            "dewpoint: .: cannot be read: Is a directory\n", true},
        {{"--csv", "in.csv", "-o", "no-folder/out.csv", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n", 1,
            "cannot create a file in the folder of 'no-folder/out.csv': No such file or directory", true},
        {{"--csv", "in.csv", "-o", "/dev/full", "--pressure", "7", "--sensor-column", "2"}, "a,b\n1,2\n", 1,
            "cannot write the output: No space left on device", true},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2"}, "", 1,
            "in.csv: is empty: there is no table to convert"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp"}, "dp,dp\n1,2\n", 2,
            "--sensor-column: more than one column is named \"dp\"; give its number instead"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp"}, "t,dp\n1,-40,3\n", 1,
            "in.csv:2: the row has 3 fields, the header 2"},
        // The header split at the wrong delimiter holds the name inside one field.
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp", "--delimiter", ","},
            "t;dp\n1;-40\n", 2, "no column is named \"dp\" in the header split at ','; give the table's delimiter"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp"}, "dp\n\"-40,5\"\n", 1,
            "in.csv:2: column \"dp\": '-40,5' is not a number (accepted: -100 to +20 °C); for a decimal comma"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp"}, "dp\n-40X\n", 1,
            "'-40X' has an unknown unit (accepted: C, F, K)"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp", "--encoding", "latin9"},
            "dp\n", 2, "--encoding: 'latin9' is not one of utf-8, windows-1252, cp850"},
        {{"--pressure", "7", "--sensor-column", "2"}, "", 2, "--sensor-column needs --csv"},
        {{"--csv", "in.csv", "b.csv", "--pressure", "7", "--sensor-column", "2"}, "a,b\n", 2,
            "more than one input table: 'in.csv' and 'b.csv'"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "2", "--sensor-unit", "C"},
            "t,Taupunkt [\u00B0F]\n1,-40\n", 2,
            "in.csv:1: --sensor-unit contradicts the unit that column \"Taupunkt [\u00B0F]\" names"},
        // What the data holds reaches the terminal escaped.
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp"}, "dp\n\x1b[2J\n", 1,
            R"(in.csv:2: column "dp": '\x1b[2J' is not a number)"},
        {{"--csv", "in.csv", "-o", "out.csv", "--pressure", "7", "--sensor-column", "dp"}, "t\a\x7f,x\n1,2\n", 2,
            R"(the header has "t\x07\x7f", "x")"},
        {{"--pressure", "7", "--sensor", "-1e309"}, "", 2, "'-1e309' is out of range"},
    };
    for (const Case& c : cases) {
        if (c.posixOnly && !OnPosix())
            continue;
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
// UTF-8 text as UTF-16LE, the way Excel's "Unicode Text" stores it.
std::string Utf16Le(std::string_view utf8)
{
    std::string out;
    const auto unit = [&out](unsigned u) { out.append({static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)}); };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        unsigned c = length == 1 ? lead : lead & (0x7FU >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3FU);
        i += length;
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}

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
            "02.12.;\"7,5\";-40;-19,5\r\n03.12.;7;-40.0;-20,2"},
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
        {"a spreadsheet's CSV UTF-8: byte-order mark before a quoted name holding the delimiter; quoted last fields",
            {"--sensor-column", "Dew", "--pressure", "7", "--output-column", "Dew \"p\""},
            "\xEF\xBB\xBF\"Time, UTC\",Dew,Pressure\r\n\"t\",-40,\"7\"\r\n",
            "\xEF\xBB\xBF\"Time, UTC\",Dew,Pressure,\"Dew \"\"p\"\"\"\r\n\"t\",-40,\"7\",\"-20.2\"\r\n"},
        {"old Mac line ends, a lone CR", {"--sensor-column", "dp", "--pressure", "7"}, "dp\r-40\r0",
            "dp,Pressure dewpoint (°C)\r-40,-20.2\r0,32.1"},
        {"a Windows-1252 log: notes, a blank line before the header, a doubled quote in a quoted name",
            {"--skip-lines", "1", "--sensor-column", "Taupunkt [°C]", "--pressure", "7"},
            "Ger\xE4t 4711\r\n\r\n\"Notiz \"\"a,b\"\"\";Taupunkt [\xB0"
            "C]\r\nx;-40,0 \xB0"
            "C\r\n",
            "Ger\xE4t 4711\r\n\r\n\"Notiz \"\"a,b\"\"\";Taupunkt [\xB0"
            "C];Pressure dewpoint (\xB0"
            "C)\r\nx;-40,0 \xB0"
            "C;-20,2\r\n"},
        {"a short row padded to the header, a long one copied as it is",
            {"--skip-bad", "--sensor-column", "dp", "--pressure", "7"}, "t,dp,note\n1,-40\n2,-40,a,b\n",
            "t,dp,note,Pressure dewpoint (°C)\n1,-40,,-20.2\n2,-40,a,b\n", 3},
        {"a spreadsheet's sep= line names the delimiter the header alone leaves open",
            {"--sensor-column", "Dewpoint", "--pressure", "7"}, "sep=;\r\nName, first;Dewpoint\r\nx, y;-40\r\n",
            "sep=;\r\nName, first;Dewpoint;Pressure dewpoint (°C)\r\nx, y;-40;-20,2\r\n"},
        {"rows of empty fields below the data", {"--sensor-column", "dp", "--pressure", "7"}, "t,dp\n1,-40\n,\n , \n",
            "t,dp,Pressure dewpoint (°C)\n1,-40,-20.2\n,\n , \n"},
        {"a typographic minus, no-break spaces before units, one separator for the column",
            {"--sensor-column", "dp", "--pressure-column", "p", "--delimiter", "tab"},
            "p\tdp\n7\t\u2212"
            "40\n7,0\t-40\u00A0°C\n7.0\t233.15\u202FK\n",
            "p\tdp\tPressure dewpoint (°C)\n7\t\u2212"
            "40\t-20.2\n7,0\t-40\u00A0°C\t-20.2\n7.0\t233.15\u202FK\t-20.2\n"},
        {"a spreadsheet's CSV (MS-DOS), code page 850, given",
            {"--sensor-column", "Taupunkt [\u00B0C]", "--pressure", "7", "--encoding", "cp850"},
            "Ger\x84t;Taupunkt [\xF8"
            "C]\r\nM\x84rz;-40,0\r\n",
            "Ger\x84t;Taupunkt [\xF8"
            "C];Pressure dewpoint (\xF8"
            "C)\r\nM\x84rz;-40,0;-20,2\r\n"},
        {"units in the header: psig and °F in brackets", {"--pressure-column", "2", "--sensor-column", "3"},
            "t;Pressure [psig];Taupunkt [\u00B0F]\n1;101,5;-40\n2;101.5;32\n",
            "t;Pressure [psig];Taupunkt [\u00B0F];Pressure dewpoint (\u00B0C)\n1;101,5;-40;-20,2\n2;101.5;32;32,1\n"},
        {"units in the header: bar(g), kPa abs, degF", {"--pressure-column", "p kPa abs", "--sensor-column", "dp degF"},
            "Druck bar(g),p kPa abs,dp degF\n9,801.325,-40\n",
            "Druck bar(g),p kPa abs,dp degF,Pressure dewpoint (°C)\n"
            "9,801.325,-40,-20.2\n"},
        {"a units row under the header", {"--pressure-column", "Druck", "--sensor-column", "Taupunkt"},
            "Zeit;Druck;Taupunkt;Notiz\r\n;(bar);\u00B0F\r\n1;7;-40;a\r\n",
            "Zeit;Druck;Taupunkt;Notiz;Pressure dewpoint (\u00B0C)\r\n;(bar);\u00B0F;;\u00B0C\r\n1;7;-40;a;-20,2\r\n"},
        {"Excel's Unicode Text: UTF-16LE with its mark, tabs, a character beyond the BMP and a lone surrogate",
            {"--sensor-column", "Taupunkt [°C]", "--pressure", "7"},
            "\xFF\xFE" + Utf16Le("Zeit\tNote\tTaupunkt [°C]\r\n1\t\U0001F600\t-40,0\r\n2\t")
                + std::string("\x00\xD8", 2) + Utf16Le("\t-41\r\n"),
            "\xFF\xFE"
                + Utf16Le("Zeit\tNote\tTaupunkt [°C]\tPressure dewpoint (°C)\r\n1\t\U0001F600\t-40,0\t-20,2\r\n2\t")
                + std::string("\x00\xD8", 2) + Utf16Le("\t-41\t-21,3\r\n")},
        {"a logger's notes above the header, found by the column's name",
            {"--sensor-column", "dewpoint", "--pressure", "7"},
            "Logger 4711\r\nRange: Dewpoint -80..20\r\n\r\nTime;Dewpoint\r\n1;-40\r\n",
            "Logger 4711\r\nRange: Dewpoint -80..20\r\n\r\nTime;Dewpoint;Pressure dewpoint (°C)\r\n1;-40;-20,2\r\n"},
        {"a quoted note longer than a read", {"--sensor-column", "2", "--pressure", "7"},
            "note,dp\n\"" + std::string(200000, 'x') + "\n\",-40\nafter,0\n",
            "note,dp,Pressure dewpoint (°C)\n\"" + std::string(200000, 'x') + "\n\",-40,-20.2\nafter,0,32.1\n"},
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
        WriteFile(folder.path() / "out.csv", "an earlier result, replaced\n");
        arguments.insert(arguments.end(), {"log.csv", "-o", "out.csv"});
        const ProgramRun named = Dewpoint(arguments, "", folder);
        EXPECT_EQ(ReadFile(folder.path() / "out.csv"), c.out);
        EXPECT_EQ(named.status, c.status);
    }
}

// Runs a shell script in a folder of its own, with the program as $1.
ProgramRun Shell(const std::string& script, const ScratchFolder& folder)
{
    return testing::RunProgram("/bin/sh", {"-c", script, "sh", DEWPOINT_PROGRAM}, "", folder.path());
}

// Closed standard streams, a process's own descriptors as OUT, an endless
// input with nowhere to write, and signals: the output file is never lost,
// replaced by an empty one, or filled with messages, and nothing hangs.
TEST(Cli, HostileDescriptorsAndSignals)
{
    const ScratchFolder folder;
    WriteFile(folder.path() / "in.csv", "dp\n-40\n");
    WriteFile(folder.path() / "bad.csv", "dp\nx\n");
    const ProgramRun run = Shell(R"sh(
        printf keep > out.csv
        "$1" --csv --sensor-column 1 --pressure 7 -o out.csv <&-; echo "closed input: $? $(cat out.csv)"
        "$1" --csv bad.csv --sensor-column dp --pressure 7 -o out.csv 2>&-; echo "closed error: $? $(cat out.csv)"
        "$1" --csv bad.csv --skip-bad --sensor-column dp --pressure 7 -o out.csv <&- 2>&-
        echo "closed input and error, a message: $? $(tr '\n' '|' < out.csv)"
        printf 'old\n' > all.csv
        "$1" --csv in.csv --sensor-column dp --pressure 7 -o /dev/stdout >> all.csv
        echo "appended: $? $(tr '\n' '|' < all.csv)"
        yes | timeout 20 "$1" --csv --sensor-column 1 --pressure 7 >&-; echo "endless, closed output: $?"
        "$1" --help > /dev/full 2>/dev/null; echo "help on a full disk: $?"
        "$1" --pressure 7 --sensor 0 > /dev/full 2>/dev/null; echo "reading on a full disk: $?"
        (trap '' HUP; { echo dp; sleep 1; echo -40; } | "$1" --csv --sensor-column dp --pressure 7 -o hup.csv &
         sleep 0.3; kill -HUP $!; wait $!; echo "ignored hang-up: $? $(tr '\n' '|' < hup.csv)")
        for signal in TERM INT PIPE; do
            { echo dp; sleep 1; } | timeout -s $signal 0.3 "$1" --csv --sensor-column dp --pressure 7 -o killed.csv
            echo "$signal: $(ls -A | grep -c killed)"
        done
    )sh",
        folder);
    EXPECT_EQ(run.out,
        "closed input: 1 keep\n"
        "closed error: 1 keep\n"
        "closed input and error, a message: 3 dp,Pressure dewpoint (°C)|x,|\n"
        "appended: 0 old|dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "endless, closed output: 1\n"
        "help on a full disk: 1\n"
        "reading on a full disk: 1\n"
        "ignored hang-up: 0 dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "TERM: 0\nINT: 0\nPIPE: 0\n");
}

// Whether OUT is the input, standard output or another descriptor is decided
// by the file itself, whatever the path's spelling or links; the input is
// never written, and a file that cannot be replaced as itself is refused.
TEST(Cli, OutputIsKnownByIdentityNotBySpelling)
{
    if (!OnPosix())
        GTEST_SKIP() << "POSIX paths and descriptors";
    const ScratchFolder folder;
    WriteFile(folder.path() / "in.csv", "dp\n-40\n");
    const ProgramRun run = Shell(R"sh(
        program=$1
        convert() { "$program" --csv in.csv --sensor-column dp --pressure 7 "$@"; }
        ln -s /dev/stdout to-stdout; ln -s in.csv in-link; mkdir sub; ln -s ../in.csv sub/in-link
        for out in /dev//stdout /dev/fd/1 /proc/self/fd/1 /proc/thread-self/fd/1 to-stdout; do
            printf 'old\n' > all.csv
            convert -o $out >> all.csv; echo "$out: $? $(tr '\n' '|' < all.csv)"
        done
        convert -o /dev//stdout >&- 2>/dev/null; echo "closed standard output: $?"
        for out in in.csv ./in.csv in-link sub/in-link /dev/stdout; do
            convert -o $out >> in.csv 2>/dev/null; echo "$out: $? $(tr '\n' '|' < in.csv)"
        done
        convert >> in.csv 2>/dev/null; echo "appended to itself: $? $(tr '\n' '|' < in.csv)"
        printf 'a\n' > linked.csv; ln linked.csv second-name.csv
        convert -o linked.csv; echo "hard link: $? $(cat second-name.csv)"
        # A replacement the system refuses (a folder that may only grow) is an error.
        mkdir kept; printf 'stale\n' > kept/out.csv
        if chattr +a kept 2>/dev/null; then
            convert -o kept/out.csv 2>/dev/null; echo "refused replacement: $? $(cat kept/out.csv)"
            chattr -a kept
        else
            echo "refused replacement: 1 stale"
        fi
        name=$(printf '%0255d' 0)
        convert -o $name; echo "longest name: $? $(wc -l < $name)"
        yes '' | timeout 20 "$1" --csv --sensor-column 1 --pressure 7 > /dev/full 2>/dev/null
        echo "blank lines to a full disk: $?"
        (ulimit -f 1; yes 7,-40 | head -c 2000000 | { echo p,dp; cat; } | "$1" --csv --pressure-column p --sensor-column dp -o big.csv 2>/dev/null)
        echo "file-size limit: $? $(ls -A | grep -c big)"
        for signal in QUIT USR1 ALRM XCPU; do
            { echo dp; sleep 1; } | timeout -s $signal 0.3 "$1" --csv --sensor-column dp --pressure 7 -o killed.csv
            echo "$signal: $(ls -A | grep -c killed)"
        done
    )sh",
        folder);
    EXPECT_EQ(run.out,
        "/dev//stdout: 0 old|dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "/dev/fd/1: 0 old|dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "/proc/self/fd/1: 0 old|dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "/proc/thread-self/fd/1: 0 old|dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "to-stdout: 0 old|dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "closed standard output: 1\n"
        "in.csv: 1 dp|-40|\n"
        "./in.csv: 1 dp|-40|\n"
        "in-link: 1 dp|-40|\n"
        "sub/in-link: 1 dp|-40|\n"
        "/dev/stdout: 1 dp|-40|\n"
        "appended to itself: 1 dp|-40|\n"
        "hard link: 1 a\n"
        "refused replacement: 1 stale\n"
        "longest name: 0 2\n"
        "blank lines to a full disk: 1\n"
        "file-size limit: 153 0\n"
        "QUIT: 0\nUSR1: 0\nALRM: 0\nXCPU: 0\n");
    EXPECT_NE(run.err.find("cannot replace 'linked.csv': it has 1 other hard link(s)"), std::string::npos) << run.err;
}

// A file's encoding is judged from all of it; on a stream, a row that
// contradicts the first block stops the run rather than mixing encodings.
// A live stream's rows come out as they come in.
TEST(Cli, EncodingOfTheWholeLogAndLiveStreams)
{
    const ScratchFolder folder;
    std::string ascii = "dp\n";
    for (int i = 0; i < 20000; ++i)
        ascii += "-40.0\n";  // 120 KB of plain ASCII
    const std::string log = ascii
        + "-40.0 \xB0"
          "C\n";
    WriteFile(folder.path() / "late.csv", log);
    const Arguments arguments{"--csv", "late.csv", "--sensor-column", "dp", "--pressure", "7"};
    const ProgramRun named = Dewpoint(arguments, "", folder);
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(named.out.substr(0, 26),
        "dp,Pressure dewpoint (\xB0"
        "C)\n");
    EXPECT_EQ(named.out.substr(named.out.size() - 15),
        "-40.0 \xB0"
        "C,-20.2\n");

    const ProgramRun piped = Shell(
        R"sh(cat late.csv | "$1" --csv --sensor-column dp --pressure 7 > piped.csv; echo $?; tail -c 12 piped.csv)sh",
        folder);
    EXPECT_EQ(piped.out, "1\n-40.0,-20.2\n");  // the rows before it, and nothing of it
    EXPECT_EQ(piped.err,
        "dewpoint: <stdin>:20002: is not UTF-8, as the lines before it are; give the log's encoding "
        "with --encoding\n");
    const ProgramRun given
        = Dewpoint({"--csv", "--sensor-column", "dp", "--pressure", "7", "--encoding", "windows-1252"}, log, folder);
    EXPECT_EQ(given.out, named.out);
    // A stream that shows its Windows-1252 in its first block is read as such to its end.
    WriteFile(folder.path() / "early.csv",
        "dp \xB0"
        "C\n"
            + ascii.substr(3)
            + "-40.0 \xB0"
              "C\n");
    const ProgramRun early
        = Shell(R"sh(cat early.csv | "$1" --csv --sensor-column 1 --pressure 7 | tail -c 15)sh", folder);
    EXPECT_EQ(early.out,
        "-40.0 \xB0"
        "C,-20.2\n")
        << early.err;

    if (!OnPosix())
        return;
    const ProgramRun live = Shell(R"sh(
        { echo dp; echo -40; sleep 3; echo 0; } | "$1" --csv --sensor-column dp --pressure 7 > live.csv &
        sleep 1.5; echo "while the log is written: $(tr '\n' '|' < live.csv)"; wait
        echo "at its end: $(tr '\n' '|' < live.csv)"
    )sh",
        folder);
    EXPECT_EQ(live.out,
        "while the log is written: dp,Pressure dewpoint (°C)|-40,-20.2|\n"
        "at its end: dp,Pressure dewpoint (°C)|-40,-20.2|0,32.1|\n");
}

// The summary of a log whose answers are known: with the sensor in the line
// the read-out repeats the sensor's value.
TEST(Cli, SummaryOfAKnownLog)
{
    const ScratchFolder folder;
    WriteFile(folder.path() / "day.csv",
        "Zeit;Taupunkt\n08:00;-80\n08:01;-50\n08:02;-30\n08:03;0\n08:04;5\n08:05;8\n08:06;15\n08:07;15\n"
        "08:08;x\n08:09;-45\n08:10;12\n");
    const Arguments log{
        "--csv", "day.csv", "--sensor-column", "Taupunkt", "--pressure", "7", "--sensor-at", "system", "--skip-bad"};
    Arguments json = log;
    json.insert(json.end(), {"--summary=json", "-o", "day-pdp.csv"});
    const ProgramRun run = Dewpoint(json, "", folder);
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out,
        "{\"rows\": 10, \"bad_rows\": 1, \"min_c\": -80.0, \"mean_c\": -15.0, \"max_c\": 15.0, \"p5_c\": -80.0, "
        "\"p50_c\": 0.0, \"p95_c\": 15.0, \"worst\": {\"line\": 8, \"time\": \"08:06\"}, \"class_percent\": {\"0\": "
        "30.0, \"1\": 10.0, \"2\": 20.0, \"3\": 10.0, \"4\": 10.0, \"5\": 10.0, \"6\": 10.0}, \"longest_above\": "
        "{\"class\": 4, \"limit_c\": 3, \"rows\": 4, \"from\": {\"line\": 6, \"time\": \"08:04\"}, \"to\": {\"line\": "
        "9, "
        "\"time\": \"08:07\"}}}\n");
    EXPECT_NE(ReadFile(folder.path() / "day-pdp.csv").find("08:10;12;12,0\n"), std::string::npos);

    // As text, and against another class: the 5 and 8 of class 5 and 6 are above class 2's -40 too.
    Arguments text = log;
    text.insert(text.end(), {"--summary", "--summary-class", "2"});
    const ProgramRun shown = Dewpoint(text, "", folder);
    EXPECT_NE(shown.out.find("\nMaximum                             15.0 °C, line 8 (08:06)\n"), std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("\nLongest above class 2 limit         6 rows, line 4 (08:02) to line 9 (08:07)\n"),
        std::string::npos)
        << shown.out;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);  // no -o, no log written
}

// Over random states the summary agrees with figures worked out here from
// the converted column itself.
TEST(Cli, SummaryAgreesWithTheConvertedColumn)
{
    std::mt19937 random(2026);
    std::string table = "p,dp,where\n";
    for (int i = 0; i < 3000; ++i)
        table += std::to_string(static_cast<double>(random() % 401) / 10.0) + ","
            + std::to_string(static_cast<double>(random() % 1201) / 10.0 - 100)
            + (random() % 2 ? ",atmosphere\n" : ",system\n");
    const ScratchFolder folder;
    WriteFile(folder.path() / "log.csv", table);
    const ProgramRun run
        = Dewpoint({"--csv", "log.csv", "--pressure-column", "p", "--sensor-column", "dp", "--sensor-at-column",
                       "where", "--summary=json", "--summary-class", "3", "-o", "out.csv"},
            "", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<double> values;
    std::istringstream lines(ReadFile(folder.path() / "out.csv"));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line))
        values.push_back(std::stod(line.substr(line.rfind(',') + 1)));
    ASSERT_EQ(values.size(), 3000U);
    const auto figure = [&run](const std::string& key) {
        const std::size_t at = run.out.find("\"" + key + "\": ");
        return at == std::string::npos ? NAN : std::stod(run.out.substr(at + key.size() + 4));
    };
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = [&sorted](double percent) {
        return sorted.at(static_cast<std::size_t>(std::ceil(percent / 100 * static_cast<double>(sorted.size()))) - 1);
    };
    const ProgramRun text = Dewpoint({"--csv", "log.csv", "--pressure-column", "p", "--sensor-column", "dp",
                                         "--sensor-at-column", "where", "--summary"},
        "", folder);
    const auto shown = [](double value) { return dewpoint::FormatOneDecimal(value) + " °C"; };
    EXPECT_NE(text.out.find("5th, 50th, 95th percentile          " + shown(rank(5)) + ", " + shown(rank(50)) + ", "
                  + shown(rank(95)) + "\n"),
        std::string::npos)
        << text.out;
    EXPECT_EQ(figure("min_c"), sorted.front());
    EXPECT_EQ(figure("max_c"), sorted.back());
    EXPECT_NEAR(figure("mean_c"), std::accumulate(values.begin(), values.end(), 0.0) / 3000, 0.051);
    EXPECT_EQ(figure("p5_c"), rank(5));
    EXPECT_EQ(figure("p50_c"), rank(50));
    EXPECT_EQ(figure("p95_c"), rank(95));
    long longest = 0;
    long current = 0;
    for (const double value : values) {
        current = value > -20 ? current + 1 : 0;
        longest = std::max(longest, current);
    }
    EXPECT_NE(run.out.find("\"limit_c\": -20, \"rows\": " + std::to_string(longest) + ","), std::string::npos)
        << run.out;
    const double aboveTen
        = static_cast<double>(std::count_if(values.begin(), values.end(), [](double v) { return v > 10; })) / 30.0;
    EXPECT_NE(run.out.find("\"0\": " + dewpoint::FormatOneDecimal(aboveTen) + ","), std::string::npos) << run.out;
}

// On a terminal a long run shows its progress, and the percentage moves.
TEST(Cli, ProgressOnATerminal)
{
    const ScratchFolder folder;
    std::string table = "p,dp\n";
    for (int i = 0; i < 2'500'000; ++i)  // over a second here, so that progress shows
        table += "7,-40\n";
    WriteFile(folder.path() / "big.csv", table);
    // script(1) gives the program a terminal as its standard error.
    const ProgramRun run = Shell(
        R"sh(script -qec "'$1' --csv big.csv --pressure-column p --sensor-column dp -o out.csv" /dev/null)sh", folder);
    std::vector<int> percents;
    for (std::size_t at = run.out.find('%'); at != std::string::npos; at = run.out.find('%', at + 1)) {
        std::size_t start = at;
        while (start > 0 && (run.out[start - 1] == ' ' || std::isdigit(static_cast<unsigned char>(run.out[start - 1]))))
            --start;
        percents.push_back(std::atoi(run.out.c_str() + start));
    }
    ASSERT_FALSE(percents.empty()) << run.out;
    EXPECT_TRUE(std::any_of(percents.begin(), percents.end(), [](int p) { return p > 0 && p < 100; })) << run.out;
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << run.out;
}

// Memory stays bounded whatever the input: 8 MiB without a line break, and
// an endless stream of zero bytes, under an address-space limit that a
// program buffering them whole would exceed.
TEST(Cli, MemoryIsBoundedOnHostileInput)
{
#ifdef DEWPOINT_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve more address space than the limit";
#endif
    const ScratchFolder folder;
    WriteFile(folder.path() / "long.csv", std::string(8 << 20, 'a'));
    const ProgramRun run = Shell(R"sh(
        ulimit -v 60000
        "$1" --csv long.csv --sensor-column 1 --pressure 7 -o out.csv; echo "long: $?"
        "$1" --csv --skip-lines 1 --sensor-column 1 --pressure 7 -o out.csv < long.csv; echo "skipped: $?"
        "$1" --csv /dev/zero --sensor-column 1 --pressure 7 > /dev/null; echo "zeros: $?"
    )sh",
        folder);
    EXPECT_EQ(run.out, "long: 1\nskipped: 1\nzeros: 1\n");
    EXPECT_NE(run.err.find("long.csv:1: a line longer than 1048576 bytes (1 MiB)"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 3) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.csv"));
}

// The file -o replaces keeps what made it that file: the link to it, its
// permissions, its owner and group; a dangling link gets its target.
TEST(Cli, ReplacedOutputKeepsItsIdentity)
{
    const ScratchFolder folder;
    const auto path = [&folder](const char* name) { return folder.path() / name; };
    WriteFile(path("in.csv"), "dp\n-40\n");
    WriteFile(path("target.csv"), "old\n");
    std::filesystem::create_symlink("target.csv", path("link.csv"));
    std::filesystem::create_symlink("new.csv", path("dangling.csv"));
    // A relative link's target lies in the link's own folder.
    std::filesystem::create_directory(path("sub"));
    WriteFile(path("sub/real.csv"), "old\n");
    std::filesystem::create_symlink("real.csv", path("sub/relative.csv"));
    std::filesystem::permissions(path("target.csv"), std::filesystem::perms(0640));
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(path("target.csv").c_str(), 65534, 65534), 0);
    }
    for (const char* output : {"link.csv", "dangling.csv", "sub/relative.csv"}) {
        const ProgramRun run
            = Dewpoint({"--csv", "in.csv", "--sensor-column", "dp", "--pressure", "7", "-o", output}, "", folder);
        EXPECT_EQ(run.status, 0) << run.err;
    }
    const std::string converted = "dp,Pressure dewpoint (°C)\n-40,-20.2\n";
    EXPECT_TRUE(std::filesystem::is_symlink(path("link.csv")));
    EXPECT_TRUE(std::filesystem::is_symlink(path("dangling.csv")));
    EXPECT_EQ(ReadFile(path("target.csv")), converted);
    EXPECT_EQ(ReadFile(path("new.csv")), converted);
    struct stat status { };
    ASSERT_EQ(stat(path("target.csv").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640U);
    if (root) {
        EXPECT_EQ(status.st_uid, 65534U);
        EXPECT_EQ(status.st_gid, 65534U);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(path("sub/relative.csv")));
    EXPECT_EQ(ReadFile(path("sub/real.csv")), converted);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 6);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path("sub")), {}), 2);

    // A new file gets the permissions the umask leaves, as the shell's > gives.
    const ProgramRun modes = Shell(R"sh(
        for mask in 022 027 077 002; do
            (umask $mask; "$1" --csv in.csv --sensor-column dp --pressure 7 -o new$mask.csv; printf '%s ' $(stat -c %a new$mask.csv))
        done)sh",
        folder);
    EXPECT_EQ(modes.out, "644 640 600 664 ") << modes.err;

    // Its access list and extended attributes stay, and its group gains no
    // permission; a new file in a folder with a default access list gets
    // that list, as touch would give it.
    const ProgramRun attributes = Shell(R"sh(
        printf 'old
' > acl.csv; chmod 640 acl.csv
        setfacl -m u:nobody:r acl.csv && setfattr -n user.origin -v logger-7 acl.csv || exit 77
        "$1" --csv in.csv --sensor-column dp --pressure 7 -o acl.csv
        echo "$(stat -c %a acl.csv) $(getfattr --only-values -n user.origin acl.csv 2>/dev/null)"
        getfacl --omit-header --absolute-names acl.csv | grep -c '^user:nobody:r--$'
        mkdir shared; setfacl -d -m u:nobody:rw shared
        (umask 077; "$1" --csv in.csv --sensor-column dp --pressure 7 -o shared/new.csv)
        getfacl --omit-header --absolute-names shared/new.csv | grep -c '^user:nobody:rw-'
    )sh",
        folder);
    if (attributes.status == 77)
        GTEST_SKIP() << "no access lists or extended attributes here: " << attributes.err;
    EXPECT_EQ(attributes.out, "640 logger-7\n1\n1\n") << attributes.err;
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
