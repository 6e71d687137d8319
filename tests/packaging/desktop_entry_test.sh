#!/usr/bin/env bash
# Validates the installed desktop entry and checks what a launcher shows of
# it, and that it names the installed program and icon.
# Usage: desktop_entry_test.sh INSTALLED-TREE
source "$(dirname "$0")/common.sh"
tree=$1
need desktop-file-validate

entry=$(only "$tree"/share/applications/*.desktop)
report=$(desktop-file-validate "$entry" 2>&1) || fail "$report"
# Hints and warnings leave the status 0; they count here all the same.
[ -z "$report" ] || fail "$report"

value() { sed -n "s/^$1=//p" "$entry"; }
while IFS='|' read -r key expected; do
    [ "$(value "$key")" = "$expected" ] || fail "$key is '$(value "$key")', not '$expected'"
done <<'TABLE'
Type|Application
Name|Ludrix
Comment|To calculate volumetric flow rate
Categories|Utility;Calculator;
Terminal|false
TABLE

[ -x "$tree/bin/$(value Exec)" ] || fail "Exec=$(value Exec) is not an installed program"
icon=$(value Icon)
for size in "$tree"/share/icons/hicolor/*; do
    [ -f "$size/apps/$icon.png" ] || fail "Icon=$icon has no picture in $size"
done
[ "$(basename "$entry" .desktop)" = "$icon" ] || fail "the entry and its icon go by different names"
echo "$entry is valid"
