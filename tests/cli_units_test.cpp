// The log converter's readers one by one, each over a table of what people
// and loggers write: numbers with units, text encodings, delimited records
// arriving in blocks of any size.
#include "logs/csv_reader.h"
#include "logs/encoding.h"
#include "logs/log_converter.h"
#include "logs/options.h"
#include "logs/quantity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace dewpoint::logs {
namespace {

constexpr DecimalSeparators kPoint{true, false};
constexpr DecimalSeparators kBoth{true, true};

TEST(Readings, NumbersUnitsAndTheirMistakes)
{
    struct Case {
        const char* text;
        DecimalSeparators separators;
        std::optional<double> celsius;  // nothing where it is refused
        ValueError error = ValueError::NotANumber;
        char separator = '\0';
    };
    const Case sensors[] = {
        {"-40", kPoint, -40.0},
        {" -40.0 ", kPoint, -40.0, {}, '.'},
        {"+5", kPoint, 5.0},
        {".5", kPoint, 0.5, {}, '.'},
        {"-4F", kPoint, -20.0},
        {"-4 °F", kPoint, -20.0},
        {"-4°f", kPoint, -20.0},
        {"-20°C", kPoint, -20.0},
        {"253.15K", kPoint, -20.0, {}, '.'},
        {"253.15 k", kPoint, -20.0, {}, '.'},
        {"-40,5", kBoth, -40.5, {}, ','},
        {"-40,5", kPoint, std::nullopt, ValueError::NotANumber},
        {"-40.5", DecimalSeparators{false, true}, std::nullopt, ValueError::NotANumber},
        {"-40,", kBoth, std::nullopt, ValueError::NotANumber},
        {"-40.0.0", kPoint, std::nullopt, ValueError::NotANumber},
        {"-40 5", kPoint, std::nullopt, ValueError::NotANumber},
        {"++5", kPoint, std::nullopt, ValueError::NotANumber},
        {"+-5", kPoint, std::nullopt, ValueError::NotANumber},
        {"", kPoint, std::nullopt, ValueError::NotANumber},
        {"nan", kPoint, std::nullopt, ValueError::NotANumber},
        {"-4°", kPoint, std::nullopt, ValueError::UnknownUnit},
        {"-40X", kPoint, std::nullopt, ValueError::UnknownUnit},
        {"-40 FF", kPoint, std::nullopt, ValueError::UnknownUnit},
        {"20.1", kPoint, std::nullopt, ValueError::OutOfRange},
        {"-100.1", kPoint, std::nullopt, ValueError::OutOfRange},
        {"68.1F", kPoint, std::nullopt, ValueError::OutOfRange},
        {"20.0000000001", kPoint, 20.0000000001, {}, '.'},
        {"-40e1", kPoint, std::nullopt, ValueError::OutOfRange},
        {"1e309", kPoint, std::nullopt, ValueError::OutOfRange},
        {"\u2212"
         "40",
            kPoint, -40.0},                         // a typographic minus
        {"-40\u00A0°C", kPoint, -40.0},             // a no-break space before the unit
        {"233.15\u202FK", kPoint, -40.0, {}, '.'},  // a narrow one
        {"\u2212\u2212"
         "40",
            kPoint, std::nullopt, ValueError::NotANumber},
    };
    for (const Case& c : sensors) {
        SCOPED_TRACE(c.text);
        const Parsed<SensorReading> parsed = ReadSensor(c.text, TemperatureUnit::Celsius, c.separators);
        ASSERT_EQ(parsed.reading.has_value(), c.celsius.has_value());
        if (!c.celsius) {
            EXPECT_EQ(parsed.error, c.error);
            continue;
        }
        EXPECT_NEAR(parsed.reading->value, *c.celsius, 1e-12);
        EXPECT_EQ(parsed.reading->separator, c.separator);
    }
    // A value in kelvin is kept as given, for use between grid points.
    EXPECT_EQ(ReadSensor("233.16K", TemperatureUnit::Celsius, kPoint).reading->kelvin, 233.16);
    EXPECT_FALSE(ReadSensor("-40", TemperatureUnit::Celsius, kPoint).reading->kelvin);
    // A bare number is in the unit given for bare numbers.
    EXPECT_NEAR(ReadSensor("-4", TemperatureUnit::Fahrenheit, kPoint).reading->value, -20.0, 1e-12);
    EXPECT_NEAR(ReadSensor("253.15", TemperatureUnit::Kelvin, kPoint).reading->value, -20.0, 1e-12);

    const Case pressures[] = {
        {"7", kPoint, 7.0},
        {"7 bar", kPoint, 7.0},
        {"7BARG", kPoint, 7.0},
        {"101.5psi", kPoint, 101.5 * 6894.757293168361 / 100000.0, {}, '.'},
        {"101.5 PSIG", kPoint, 101.5 * 6894.757293168361 / 100000.0, {}, '.'},
        {"700kPa", kPoint, 7.0},
        {"0.7MPa", kPoint, 7.0, {}, '.'},
        {"0", kPoint, 0.0},
        {"40", kPoint, 40.0},
        {"7b", kPoint, std::nullopt, ValueError::UnknownUnit},
        {"8bar(a)", kPoint, std::nullopt, ValueError::UnknownUnit},
        {"-0.1", kPoint, std::nullopt, ValueError::OutOfRange},
        {"40.1", kPoint, std::nullopt, ValueError::OutOfRange},
        {"4001kPa", kPoint, std::nullopt, ValueError::OutOfRange},
    };
    for (const Case& c : pressures) {
        SCOPED_TRACE(c.text);
        const Parsed<PressureReading> parsed = ReadPressure(c.text, PressureUnit::Bar, c.separators);
        ASSERT_EQ(parsed.reading.has_value(), c.celsius.has_value());
        if (c.celsius)
            EXPECT_NEAR(parsed.reading->value, *c.celsius, 1e-12);
        else
            EXPECT_EQ(parsed.error, c.error);
    }
}

// The page's build reads numbers without std::from_chars: it must read
// every text as from_chars does, to the bit, and stop where it stops.
TEST(Readings, NumbersReadAsFromCharsReadsThem)
{
    std::vector<std::string> texts = {"0", "-0", "7", "7.", ".5", "-.5", "1e3", "1e", "1e+", "1e-2x", "2.5E+2", "-",
        ".", "-.", "+1", "1..2", "0x1A", "inf", "-nan", "1e309", "-1e309", "1e-400", "4.9e-324",
        "2.2250738585072011e-308", "0.1000000000000000055511151231257827", "9007199254740993",
        "123456789012345678901234567890", "  1", "1,5", "00012.50", "1e0400", "-0.0e-0"};
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 20000; ++i) {
        // Random doubles as shortest text, and with digits cut or added.
        const auto value = std::bit_cast<double>(random());
        std::array<char, 64> buffer{};
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        std::string text(buffer.data(), written.ptr);
        if (i % 3 == 1)
            text += std::to_string(random() % 1000);
        texts.push_back(text);
        // Readings as loggers write them: a few digits, a point, a sign; up to 16 digits in all.
        std::string reading(random() % 2 == 0 ? "-" : "");
        reading.append(std::to_string(random() % 100000000));
        const std::size_t point = random() % (reading.size() + 2);
        if (point < reading.size() && reading[point] != '-')
            reading.replace(point, 0, 1, '.');
        texts.push_back(reading.append(random() % 10, '0').append(std::to_string(random() % 100000)));
        texts.push_back(std::string("0.0000000000000000000").append(std::to_string(random() % 100000)));
    }
    for (const std::string& text : texts) {
        double expected = 1.25;
        double got = 1.25;
        const auto library = std::from_chars(text.data(), text.data() + text.size(), expected);
        const auto own = ReadDoubleByStrtod(text.data(), text.data() + text.size(), got);
        const bool libraryFinite = library.ec == std::errc() && std::isfinite(expected);
        const bool ownFinite = own.ec == std::errc() && std::isfinite(got);
        ASSERT_EQ(libraryFinite, ownFinite) << text;
        if (libraryFinite) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(expected)) << text;
            EXPECT_EQ(own.ptr, library.ptr) << text;
        } else {
            EXPECT_EQ(own.ec == std::errc::result_out_of_range, library.ec == std::errc::result_out_of_range) << text;
        }
    }
}

