#!/bin/sh
# Builds the fuzz targets with clang and runs each from its checked-in
# corpus for a fixed time. New inputs go to a work copy of the corpus.
#   fuzz.sh <work dir> <seconds per target>
# Exits 77 (skipped) where clang's libFuzzer is missing.
set -eu
work=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
command -v clang++ >/dev/null 2>&1 || { echo "skipped: clang++ is missing"; exit 77; }

# Skipped only where clang cannot link a fuzz target at all; a build of the
# project's own that fails is a failure, never a skip.
mkdir -p "$work"
printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n' \
    >"$work/probe.cpp"
clang++ -fsanitize=fuzzer "$work/probe.cpp" -o "$work/probe" 2>/dev/null || { echo "skipped: no libFuzzer"; exit 77; }
CXX=clang++ cmake -S "$here" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/build" --parallel 2 --target engine_fuzzer csv_fuzzer >/dev/null

status=0
for target in engine csv; do
    mkdir -p "$work/$target-corpus"
    cp "$here/$target-corpus"/* "$work/$target-corpus/"
    "$work/build/${target}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 -error_exitcode=1 \
        -timeout_exitcode=1 -artifact_prefix="$work/$target-" "$work/$target-corpus" >"$work/$target.log" 2>&1 \
        || status=$?
    echo "== $target"
    tail -n 20 "$work/$target.log"
done
exit $status
