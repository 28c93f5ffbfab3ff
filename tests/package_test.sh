#!/bin/sh
# Builds the Debian package, installs it into a scratch root and checks what
# it installs, what it depends on, and the installed files themselves.
#   package_test.sh <build dir> <application id>
set -eu
build=$1
id=$2
for tool in cpack dpkg-deb desktop-file-validate appstreamcli hardening-check; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null 2>&1)
deb=$(ls "$work"/out/*.deb)
root="$work/root"
dpkg-deb -x "$deb" "$root"

status=0
fail() {
    echo "$1"
    status=1
}

# Exactly these files, nothing else.
expected="./usr/bin/dewpoint-converter
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$root" && find . -type f | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$actual"
[ -x "$root/usr/bin/dewpoint-converter" ] || fail "the program is not executable"

[ "$(dpkg-deb -f "$deb" Package)" = dewpoint-converter ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.01 ] || fail "package version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
depended_on=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation2; do
    echo "$depended_on" | grep -qxF "$needed" || fail "does not depend on $needed: $depends"
done

desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry is not valid"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "metainfo is not valid"; }
grep -q '<release version="1.01"' "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo lacks release 1.01"
grep -q '<screenshot type="default">' "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo lacks a screenshot"
hardening-check --nocfprotection "$root/usr/bin/dewpoint-converter" || fail "the program is not hardened"

# The installed program starts and keeps running (it ends only when closed).
if QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/dewpoint-converter" >/dev/null 2>&1; then
    fail "the installed program ended by itself"
elif [ $? -ne 124 ]; then
    fail "the installed program failed to start"
fi

# Where dpkg may be asked, the dependencies must be satisfiable on this system.
if [ "$(id -u)" -eq 0 ]; then
    dpkg --dry-run -i "$deb" >/dev/null || fail "dpkg would not install the package"
fi
exit $status
