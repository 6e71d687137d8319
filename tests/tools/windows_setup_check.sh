#!/usr/bin/env bash
# The Windows setup's every step before the long Qt build, on a machine that
# has nothing yet: an empty home, and apt sources written in the one-line form
# (as Debian's installer and debootstrap write them), the deb822 form or both.
# A cold Qt build takes a quarter of an hour, so CI would meet a missing
# folder or an unread sources file only that late, and only on a new machine.
#   windows_setup_check.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The machine's own Debian mirrors, as apt sees them, whatever form they are in.
mapfile -t repositories < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Created-By: Packages' | sort -u)
[ ${#repositories[@]} -gt 0 ] || { echo "FAIL: apt lists no repositories here" >&2; exit 1; }

one_line() { printf 'deb %s\n' "${repositories[@]}"; }
deb822() {
    local uri suite component
    for repository in "${repositories[@]}"; do
        read -r uri suite component <<<"$repository"
        printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: %s\n\n' "$uri" "$suite" "$component"
    done
}

failures=0
# form  XDG_CACHE_HOME
for case in "one-line unset" "deb822 empty" "both unset"; do
    read -r form xdg <<<"$case"
    root=$work/$form
    mkdir -p "$root/home" "$root/sources.list.d" "$root/lists/partial" "$root/cache/archives/partial"
    : >"$root/sources.list"
    case $form in
    one-line) one_line >"$root/sources.list" ;;
    deb822) deb822 >"$root/sources.list.d/mirror.sources" ;;
    both) one_line >"$root/sources.list"; deb822 >"$root/sources.list.d/mirror.sources" ;;
    esac
    cat >"$root/apt.conf" <<CONF
Dir::Etc::SourceList "$root/sources.list";
Dir::Etc::SourceParts "$root/sources.list.d";
Dir::State::Lists "$root/lists";
Dir::Cache "$root/cache";
CONF
    environment=(-u XDG_CACHE_HOME)
    [ "$xdg" = empty ] && environment=(XDG_CACHE_HOME=)
    environment+=(HOME="$root/home" APT_CONFIG="$root/apt.conf")
    if env "${environment[@]}" "$source_dir/tools/windows-qt" --check >"$root/log" 2>&1 &&
        [ -d "$root/home/.cache/ludrix/src" ]; then
        echo "passed: $case"
        tail -n 2 "$root/log"
    else
        echo "FAIL: $case" >&2
        cat "$root/log" >&2
        failures=$((failures + 1))
    fi
done
exit $failures
