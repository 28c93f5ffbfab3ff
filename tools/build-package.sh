#!/bin/sh
# Builds the Debian packages from the source tree as it stands (committed or
# not), in a copy of it, the way a Debian maintainer builds them:
#   tools/build-package.sh <output folder> [dpkg-buildpackage options...]
# The packages land in <output folder>. The date in them is that of the last
# commit where the tree is a git checkout, else that of debian/changelog.
set -eu
out=$1
shift
here=$(cd "$(dirname "$0")/.." && pwd)
version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)
source="$out/dewpoint-converter-$version"

rm -rf "$source"
mkdir -p "$source"
if git -C "$here" rev-parse --git-dir >/dev/null 2>&1; then
    # Tracked files and new ones that are not ignored, as they are on disk.
    (cd "$here" && git ls-files -z --cached --others --exclude-standard \
        | xargs -0 -I{} sh -c 'test ! -e "$1" || cp --parents -P "$1" "$2"' _ {} "$source")
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$here" log -1 --format=%ct)
        export SOURCE_DATE_EPOCH
    fi
else
    (cd "$here" && tar --exclude='./build*' --exclude=./.git -cf - .) | (cd "$source" && tar -xf -)
fi

cd "$source"
dpkg-buildpackage -b -us -uc "$@" >"$out/build.log" 2>&1 || { tail -n 60 "$out/build.log"; exit 1; }
cd "$out"
rm -rf "$source"
ls "$out"/*.deb
