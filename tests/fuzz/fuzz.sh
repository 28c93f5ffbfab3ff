#!/bin/sh
# Builds the engine's fuzz target with clang and runs it from the checked-in
# corpus for a fixed time. New inputs go to a work copy of the corpus.
#   fuzz.sh <work dir> <seconds>
# Exits 77 (skipped) where clang's libFuzzer is missing.
set -eu
work=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
command -v clang++ >/dev/null 2>&1 || { echo "skipped: clang++ is missing"; exit 77; }

CXX=clang++ cmake -S "$here" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
    || { echo "skipped: cannot configure the fuzz build"; exit 77; }
cmake --build "$work/build" --parallel 2 >/dev/null

mkdir -p "$work/corpus"
cp "$here"/corpus/* "$work/corpus/"
status=0
"$work/build/engine_fuzzer" -max_total_time="$seconds" -print_final_stats=1 -error_exitcode=1 -timeout_exitcode=1 -artifact_prefix="$work/" \
    "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?
tail -n 40 "$work/fuzz.log"
exit $status
