#!/usr/bin/env bash
# What only the built Windows files show, checked under Wine on an X display:
#   wine_checks.sh starts EXE VERSION WINE...        Ludrix.exe shows its window whole
#   wine_checks.sh installs SETUP VERSION WINE...    the installer's round trip
# WINE... is the command that runs a Windows program in the build's prefix;
# windows go to $DISPLAY (tools/test windows starts an Xvfb for them).
set -euo pipefail
check=$1 file=$2 version=$3
shift 3
wine=("$@")

fail() { echo "FAIL: $*" >&2; exit 1; }

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

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ludrix'
# Where the prefix keeps Windows' folders, as Wine itself maps them (through
# its drive links, resolved here).
host_path() { realpath -m "$("${wine[@]}" winepath -u "$1")"; }
files=(Ludrix.exe uninstall.exe LICENSE.txt LICENSE-Qt.txt LICENSE-MinGW.txt)

installs() {
    local installed_dir shortcut
    installed_dir=$(host_path 'C:\Program Files\Ludrix')
    shortcut=$(host_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Ludrix.lnk')
    [[ $installed_dir == /*/drive_c/Program\ Files/Ludrix ]] ||
        fail "Wine put Program Files\\Ludrix at '$installed_dir'"
    # What a run cut short may have left in the prefix goes first: the
    # uninstaller is judged on what this install put there.
    "${wine[@]}" reg delete "$key" /f >/dev/null 2>&1 || true
    rm -rf "$installed_dir" "$shortcut"
    # A file of the user's own in the folder, which uninstalling must leave.
    mkdir -p "$installed_dir"
    users_file=$installed_dir/notes.txt
    echo "mine" >"$users_file"

    "${wine[@]}" "$1" /S || fail "the silent install failed"
    for name in "${files[@]}"; do
        [ -f "$installed_dir/$name" ] || fail "the install left out $name"
    done
    [ -f "$shortcut" ] || fail "no Start menu shortcut"
    local entry
    entry=$("${wine[@]}" reg query "$key" 2>/dev/null) || fail "no entry in the list of installed programs"
    for value in 'DisplayName\s+REG_SZ\s+Ludrix$' 'DisplayVersion\s+REG_SZ\s+'"${version//./\\.}"'$' \
        'Publisher\s+REG_SZ\s+\S' 'DisplayIcon\s+REG_SZ\s+C:\\Program Files\\Ludrix\\Ludrix\.exe' \
        'UninstallString\s+REG_SZ\s+"C:\\Program Files\\Ludrix\\uninstall\.exe"$' \
        'EstimatedSize\s+REG_DWORD\s+0x[0-9a-f]{4,}$'; do
        grep -qP "^\s+$value" <<<"$entry" || fail "the entry lacks $value:"$'\n'"$entry"
    done

    starts "C:\\Program Files\\Ludrix\\Ludrix.exe"

    # The uninstaller runs on from a copy of itself and returns at once; the
    # entry goes last, so its going means the uninstall is done.
    "${wine[@]}" "C:\\Program Files\\Ludrix\\uninstall.exe" /S || fail "the silent uninstall failed"
    local waited=0
    while "${wine[@]}" reg query "$key" >/dev/null 2>&1; do
        [ $((waited += 1)) -le 60 ] || fail "the entry in the list of installed programs stayed"
        sleep 1
    done
    for name in "${files[@]}"; do
        [ ! -e "$installed_dir/$name" ] || fail "the uninstall left $name"
    done
    [ ! -e "$shortcut" ] || fail "the uninstall left the Start menu shortcut"
    [ "$(cat "$users_file" 2>/dev/null)" = mine ] || fail "the uninstall took the user's own file"
}

case $check in
starts) starts "$file" ;;
installs) installs "$file" ;;
*) fail "no check named $check" ;;
esac
echo "passed: $check $file"
