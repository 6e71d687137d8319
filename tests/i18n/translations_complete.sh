#!/usr/bin/env bash
# Every text of the program has a finished translation in every language, and
# no language keeps a translation that no text uses any more: lupdate reads
# the code again into copies of the translations, and anything it marks
# unfinished or vanished is named.
#   translations_complete.sh LUPDATE SOURCE_LIST TS_FILE...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -tr-function-alias QT_TRANSLATE_NOOP+=LUDRIX_TEXT -locations none @"$sources" -ts "$copy"
    # A message spans lines; its source and its translation's type are told
    # together, one line a message.
    problems=$(awk '
        /<name>/ { gsub(/.*<name>|<\/name>.*/, ""); context = $0 }
        /<source>/ { source = $0; gsub(/.*<source>|<\/source>.*/, "", source) }
        /<translation[ >]/ && /type="(unfinished|vanished|obsolete)"/ {
            match($0, /type="[a-z]+"/); print "  " substr($0, RSTART + 6, RLENGTH - 7) ": " context ": " source
        }' "$copy")
    if [ -n "$problems" ]; then
        echo "$(basename "$ts"):"
        echo "$problems"
        status=1
    fi
done
exit $status
