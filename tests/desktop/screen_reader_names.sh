#!/usr/bin/env bash
# Starts the program on a display, a session bus and an accessibility bus of
# its own, as a screen reader finds it on a desktop, and has
# screen_reader_names.py check what the reader hears. Whatever it started is
# stopped on the way out, pass or fail.
# Usage: screen_reader_names.sh PROGRAM PYTHON AT_SPI_BUS_LAUNCHER
set -euo pipefail

# What the test needs, and what to do without it (scripts/dev.sh installs
# every package named).
need() {
    [ -x "$1" ] || command -v "$1" >/dev/null || { echo "$1 not found: $2" >&2; exit 1; }
}
if [ -z "${TIDEWELL_OWN_SESSION_BUS:-}" ]; then
    need "$1" "build the program first"
    need "$2" "install the Debian package python3"
    need "$3" "install the Debian package at-spi2-core"
    need Xvfb "install the Debian package xvfb"
    need dbus-run-session "install the Debian package dbus-daemon"
    need dbus-send "install the Debian package dbus-bin"
    "$2" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        need gi.repository.Atspi "install the Debian packages python3-gi and gir1.2-atspi-2.0"
    # The session bus lasts as long as this script.
    TIDEWELL_OWN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

program=$1
python=$2
launcher=$3
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
started=()

# Last started, first stopped: the program before the buses it talks to.
stop_started() {
    local i pid
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        pid=${started[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap stop_started EXIT
trap 'exit 1' INT TERM HUP

# Waits up to ten seconds for a command to succeed.
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    echo "gave up waiting for: $*" >&2
    return 1
}

# A display of its own: Xvfb picks a free number and writes it when ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" &
started+=($!)
wait_for test -s "$scratch/display"
export DISPLAY=":$(head -n 1 "$scratch/display")"

# Nothing of the user's: settings, history and runtime files stay in here.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config
export XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
export LC_ALL=C.UTF-8 LANG=C.UTF-8

bus_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'true'
}
"$launcher" --launch-immediately &
started+=($!)
wait_for bus_owned

QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_LOGGING_RULES='qt.qpa.*=false' "$program" &
started+=($!)

"$python" "$here/screen_reader_names.py"
