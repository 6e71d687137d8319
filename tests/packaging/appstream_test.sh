#!/usr/bin/env bash
# Validates the installed AppStream metadata together with the desktop entry
# it launches, without the network, and checks what a software centre shows.
# Usage: appstream_test.sh INSTALLED-TREE VERSION
source "$(dirname "$0")/common.sh"
tree=$1 version=$2
need appstreamcli

metainfo=$(only "$tree"/share/metainfo/*.metainfo.xml)
report=$(appstreamcli validate-tree --no-net "$tree" 2>&1) || fail "$report"
echo "$report"
# Notes at the information level pass: the id's top-level domain, "example",
# is reserved rather than registered, which the validator only remarks on.
! grep -Eq '^ *[EW]:' <<<"$report" || fail "appstreamcli reports errors or warnings"

id=$(basename "$metainfo" .metainfo.xml)
while read -r expected; do
    grep -Fq "$expected" "$metainfo" || fail "$metainfo lacks $expected"
done <<TABLE
<id>$id</id>
<launchable type="desktop-id">$id.desktop</launchable>
<name>Ludrix</name>
<summary>To calculate volumetric flow rate</summary>
<release version="$version" date="
<content_rating type="oars-1.1"/>
<screenshot type="default">
<binary>ludrix</binary>
TABLE
