#!/usr/bin/env bash
# Runs every benchmark and prints one table: each figure is a median over BENCH_RUNS repetitions,
# next to a baseline measured in the same run on the same machine, with the goal and PASS/MISS.
# Usage: bench/run-bench.sh BUILD_DIR     (make bench does this for build/default)
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
runs=${BENCH_RUNS:-15}
here=$(cd "$(dirname "$0")" && pwd)

for program in "$build/zenthari" "$build/zenthari-cli" "$build/bench/bare_mdi" \
    "$build/bench/startup_probe" "$build/bench/latency"; do
    [ -x "$program" ] || { echo "bench: $program is missing; build first (make build)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/zenthari-bench.XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, so that nothing else maps windows while start-up is timed.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display_number <"$work/display"
export DISPLAY=":$display_number"

echo "Measuring start-up and memory ($runs runs each, interleaved) ..." >&2
"$build/bench/startup_probe" "$runs" "$build/bench/bare_mdi" "$build/zenthari" >"$work/startup"

echo "Measuring the screens ($runs runs each) ..." >&2
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
    BENCH_RUNS="$runs" "$build/bench/latency" >"$work/latency"

echo "Measuring zenthari-cli batch over the whole lagna domain ..." >&2
# Every day that some year has, every minute of the day.
awk 'BEGIN {
    split("31 29 31 30 31 30 31 31 30 31 30 31", days, " ");
    for (m = 1; m <= 12; m++) for (d = 1; d <= days[m]; d++)
        for (h = 0; h < 24; h++) for (n = 0; n < 60; n++)
            printf "{\"op\":\"lagna\",\"month\":%d,\"day\":%d,\"hour\":%d,\"minute\":%d}\n", m, d, h, n
}' >"$work/domain.jsonl"
requests=$(wc -l <"$work/domain.jsonl")
cli_runs=$((runs < 5 ? runs : 5))
: >"$work/cli"
for ((i = 0; i < cli_runs; i++)); do
    start=$(date +%s%N)
    "$build/zenthari-cli" batch <"$work/domain.jsonl" >"$work/answers.jsonl"
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$work/cli"
done
answers=$(wc -l <"$work/answers.jsonl")
errors=$(grep -c '"error"' "$work/answers.jsonl" || true)
if [ "$answers" -ne "$requests" ] || [ "$errors" -ne 0 ]; then
    echo "bench: the batch gave $answers answers ($errors errors) to $requests requests" >&2
    exit 1
fi

value() { awk -v key="$2" '$1 == key { print $2 }' "$1"; }
for_program() { awk -v name="$2" -v key="$3" '$1 == name { for (i = 2; i < NF; i++) if ($i == key) print $(i + 1) }' "$1"; }

bare_ms=$(for_program "$work/startup" bare_mdi startup_ms)
zen_ms=$(for_program "$work/startup" zenthari startup_ms)
bare_kib=$(for_program "$work/startup" bare_mdi peak_rss_kib)
zen_kib=$(for_program "$work/startup" zenthari peak_rss_kib)
cli_us=$(sort -n "$work/cli" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
core_per_s=$(value "$work/latency" core_lagna_per_s)

awk -v bare_ms="$bare_ms" -v zen_ms="$zen_ms" -v bare_kib="$bare_kib" -v zen_kib="$zen_kib" \
    -v rising="$(value "$work/latency" rising_ms)" -v vedic="$(value "$work/latency" vedic_ms)" \
    -v report="$(value "$work/latency" report_ms)" -v print_ms="$(value "$work/latency" print_ms)" \
    -v requests="$requests" -v cli_us="$cli_us" -v core_per_s="$core_per_s" -v runs="$runs" '
function verdict(ok) { return ok ? "PASS" : "MISS" }
function row(measure, value, baseline, ratio, goal, result) {
    printf "| %s | %s | %s | %s | %s | %s |\n", measure, value, baseline, ratio, goal, result
}
function budget(measure, ms, limit) {
    row(measure, sprintf("%.1f ms", ms), sprintf("%d ms budget", limit),
        sprintf("%.2f", ms / limit), sprintf("< %d ms", limit), verdict(ms < limit))
}
BEGIN {
    print "| Measure | Zenthari | Baseline | Ratio | Goal | Result |"
    print "|---|---|---|---|---|---|"
    r = zen_ms / bare_ms
    row("Start-up: process start to main window painted (Xvfb)", sprintf("%.0f ms", zen_ms),
        sprintf("%.0f ms bare Qt MDI", bare_ms), sprintf("%.2f", r), "<= 1.20 x bare", verdict(r <= 1.2))
    r = zen_kib / bare_kib
    row("Peak memory (VmHWM) once shown", sprintf("%.1f MiB", zen_kib / 1024),
        sprintf("%.1f MiB bare Qt MDI", bare_kib / 1024), sprintf("%.2f", r), "<= 1.30 x bare",
        verdict(r <= 1.3))
    budget("Find My Zodiac Rising Sign: press to result painted", rising, 16)
    budget("Find My Vedic Ascendant: press to result painted", vedic, 16)
    budget("Save: press to report painted", report, 50)
    budget("Report printed to a PDF file", print_ms, 300)
    per_s = requests / (cli_us / 1e6)
    row(sprintf("zenthari-cli batch, whole lagna domain (%d requests)", requests),
        sprintf("%.0f requests/s", per_s), sprintf("%.0f/s core alone", core_per_s),
        sprintf("%.2g", per_s / core_per_s), "none set", "-")
    printf "\nMedians of %d runs (the batch: of %d runs) after one warm-up.\n", runs, (runs < 5 ? runs : 5)
}'
