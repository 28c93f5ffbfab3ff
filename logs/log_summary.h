// What an audit asks of a converted log: how dry the air was, and for how
// long it stayed within its class. Memory stays the same whatever the log's
// length: percentiles come from the counts of each read-out (0.1 °C) value.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace dewpoint::logs {

class LogSummary {
public:
    // `stretchClass`: the ISO 8573-1 class (1 to 6) whose limit the longest
    // stretch above is measured against.
    explicit LogSummary(int stretchClass = 4);

    // A converted row: its pressure dewpoint, its line in the log and its
    // time as the log's time column gives it (empty without one).
    void AddRow(double dewpointC, long line, std::string_view time);
    void AddBadRow() { ++badRows_; }

    // The figures as aligned text, and as JSON for scripts. Temperatures
    // are read-outs: °C to one decimal.
    [[nodiscard]] std::string Text() const;
    [[nodiscard]] std::string Json() const;

private:
    // The nearest-rank percentile `percent` of the read-outs, in tenths of °C.
    [[nodiscard]] long Percentile(int percent) const;

    struct Place {
        long line = 0;
        std::string time;
    };
    static constexpr long kLowestTenths = -1500;  // -150 °C; the accepted inputs stay within -100 and +94 °C
    static constexpr long kHighestTenths = 1500;

    int stretchClass_;
    long long rows_ = 0;
    long long badRows_ = 0;
    double sum_ = 0.0;
    double lowest_ = 0.0;
    double highest_ = 0.0;
    Place worst_;
    std::vector<long long> countsByTenths_;
    std::array<long long, 7> countsByClass_{};  // class 0: above +10 °C
    long long stretch_ = 0;                     // rows above the limit, so far unbroken
    Place stretchStart_;
    long long longest_ = 0;
    Place longestStart_;
    Place longestEnd_;
};

}  // namespace dewpoint::logs
