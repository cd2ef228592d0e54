#!/usr/bin/env bash
# Two real copies of the program: the second says "Application is already running" and ends;
# the first keeps running and keeps its lock.
source "$(dirname "$0")/shell_common.sh"

"$ZENTHARI_BIN" 2>"$work/first.err" &
first=$!
started+=("$first")
wait_for_lock_of "$first"

set +e
timeout 60 "$ZENTHARI_BIN" 2>"$work/second.err" &
second=$!
started+=("$second")
wait "$second"
status=$?
set -e

[ "$status" -ne 124 ] || fail "the second copy did not end"
[ "$status" -eq 0 ] || fail "the second copy ended with status $status"
count=$(grep -c '^zenthari message: Application is already running$' "$work/second.err" || true)
[ "$count" -eq 1 ] || fail "the second copy showed the message $count times"
kill -0 "$first" 2>/dev/null || fail "the first copy is gone"
[ "$(head -n 1 "$lock")" = "$first" ] || fail "the lock no longer names the first copy"
if grep -q 'already running' "$work/first.err"; then
    fail "the first copy showed the message"
fi
echo "PASS: second copy refused, first copy untouched"
