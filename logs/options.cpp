#include "options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <string_view>

namespace dewpoint::logs {

namespace {

// Long options only: their values in the table's order.
enum Name : int {
    PressureOption = 1000,
    SensorOption,
    SensorAtOption,
    PlainOption,
    DigitsOption,
    FahrenheitOption,
    DecimalCommaOption,
    PressureUnitOption,
    SensorUnitOption,
    CsvOption,
    SensorColumnOption,
    PressureColumnOption,
    SensorAtColumnOption,
    NoHeaderOption,
    SkipLinesOption,
    DelimiterOption,
    EncodingOption,
    OutputColumnOption,
    SkipBadOption,
    SummaryOption,
    SummaryClassOption,
    QuietOption,
    VersionOption,
};

constexpr std::array<option, 26> kOptions{{
    {"pressure", required_argument, nullptr, PressureOption},
    {"sensor", required_argument, nullptr, SensorOption},
    {"sensor-at", required_argument, nullptr, SensorAtOption},
    {"plain", no_argument, nullptr, PlainOption},
    {"digits", required_argument, nullptr, DigitsOption},
    {"fahrenheit", no_argument, nullptr, FahrenheitOption},
    {"decimal-comma", no_argument, nullptr, DecimalCommaOption},
    {"pressure-unit", required_argument, nullptr, PressureUnitOption},
    {"sensor-unit", required_argument, nullptr, SensorUnitOption},
    {"csv", no_argument, nullptr, CsvOption},
    {"output", required_argument, nullptr, 'o'},
    {"sensor-column", required_argument, nullptr, SensorColumnOption},
    {"pressure-column", required_argument, nullptr, PressureColumnOption},
    {"sensor-at-column", required_argument, nullptr, SensorAtColumnOption},
    {"no-header", no_argument, nullptr, NoHeaderOption},
    {"skip-lines", required_argument, nullptr, SkipLinesOption},
    {"delimiter", required_argument, nullptr, DelimiterOption},
    {"encoding", required_argument, nullptr, EncodingOption},
    {"output-column", required_argument, nullptr, OutputColumnOption},
    {"skip-bad", no_argument, nullptr, SkipBadOption},
    {"summary", optional_argument, nullptr, SummaryOption},
    {"summary-class", required_argument, nullptr, SummaryClassOption},
    {"quiet", no_argument, nullptr, QuietOption},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, VersionOption},
    {nullptr, 0, nullptr, 0},
}};

std::string OptionName(int value)
{
    if (value == 'o')
        return "-o";
    const auto* entry
        = std::find_if(kOptions.begin(), kOptions.end(), [value](const option& o) { return o.name && o.val == value; });
    if (entry != kOptions.end())
        return std::string("--") + entry->name;
    std::string name = "-";
    name += static_cast<char>(value);
    return name;
}

bool LogOnly(int value)
{
    return value == 'o' || (value >= SensorColumnOption && value <= QuietOption);
}

// Sets one option's value; false with `error` set where it is not valid.
bool Apply(int name, const std::string& value, Settings& s, std::string& error)
{
    const auto refuse = [&](const std::string& accepted) {
        error = OptionName(name) + ": '" + value + "' is not one of " + accepted;
        return false;
    };
    switch (name) {
    case PressureOption:
        s.pressure = value;
        return true;
    case SensorOption:
        s.sensor = value;
        return true;
    case SensorAtOption:
        if (const std::optional<bool> atmosphere = SensorPositionNamed(value)) {
            s.atmosphere = *atmosphere;
            s.sensorAtGiven = true;
            return true;
        }
        return refuse("atmosphere, system");
    case PlainOption:
        s.format.unit = false;
        return true;
    case DigitsOption:
        if (value != "full" && value != "1")
            return refuse("1, full");
        s.format.fullDigits = value == "full";
        return true;
    case FahrenheitOption:
        s.format.fahrenheit = true;
        return true;
    case DecimalCommaOption:
        s.decimalComma = true;
        return true;
    case PressureUnitOption:
        if (const std::optional<PressureUnit> unit = PressureUnitNamed(value)) {
            s.pressureUnit = *unit;
            s.pressureUnitGiven = true;
            return true;
        }
        return refuse(std::string(kPressureUnitNames));
    case SensorUnitOption:
        if (const std::optional<TemperatureUnit> unit = TemperatureUnitNamed(value)) {
            s.sensorUnit = *unit;
            s.sensorUnitGiven = true;
            return true;
        }
        return refuse(std::string(kTemperatureUnitNames));
    case CsvOption:
        s.action = Settings::Action::ConvertLog;
        return true;
    case 'o':
        if (value.empty()) {
            error = "-o needs a file name";
            return false;
        }
        s.output = value;
        return true;
    case SensorColumnOption:
        s.sensorColumn = value;
        return true;
    case PressureColumnOption:
        s.pressureColumn = value;
        return true;
    case SensorAtColumnOption:
        s.positionColumn = value;
        return true;
    case NoHeaderOption:
        s.header = false;
        return true;
    case SkipLinesOption: {
        const auto [end, status] = std::from_chars(value.data(), value.data() + value.size(), s.skipLines);
        if (status == std::errc() && end == value.data() + value.size() && s.skipLines >= 0)
            return true;
        error = "--skip-lines: '" + value + "' is not a number of lines";
        return false;
    }
    case DelimiterOption:
        if (value == "," || value == ";")
            s.delimiter = value.front();
        else if (value == "tab" || value == "\t" || value == "\\t")
            s.delimiter = '\t';
        else
            return refuse(", ; tab");
        return true;
    case EncodingOption:
        if ((s.encoding = EncodingNamed(value)))
            return true;
        return refuse("utf-8, windows-1252, cp850");
    case OutputColumnOption:
        s.outputColumn = value;
        return true;
    case SkipBadOption:
        s.skipBad = true;
        return true;
    case SummaryOption:
        if (value.empty() || value == "text")
            s.summary = Settings::Summary::Text;
        else if (value == "json")
            s.summary = Settings::Summary::Json;
        else
            return refuse("text, json");
        return true;
    case SummaryClassOption:
        if (value.size() != 1 || value[0] < '1' || value[0] > '6')
            return refuse("1, 2, 3, 4, 5, 6");
        s.summaryClass = value[0] - '0';
        return true;
    case QuietOption:
        s.quiet = true;
        return true;
    case 'h':
        s.action = Settings::Action::Help;
        return true;
    case VersionOption:
        s.action = Settings::Action::Version;
        return true;
    default:
        return false;
    }
}

// What only goes together, once every option is read.
bool Consistent(Settings& s, const std::vector<std::string>& positional, int logOnly, std::string& error)
{
    if (s.action != Settings::Action::ConvertLog) {
        if (!positional.empty())
            error = "unexpected argument '" + positional.front() + "' (a table to convert needs --csv)";
        else if (logOnly != 0)
            error = OptionName(logOnly) + " needs --csv";
        else if (!s.pressure || !s.sensor)
            error = s.pressure ? "--sensor is missing" : "--pressure is missing";
        return error.empty();
    }
    if (positional.size() > 1)
        error = "more than one input table: '" + positional[0] + "' and '" + positional[1] + "'";
    else if (s.sensorColumn.empty())
        error = "--csv needs --sensor-column";
    else if (s.sensor)
        error = "with --csv the sensor dewpoint comes from --sensor-column, not --sensor";
    else if (s.pressure.has_value() == !s.pressureColumn.empty())
        error = s.pressure ? "give either --pressure or --pressure-column, not both"
                           : "--csv needs --pressure or --pressure-column";
    else if (!s.positionColumn.empty() && s.sensorAtGiven)
        error = "give either --sensor-at or --sensor-at-column, not both";
    if (!positional.empty())
        s.input = positional.front();
    return error.empty();
}

bool LooksLikeNumber(std::string_view text)
{
    const std::size_t digit = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return text.size() > digit && ((text[digit] >= '0' && text[digit] <= '9') || text[digit] == '.');
}

// Why getopt_long refused `given`: an abbreviation of more than one option,
// a value given to an option that takes none, a reading written without its
// option names ("dewpoint 7 -40"), or an option there is not.
std::string UnknownOptionMessage(const std::string& given, const std::vector<std::string>& arguments)
{
    if (arguments.size() == 2 && LooksLikeNumber(arguments[0]) && LooksLikeNumber(arguments[1]))
        return "give a reading with its option names: dewpoint --pressure " + arguments[0] + " --sensor "
            + arguments[1];
    if (given.rfind("--", 0) == 0 && given.size() > 2) {
        const std::string_view stem = std::string_view(given).substr(2);
        std::string candidates;
        int count = 0;
        for (const option& o : kOptions) {
            if (o.name == nullptr || std::string_view(o.name).rfind(stem, 0) != 0)
                continue;
            if (std::string_view(o.name) == stem)
                return given + " takes no value";
            candidates += (count++ == 0 ? "" : ", ") + std::string("--") + o.name;
        }
        if (count > 1)
            return "option '" + given + "' is ambiguous: it may be " + candidates;
    }
    return "unknown option '" + given + "'";
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& arguments, Settings& settings, std::string& error)
{
    std::vector<std::string> argv{kProgramName};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers(argv.size() + 1, nullptr);
    std::transform(argv.begin(), argv.end(), pointers.begin(), [](std::string& argument) { return argument.data(); });

    opterr = 0;  // the messages are ours
    optind = 0;  // start afresh, also for a second parse in one process
    int logOnly = 0;
    for (;;) {
        int index = -1;
        const int name = getopt_long(static_cast<int>(argv.size()), pointers.data(), ":o:h", kOptions.data(), &index);
        if (name == -1)
            break;
        if (name == '?' || name == ':') {
            std::string given = optind > 0 && optind <= static_cast<int>(argv.size()) ? pointers[optind - 1] : "";
            const std::size_t equals = given.find('=');
            if (equals != std::string::npos)
                given.resize(equals);
            if (optopt != 0 && given.rfind("--", 0) != 0)
                given = OptionName(optopt);
            // C libraries differ in how they report "--plain=yes": decide from the option itself.
            const bool valueGiven = equals != std::string::npos;
            error = name == ':' && !valueGiven ? given + " needs a value" : UnknownOptionMessage(given, arguments);
            return false;
        }
        if (!Apply(name, optarg ? optarg : "", settings, error))
            return false;
        if (LogOnly(name) && logOnly == 0)
            logOnly = name;
    }
    if (settings.action == Settings::Action::Help || settings.action == Settings::Action::Version)
        return true;
    // getopt_long has moved the arguments that are no options to the end.
    const std::vector<std::string> positional(pointers.begin() + optind, pointers.end() - 1);
    return Consistent(settings, positional, logOnly, error);
}

std::optional<PressureReading> PressureArgument(const Settings& settings, std::string& error)
{
    const Parsed<PressureReading> pressure
        = ReadPressure(*settings.pressure, settings.pressureUnit, {!settings.decimalComma, settings.decimalComma});
    if (!pressure.reading)
        error = "--pressure: "
            + ValueErrorMessage(pressure.error, *settings.pressure, kPressureAccepted, settings.decimalComma);
    return pressure.reading;
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
endings (LF, CRLF or CR), a byte-order mark, blank lines, the encoding.
A row shorter than the header gets empty fields before its result, so that
the result stands under the new header; a row longer than the header is a
bad row. The result is quoted where the row's last field is quoted, or
where it holds the delimiter.
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
                        the header uses most)
  --encoding E          utf-8, windows-1252 or cp850 (default: utf-8 where
                        the input is valid UTF-8, else windows-1252); the new
                        header is written in the same encoding
  --output-column NAME  the header of the new column (default: "Pressure
                        dewpoint (°C)", or (°F) with --fahrenheit)
  --summary[=json]      print a summary of the converted log: rows, bad rows,
                        minimum, mean, maximum, 5th, 50th and 95th percentile,
                        the worst row, the share of each ISO 8573-1 class and
                        the longest stretch above a class limit; as aligned
                        text, or JSON. The converted log goes to -o OUT only
  --summary-class N     the class (1 to 6, default 4) whose limit the longest
                        stretch above is measured against
  --skip-bad            write a bad row with an empty result, report it, and
                        go on
  --quiet               no progress display on the terminal
With ; or tab as the delimiter, numbers may have a decimal comma, and the
result uses the separator of its row.

  -h, --help            show this help and exit
  --version             show the version and exit

Units may be written in any case (7Bar, -40f). Lines longer than 1 MiB are
refused.

Exit status:
  0  done
  1  a row is not a valid reading, the input is empty or cannot be opened
     or read, or the output cannot be written (a missing folder, a full
     disk, a closed standard output); nothing more is written, and OUT is
     untouched
  2  the command line is not valid, or a column it names is not in the
     table (or is the name of more than one column)
  3  done, but bad rows were left without a result (--skip-bad)
)help";
}

}  // namespace dewpoint::logs
