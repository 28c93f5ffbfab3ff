// Every engine source includes this first. The engine's results are the same
// bits everywhere only if each double operation is one IEEE 754 operation as
// written: no extended precision and no fused multiply-add contraction, which
// would also break the error-free products of correctly_rounded.cpp. The
// build asks for that with -ffp-contract=off; this makes the sources
// themselves hold to it, whatever flags a packager adds.
#pragma once

#include <cfloat>

// x87 arithmetic (32-bit x86 without SSE2) keeps intermediates in extended
// precision and rounds them twice.
#if !defined(FLT_EVAL_METHOD) || FLT_EVAL_METHOD != 0
#error "The engine needs double arithmetic without extended precision: on 32-bit x86, -msse2 -mfpmath=sse."
#endif

#if defined(__clang__)
#pragma clang fp contract(off)
#elif defined(__GNUC__)
#pragma GCC optimize("fp-contract=off")
#endif
