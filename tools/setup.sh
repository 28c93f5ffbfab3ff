#!/bin/sh
# Installs, from the distribution's packages, what one kind of make target
# needs and this machine lacks (with sudo when not run as root). Silent when
# everything is already there.
#   tools/setup.sh run|test|lint|memcheck|windows|release|bench|screenshots|web|web-test
#
#   run          building and running the programs: debian/control's
#                Build-Depends without the test-only ones, and the fonts the
#                window depends on
#   test         the same, and what the test suite needs (the Build-Depends
#                marked <!nocheck>)
#   lint ...     the test set, and the analysers or tools of that target
set -eu
cd "$(dirname "$0")/.."
tier=${1:-test}

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    as_root="none"
fi
export DEBIAN_FRONTEND=noninteractive

need_root() {
    if [ "$as_root" = none ]; then
        echo "setup: $1, and neither root nor sudo is available" >&2
        exit 1
    fi
}

updated=""
update() {
    [ -n "$updated" ] && return
    $as_root apt-get update -qq
    updated=yes
}

installed() {
    case "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null || true)" in
        ii*) return 0 ;;
        *) return 1 ;;
    esac
}

# Installs the named packages that are missing.
install() {
    missing=""
    for package in "$@"; do
        installed "$package" || missing="$missing $package"
    done
    [ -z "$missing" ] && return
    need_root "these packages are missing:$missing"
    update
    echo "Installing:$missing"
    # shellcheck disable=SC2086
    $as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# The build dependencies, from debian/control: the one list of them.
profile=""
[ "$tier" = run ] && profile=nocheck
if ! command -v dpkg-checkbuilddeps >/dev/null 2>&1 \
    || ! dpkg-checkbuilddeps ${profile:+-P$profile} debian/control >/dev/null 2>&1; then
    need_root "the build dependencies in debian/control are not all installed"
    update
    echo "Installing the build dependencies of debian/control${profile:+ (without the test-only ones)}"
    $as_root apt-get build-dep -y -qq ${profile:+-P $profile} ./ >/dev/null
fi

# What the window depends on beyond its libraries (its fonts), from its
# Depends in debian/control.
install $(sed -n '/^Package: dewpoint-converter$/,/^$/p' debian/control \
    | sed -n '/^Depends:/,/^[A-Z]/p' | grep '^ ' | tr -d ' ,' | grep -v '^\$')

case "$tier" in
    run | test) ;;
    lint) install git clang-format clang-tidy cppcheck libbenchmark-dev libxcb1-dev ;;
    memcheck) install valgrind ;;
    windows) install binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix wine64 groff-base python3 ;;
    release) install lintian ;;
    bench) install libbenchmark-dev libxcb1-dev python3 xvfb ;;
    screenshots) install xvfb xauth openbox xdotool x11-utils qt6ct ;;
    web)
        install clang lld wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32 python3 librsvg2-bin
        command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || install nodejs npm
        ;;
    web-test)
        install chromium firefox-esr fonts-liberation2
        command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || install nodejs npm
        ;;
    *)
        echo "setup: unknown set '$tier'" >&2
        exit 2
        ;;
esac
