#!/bin/sh
# Brings every catalogue in translations/ up to date with the program, and
# starts one for each new language in translations/LINGUAS:
#   the window's texts  -> translations/dewpoint-converter_<language>.ts (lupdate)
#   the menu entry and
#   the AppStream data  -> translations/<language>.po (xgettext, msgmerge, msginit)
#   tools/update_translations.sh <configured build folder>
set -eu
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
cmake "$build" >/dev/null  # LINGUAS may have changed
cmake --build "$build" --target update_translations

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# xgettext knows AppStream data by its file name.
cp packaging/dewpoint-converter.metainfo.xml.in "$work/dewpoint-converter.metainfo.xml"
xgettext --from-code=UTF-8 --no-location --package-name=dewpoint-converter -L Desktop \
    -o "$work/desktop.pot" packaging/dewpoint-converter.desktop.in
xgettext --from-code=UTF-8 --no-location --package-name=dewpoint-converter \
    -o "$work/metainfo.pot" "$work/dewpoint-converter.metainfo.xml"
{
    echo "# Texts of the menu entry and the AppStream data, for translation into the languages of LINGUAS."
    echo "# Copyright (C) 2026 Dewpoint Converter Developers"
    msgcat --no-location "$work/desktop.pot" "$work/metainfo.pot" | sed '1,/^#$/d; /^"POT-Creation-Date/d'
} >translations/dewpoint-converter.pot

for language in $(grep -v '^#' translations/LINGUAS); do
    po=translations/$language.po
    if [ -f "$po" ]; then
        msgmerge --quiet --update --no-fuzzy-matching --no-wrap --backup=none "$po" translations/dewpoint-converter.pot
    else
        msginit --no-translator --no-wrap --locale="$language.UTF-8" --input=translations/dewpoint-converter.pot --output="$po"
    fi
done
echo "Up to date: translations/*.ts and translations/*.po"
