#!/bin/sh
# Installs, from the distribution's packages, whatever the build and the tests
# need and this machine lacks (with sudo when not run as root). Silent when
# everything is already present.
set -eu

# Needed to build the program and run its tests.
required="
  g++ cmake make pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
  libgtest-dev libbenchmark-dev libxcb1-dev
  fonts-liberation2 fontconfig
  xvfb xauth
"
# Needed by the package, accessibility, fuzzing and static-analysis checks;
# where a distribution lacks one, the checks that use it are skipped.
checks="
  git dpkg-dev desktop-file-utils appstream devscripts binutils-mingw-w64-x86-64
  dbus at-spi2-core python3 python3-pyatspi
  clang libclang-rt-dev valgrind clang-tidy clang-format cppcheck
"

missing=""
for pkg in $required $checks; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null || true)
  case "$status" in
    ii*) ;;
    *) missing="$missing $pkg" ;;
  esac
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "These packages are missing and neither root nor sudo is available:$missing" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq
available=""
for pkg in $missing; do
  if apt-cache show "$pkg" >/dev/null 2>&1; then
    available="$available $pkg"
  elif echo "$required" | grep -qw -- "$pkg"; then
    echo "setup: the package $pkg is not available from this machine's package sources" >&2
    exit 1
  else
    echo "setup: $pkg is not available here; the checks that need it will be skipped" >&2
  fi
done
[ -z "$available" ] && exit 0
echo "Installing:$available"
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends $available >/dev/null
