# Shared by the start-up script tests: a private home, config and runtime folder, message boxes
# answered automatically (ZENTHARI_AUTOANSWER=1 prints each message to standard error instead of
# showing it), and every process started here killed when the script ends.
set -euo pipefail
: "${ZENTHARI_BIN:?path of the zenthari executable}"
export QT_QPA_PLATFORM=offscreen
export ZENTHARI_AUTOANSWER=1

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
lock=$XDG_RUNTIME_DIR/$(basename "$ZENTHARI_BIN").lock

started=()
cleanup() {
    for pid in "${started[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for f in "$work"/*.err; do
        [ -e "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
    done
    exit 1
}

# Waits until the lock file names the given process (up to 30 s).
wait_for_lock_of() {
    local pid=$1
    for _ in $(seq 300); do
        if [ -s "$lock" ] && [ "$(head -n 1 "$lock")" = "$pid" ]; then
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "process $pid ended before it took the lock"
        sleep 0.1
    done
    fail "process $pid did not take the lock $lock"
}
