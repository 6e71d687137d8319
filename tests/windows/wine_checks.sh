#!/usr/bin/env bash
# What only the built Windows files show, checked under Wine on an X display:
#   wine_checks.sh starts EXE VERSION WINE...        Ludrix.exe shows its window whole
#   wine_checks.sh installs SETUP VERSION WINE...    the installer's round trip
#   wine_checks.sh msi MSI VERSION WINE...           the Windows Installer package's
#   wine_checks.sh upgrades DIR VERSION WINE...      both over an older, the same
#                                                    and a newer version in DIR
#   wine_checks.sh signatures FILE...                each signed, and a change seen
# WINE... is the command that runs a Windows program in the build's prefix;
# windows go to $DISPLAY (tools/test windows starts an Xvfb for them). Where
# LUDRIX_SIGN_PKCS12 and LUDRIX_SIGN_PASSWORD_FILE name the certificate the
# files were signed with, what the installers put in place is checked signed.
set -euo pipefail
check=$1 file=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

# Verifies each file's signature against the certificate, and also against
# the machine's authorities, for a certificate that one of them issued.
signed() {
    [ -n "${LUDRIX_SIGN_PKCS12:-}" ] || return 0
    local authorities
    authorities=$(mktemp)
    openssl pkcs12 -in "$LUDRIX_SIGN_PKCS12" -passin "file:$LUDRIX_SIGN_PASSWORD_FILE" -nokeys \
        -out "$authorities" 2>/dev/null || fail "cannot read the certificates in $LUDRIX_SIGN_PKCS12"
    [ ! -f /etc/ssl/certs/ca-certificates.crt ] || cat /etc/ssl/certs/ca-certificates.crt >>"$authorities"
    local status=0 name
    for name in "$@"; do
        osslsigncode verify -in "$name" -CAfile "$authorities" >/dev/null 2>&1 || {
            status=$?
            break
        }
    done
    rm -f "$authorities"
    return $status
}

if [ "$check" = signatures ]; then
    shift
    [ -n "${LUDRIX_SIGN_PKCS12:-}" ] || fail "no certificate named to check the signatures against"
    for name in "$@"; do
        signed "$name" || fail "$name is not signed by $LUDRIX_SIGN_PKCS12"
        # One byte changed halfway through must break the signature.
        changed=$(mktemp)
        cp "$name" "$changed"
        size=$(stat -c %s "$changed")
        printf '\x5a' | dd of="$changed" bs=1 seek=$((size / 2)) conv=notrunc status=none
        cmp -s "$name" "$changed" && printf '\xa5' | dd of="$changed" bs=1 seek=$((size / 2)) conv=notrunc status=none
        if signed "$changed"; then
            rm -f "$changed"
            fail "$name still verifies with a byte changed at $((size / 2))"
        fi
        rm -f "$changed"
    done
    echo "passed: signatures of $*"
    exit 0
fi

version=$3
case $check in
upgrades)
    next_dir=$4 next_version=$5
    shift 5
    ;;
*) shift 3 ;;
esac
wine=("$@")

[ -n "${DISPLAY:-}" ] || fail "no X display in \$DISPLAY to show the windows on"
users_file='' program=''
cleanup() {
    # A program a failed check left running goes, and so does the user's file.
    [ -z "$program" ] || "${wine[@]}" taskkill /f /im Ludrix.exe >/dev/null 2>&1 || true
    [ -z "$users_file" ] || { rm -f "$users_file"; rmdir "$(dirname "$users_file")" 2>/dev/null || true; }
}
trap cleanup EXIT

# Starts a Windows program, waits until its main window is mapped, checks the
# window's inner size against the fixed layout, closes it as the frame's
# close button would and expects a clean exit.
starts() {
    "${wine[@]}" "$1" &
    program=$!
    local window size status=0
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Ludrix$' | head -1) ||
        fail "$1 showed no window named Ludrix within a minute"
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
    # 5520 × 3555 twips at 15 twips a pixel.
    [ "$size" = 368x237 ] || fail "the window is $size, not 368x237"
    "${wine[@]}" taskkill /im Ludrix.exe >/dev/null
    timeout 30 tail --pid=$program -f /dev/null || fail "$1 did not end when asked to close"
    wait $program || status=$?
    program=''
    [ $status -eq 0 ] || fail "$1 ended with status $status"
}

uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
key="$uninstall\Ludrix"
# Where the prefix keeps Windows' folders, as Wine itself maps them (through
# its drive links, resolved here).
host_path() { realpath -m "$("${wine[@]}" winepath -u "$1")"; }
installed_dir=$(host_path 'C:\Program Files\Ludrix')
[[ $installed_dir == /*/drive_c/Program\ Files/Ludrix ]] ||
    fail "Wine put Program Files\\Ludrix at '$installed_dir'"
drive=$(host_path 'C:\')

# The files a Windows Installer package puts in the folder, one a line.
package_files() { msiinfo export "$1" File | tr -d '\r' | tail -n +4 | cut -f3; }

# Ludrix in the list of installed programs: each entry's key and version.
entries() {
    "${wine[@]}" reg query "$uninstall" /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { if (name == "Ludrix") print key, version; key = $0; name = version = "" }
             $1 == "DisplayName" { name = $3 } $1 == "DisplayVersion" { version = $3 }
             END { if (name == "Ludrix") print key, version }'
}
listed() { entries | sed 's/.* //'; }

# Start menu shortcuts to Ludrix, the common one's or, where Wine's Windows
# Installer puts a per-machine package's, the user's.
shortcuts() { find "$drive" -path '*/Start Menu/Programs/Ludrix.lnk'; }

# Ludrix VERSION alone in the list of installed programs, and exactly the
# files FILES... in its folder beside the user's own.
holds() {
    local version=$1 want have
    shift
    have=$(listed | tr '\n' ' ')
    [ "$have" = "$version " ] || fail "the list of installed programs shows Ludrix '$have', not $version alone"
    want=$(printf '%s\n' "$@" notes.txt | sort | tr '\n' ' ')
    have=$(ls "$installed_dir" | sort | tr '\n' ' ')
    [ "$have" = "$want" ] || fail "Program Files\\Ludrix holds $have, not $want"
    [ -n "$(shortcuts)" ] || fail "no Start menu shortcut"
}

# Nothing of Ludrix left but the user's own file.
nothing_left() {
    [ -z "$(listed)" ] || fail "the list of installed programs still shows Ludrix $(listed)"
    [ "$(ls "$installed_dir")" = notes.txt ] || fail "removal left $(ls "$installed_dir" | tr '\n' ' ')"
    [ -z "$(shortcuts)" ] || fail "removal left $(shortcuts)"
    [ "$(cat "$users_file")" = mine ] || fail "removal changed the user's own file"
}

# A prefix without Ludrix, whatever a run cut short left in it, and a file of
# the user's own in the folder, which nothing may take.
clean_slate() {
    local code
    for code in $(entries | grep -o '{[0-9A-F-]*}'); do
        "${wine[@]}" msiexec /x "$code" /qn >/dev/null 2>&1 || true
    done
    "${wine[@]}" reg delete "$key" /f >/dev/null 2>&1 || true
    rm -rf "$installed_dir"
    shortcuts | while read -r link; do rm -f "$link"; done
    mkdir -p "$installed_dir"
    users_file=$installed_dir/notes.txt
    echo mine >"$users_file"
}

# The installer's uninstaller runs on from a copy of itself and returns at
# once; the entry goes last, so its going means the removal is done.
nsis_removes() {
    "${wine[@]}" "C:\\Program Files\\Ludrix\\uninstall.exe" /S || fail "the silent uninstall failed"
    local waited=0
    while "${wine[@]}" reg query "$key" >/dev/null 2>&1; do
        [ $((waited += 1)) -le 60 ] || fail "the entry in the list of installed programs stayed"
        sleep 1
    done
}

files=(Ludrix.exe LICENSE.txt LICENSE-Qt.txt LICENSE-MinGW.txt)

installs() {
    clean_slate
    "${wine[@]}" "$1" /S || fail "the silent install failed"
    holds "$version" "${files[@]}" uninstall.exe
    [ -f "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Ludrix.lnk" ] ||
        fail "no shortcut in the Start menu of all users"
    local entry
    entry=$("${wine[@]}" reg query "$key" 2>/dev/null) || fail "no entry in the list of installed programs"
    for value in 'Publisher\s+REG_SZ\s+\S' 'DisplayIcon\s+REG_SZ\s+C:\\Program Files\\Ludrix\\Ludrix\.exe' \
        'UninstallString\s+REG_SZ\s+"C:\\Program Files\\Ludrix\\uninstall\.exe"$' \
        'EstimatedSize\s+REG_DWORD\s+0x[0-9a-f]{4,}$'; do
        grep -qP "^\s+$value" <<<"$entry" || fail "the entry lacks $value:"$'\n'"$entry"
    done
    signed "$installed_dir/Ludrix.exe" "$installed_dir/uninstall.exe" || fail "what the installer put in place is not signed"
    starts "C:\\Program Files\\Ludrix\\Ludrix.exe"
    nsis_removes
    nothing_left
}

msi() {
    local properties code entry
    properties=$(msiinfo export "$1" Property | tr -d '\r')
    # What Wine leaves out of the entry it writes: the icon beside the name.
    for value in 'ProductName\tLudrix$' "ProductVersion\t${version//./\\.}$" 'Manufacturer\t\S' \
        'ARPPRODUCTICON\t\S' 'ALLUSERS\t1$'; do
        grep -qP "^$value" <<<"$properties" || fail "the package's properties lack $value"
    done
    code=$(sed -n 's/^ProductCode\t//p' <<<"$properties")
    clean_slate
    "${wine[@]}" msiexec /i "$1" /qn || fail "msiexec /i $1 /qn failed"
    holds "$version" $(package_files "$1")
    entry=$("${wine[@]}" reg query "$uninstall\\$code" 2>/dev/null) || fail "no entry under the product code $code"
    grep -qP '^\s+Publisher\s+REG_SZ\s+\S' <<<"$entry" || fail "the entry names no publisher:"$'\n'"$entry"
    signed "$installed_dir/Ludrix.exe" || fail "the Ludrix.exe the package put in place is not signed"
    starts "C:\\Program Files\\Ludrix\\Ludrix.exe"
    # As an administrator removes it: by its product code.
    "${wine[@]}" msiexec /x "$code" /qn || fail "msiexec /x $code /qn failed"
    nothing_left
}

# This version, repaired, replaced by the next, and refused over it; neither
# installer goes over the other's Ludrix.
upgrades() {
    local setup=$1/Ludrix-$version-setup.exe package=$1/Ludrix-$version-x64.msi
    local next_setup=$next_dir/Ludrix-$next_version-setup.exe next_package=$next_dir/Ludrix-$next_version-x64.msi
    local this_files next_files
    mapfile -t this_files < <(package_files "$package")
    mapfile -t next_files < <(package_files "$next_package")

    clean_slate
    "${wine[@]}" "$setup" /S || fail "the silent install failed"
    rm "$installed_dir/Ludrix.exe"
    "${wine[@]}" "$setup" /S || fail "installing $version over itself failed"
    holds "$version" "${this_files[@]}" uninstall.exe
    "${wine[@]}" "$next_setup" /S || fail "installing $next_version over $version failed"
    holds "$next_version" "${next_files[@]}" uninstall.exe
    ! "${wine[@]}" "$setup" /S || fail "the installer of $version went on over $next_version"
    ! "${wine[@]}" msiexec /i "$next_package" /qn || fail "the package went on over the installer's Ludrix"
    holds "$next_version" "${next_files[@]}" uninstall.exe
    nsis_removes
    nothing_left

    "${wine[@]}" msiexec /i "$package" /qn || fail "msiexec /i $package /qn failed"
    "${wine[@]}" msiexec /i "$next_package" /qn || fail "msiexec /i $next_package /qn over $version failed"
    holds "$next_version" "${next_files[@]}"
    ! "${wine[@]}" msiexec /i "$package" /qn || fail "the package of $version went on over $next_version"
    ! "${wine[@]}" "$next_setup" /S || fail "the installer went on over the package's Ludrix"
    holds "$next_version" "${next_files[@]}"
    "${wine[@]}" msiexec /x "$next_package" /qn || fail "msiexec /x $next_package /qn failed"
    nothing_left
}

case $check in
starts) starts "$file" ;;
installs | msi | upgrades) "$check" "$file" ;;
*) fail "no check named $check" ;;
esac
echo "passed: $check $file"