// --digits full without to_chars's fixed form: the same text, for every
// magnitude a result can have and far beyond.
TEST(Readings, ShortestFixedAsToCharsWritesIt)
{
    std::vector<double> values = {0.0, -0.0, 1.0, -1.0, 0.1, 10.0, 100.0, 123.456, -20.2, 5e-324, 1e-7,
        9007199254740991.0, -4503599627370496.5, 0.000123, 1e15, 32.05};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::ldexp(1.0, static_cast<int>(random() % 120) - 66);
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -53) * magnitude * (i % 2 == 0 ? 1 : -1));
    }
    for (const double value : values) {
        std::array<char, 400> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
        std::string expected(buffer.data(), end.ptr);
        ASSERT_EQ(ShortestFixed(value, '.'), expected) << value;
        std::replace(expected.begin(), expected.end(), '.', ',');
        ASSERT_EQ(ShortestFixed(value, ','), expected) << value;
    }
}

TEST(Readings, MessagesShowDataEscaped)
{
    EXPECT_EQ(ShownText(std::string_view("a\0b\x1b[2J\tc\x7f", 10)), "'a\\0b\\x1b[2J\\x09c\\x7f'");
    EXPECT_EQ(ShownText(std::string(50, 'x')), std::string("'").append(40, 'x').append("...'"));
    EXPECT_EQ(ValueErrorMessage(ValueError::NotANumber, "7,5", kPressureAccepted, false),
        "'7,5' is not a number (accepted: 0 to 40 bar gauge); for a decimal comma give --decimal-comma, or use a ; or "
        "tab table");
    // The hint goes only with a comma between digits.
    for (const char* noHint : {"7,x", "x,5", ",5", "7,", "7;5"})
        EXPECT_EQ(ValueErrorMessage(ValueError::NotANumber, noHint, kPressureAccepted, false).find("--decimal-comma"),
            std::string::npos)
            << noHint;
    EXPECT_EQ(ValueErrorMessage(ValueError::NotANumber, "7,5", kPressureAccepted, true).find("--decimal-comma"),
        std::string::npos);
    EXPECT_EQ(ValueErrorMessage(ValueError::UnknownUnit, "7x", kPressureAccepted, false),
        "'7x' has an unknown unit (accepted: bar, psi, kPa, MPa)");
    EXPECT_EQ(ValueErrorMessage(ValueError::OutOfRange, "21", kSensorAccepted, true),
        "'21' is out of range (accepted: -100 to +20 °C)");
}

