#!/bin/sh
# Builds the Debian packages as a maintainer does, unpacks them into a
# scratch root, and checks what lintian and dpkg cannot: both programs
# start from there, the desktop entry and the AppStream data are valid, the
# command-line package needs no toolkit, and the dependencies can be met.
#   package_test.sh <source folder> <application id> <build type>
# Exits 77 (skipped) for builds that are not hardened release builds, and
# where the packaging tools are missing.
set -eu
source=$1
id=$2
case "$3" in
    Release | RelWithDebInfo | MinSizeRel) ;;
    *) echo "skipped: the package is tested from release builds, not '$3'"; exit 77 ;;
esac
for tool in dpkg-buildpackage dh desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" "$source/tools/build-package.sh" "$work" -Pnocheck >/dev/null
root="$work/root"
for deb in "$work"/dewpoint-converter_*.deb "$work"/dewpoint_*.deb; do
    dpkg-deb -x "$deb" "$root"
done

status=0
fail() {
    echo "$1"
    status=1
}

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "the AppStream data is not valid"; }

# The window program starts and keeps running until it is closed.
if QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/dewpoint-converter" >/dev/null 2>&1; then
    fail "the installed window program ended by itself"
elif [ $? -ne 124 ]; then
    fail "the installed window program failed to start"
fi
[ "$("$root/usr/bin/dewpoint" --pressure 7 --sensor -40)" = "-20.2 °C" ] || fail "the installed dewpoint does not convert"

# On a machine without a display, the command line needs no toolkit.
depends=$(dpkg-deb -f "$work"/dewpoint_*.deb Depends)
case "$depends" in
    *qt* | *Qt* | *font*) fail "dewpoint depends on more than the C and C++ libraries: $depends" ;;
esac

# Everything both packages depend on can be installed here.
apt-get install --simulate --no-install-recommends "$work"/dewpoint-converter_*.deb "$work"/dewpoint_*.deb \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "the dependencies cannot be met"; }
exit $status
