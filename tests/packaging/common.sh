# Sourced by the checks of what Ludrix installs.
set -euo pipefail
export LC_ALL=C.UTF-8

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# CTest counts exit status 77 as a skipped test.
skip() {
    echo "SKIP: $*"
    exit 77
}

# Checks that a tool from Debian's packages is here. tools/test installs
# them all, so on CI a missing one is a fault; elsewhere the check is skipped.
need() {
    command -v "$1" >/dev/null && return
    [ -z "${CI:-}" ] || fail "$1 is missing"
    skip "$1 is missing; tools/setup test installs it"
}

# The one file that matches a pattern.
only() {
    [ $# -eq 1 ] && [ -e "$1" ] || fail "expected one file, found: $*"
    echo "$1"
}
