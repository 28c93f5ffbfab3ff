#!/bin/sh
# Builds the Debian packages twice, in folders of different depth, with a
# different time zone, locale and umask, and later in time, as Debian checks
# reproducibility: the packages must be the same bytes. Then lintian, with
# pedantic and informational tags, must find no error and no warning.
#   package_release_test.sh <source folder> <build type>
set -eu
source=$1
case "$2" in
    Release | RelWithDebInfo | MinSizeRel) ;;
    *) echo "skipped: the package is checked from release builds, not '$2'"; exit 77 ;;
esac
for tool in dpkg-buildpackage dh lintian; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build() {
    DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" "$source/tools/build-package.sh" "$1" -Pnocheck >/dev/null
}
(umask 022 && TZ=UTC LC_ALL=C.UTF-8 build "$work/a")
sleep 2
(umask 002 && TZ=Asia/Tokyo LC_ALL=de_DE.UTF-8 build "$work/second/build/of/the/packages")

status=0
for first in "$work"/a/*.deb; do
    second="$work/second/build/of/the/packages/$(basename "$first")"
    if ! cmp -s "$first" "$second"; then
        echo "$(basename "$first") differs between the two builds"
        command -v diffoscope >/dev/null 2>&1 && diffoscope "$first" "$second" | head -n 60
        status=1
    fi
done

lintian --pedantic --display-info --display-experimental --fail-on error,warning "$work"/a/*.changes || status=1
exit $status
