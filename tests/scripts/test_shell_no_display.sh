#!/usr/bin/env bash
# Without any display the program says what is missing and ends with status 1; it must not
# crash or hang.
set -euo pipefail
: "${ZENTHARI_BIN:?path of the zenthari executable}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

set +e
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work" XDG_RUNTIME_DIR="$work" \
    timeout 60 "$ZENTHARI_BIN" >"$work/out" 2>"$work/err"
status=$?
set -e
cat "$work/err"
[ "$status" -eq 1 ] || { echo "FAIL: status $status, expected 1" >&2; exit 1; }
grep -q 'needs a display' "$work/err" || { echo "FAIL: no clear message" >&2; exit 1; }
[ ! -e "$work/zenthari.lock" ] || { echo "FAIL: left a lock behind" >&2; exit 1; }
echo "PASS: clear message without a display"
