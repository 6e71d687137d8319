#!/usr/bin/env bash
# Installs the build into a folder of its own and checks that exactly the
# expected files arrive, and that every icon has the size its folder names.
# Usage: install_tree_test.sh BUILD-DIR EXPECTED-LIST DESTINATION
source "$(dirname "$0")/common.sh"
build=$1 expected=$2 tree=$3

rm -rf "$tree"
cmake --install "$build" --prefix "$tree" >/dev/null
diff -u "$expected" <(cd "$tree" && find . ! -type d | sed 's|^\./||' | sort) ||
    fail "the installed files differ from $expected"
[ -x "$tree/bin/ludrix" ] || fail "bin/ludrix is not executable"

# Width and height are the big-endian words at bytes 16 and 20 of a PNG, bit
# depth and colour type the two bytes after: 8 and 2 for 24-bit colour.
for icon in "$tree"/share/icons/hicolor/*/apps/*.png; do
    folder=$(basename "$(dirname "$(dirname "$icon")")")
    header=$(od -An -tu1 -j12 -N14 "$icon" |
        awk '{ printf "%c%c%c%c %dx%d %d %d", $1, $2, $3, $4,
                   $5 * 16777216 + $6 * 65536 + $7 * 256 + $8,
                   $9 * 16777216 + $10 * 65536 + $11 * 256 + $12, $13, $14 }')
    [ "$header" = "IHDR $folder 8 2" ] || fail "$icon: $header, not a 24-bit $folder picture"
done
echo "$(wc -l <"$expected") files installed as expected"
