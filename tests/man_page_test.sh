#!/bin/sh
# A manual page names exactly the options that the program's --help names.
#   man_page_test.sh <program> <manual page>
set -eu
program=$1
page=$2
options() { grep -oE -- '--[a-z][a-z-]*[a-z]' | sort -u; }
from_help=$("$program" --help | options)
from_page=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$page" | options)
if [ "$from_help" != "$from_page" ]; then
    echo "--help and $page name different options:"
    printf '%s\n' "$from_help" >"${TMPDIR:-/tmp}/help.$$"
    printf '%s\n' "$from_page" | diff "${TMPDIR:-/tmp}/help.$$" - || true
    rm -f "${TMPDIR:-/tmp}/help.$$"
    exit 1
fi
