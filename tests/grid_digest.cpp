// Prints a digest of every field of every reachable state. Built once from
// unoptimised and once from optimised engine code, the two must agree to
// the last bit.
#include "support/engine.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>

int main()
{
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a, 64 bit
    dewpoint::ForEachGridPoint([&hash](const dewpoint::GridPoint& point) {
        const dewpoint::CalcState state = dewpoint::ConvertAtGridPoint(point);
        for (const unsigned char byte : std::bit_cast<std::array<unsigned char, sizeof state>>(state)) {
            hash ^= byte;
            hash *= 1099511628211ULL;
        }
    });
    std::printf("%016llx\n", static_cast<unsigned long long>(hash));
}
