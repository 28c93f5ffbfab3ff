#include "options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <string_view>

namespace dewpoint::cli {

namespace {

struct Option {
    std::string_view name;   // "--pressure"
    std::string_view alias;  // "-o", or empty
    bool takesValue;         // cppcheck-suppress unusedStructMember
    bool logOnly;            // cppcheck-suppress unusedStructMember ; meaningful only with --csv
    std::function<bool(Options&, const std::string&, std::string&)> apply;
};

bool SensorAt(const std::string& value, bool& atmosphere, std::string& error)
{
    if (value == "atmosphere" || value == "system") {
        atmosphere = value == "atmosphere";
        return true;
    }
    error = "--sensor-at: '" + value + "' is neither atmosphere nor system";
    return false;
}

const std::array<Option, 22>& Table()
{
    static const std::array<Option, 22> table{{
        {"--pressure", "", true, false,
            [](Options& o, const std::string& v, std::string&) {
                o.pressure = v;
                return true;
            }},
        {"--sensor", "", true, false,
            [](Options& o, const std::string& v, std::string&) {
                o.sensor = v;
                return true;
            }},
        {"--sensor-at", "", true, false,
            [](Options& o, const std::string& v, std::string& e) { return SensorAt(v, o.atmosphere, e); }},
        {"--plain", "", false, false,
            [](Options& o, const std::string&, std::string&) {
                o.format.unit = false;
                return true;
            }},
        {"--digits", "", true, false,
            [](Options& o, const std::string& v, std::string& e) {
                if (v != "full" && v != "1") {
                    e = "--digits: '" + v + "' is neither 1 nor full";
                    return false;
                }
                o.format.fullDigits = v == "full";
                return true;
            }},
        {"--fahrenheit", "", false, false,
            [](Options& o, const std::string&, std::string&) {
                o.format.fahrenheit = true;
                return true;
            }},
        {"--decimal-comma", "", false, false,
            [](Options& o, const std::string&, std::string&) {
                o.decimalComma = true;
                return true;
            }},
        {"--pressure-unit", "", true, false,
            [](Options& o, const std::string& v, std::string& e) {
                const std::optional<PressureUnit> unit = PressureUnitNamed(v);
                if (!unit)
                    e = "--pressure-unit: '" + v + "' is not one of bar, psi, kPa, MPa";
                o.pressureUnit = unit.value_or(PressureUnit::Bar);
                return unit.has_value();
            }},
        {"--sensor-unit", "", true, false,
            [](Options& o, const std::string& v, std::string& e) {
                const std::optional<TemperatureUnit> unit = TemperatureUnitNamed(v);
                if (!unit)
                    e = "--sensor-unit: '" + v + "' is not one of C, F, K";
                o.sensorUnit = unit.value_or(TemperatureUnit::Celsius);
                return unit.has_value();
            }},
        {"--csv", "", false, false,
            [](Options& o, const std::string&, std::string&) {
                o.action = Options::Action::ConvertLog;
                return true;
            }},
        {"--output", "-o", true, true,
            [](Options& o, const std::string& v, std::string&) {
                o.output = v;
                return true;
            }},
        {"--sensor-column", "", true, true,
            [](Options& o, const std::string& v, std::string&) {
                o.log.sensorColumn = v;
                return true;
            }},
        {"--pressure-column", "", true, true,
            [](Options& o, const std::string& v, std::string&) {
                o.log.pressureColumn = v;
                return true;
            }},
        {"--sensor-at-column", "", true, true,
            [](Options& o, const std::string& v, std::string&) {
                o.log.positionColumn = v;
                return true;
            }},
        {"--no-header", "", false, true,
            [](Options& o, const std::string&, std::string&) {
                o.log.header = false;
                return true;
            }},
        {"--skip-lines", "", true, true,
            [](Options& o, const std::string& v, std::string& e) {
                const auto [end, status] = std::from_chars(v.data(), v.data() + v.size(), o.log.skipLines);
                if (status != std::errc() || end != v.data() + v.size() || o.log.skipLines < 0) {
                    e = "--skip-lines: '" + v + "' is not a number of lines";
                    return false;
                }
                return true;
            }},
        {"--delimiter", "", true, true,
            [](Options& o, const std::string& v, std::string& e) {
                if (v == "," || v == ";")
                    o.log.delimiter = v.front();
                else if (v == "tab" || v == "\t" || v == "\\t")
                    o.log.delimiter = '\t';
                else
                    e = "--delimiter: '" + v + "' is not one of , ; tab";
                return e.empty();
            }},
        {"--output-column", "", true, true,
            [](Options& o, const std::string& v, std::string&) {
                o.log.outputColumn = v;
                return true;
            }},
        {"--skip-bad", "", false, true,
            [](Options& o, const std::string&, std::string&) {
                o.log.skipBad = true;
                return true;
            }},
        {"--quiet", "", false, true,
            [](Options& o, const std::string&, std::string&) {
                o.quiet = true;
                return true;
            }},
        {"--help", "-h", false, false,
            [](Options& o, const std::string&, std::string&) {
                o.action = Options::Action::Help;
                return true;
            }},
        {"--version", "", false, false,
            [](Options& o, const std::string&, std::string&) {
                o.action = Options::Action::Version;
                return true;
            }},
    }};
    return table;
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error)
{
    std::vector<std::string> positional;
    std::vector<std::string_view> given;
    std::string_view logOnly;  // the first option that only a log takes
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || argument.empty() || argument.front() != '-') {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // --name=value or --name value
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto* option = std::find_if(Table().begin(), Table().end(), [&name](const Option& candidate) {
            return name == candidate.name || (!candidate.alias.empty() && name == candidate.alias);
        });
        if (option == Table().end()) {
            error = "unknown option '" + name + "'";
            return false;
        }
        std::string value;
        if (option->takesValue) {
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = std::string(option->name) + " needs a value";
                return false;
            }
        } else if (equals != std::string::npos) {
            error = std::string(option->name) + " takes no value";
            return false;
        }
        if (!option->apply(options, value, error))
            return false;
        given.push_back(option->name);
        if (option->logOnly && logOnly.empty())
            logOnly = option->name;
    }
    if (options.action == Options::Action::Help || options.action == Options::Action::Version)
        return true;

