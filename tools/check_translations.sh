#!/bin/sh
# Fails where a catalogue of the window is not complete: a text of the
# program that it lacks, one left unfinished or empty, or a translation that
# drops or adds a %1-style place for a value.
#   check_translations.sh <lupdate> "<source file>..." <catalogue.ts>...
set -eu
lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$@"; do
    name=$(basename "$catalogue")
    # The catalogue as it would be with every text the program has now.
    cp "$catalogue" "$work/$name"
    # shellcheck disable=SC2086
    "$lupdate" -silent -no-obsolete -locations none $sources -ts "$work/$name" >/dev/null
    awk -v name="$name" '
        /<message>/ { source = ""; translation = ""; unfinished = 0 }
        /<source>/ { text = $0; sub(/.*<source>/, "", text); sub(/<\/source>.*/, "", text); source = text }
        /<translation/ {
            unfinished = ($0 ~ /type="(unfinished|vanished|obsolete)"/)
            text = $0; sub(/.*<translation[^>]*>/, "", text); sub(/<\/translation>.*/, "", text); translation = text
        }
        /<\/message>/ {
            places_source = places(source); places_translation = places(translation)
            if (unfinished || translation == "") { print name ": not translated: " source; bad = 1 }
            else if (places_source != places_translation) { print name ": places differ: " source; bad = 1 }
        }
        function places(text,   found, sorted, n, i, j, t) {
            n = 0
            while (match(text, /%[0-9]/)) { found[++n] = substr(text, RSTART, 2); text = substr(text, RSTART + 2) }
            for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (found[j] < found[i]) { t = found[i]; found[i] = found[j]; found[j] = t }
            sorted = ""; for (i = 1; i <= n; i++) sorted = sorted found[i]
            return sorted
        }
        END { exit bad }
    ' "$work/$name" || status=1
done
[ $status -eq 0 ] || echo "Complete the catalogues in translations/ (README: Adding a language)."
exit $status
