#!/usr/bin/env bash
# A real start with the reminder due: the question comes first (answered No by the test hook),
# the stored day moves to today, and the program goes on to its main window.
source "$(dirname "$0")/shell_common.sh"
export LC_ALL=C LANG=C

# The store as a start on 1 January 2020 left it, in the C locale's short format
# ("1 Jan 2020"): key and value scrambled, every character raised by 14.
name=$(basename "$ZENTHARI_BIN")
ini=$XDG_CONFIG_HOME/$name/$name.ini
mkdir -p "$(dirname "$ini")"
old_day=$(printf '%s' "1 Jan 2020" | tr ' 0-9A-Za-n' '.>-GO-ho-|')
printf '[Settings]\nR%%U0192%%U20ACo%%U201Aw%%7D%%7C=%s\n' "$old_day" >"$ini"
[ "$old_day" = "?.Xo|.@>@>" ] || fail "the fixture is wrong: $old_day"

"$ZENTHARI_BIN" 2>"$work/start.err" &
pid=$!
started+=("$pid")
wait_for_lock_of "$pid"
for _ in $(seq 300); do
    grep -q "$old_day" "$ini" || break
    sleep 0.1
done
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program did not go on to its main window"
grep -q '^zenthari message: There maybe an update to this software available$' "$work/start.err" ||
    fail "the question was not asked"
grep -q '^Do you want to check for an update?$' "$work/start.err" ||
    fail "the question's second line is missing"
grep -q "$old_day" "$ini" && fail "the stored day was not moved to today"
grep -q 'Duration' "$ini" && fail "the key is stored as plain text"
grep -q "$(date +%Y)" "$ini" && fail "the day is stored as plain text"
grep -q '^R%U0192%U20ACo%U201Aw%7D%7C=' "$ini" || fail "the scrambled key is missing: $(cat "$ini")"
echo "PASS: the question came first, the day moved on, the main window followed"
