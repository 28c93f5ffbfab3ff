// The command line of `dewpoint`.
#pragma once

#include "log_converter.h"
#include "quantity.h"

#include <optional>
#include <string>
#include <vector>

namespace dewpoint::cli {

struct Options {
    enum class Action { Convert, ConvertLog, Help, Version } action = Action::Convert;

    // One conversion.
    std::optional<std::string> pressure;
    std::optional<std::string> sensor;
    bool atmosphere = true;
    ResultFormat format;  // --plain, --digits, --fahrenheit
    bool decimalComma = false;
    PressureUnit pressureUnit = PressureUnit::Bar;
    TemperatureUnit sensorUnit = TemperatureUnit::Celsius;

    // Whole logs.
    std::string input = "-";
    std::string output = "-";
    LogOptions log;
    bool quiet = false;
};

// Reads the arguments (without the program name). False with `error` set,
// one line, where they are not a valid command.
bool ParseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error);

// What --help prints.
std::string HelpText();

inline constexpr const char* kProgramName = "dewpoint";

}  // namespace dewpoint::cli
