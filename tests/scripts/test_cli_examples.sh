#!/usr/bin/env bash
# zenthari-cli as a shell script uses it: the examples of cli/README.md, pipes, exit statuses.
set -u
cli=${ZENTHARI_CLI:?ZENTHARI_CLI must name the zenthari-cli program}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect_line <description> <exact line> <command...>: status 0 and the line in the output.
expect_line() {
    local what=$1 line=$2
    shift 2
    local out
    out=$("$@" 2>"$work/err") || fail "$what: exit status $?"
    grep -qxF -- "$line" <<<"$out" || fail "$what: no line '$line' in: $out"
}

# expect_refused <description> <command...>: status 2, nothing on stdout, a message on stderr.
expect_refused() {
    local what=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq 2 ] || fail "$what: exit status $status, expected 2"
    [ ! -s "$work/out" ] || fail "$what: printed $(cat "$work/out")"
    grep -q "zenthari-cli: ." "$work/err" || fail "$what: no message on standard error"
}

expect_line "sun sign" "Sun sign: Pisces" "$cli" sun-sign --month 2 --day 29
expect_line "rising sign" "Rising sign: Scorpio" \
    "$cli" rising-sign --month 8 --day 1 --window 10am-noon
expect_line "rising sign lucky gemstone" "Lucky gemstone: Coral" \
    "$cli" rising-sign --month 8 --day 1 --window 10am-noon
expect_line "lagna json" '{"SignIndex":1,"VedicName":"Vrishabha","EnglishName":"Taurus","LagnaMinuteCount":246}' \
    "$cli" lagna --month 3 --day 15 --hour 10 --minute 30 --json
expect_line "lagna-info" "Part of the body: Lower Abdomen & Groin" "$cli" lagna-info --vedic Thula

expect_refused "30 February" "$cli" sun-sign --month 2 --day 30
expect_refused "31 November" "$cli" lagna --month 11 --day 31 --hour 1 --minute 1 --json
expect_refused "minute 60" "$cli" lagna --month 1 --day 1 --hour 1 --minute 60
expect_refused "English name as Vedic" "$cli" lagna-info --vedic Aries
expect_refused "unknown command" "$cli" horoscope

# Batch: answers in order, the bad line answered with an error, status 1.
printf '%s\n' '{"op":"sun-sign","month":2,"day":29}' 'oops' \
    '{"op":"lagna","month":3,"day":15,"hour":10,"minute":30}' >"$work/requests.jsonl"
"$cli" batch <"$work/requests.jsonl" >"$work/answers.jsonl"
status=$?
[ "$status" -eq 1 ] || fail "batch with a bad line: exit status $status, expected 1"
[ "$(wc -l <"$work/answers.jsonl")" -eq 3 ] || fail "batch: not three answers"
sed -n 1p "$work/answers.jsonl" | grep -qxF '{"SunSign":"Pisces"}' || fail "batch: first answer"
sed -n 2p "$work/answers.jsonl" | grep -q '^{"error":"line 2: ' || fail "batch: second answer"
sed -n 3p "$work/answers.jsonl" | grep -q '"VedicName":"Vrishabha"' || fail "batch: third answer"

# Reading files: write, inspect the bytes, read back, copy through a pipe.
reading='{"Name":"Asha Rao","Month":"March","Day":"15","Year":"1950","Hour":"10","Minute":"30","Second":"0","LongitudeDegrees":"73","LongitudeMinutes":"51","LongitudeSeconds":"0","LongitudeDirection":"East","LatitudeDegrees":"18","LatitudeMinutes":"31","LatitudeSeconds":"0","LatitudeDirection":"North"}'
"$cli" reading write "$work/asha.ved" <<<"$reading" || fail "reading write: exit status $?"
[ "$(grep -c $'\r$' "$work/asha.ved")" -eq 15 ] || fail "reading file: not 15 lines ending in CR LF"
[ "$(wc -l <"$work/asha.ved")" -eq 15 ] || fail "reading file: not 15 lines"
[ "$(tail -c 2 "$work/asha.ved" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || fail "reading file: last line end"
[ "$("$cli" reading read "$work/asha.ved")" = "$reading" ] || fail "reading read: not what was written"
"$cli" reading read "$work/asha.ved" | "$cli" reading write "$work/copy.ved" || fail "reading copy"
cmp -s "$work/asha.ved" "$work/copy.ved" || fail "reading copy differs"

expect_refused "reading write, not JSON" "$cli" reading write "$work/bad.ved" <<<"Asha Rao"
expect_refused "reading write, a field missing" "$cli" reading write "$work/bad.ved" <<<'{"Name":"Asha"}'
[ ! -e "$work/bad.ved" ] || fail "a refused reading was written"
expect_refused "reading read, no such file" "$cli" reading read "$work/none.ved"

# An answer that cannot be written is a failure, never a success.
if [ -w /dev/full ]; then
    "$cli" lagna --month 3 --day 15 --hour 10 --minute 30 >/dev/full 2>"$work/err"
    [ $? -eq 2 ] && [ -s "$work/err" ] || fail "lagna into a full disk did not fail"
    "$cli" batch <"$work/requests.jsonl" >/dev/full 2>"$work/err"
    [ $? -eq 2 ] && [ -s "$work/err" ] || fail "batch into a full disk did not fail"
    "$cli" reading read "$work/asha.ved" >/dev/full 2>"$work/err"
    [ $? -eq 2 ] && [ -s "$work/err" ] || fail "reading read into a full disk did not fail"
fi

[ "$failures" -eq 0 ] && echo "all zenthari-cli examples passed"
exit $((failures > 0))
