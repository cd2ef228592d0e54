#!/usr/bin/env bash
# Starts the program, or says why it cannot: it needs a graphical display.
set -euo pipefail
bin=${1:?path of the zenthari executable}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Zenthari is a desktop program and needs a display, but neither DISPLAY nor" >&2
    echo "WAYLAND_DISPLAY is set. Run it from a desktop session, or under a virtual display:" >&2
    echo "    xvfb-run -a $bin" >&2
    exit 1
fi
exec "$bin"
