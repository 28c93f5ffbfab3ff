// Prints a digest of every field of every reachable state. Built once from
// unoptimised and once from optimised engine code, the two must agree to
// the last bit.
#include "engine/conversion.h"
#include "engine/display.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>

int main()
{
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a, 64 bit
    for (int pressure = 0; pressure <= 400; ++pressure) {
        for (int dewpoint = 0; dewpoint <= 1200; ++dewpoint) {
            for (const bool atmosphere : {true, false}) {
                dewpoint::CalcState state;
                state.PressureGauge = dewpoint::PressureGaugeFromScroll(static_cast<std::int16_t>(pressure));
                state.TempK = dewpoint::TempKFromScroll(static_cast<std::int16_t>(dewpoint));
                dewpoint::CalculateDewpoint(state, atmosphere);
                for (const unsigned char byte : std::bit_cast<std::array<unsigned char, sizeof state>>(state)) {
                    hash ^= byte;
                    hash *= 1099511628211ULL;
                }
            }
        }
    }
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
}
