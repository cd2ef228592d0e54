#!/usr/bin/env bash
# Without a display, or with one that cannot be reached, the program says what is missing and
# ends with status 1; it must not crash, dump core or hang.
set -euo pipefail
: "${ZENTHARI_BIN:?path of the zenthari executable}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {
    local what=$1 expected=$2
    shift 2
    set +e
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work" XDG_RUNTIME_DIR="$work" \
        "$@" timeout 60 "$ZENTHARI_BIN" >"$work/out" 2>"$work/err"
    local status=$?
    set -e
    cat "$work/err"
    [ "$status" -eq 1 ] || { echo "FAIL ($what): status $status, expected 1" >&2; exit 1; }
    grep -q "$expected" "$work/err" || { echo "FAIL ($what): no clear message" >&2; exit 1; }
    [ ! -e "$work/zenthari.lock" ] || { echo "FAIL ($what): left a lock behind" >&2; exit 1; }
}

check "no display at all" 'needs a display'
check "a display nobody serves" 'needs a working display' DISPLAY=:9876
echo "PASS: clear messages without a display"