TEST(Readings, UnitsNamedInAHeader)
{
    struct Case {
        const char* name;
        std::optional<PressureUnit> pressure;
        bool absolute;
        std::optional<TemperatureUnit> temperature;
    };
    const Case cases[] = {
        {"Pressure [psig]", PressureUnit::Psi, false, std::nullopt},
        {"Druck (bar)", PressureUnit::Bar, false, std::nullopt},
        {"bar(g)", PressureUnit::Bar, false, std::nullopt},
        {"Druck bar(a)", PressureUnit::Bar, true, std::nullopt},
        {"p kPa abs", PressureUnit::KPa, true, std::nullopt},
        {"P [MPa]", PressureUnit::MPa, false, std::nullopt},
        {"PSIA", PressureUnit::Psi, true, std::nullopt},
        {"Taupunkt [°F]", std::nullopt, false, TemperatureUnit::Fahrenheit},
        {"Dewpoint (C)", std::nullopt, false, TemperatureUnit::Celsius},
        {"dp degC", std::nullopt, false, TemperatureUnit::Celsius},
        {"T [K]", std::nullopt, false, TemperatureUnit::Kelvin},
        {"°C", std::nullopt, false, TemperatureUnit::Celsius},
        {"K", std::nullopt, false, TemperatureUnit::Kelvin},  // a units row's cell
        {"Probe K", std::nullopt, false, std::nullopt},
        {"Sensor C", std::nullopt, false, std::nullopt},                               // a sensor's name, not a unit
        {"Dewpoint [probe (2) F]", std::nullopt, false, TemperatureUnit::Fahrenheit},  // still in brackets
        {"Dewpoint (probe) C", std::nullopt, false, std::nullopt},                     // out of them again
        {"Dewpoint", std::nullopt, false, std::nullopt},
        {"Barometer", std::nullopt, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<HeaderPressureUnit> pressure = PressureUnitInHeader(c.name);
        ASSERT_EQ(pressure.has_value(), c.pressure.has_value());
        if (pressure) {
            EXPECT_EQ(pressure->unit, *c.pressure);
            EXPECT_EQ(pressure->absolute, c.absolute);
        }
        EXPECT_EQ(TemperatureUnitInHeader(c.name), c.temperature);
    }
    // An absolute pressure is read as the gauge pressure.
    EXPECT_NEAR(ReadPressure("8.01325", PressureUnit::Bar, kPoint, true).reading->value, 7.0, 1e-12);
    EXPECT_NEAR(ReadPressure("116.2", PressureUnit::Psi, kPoint, true).reading->value, 7.0, 0.01);
    EXPECT_EQ(ReadPressure("1", PressureUnit::Bar, kPoint, true).error, ValueError::OutOfRange);
}

TEST(Readings, UnitAndPositionNames)
{
    EXPECT_EQ(PressureUnitNamed("KPA"), PressureUnit::KPa);
    EXPECT_EQ(PressureUnitNamed("psig"), PressureUnit::Psi);
    EXPECT_EQ(PressureUnitNamed("pa"), std::nullopt);
    EXPECT_EQ(TemperatureUnitNamed("°c"), TemperatureUnit::Celsius);
    EXPECT_EQ(TemperatureUnitNamed("k"), TemperatureUnit::Kelvin);
    EXPECT_EQ(TemperatureUnitNamed("R"), std::nullopt);
    EXPECT_EQ(SensorPositionNamed("Atmosphere"), true);
    EXPECT_EQ(SensorPositionNamed("ATM"), true);
    EXPECT_EQ(SensorPositionNamed("sys"), false);
    EXPECT_EQ(SensorPositionNamed("line"), std::nullopt);
}

TEST(Encodings, Utf8Validity)
{
    struct Case {
        const char* bytes;
        bool valid;
        bool validIfCut;  // where the input may go on after these bytes
    };
    const Case cases[] = {
        {"", true, true}, {"plain ASCII", true, true},
        {"\xC3\xA4 \xE2\x82\xAC \xF0\x9F\x98\x80", true, true},  // ä € and a four-byte character
        {"ab\xC3", false, true},                                 // cut after its lead byte
        {"ab\xE2\x82", false, true}, {"ab\xF0\x9F\x98", false, true},
        {"ab\xE2\x41", false, false},  // a lead byte followed by no continuation
        {"\xE2\x41\x42", false, false}, {"\xC3\x28", false, false},
        {"\x80", false, false},              // a continuation without a lead byte
        {"\xC0\xAF", false, false},          // overlong
        {"\xE0\x80\x80", false, false},      // overlong
        {"\xED\xA0\x80", false, false},      // a surrogate
        {"\xF4\x90\x80\x80", false, false},  // beyond U+10FFFF
        {"\xF8\x88\x80\x80\x80", false, false},
        {"\xB0"
         "C",
            false, false},  // Windows-1252's degree sign
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(IsValidUtf8(c.bytes, false), c.valid);
        EXPECT_EQ(IsValidUtf8(c.bytes, true), c.validIfCut);
    }
}

TEST(Encodings, SingleByteEncodingsBothWays)
{
    for (const Encoding encoding : {Encoding::Windows1252, Encoding::CodePage850})
        for (int byte = 0; byte < 256; ++byte) {
            const std::string original(1, static_cast<char>(byte));
            const std::string utf8 = ToUtf8(original, encoding);
            EXPECT_TRUE(IsValidUtf8(utf8, false)) << byte;
            EXPECT_EQ(FromUtf8(utf8, encoding), original) << byte;
        }
    EXPECT_EQ(ToUtf8("\x84 \xF8 \x99 \xB3", Encoding::CodePage850), "ä ° Ö │");
    EXPECT_EQ(FromUtf8("M\u00E4rz \u00B0"
                       "C",
                  Encoding::CodePage850),
        "M\x84rz \xF8"
        "C");
    EXPECT_EQ(FromUtf8("\u20AC", Encoding::CodePage850), std::nullopt);  // no euro sign in 850
    EXPECT_EQ(EncodingNamed("IBM850"), Encoding::CodePage850);
    EXPECT_EQ(ToUtf8("\x80 \xB0"
                     "C \xE4 \x9F",
                  Encoding::Windows1252),
        "€ °C ä Ÿ");
    EXPECT_EQ(FromUtf8("Taupunkt [°C] – März", Encoding::Windows1252),
        "Taupunkt [\xB0"
        "C] \x96 M\xE4rz");
    EXPECT_EQ(FromUtf8("\xC4\x80", Encoding::Windows1252), std::nullopt);  // Ā has no Windows-1252 form
    EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80", Encoding::Windows1252), std::nullopt);
    EXPECT_EQ(ToUtf8("\xB0", Encoding::Utf8), "\xB0");
    EXPECT_EQ(EncodingNamed("UTF8"), Encoding::Utf8);
    EXPECT_EQ(EncodingNamed("CP1252"), Encoding::Windows1252);
    EXPECT_EQ(EncodingNamed("latin1"), std::nullopt);
}

// Every encoding --help names is one the program reads.
TEST(Encodings, HelpNamesEveryEncodingItReads)
{
    const std::string help = HelpText();
    const std::size_t line = help.find("--encoding E");
    ASSERT_NE(line, std::string::npos);
    std::string names = help.substr(line + 12, help.find('(', line) - line - 12);
    std::replace(names.begin(), names.end(), ',', ' ');
    std::istringstream words(names);
    int named = 0;
    for (std::string name; words >> name;)
        if (name != "or") {
            EXPECT_TRUE(EncodingNamed(name)) << name;
            ++named;
        }
    EXPECT_EQ(named, 3);
}

// UTF-16LE to UTF-8 and back in pieces of every size gives every byte back,
// a character beyond the BMP and a lone surrogate among them.
TEST(Encodings, Utf16LeBothWaysInPieces)
{
    const std::string utf16("\xFF\xFEZ\x00\xB0\x00\x3D\xD8\x00\xDE\x00\xD8\x41\x00\x00\xDC", 16);
    for (std::size_t piece = 1; piece <= utf16.size(); ++piece) {
        std::string rest;
        std::string utf8;
        for (std::size_t at = 0; at < utf16.size(); at += piece)
            AppendUtf16LeAsUtf8(std::string_view(utf16).substr(at, piece), rest, utf8, at + piece >= utf16.size());
        EXPECT_TRUE(rest.empty()) << piece;
        EXPECT_EQ(utf8,
            "\uFEFFZ\u00B0\U0001F600\xED\xA0\x80"
            "A\xED\xB0\x80")
            << piece;
        std::string back;
        for (std::size_t at = 0; at < utf8.size(); at += piece)
            AppendUtf8AsUtf16Le(std::string_view(utf8).substr(at, piece), rest, back);
        EXPECT_EQ(back, utf16) << piece;
    }
    std::string rest;
    std::string utf8;
    AppendUtf16LeAsUtf8(std::string_view("A\0B", 3), rest, utf8, true);
    EXPECT_EQ(rest, "B");  // an odd byte at the end is no character
}

// Excel's Unicode Text is known by its mark however few bytes the first read brings.
TEST(Encodings, Utf16LeKnownWhateverTheFirstRead)
{
    const std::string table("\xFF\xFEp\0,\0d\0\n\0"
                            "7\0,\0-\0"
                            "4\0"
                            "0\0\n\0",
        22);
    for (const std::size_t block : {1, 2, 3, 64}) {
        std::string copy = table;
        std::FILE* in = fmemopen(copy.data(), copy.size(), "r");
        char* written = nullptr;
        std::size_t size = 0;
        std::FILE* out = open_memstream(&written, &size);
        Settings settings;
        settings.sensorColumn = "2";
        settings.format.unit = false;
        const LogResult result = ConvertLog(in, out, settings, PressureReading{{7.0, '\0'}}, {}, block);
        std::fclose(in);
        std::fclose(out);
        const std::string output(written, size);
        std::free(written);
        EXPECT_EQ(result.outcome, LogOutcome::Done) << block;
        std::string rest;
        std::string utf8;
        AppendUtf16LeAsUtf8(output, rest, utf8, true);
        EXPECT_EQ(utf8, "\uFEFFp,d,Pressure dewpoint (°C)\n7,-40,-20.2\n") << block;
    }
}

TEST(Records, DelimiterOfAHeader)
{
    struct Case {
        const char* header;
        char delimiter;
    };
    const Case cases[] = {
        {"a,b,c", ','},
        {"Zeit;Druck;Taupunkt", ';'},
        {"t\tdp\tp", '\t'},
        {"\"a;b;c\",d", ','},         // delimiters inside quotes do not count
        {R"("x ""a;b""";c;d)", ';'},  // nor inside a doubled quote
        {"a\"b;c;d\",e", ';'},        // a quote inside a field opens nothing
        {"name", ','},
        {"", ','},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectDelimiter(c.header), c.delimiter) << c.header;
}

// Every record and field is found whatever size of block the input arrives
// in, with its bytes and line ending as they stood.
TEST(Records, FieldsFoundInBlocksOfAnySize)
{
    const std::string input = "a,\"b,c\", \"e\" \r\n\"x\"\"y\",,z\n\n\"two\nlines\";2\r\"open";
    struct Expected {
        std::vector<std::string> fields;
        std::vector<std::string> values;
        const char* ending;
        long line;
        bool unterminated;
    };
    const Expected expected[] = {
        {{"a", "\"b,c\"", " \"e\" "}, {"a", "b,c", "e"}, "\r\n", 1, false},
        {{R"("x""y")", "", "z"}, {"x\"y", "", "z"}, "\n", 2, false},
        {{}, {}, "\n", 3, false},
        {{"\"two\nlines\";2"}, {"\"two\nlines\";2"}, "\r", 4, false},
        {{"\"open"}, {"\"open"}, "", 6, true},
    };
    // A quote that closes the last field at the very end of the input.
    for (const std::size_t block : {1, 2, 3, 4, 5, 6, 7, 8}) {
        std::string closing = "\"a\"\"b\"\"\"\n\"c\"";
        std::FILE* file = fmemopen(closing.data(), closing.size(), "r");
        ASSERT_NE(file, nullptr);
        CsvReader reader(file, block);
        Record record;
        ASSERT_EQ(reader.ReadRecord(',', record), ReadStatus::Ok);
        ASSERT_EQ(reader.ReadRecord(',', record), ReadStatus::Ok);
        EXPECT_EQ(record.text, "\"c\"") << block;
        EXPECT_FALSE(record.unterminatedQuote) << block;
        std::fclose(file);
    }
    for (const std::size_t block : {1, 2, 3, 5, 7, 64}) {
        SCOPED_TRACE(block);
        std::string copy = input;
        std::FILE* file = fmemopen(copy.data(), copy.size(), "r");
        ASSERT_NE(file, nullptr);
        CsvReader reader(file, block);
        Record record;
        for (const Expected& e : expected) {
            ASSERT_EQ(reader.ReadRecord(',', record), ReadStatus::Ok);
            EXPECT_EQ(record.ending, e.ending);
            EXPECT_EQ(record.firstLine, e.line);
            EXPECT_EQ(record.unterminatedQuote, e.unterminated);
            if (e.fields.empty()) {
                EXPECT_TRUE(record.blank());
                continue;
            }
            ASSERT_EQ(record.fields.size(), e.fields.size());
            std::string scratch;
            for (std::size_t i = 0; i < e.fields.size(); ++i) {
                EXPECT_EQ(record.field(i), e.fields[i]);
                EXPECT_EQ(FieldValue(record.field(i), scratch), e.values[i]);
            }
        }
        EXPECT_EQ(reader.ReadRecord(',', record), ReadStatus::End);
        EXPECT_EQ(reader.bytesRead(), static_cast<long long>(input.size()));
        std::fclose(file);
    }
}

// A record may be as long as the bound and no longer, also across a quoted
// line break; a line as long is refused as well.
TEST(Records, LengthIsBounded)
{
    const std::size_t bound = CsvReader::kMaxRecord;
    struct Case {
        std::string input;
        ReadStatus status;
    };
    const Case cases[] = {
        {std::string(bound, 'a') + "\n", ReadStatus::Ok},
        {std::string(bound + 1, 'a') + "\n", ReadStatus::TooLong},
        {"\"" + std::string(bound / 2, 'a') + "\n" + std::string(bound / 2, 'b') + "\"\n", ReadStatus::TooLong},
    };
    for (const Case& c : cases) {
        std::string copy = c.input;
        std::FILE* file = fmemopen(copy.data(), copy.size(), "r");
        ASSERT_NE(file, nullptr);
        CsvReader reader(file);
        Record record;
        EXPECT_EQ(reader.ReadRecord(',', record), c.status) << c.input.size();
        std::fclose(file);
    }
}

TEST(Records, ByteOrderMarkTakenOffOnce)
{
    std::string input = "\xEF\xBB\xBF"
                        "a,b\n\xEF\xBB\xBF"
                        "c,d\n";
    std::FILE* file = fmemopen(input.data(), input.size(), "r");
    ASSERT_NE(file, nullptr);
    CsvReader reader(file, 2);
    EXPECT_EQ(reader.TakeByteOrderMark(), "\xEF\xBB\xBF");
    Record record;
    ASSERT_EQ(reader.ReadRecord(',', record), ReadStatus::Ok);
    EXPECT_EQ(record.text, "a,b");
    ASSERT_EQ(reader.ReadRecord(',', record), ReadStatus::Ok);
    EXPECT_EQ(record.field(0),
        "\xEF\xBB\xBF"
        "c");
    std::fclose(file);
}

}  // namespace
}  // namespace dewpoint::logs
