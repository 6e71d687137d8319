#!/usr/bin/env bash
# Checks what Ludrix puts on a desktop, as the Debian package that CPack makes
# holds it, one STEP at a time: build (and unpack) it; its files, dependencies
# and icons; the desktop entry; the AppStream metadata; lintian; the program's
# window, and its word where there is none to show; and the Windows version
# record. A step whose tool is missing skips with CTest's code 77, but fails on
# CI, where tools/test installs them all.
# Usage: package_test.sh STEP BUILD-DIR SOURCE-DIR WORK-DIR COMPILER
set -euo pipefail
export LC_ALL=C.UTF-8
step=$1 build=$2 source=$3 work=$4 compiler=$5
tree=$work/tree/usr id=example.northfall.Ludrix

fail() { echo "FAIL: $*" >&2 && exit 1; }
skip() { echo "SKIP: $*" && exit 77; }
need() { command -v "$1" >/dev/null || { [ -n "${CI:-}" ] && fail "$1 is missing"; } || skip "$1 is missing"; }
[[ $step == @(build|version) ]] || deb=$(ls "$work"/ludrix_*.deb 2>/dev/null) || skip "no package was built"

case $step in
build)
    need dpkg-shlibdeps
    rm -rf "$work"
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    dpkg-deb -x "$work"/ludrix_*.deb "$work/tree"
    ;;
files)
    diff -u <({ printf '%s\n' bin/ludrix share/{applications/$id.desktop,doc/ludrix/{changelog.gz,copyright},man/man1/ludrix.1.gz,metainfo/$id.metainfo.xml}
        printf "share/icons/hicolor/%sx%s/apps/$id.png\n" 16 16 22 22 24 24 32 32 48 48 64 64 72 72 128 128 256 256; } | sort) \
        <(cd "$tree" && find . ! -type d | sed 's|^\./||' | sort) || fail "the package's files differ"
    # Without maintainer scripts, removing the package leaves nothing behind.
    [ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v '/$' | sort | xargs)" = "./control ./md5sums" ] ||
        fail "the package carries more than its control file and checksums"
    # The packages of the libraries it links, under the merged /usr or not,
    # and those listed for running it.
    needed=$(objdump -p "$tree/bin/ludrix" | awk '$1 == "NEEDED" { printf " %s ", $2 }')
    paths=$(ldd "$tree/bin/ludrix" | awk -v needed="$needed" 'index(needed, " " $1 " ") { sub("^/usr", "", $3); print $3, "/usr" $3 }')
    { dpkg -S $paths 2>/dev/null || true; } | cut -d: -f1 >"$work/wanted"
    awk '$1 == "run" { print $2 }' "$source/deps/debian-packages" >>"$work/wanted"
    diff -u <(sort -u "$work/wanted") <(dpkg-deb --field "$deb" Depends | tr ',' '\n' | awk '{ print $1 }' | sort -u) ||
        fail "Depends differs from the packages of the linked libraries and those for running"
    for icon in "$tree"/share/icons/hicolor/*/apps/*.png; do
        size=$(basename "$(dirname "$(dirname "$icon")")")
        file -b "$icon" | grep -q "^PNG image data, ${size/x/ x }, 8-bit/color RGB," || fail "$icon is no 24-bit $size picture"
    done
    ;;
desktop)
    need desktop-file-validate
    entry=$tree/share/applications/$id.desktop
    # Hints and warnings leave the status 0; they count here all the same.
    report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ] || fail "$report"
    value() { sed -n "s/^$1=//p" "$entry"; }
    while IFS='|' read -r key expected; do
        [ "$(value "$key")" = "$expected" ] || fail "$key is '$(value "$key")', not '$expected'"
    done <<TABLE
Name|Ludrix
Comment|To calculate volumetric flow rate
Categories|Utility;Calculator;
Terminal|false
Exec|ludrix
Icon|$id
TABLE
    ;;
appstream)
    need appstreamcli
    report=$(appstreamcli validate-tree --no-net "$tree" 2>&1) || fail "$report"
    # Notes pass: the id's top-level domain, "example", is reserved, not registered.
    ! grep -E '^ *[EW]:' <<<"$report" || fail "appstreamcli reports errors or warnings"
    while read -r expected; do
        grep -Fq "$expected" "$tree/share/metainfo/$id.metainfo.xml" || fail "the metadata lacks $expected"
    done <<TABLE
<id>$id</id>
<launchable type="desktop-id">$id.desktop</launchable>
<name>Ludrix</name>
<summary>To calculate volumetric flow rate</summary>
<release version="$(dpkg-deb --field "$deb" Version)" date="
<binary>ludrix</binary>
TABLE
    ;;
lintian)
    need lintian
    report=$(lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1) || fail "$report"
    ;;
window)
    # Told to, Qt's minimal platform saves a picture of each window it shows.
    mkdir -p "$work/window" && cd "$work/window" && rm -f ./*.png
    QT_QPA_PLATFORM=minimal QT_DEBUG_BACKINGSTORE=1 timeout 3 "$tree/bin/ludrix" >log 2>&1 && status=0 || status=$?
    [ "$status" -eq 124 ] || fail "ludrix ended by itself with status $status: $(cat log)"
    [ -s output0000.png ] || fail "ludrix showed no window"
    ;;
nodisplay)
    # Away from a desktop it says so and ends, rather than aborting with a core.
    free=99 && while [ -e /tmp/.X11-unix/X$free ]; do free=$((free + 1)); done
    for display in "" ":$free"; do
        status=0 && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY="$display" \
            "$tree/bin/ludrix" >"$work/out" 2>"$work/err" || status=$?
        [ "$status" -eq 1 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
            grep -q "^ludrix: no display .*DISPLAY.*xvfb-run ludrix$" "$work/err" ||
            fail "with DISPLAY='$display' ludrix ended with status $status and said: $(cat "$work/out" "$work/err")"
    done
    ;;
version)
    need "${windres:=x86_64-w64-mingw32-windres}" && mkdir -p "$work"
    # The host's compiler preprocesses the record, which needs no Windows
    # header. The language starts out neutral: the record must name its own.
    "$windres" --preprocessor="$compiler" --preprocessor-arg=-E --preprocessor-arg=-xc \
        --preprocessor-arg=-DRC_INVOKED --language=0 -O res "$build/app/ludrix.rc" "$work/ludrix.res"
    diff -u - <("$windres" -O rc "$work/ludrix.res" | sed '1,/\*\//d' | grep -v -E '^ *(BEGIN|END|)$') <<'RECORD' ||
LANGUAGE 9, 1
1 VERSIONINFO
 FILEVERSION 1, 0, 0, 14
 PRODUCTVERSION 1, 0, 0, 14
 FILEFLAGSMASK 0x3f
 FILEOS 0x40004
 FILETYPE 0x1
  BLOCK "StringFileInfo"
    BLOCK "040904B0"
      VALUE "CompanyName", "www.northfall.example"
      VALUE "FileVersion", "1.00.0014"
      VALUE "InternalName", "Ludrix"
      VALUE "OriginalFilename", "Ludrix.exe"
      VALUE "ProductName", "Ludrix"
      VALUE "ProductVersion", "1.00.0014"
  BLOCK "VarFileInfo"
    VALUE "Translation", 0x409, 1200
RECORD
        fail "the compiled version record differs"
    ;;
esac
