#!/bin/sh
# dewpoint.exe under Wine: the command line's tables of single conversions,
# bad inputs and log dialects, the whole grid as the same bytes as the Linux
# build, a non-ASCII file name, and no DLL but Windows' own.
#   windows_test.sh <dewpoint.exe> <Linux dewpoint> <cli_tests>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
linux=$(realpath "$2")
cli_tests=$(realpath "$3")
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || { echo "skipped: $wine is missing"; exit 77; }

work=$(mktemp -d)
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One Wine server for the whole run, started and warmed up before any test,
# so that no start-up message of Wine's lands among the program's own.
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k; rm -rf "$work"' EXIT
"$wine" wineboot -i >/dev/null 2>&1 || true
"$wine" "$exe" --version >/dev/null 2>&1 || true

status=0
fail() {
    echo "FAILED: $1"
    status=1
}

# Only Windows' own DLLs.
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p'); do
    case "$dll" in
        KERNEL32.dll | msvcrt.dll | SHELL32.dll | ADVAPI32.dll | USER32.dll) ;;
        *) fail "dewpoint.exe imports $dll" ;;
    esac
done

# The archive's texts: the manual for cmd.exe with CRLF line ends and no
# references to manual pages, and the licence itself.
texts=$(dirname "$exe")/..
crlf_only() { [ "$(grep -c "$(printf '\r')\$" "$1")" -eq "$(wc -l <"$1")" ] && [ "$(wc -l <"$1")" -gt 3 ]; }
crlf_only "$texts/dewpoint.txt" || fail "dewpoint.txt does not end every line with CRLF"
grep -q 'C:\\Logs> dewpoint.exe --pressure 7' "$texts/dewpoint.txt" || fail "dewpoint.txt has no cmd.exe example"
! grep -qE '^ *\$ |[a-z]\(1\)|\\\r?$' "$texts/dewpoint.txt" || fail "dewpoint.txt holds a shell prompt or a manual-page reference"
crlf_only "$texts/LICENSE.txt" || fail "LICENSE.txt does not end every line with CRLF"
grep -q 'All rights reserved' "$texts/LICENSE.txt" && ! grep -q '^Format:\|example' "$texts/LICENSE.txt" \
    || fail "LICENSE.txt is not the licence text"

# The command line's own tests, with dewpoint.exe as the program.
printf '#!/bin/sh\nexec %s %s "$@"\n' "$wine" "$exe" >"$work/dewpoint-under-wine"
chmod +x "$work/dewpoint-under-wine"
DEWPOINT_PROGRAM_UNDER_TEST="$work/dewpoint-under-wine" "$cli_tests" \
    --gtest_filter='Cli.OneConversion:Cli.BadInputs:Cli.LogDialectsKeepEveryByte:Cli.WholeGridGivesTheWindowsBits' \
    || fail "the command line's tests"

# Every field of every state: the digest the Linux build is held to.
expected=$(sed -n 's/^set(DEWPOINT_GRID_DIGEST \([0-9a-f]*\))$/\1/p' "$here/CMakeLists.txt")
digest=$("$wine" "$(dirname "$exe")/../grid_digest.exe" | tr -d '\r')
[ "$digest" = "$expected" ] || fail "the engine's digest under Wine is $digest, not $expected"
echo "engine digest: $digest"

# The whole grid: the same bytes as the Linux build's.
python3 -c '
import sys
out = ["pressure;sensor;where\r\n"]
for p in range(401):
    for s in range(1201):
        for where in ("atmosphere", "system"):
            out.append("%d,%d;%d,%d;%s\r\n" % (p // 10, p % 10, (s - 1000) // 10 if s >= 1000 else -((1000 - s) // 10), abs(s - 1000) % 10, where))
sys.stdout.write("".join(out))' >"$work/grid.csv"
cd "$work"
"$linux" --csv grid.csv -o linux.csv --pressure-column pressure --sensor-column sensor \
    --sensor-at-column where --digits full
"$wine" "$exe" --csv grid.csv -o windows.csv --pressure-column pressure --sensor-column sensor \
    --sensor-at-column where --digits full || fail "dewpoint.exe on the whole grid"
cmp linux.csv windows.csv || fail "the whole grid differs from the Linux build's"
echo "whole grid: $(($(wc -l <windows.csv) - 1)) rows, $(wc -c <windows.csv) bytes, the same as Linux"

# A non-ASCII file name, in and out.
in_name=$(printf 'Taupunkt-M\303\244rz.csv')
out_name=$(printf 'Druck-M\303\244rz.csv')
printf 'Zeit;Taupunkt [\302\260C]\r\n1;-40,0\r\n' >"$in_name"
"$wine" "$exe" --csv "$in_name" -o "$out_name" --pressure 7 --sensor-column 2 || fail "a non-ASCII file name"
printf 'Zeit;Taupunkt [\302\260C];Pressure dewpoint (\302\260C)\r\n1;-40,0;-20,2\r\n' >expected.csv
cmp "$out_name" expected.csv || fail "the table with a non-ASCII name"

# An existing OUT is replaced, and a device is written to, never replaced:
# no file of that name appears, whatever its case or extension.
printf 'stale\r\n' >"$out_name"
"$wine" "$exe" --csv "$in_name" -o "$out_name" --pressure 7 --sensor-column 2 || fail "replacing an existing OUT"
cmp "$out_name" expected.csv || fail "the replaced OUT"
# A replacement that Windows refuses (here a file the system keeps from
# change) is an error, with OUT as it was and no temporary file left.
printf 'stale\r\n' >locked.csv
if chattr +i locked.csv 2>/dev/null; then
    "$wine" "$exe" --csv "$in_name" -o locked.csv --pressure 7 --sensor-column 2 2>/dev/null \
        && fail "a refused replacement reported as done"
    [ "$(cat locked.csv)" = "$(printf 'stale\r')" ] || fail "a refused replacement changed OUT"
    [ "$(ls -A | grep -c locked)" = 1 ] || fail "a temporary file left beside a refused OUT"
    chattr -i locked.csv
fi
for device in NUL nul NUL.csv Nul.txt; do
    "$wine" "$exe" --csv "$in_name" -o "$device" --pressure 7 --sensor-column 2 || fail "-o $device"
done
[ -z "$(ls -A | grep -i '^nul')" ] || fail "a file named like the NUL device: $(ls -A | grep -i '^nul')"
exit $status
