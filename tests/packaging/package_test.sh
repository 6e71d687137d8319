#!/usr/bin/env bash
# Checks what Ludrix puts on a desktop, as the Debian package that CPack makes
# of it holds it, one step at a time:
#   build      makes the package and unpacks it
#   files      its files, that it has no maintainer scripts, its dependencies
#              and every icon's size
#   desktop    the desktop entry, and that it names the program and the icons
#   appstream  the AppStream metadata with the entry it launches
#   lintian    no error or warning
#   window     the packaged program starts, keeps running and shows its window
#   version    the Windows version record, compiled and read back
# A step whose tool is missing skips with CTest's code 77; tools/test installs
# them all, so on CI a missing one fails.
# Usage: package_test.sh STEP BUILD-DIR SOURCE-DIR WORK-DIR COMPILER
set -euo pipefail
export LC_ALL=C.UTF-8
step=$1 build=$2 source=$3 work=$4 compiler=$5
tree=$work/tree/usr
id=example.northfall.Ludrix

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
skip() {
    echo "SKIP: $*"
    exit 77
}
need() {
    command -v "$1" >/dev/null && return
    [ -z "${CI:-}" ] || fail "$1 is missing"
    skip "$1 is missing; tools/setup test installs it"
}
if [[ $step != @(build|version) ]]; then
    deb=$(ls "$work"/ludrix_*.deb 2>/dev/null) || skip "no package was built"
fi

case $step in
build)
    need dpkg-shlibdeps
    rm -rf "$work"
    cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    dpkg-deb -x "$work"/ludrix_*.deb "$work/tree"
    ;;
files)
    diff -u <({
        printf '%s\n' bin/ludrix share/applications/$id.desktop share/doc/ludrix/{changelog.gz,copyright} \
            share/man/man1/ludrix.1.gz share/metainfo/$id.metainfo.xml
        for size in 16 22 24 32 48 64 72 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    } | sort) <(cd "$tree" && find . ! -type d | sed 's|^\./||' | sort) || fail "the package's files differ"
    # Without maintainer scripts the package makes no file but its own, and
    # removing it leaves nothing behind.
    [ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v '/$' | sort | xargs)" = "./control ./md5sums" ] ||
        fail "the package carries more than its control file and checksums"
    # The packages that hold the libraries the program links, under the
    # merged /usr or not, and those listed for running it.
    needed=$(objdump -p "$tree/bin/ludrix" | awk '$1 == "NEEDED" { printf " %s ", $2 }')
    paths=$(ldd "$tree/bin/ludrix" | awk -v needed="$needed" 'index(needed, " " $1 " ") { sub("^/usr", "", $3); print $3, "/usr" $3 }')
    # shellcheck disable=SC2086
    { dpkg -S $paths 2>/dev/null || true; } | cut -d: -f1 >"$work/wanted"
    awk '$1 == "run" { print $2 }' "$source/deps/debian-packages" >>"$work/wanted"
    diff -u <(sort -u "$work/wanted") <(dpkg-deb --field "$deb" Depends | tr ',' '\n' | awk '{ print $1 }' | sort -u) ||
        fail "Depends differs from the packages of the linked libraries and those for running"
    # Width and height are big-endian words at bytes 16 and 20 of a PNG, then
    # come bit depth and colour type: 8 and 2 for 24-bit colour.
    for icon in "$tree"/share/icons/hicolor/*/apps/*.png; do
        size=$(basename "$(dirname "$(dirname "$icon")")")
        header=$(od -An -tu1 -j12 -N14 "$icon" | awk '{ printf "%c%c%c%c %dx%d %d %d", $1, $2, $3, $4,
            $5 * 2^24 + $6 * 2^16 + $7 * 256 + $8, $9 * 2^24 + $10 * 2^16 + $11 * 256 + $12, $13, $14 }')
        [ "$header" = "IHDR $size 8 2" ] || fail "$icon: $header, not a 24-bit $size picture"
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
    # Notes at the information level pass: the id's top-level domain,
    # "example", is reserved rather than registered.
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
    # Its status says whether it found an error or a warning. CI runs as root,
    # which it remarks on without reason here.
    report=$(lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1) || fail "$report"
    grep -v '^running with root privileges' <<<"$report" || echo "lintian finds nothing to note"
    ;;
window)
    # Told to, Qt's minimal platform saves a picture of each window it shows.
    mkdir -p "$work/window" && cd "$work/window" && rm -f ./*.png
    status=0
    QT_QPA_PLATFORM=minimal QT_DEBUG_BACKINGSTORE=1 timeout 3 "$tree/bin/ludrix" >log 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "ludrix ended by itself with status $status: $(cat log)"
    [ -s output0000.png ] || fail "ludrix showed no window"
    ;;
version)
    windres=x86_64-w64-mingw32-windres
    need "$windres"
    mkdir -p "$work"
    # The record needs no Windows header, so the host's compiler preprocesses
    # it. The language starts out neutral, as other compilers start from the
    # machine's own: the record has to name its language itself.
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
