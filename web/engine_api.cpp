// The engine as the web page uses it, compiled to WebAssembly: one call sets
// the window's state, and every text the page shows is then read from here.
// The page does no arithmetic of its own.
#include "engine/display.h"
#include "engine/grid.h"
#include "tests/support/engine.h"  // the grid, for the tests' digest

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace {

// The texts of the last state, in the order of Text below.
std::array<std::string, 9> g_texts;
std::string g_fault;
int g_humidityClass = 0;

enum Text : int {
    kReadOut,
    kBar,
    kPsi,
    kSensor,
    kAbsoluteBar,
    kAbsolutePsi,
    kSensorFahrenheit,
    kReadOutFahrenheit,
    kClassLimit,
};

}  // namespace

namespace dewpoint {

// Without exceptions a fault ends the call here: its message is kept for the
// page, and the trap hands control back to it.
void ReportFaultAndStop(const char* message)
{
    g_fault = message;
    __builtin_trap();
}

}  // namespace dewpoint

extern "C" {

// Converts the state the window would be in: the two scroll positions, the
// sensor position, and the locale's decimal separator (a character code).
// Returns 0, or 1 where the calculation faulted (dp_fault says why).
__attribute__((export_name("dp_set"))) int dp_set(int pressureScroll, int sensorScroll, int atmosphere, int separator)
{
    g_fault.clear();
    const std::string decimal(1, static_cast<char>(separator));
    const dewpoint::CalcState state = dewpoint::ConvertAtGridPoint(
        {static_cast<std::int16_t>(pressureScroll), static_cast<std::int16_t>(sensorScroll), atmosphere != 0});
    const double sensor = dewpoint::SensorCelsiusFromScroll(static_cast<std::int16_t>(sensorScroll));
    g_texts[kReadOut] = dewpoint::CelsiusText(state.DewpointOut, decimal);
    g_texts[kBar] = dewpoint::BarText(state.PressureGauge, decimal);
    g_texts[kPsi] = dewpoint::PsiText(state.PressureGauge);
    g_texts[kSensor] = dewpoint::SensorDewpointText(static_cast<std::int16_t>(sensorScroll), decimal);
    g_texts[kAbsoluteBar] = dewpoint::AbsoluteBarText(state.PressureGauge, decimal);
    g_texts[kAbsolutePsi] = dewpoint::AbsolutePsiText(state.PressureGauge, decimal);
    g_texts[kSensorFahrenheit] = dewpoint::FahrenheitText(sensor, decimal);
    g_texts[kReadOutFahrenheit] = dewpoint::FahrenheitText(state.DewpointOut, decimal);
    // The class follows the value as shown, so that it agrees with the read-out.
    g_humidityClass = dewpoint::HumidityClassIso8573(dewpoint::RoundedToOneDecimal(state.DewpointOut));
    g_texts[kClassLimit].clear();
    if (g_humidityClass != 0) {
        const int limit = dewpoint::HumidityClassLimitC(g_humidityClass);
        g_texts[kClassLimit] = (limit > 0 ? "+" : "") + dewpoint::FormatWhole(limit);
    }
    return 0;
}

// One of the texts of the last state, as UTF-8 ending in a zero byte.
__attribute__((export_name("dp_text"))) const char* dp_text(int which)
{
    return which >= 0 && which < static_cast<int>(g_texts.size()) ? g_texts.at(static_cast<std::size_t>(which)).c_str()
                                                                  : "";
}

__attribute__((export_name("dp_humidity_class"))) int dp_humidity_class()
{
    return g_humidityClass;
}

// Why the last call faulted.
__attribute__((export_name("dp_fault"))) const char* dp_fault()
{
    return g_fault.c_str();
}

// Digests of every state of the window, for the tests that compare this
// build with the native one: all 17 fields (which = 0), or the read-out texts one a line
// (which = 1). FNV-1a over 64 bits, as hexadecimal text.
__attribute__((export_name("dp_grid_digest"))) const char* dp_grid_digest(int which)
{
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    };
    dewpoint::ForEachGridPoint([&](const dewpoint::GridPoint& point) {
        const dewpoint::CalcState state = dewpoint::ConvertAtGridPoint(point);
        if (which == 0) {
            for (const unsigned char byte : std::bit_cast<std::array<unsigned char, sizeof state>>(state))
                add(byte);
        } else {
            for (const char c : dewpoint::CelsiusText(state.DewpointOut) + "\n")
                add(static_cast<unsigned char>(c));
        }
    });
    static std::string text;
    text.clear();
    for (int shift = 60; shift >= 0; shift -= 4)
        text += "0123456789abcdef"[(hash >> shift) & 0xF];
    return text.c_str();
}
}
