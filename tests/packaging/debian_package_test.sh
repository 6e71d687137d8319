#!/usr/bin/env bash
# Builds the Debian package and checks it in four steps:
#   build     makes it with CPack
#   contents  checks its files, that it has no maintainer scripts, and that
#             its dependencies are exactly the packages of the libraries the
#             program links and those that deps/debian-packages lists for
#             running it
#   lintian   finds no error or warning in it
#   install   installs it with apt-get, starts the installed program, removes
#             the package and finds nothing left behind; this step needs root
#             (or sudo without a password) and puts the machine back as it
#             found it even when it fails halfway
# Usage: debian_package_test.sh STEP BUILD-DIR PACKAGE-DIR INSTALLED-LIST PACKAGE-LIST
source "$(dirname "$0")/common.sh"
step=$1 build=$2 out=$3 expected=$4 package_list=$5
# Each step works in a folder of its own, since they run side by side.
work=$out/$step

package() { only "$out"/ludrix_*.deb; }

# The package's files and folders, as absolute paths.
package_paths() { dpkg-deb --contents "$1" | awk '{ print $NF }' | sed -e 's|^\.||' -e 's|/$||' | grep .; }
package_files() { dpkg-deb --contents "$1" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\.||' | sort; }
expected_files() { sed 's|^|/usr/|' "$expected"; }

build_package() {
    need dpkg-shlibdeps
    rm -rf "$out"
    cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
    echo "built $(package)"
}

# Which installed package holds a file, whether dpkg knows it under /usr or
# under the older path that /usr now merges.
owner() {
    { dpkg -S "$1" || dpkg -S "${1#/usr}" || dpkg -S "/usr$1"; } 2>/dev/null | head -n 1 | cut -d: -f1
}

check_contents() {
    local deb depends
    deb=$(package)
    diff -u <(expected_files) <(package_files "$deb") || fail "the package's files differ from $expected"

    rm -rf "$work" && mkdir -p "$work"
    # Without maintainer scripts the package can make no file beyond its own,
    # which is what lets the install step check that removing it leaves
    # nothing behind.
    dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep . | sort >"$work/control"
    diff -u <(printf '%s\n' control md5sums) "$work/control" || fail "the package carries more than its control and checksums"

    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" ./usr/bin/ludrix
    objdump -p "$work/usr/bin/ludrix" | awk '$1 == "NEEDED" { print $2 }' >"$work/needed"
    ldd "$work/usr/bin/ludrix" >"$work/ldd"
    while read -r library; do
        path=$(awk -v name="$library" '$1 == name && $2 == "=>" { print $3 }' "$work/ldd")
        holder=$(owner "${path:-$library}")
        [ -n "$holder" ] || fail "no installed package holds $library"
        echo "$holder"
    done <"$work/needed" >"$work/wanted"
    awk '$1 == "run" { print $2 }' "$package_list" >>"$work/wanted"

    depends=$(dpkg-deb --field "$deb" Depends)
    echo "Depends: $depends"
    diff -u <(sort -u "$work/wanted") <(tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | sort -u) ||
        fail "the dependencies differ from the packages of the linked libraries and the run packages"
}

# Its whole verdict: lintian's own status says whether it found an error or
# a warning; notes at the information level only show.
check_lintian() {
    local report verdict=0
    need lintian
    report=$(lintian --fail-on error,warning --display-info --pedantic "$(package)" 2>&1) || verdict=$?
    # CI runs as root, which lintian frowns on without reason here.
    report=$(grep -v '^running with root privileges' <<<"$report" || true)
    [ "$verdict" -eq 0 ] || fail "lintian: $report"
    echo "${report:-lintian finds nothing to note}"
}

# installed, config-files, not-installed and the states between.
state() { dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || echo not-installed; }

check_install() {
    local deb
    deb=$(realpath "$(package)")
    need apt-get
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo -n true 2>/dev/null || skip "installing a package needs root or sudo without a password"
        as_root=(sudo -n)
    fi
    apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y)

    # Two runs of this step at once, from two checkouts, would remove each
    # other's package.
    exec 9>"${TMPDIR:-/tmp}/ludrix-package-test.lock"
    flock -w 1200 9 || fail "another run of this step holds its lock"
    [ "$(state ludrix)" = not-installed ] || skip "ludrix is on this machine already ($(state ludrix)); leaving it alone"

    rm -rf "$work" && mkdir -p "$work"
    package_paths "$deb" | while read -r path; do
        [ ! -e "$path" ] || echo "$path"
    done >"$work/there-before"
    # The packages the install brings in, ludrix and any dependency missing
    # here; they are the ones to take away again.
    "${apt[@]}" --simulate install --no-install-recommends "$deb" | awk '/^Inst / { print $2 }' >"$work/brought"
    grep -qx ludrix "$work/brought" || fail "apt-get would not install ludrix"

    program=
    trap 'restore' EXIT
    "${apt[@]}" install --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
        fail "apt-get install: $(cat "$work/install.log")"
    [ "$(state ludrix)" = installed ] || fail "ludrix is $(state ludrix) after apt-get install"

    diff -u <(expected_files) <(dpkg -L ludrix | while read -r path; do
        [ -d "$path" ] || echo "$path"
    done | sort) || fail "dpkg -L ludrix differs from the expected files"
    echo "installed; Depends: $(dpkg-query -W -f='${Depends}' ludrix)"

    QT_QPA_PLATFORM=offscreen /usr/bin/ludrix >"$work/ludrix.log" 2>&1 &
    program=$!
    sleep 2
    kill -0 "$program" 2>/dev/null || fail "/usr/bin/ludrix ended within 2 s: $(cat "$work/ludrix.log")"
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=
    echo "/usr/bin/ludrix started and kept running"

    "${apt[@]}" remove ludrix >"$work/remove.log" 2>&1 || fail "apt-get remove: $(cat "$work/remove.log")"
    [ "$(state ludrix)" = not-installed ] || fail "ludrix is $(state ludrix) after apt-get remove"
    package_paths "$deb" | while read -r path; do
        if [ -e "$path" ] && ! grep -qxF "$path" "$work/there-before"; then
            echo "$path"
        fi
    done >"$work/left"
    [ ! -s "$work/left" ] || fail "apt-get remove left behind: $(cat "$work/left")"
    echo "removed, nothing left behind"
}

# Runs on every exit of the install step once apt-get has been called.
restore() {
    local status=$? remaining
    if [ -n "${program:-}" ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    remaining=
    while read -r name; do
        if [ "$(state "$name")" != not-installed ]; then
            remaining+=" $name"
        fi
    done < <({ echo ludrix; cat "$work/brought" 2>/dev/null; } | sort -u)
    if [ -n "$remaining" ]; then
        echo "taking away again:$remaining"
        # shellcheck disable=SC2086
        "${apt[@]}" purge $remaining >"$work/restore.log" 2>&1 || echo "apt-get purge failed: $(cat "$work/restore.log")" >&2
    fi
    exit "$status"
}

case $step in
    build) build_package ;;
    contents) check_contents ;;
    lintian) check_lintian ;;
    install) check_install ;;
    *) fail "unknown step $step" ;;
esac
