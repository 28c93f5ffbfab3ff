// Run by the build right after compiling it with the engine's own flags and
// header: it fails the build when a multiply and an add are fused into one
// rounding, as a packager's -ffp-contract=fast or -march=native with some
// compilers would do to the engine.
#include "engine/strict_arithmetic.h"

#include <cstdio>

int main()
{
    // (1 + 2^-30)² = 1 + 2^-29 + 2^-60: rounded apart, the 2^-60 is lost and
    // the difference is 0; fused, it is 2^-60.
    volatile double factor = 1.0 + 0x1p-30;
    volatile double square = 1.0 + 0x1p-29;
    const double a = factor;
    const double difference = a * a - square;
    if (difference != 0.0) {
        std::fputs("The engine's arithmetic is contracted into fused multiply-adds; build it with -ffp-contract=off.\n",
            stderr);
        return 1;
    }
    return 0;
}
