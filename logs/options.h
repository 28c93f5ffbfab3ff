// The command line of `dewpoint`, read into one settings struct.
#pragma once

#include "encoding.h"
#include "quantity.h"

#include <optional>
#include <string>
#include <vector>

namespace dewpoint::logs {

struct Settings {
    enum class Action { Convert, ConvertLog, Help, Version } action = Action::Convert;

    // Readings and results, for one conversion and for every row of a log.
    std::optional<std::string> pressure;  // --pressure: one reading, or every row's
    std::optional<std::string> sensor;    // --sensor
    bool atmosphere = true;               // --sensor-at
    bool sensorAtGiven = false;
    ResultFormat format;  // --plain, --digits, --fahrenheit
    bool decimalComma = false;
    PressureUnit pressureUnit = PressureUnit::Bar;  // of bare numbers; a log's header may name its own
    TemperatureUnit sensorUnit = TemperatureUnit::Celsius;
    bool pressureUnitGiven = false;
    bool sensorUnitGiven = false;

    // Whole logs.
    std::string input = "-";
    std::string output = "-";
    std::string sensorColumn;    // a header name or a 1-based number
    std::string pressureColumn;  // empty: every row at --pressure
    std::string positionColumn;  // empty: every row at --sensor-at
    bool header = true;
    long skipLines = 0;
    char delimiter = '\0';             // '\0': detected from the header
    std::optional<Encoding> encoding;  // detected where not given
    std::string outputColumn;          // empty: a name with the result's unit
    bool skipBad = false;
    bool quiet = false;
    enum class Summary { None, Text, Json } summary = Summary::None;
    int summaryClass = 4;  // the class whose limit the longest stretch above is measured against
};

// Reads the arguments (without the program name). False with `error` set,
// one line, where they are not a valid command.
bool ParseOptions(const std::vector<std::string>& arguments, Settings& settings, std::string& error);

// The reading --pressure gives (which it must hold); nothing, with `error`
// set to the message, where it is not one.
std::optional<PressureReading> PressureArgument(const Settings& settings, std::string& error);

// What --help prints.
std::string HelpText();

inline constexpr const char* kProgramName = "dewpoint";

}  // namespace dewpoint::logs