    const bool log = options.action == Options::Action::ConvertLog;
    if (!log) {
        if (!positional.empty()) {
            error = "unexpected argument '" + positional.front() + "' (a table to convert needs --csv)";
            return false;
        }
        if (!logOnly.empty()) {
            error = std::string(logOnly) + " needs --csv";
            return false;
        }
        if (!options.pressure || !options.sensor) {
            error = options.pressure ? "--sensor is missing" : "--pressure is missing";
            return false;
        }
        return true;
    }

    if (positional.size() > 1) {
        error = "more than one input table: '" + positional[0] + "' and '" + positional[1] + "'";
        return false;
    }
    if (!positional.empty())
        options.input = positional.front();
    if (options.log.sensorColumn.empty()) {
        error = "--csv needs --sensor-column";
        return false;
    }
    if (options.sensor) {
        error = "with --csv the sensor dewpoint comes from --sensor-column, not --sensor";
        return false;
    }
    if (options.pressure.has_value() != options.log.pressureColumn.empty()) {
        error = options.pressure ? "give either --pressure or --pressure-column, not both"
                                 : "--csv needs --pressure or --pressure-column";
        return false;
    }
    if (!options.log.positionColumn.empty() && std::find(given.begin(), given.end(), "--sensor-at") != given.end()) {
        error = "give either --sensor-at or --sensor-at-column, not both";
        return false;
    }
    return true;
}

std::string HelpText()
{
    return R"help(Usage: dewpoint --pressure P --sensor T [--sensor-at atmosphere|system] [OPTION]...
       dewpoint --csv [IN] [-o OUT] --sensor-column COL
                (--pressure P | --pressure-column COL)
                [--sensor-at atmosphere|system | --sensor-at-column COL] [OPTION]...

Converts the dewpoint a humidity sensor reports into the pressure dewpoint at
the system pressure of a compressed-air line, exactly as the Dewpoint
Converter window does: Sonntag's vapour-pressure formulas and Dalton's law.

One conversion prints the read-out as the window shows it:
  dewpoint --pressure 7 --sensor -40                      ->  -20.2 °C
  dewpoint --pressure 7 --sensor -40 --sensor-at system   ->  -40.0 °C

  --pressure P          gauge pressure of the line, 0 to 40 bar: a number in
                        bar, or with a unit: 101.5psi, 700kPa, 0.7MPa
  --sensor T            dewpoint the sensor reports, -100 to +20 °C: a number
                        in °C, or with a unit: -40F, 233.15K
  --sensor-at WHERE     where the sensor measures: atmosphere (air expanded to
                        atmospheric pressure; the default) or system (in the
                        line, at system pressure)
  --plain               the result without its unit
  --digits full         every digit of the result, without a unit: the
                        shortest number that reads back as the same double
                        (--digits 1, the default, rounds to one decimal)
  --fahrenheit          the result in °F
  --decimal-comma       numbers are read and written with a decimal comma
  --pressure-unit U     unit of a pressure written without one: bar (the
                        default), psi, kPa or MPa
  --sensor-unit U       unit of a sensor dewpoint written without one: C (the
                        default), F or K

A whole log (--csv) gets one new last column with the pressure dewpoint of
each row; every other byte is copied as it stands: quoting, spacing, line
endings, a byte-order mark, blank lines.
  --csv [IN]            convert the table IN, or standard input
  -o, --output OUT      write to OUT instead of standard output; OUT is
                        replaced only once every row is converted, and is
                        left untouched otherwise
  --sensor-column COL   the column with the sensor dewpoint: a header name,
                        or a number counting from 1
  --pressure-column COL the column with the gauge pressure (or --pressure P
                        for every row)
  --sensor-at-column COL
                        the column that says atmosphere or system for each
                        row (or --sensor-at for every row)
  --no-header           the first row is data; columns are given by number
  --skip-lines N        copy the first N lines (a logger's notes about the
                        device) unchanged and read the table after them
  --delimiter D         the field delimiter: , or ; or tab (default: the one
                        the first row uses most)
  --output-column NAME  the header of the new column (default: "Pressure
                        dewpoint (°C)", or (°F) with --fahrenheit)
  --skip-bad            write a bad row with an empty result, report it, and
                        go on
  --quiet               no progress display on the terminal
With ; or tab as the delimiter, numbers may have a decimal comma, and the
result uses the separator of its row.

  -h, --help            show this help and exit
  --version             show the version and exit

Exit status:
  0  done
  1  a row is not a valid reading (or the input could not be read or the
     output written); nothing more is written, and OUT is untouched
  2  the command line is not valid, or a column it names is not in the table
  3  done, but bad rows were left without a result (--skip-bad)
)help";
}

}  // namespace dewpoint::cli
