#include "log_summary.h"

#include "text.h"

#include "engine/display.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace dewpoint::logs {

namespace {

std::string Tenths(long tenths)
{
    return FormatOneDecimal(static_cast<double>(tenths) / 10.0);
}

std::string Percent(long long part, long long whole)
{
    return whole == 0 ? "0.0" : FormatOneDecimal(100.0 * static_cast<double>(part) / static_cast<double>(whole));
}

// `text` as a JSON string.
std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(c));
            quoted += escape.data();
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string LimitText(int humidityClass)
{
    const int limit = HumidityClassLimitC(humidityClass);
    std::string text = limit > 0 ? "+" : "";
    return text.append(std::to_string(limit));
}

}  // namespace

LogSummary::LogSummary(int stretchClass)
    : stretchClass_(stretchClass)
    , countsByTenths_(static_cast<std::size_t>(kHighestTenths - kLowestTenths + 1), 0)
{
}

void LogSummary::AddRow(double dewpointC, long line, std::string_view time)
{
    // Every figure goes by the read-out as it is shown, as the window's class does.
    const double shown = RoundedToOneDecimal(dewpointC);
    const long tenths = std::clamp(std::lround(shown * 10.0), kLowestTenths, kHighestTenths);
    ++countsByTenths_.at(static_cast<std::size_t>(tenths - kLowestTenths));
    ++countsByClass_.at(static_cast<std::size_t>(HumidityClassIso8573(shown)));
    sum_ += dewpointC;
    if (rows_ == 0 || dewpointC < lowest_)
        lowest_ = dewpointC;
    // Places keep their time's memory from one row to the next: no allocation a row.
    const auto place = [line, time](Place& at) {
        at.line = line;
        at.time.assign(time);
    };
    if (rows_ == 0 || dewpointC > highest_) {
        highest_ = dewpointC;
        place(worst_);
    }
    ++rows_;

    // A bad row between two rows above the limit neither breaks nor lengthens the stretch.
    if (shown > HumidityClassLimitC(stretchClass_)) {
        if (stretch_++ == 0)
            place(stretchStart_);
        if (stretch_ > longest_) {
            longest_ = stretch_;
            longestStart_.line = stretchStart_.line;
            longestStart_.time.assign(stretchStart_.time);
            place(longestEnd_);
        }
    } else {
        stretch_ = 0;
    }
}

long LogSummary::Percentile(int percent) const
{
    // The smallest value with at least `percent` % of the rows at or below it.
    const long long rank = std::max(1LL, (rows_ * percent + 99) / 100);
    long long seen = 0;
    for (std::size_t i = 0; i < countsByTenths_.size(); ++i) {
        seen += countsByTenths_[i];
        if (seen >= rank)
            return static_cast<long>(i) + kLowestTenths;
    }
    return kHighestTenths;
}

std::string LogSummary::Text() const
{
    const auto where = [](const Place& place) {
        return "line " + std::to_string(place.line) + (place.time.empty() ? "" : " (" + Escaped(place.time) + ")");
    };
    std::string text;
    const auto line = [&text](std::string_view label, const std::string& value) {
        // Aligned by characters: UTF-8 continuation bytes take no column.
        const auto columns = static_cast<std::size_t>(std::count_if(
            label.begin(), label.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
        text.append(label).append(columns < 36 ? 36 - columns : 1, ' ').append(value) += '\n';
    };
    line("Rows converted", std::to_string(rows_));
    line("Bad rows", std::to_string(badRows_));
    if (rows_ == 0)
        return text;
    const auto celsius = [](const std::string& value) { return value + " \u00B0C"; };
    line("Minimum", celsius(FormatOneDecimal(lowest_)));
    line("Mean", celsius(FormatOneDecimal(sum_ / static_cast<double>(rows_))));
    line("Maximum", celsius(FormatOneDecimal(highest_)) + ", " + where(worst_));
    line("5th, 50th, 95th percentile",
        celsius(Tenths(Percentile(5))) + ", " + celsius(Tenths(Percentile(50))) + ", "
            + celsius(Tenths(Percentile(95))));
    for (int humidityClass = 1; humidityClass <= 6; ++humidityClass)
        line("ISO 8573-1:2010 class " + std::to_string(humidityClass) + " (\u2264 " + LimitText(humidityClass)
                + " \u00B0C)",
            Percent(countsByClass_.at(static_cast<std::size_t>(humidityClass)), rows_) + " % of rows");
    line("Above +10 \u00B0C", Percent(countsByClass_[0], rows_) + " % of rows");
    line("Longest above class " + std::to_string(stretchClass_) + " limit",
        longest_ == 0 ? std::string("none")
                      : std::to_string(longest_) + " rows, " + where(longestStart_) + " to " + where(longestEnd_));
    return text;
}

std::string LogSummary::Json() const
{
    // One object: "name": value pairs, in the order the text gives them.
    const auto object = [](const std::vector<std::pair<std::string, std::string>>& fields) {
        std::string text = "{";
        for (const auto& [name, value] : fields)
            text.append(text.size() > 1 ? ", " : "").append(Quoted(name)).append(": ").append(value);
        return text + "}";
    };
    const auto place = [&object](const Place& p) {
        return object({{"line", std::to_string(p.line)}, {"time", p.time.empty() ? "null" : Quoted(p.time)}});
    };
    std::vector<std::pair<std::string, std::string>> fields{
        {"rows", std::to_string(rows_)}, {"bad_rows", std::to_string(badRows_)}};
    if (rows_ > 0) {
        std::vector<std::pair<std::string, std::string>> classes;
        for (int humidityClass = 0; humidityClass <= 6; ++humidityClass)
            classes.emplace_back(std::to_string(humidityClass),
                Percent(countsByClass_.at(static_cast<std::size_t>(humidityClass)), rows_));
        std::vector<std::pair<std::string, std::string>> longest{{"class", std::to_string(stretchClass_)},
            {"limit_c", std::to_string(HumidityClassLimitC(stretchClass_))}, {"rows", std::to_string(longest_)}};
        if (longest_ > 0)
            longest.insert(longest.end(), {{"from", place(longestStart_)}, {"to", place(longestEnd_)}});
        fields.insert(fields.end(),
            {{"min_c", FormatOneDecimal(lowest_)}, {"mean_c", FormatOneDecimal(sum_ / static_cast<double>(rows_))},
                {"max_c", FormatOneDecimal(highest_)}, {"p5_c", Tenths(Percentile(5))},
                {"p50_c", Tenths(Percentile(50))}, {"p95_c", Tenths(Percentile(95))}, {"worst", place(worst_)},
                {"class_percent", object(classes)}, {"longest_above", object(longest)}});
    }
    return object(fields) + "\n";
}

}  // namespace dewpoint::logs
