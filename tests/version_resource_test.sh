#!/bin/sh
# Compiles the Windows version record with the MinGW resource compiler, as a
# Windows build does, and checks the entries in the compiled resource.
#   version_resource_test.sh <version.rc>
set -eu
rc=$1
windres=x86_64-w64-mingw32-windres
command -v "$windres" >/dev/null 2>&1 || { echo "skipped: $windres is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The object file a Windows build links; then the same resource read back as text.
"$windres" --preprocessor=cpp -i "$rc" -O coff -o "$work/version.o"
"$windres" --preprocessor=cpp -i "$rc" -O res -o "$work/version.res"
"$windres" -J res -O rc -i "$work/version.res" -o "$work/decompiled.rc"
[ -s "$work/version.o" ]

status=0
expect() {
    if ! grep -qF -- "$1" "$work/decompiled.rc"; then
        echo "missing from the compiled record: $1"
        status=1
    fi
}
expect 'LANGUAGE 9, 1'
expect 'FILEVERSION 1, 1, 0, 0'
expect 'PRODUCTVERSION 1, 1, 0, 0'
expect 'FILETYPE 0x1'
expect 'BLOCK "040904B0"'
expect 'VALUE "FileVersion", "1.01"'
expect 'VALUE "ProductVersion", "1.01"'
expect 'VALUE "CompanyName", "Dewpoint Converter Developers"'
expect 'VALUE "ProductName", "Dewpoint Converter"'
expect 'VALUE "InternalName", "dewpoint-converter"'
expect 'VALUE "OriginalFilename", "dewpoint-converter.exe"'
expect 'VALUE "Translation", 0x409, 1200'
[ $status -eq 0 ] || cat "$work/decompiled.rc"
exit $status
