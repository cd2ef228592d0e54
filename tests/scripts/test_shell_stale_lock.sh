#!/usr/bin/env bash
# A copy killed outright leaves its lock file behind; the next start must not be blocked by it.
source "$(dirname "$0")/shell_common.sh"

"$ZENTHARI_BIN" 2>"$work/killed.err" &
killed=$!
started+=("$killed")
wait_for_lock_of "$killed"
kill -9 "$killed"
wait "$killed" 2>/dev/null || true
[ -e "$lock" ] || fail "the killed copy left no lock behind; the test proves nothing"

"$ZENTHARI_BIN" 2>"$work/next.err" &
next=$!
started+=("$next")
wait_for_lock_of "$next"
sleep 0.5
kill -0 "$next" 2>/dev/null || fail "the next copy did not keep running"
if grep -q 'already running' "$work/next.err"; then
    fail "the next copy was refused by the stale lock"
fi
echo "PASS: a stale lock does not block the next start"
