#!/usr/bin/env bash
# Runs the program on a display, a session bus and an accessibility bus of
# its own, as a screen reader finds it on a desktop, and has
# screen_reader_names.py check what the reader hears. What it starts it
# stops on the way out, pass or fail.
# Usage: screen_reader_names.sh PROGRAM PYTHON AT_SPI_BUS_LAUNCHER
set -euo pipefail

if [ -z "${TIDEWELL_OWN_SESSION_BUS:-}" ]; then
    for tool in "$1" "$2" "$3" Xvfb dbus-run-session dbus-send; do
        command -v "$tool" >/dev/null || {
            echo "$tool not found: build the program; scripts/dev.sh installs the rest" >&2
            exit 1
        }
    done
    # The session bus lasts as long as the script.
    TIDEWELL_OWN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

scratch=$(mktemp -d)
started=()
# Last started, first stopped: the program before the buses it talks to.
stop_started() {
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null || continue
        for _ in $(seq 50); do kill -0 "${started[i]}" 2>/dev/null && sleep 0.1; done
        kill -KILL "${started[i]}" 2>/dev/null || true
        wait "${started[i]}" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap stop_started EXIT
trap 'exit 1' INT TERM HUP

# Waits up to ten seconds for a command to succeed.
wait_for() {
    for _ in $(seq 100); do "$@" && return 0 || sleep 0.1; done
    echo "gave up waiting for: $*" >&2
    return 1
}

# Xvfb picks a free display and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" &
started+=($!)
wait_for test -s "$scratch/display"
export DISPLAY=":$(head -n 1 "$scratch/display")"
# Nothing of the user's: settings, history and runtime files stay in here.
mkdir -m 700 "$scratch/run"
export XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config
export XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache LC_ALL=C.UTF-8

"$3" --launch-immediately &
started+=($!)
wait_for eval "dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true"

QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
started+=($!)
# In the background, so that a signal to the script stops it at once.
"$2" "$(dirname "$0")/screen_reader_names.py" &
started+=($!)
wait $!
