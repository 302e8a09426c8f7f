#!/usr/bin/env bash
# Walks the window program given in $1 from outside, as a screen-reader user does: in a private
# X server (Xvfb) with a private session bus and accessibility bus, through AT-SPI (walk.py).
# Everything it starts runs in one process group of its own, which it kills at the end, whether
# the walk passed or not. On failure the scratch folder with the screenshots is kept.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 path/to/hari" >&2; exit 2; }
hari=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
[ -x "$hari" ] || { echo "FAIL: $1 is no program" >&2; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)

# dbus-run-session comes with dbus-daemon; import (screenshots) with
# imagemagick; xdotool types the keyboard walk.
"$here/../../scripts/deps" --packages python3 xvfb dbus-daemon at-spi2-core python3-pyatspi \
    gir1.2-atspi-2.0 xdotool imagemagick

scratch=$(mktemp -d)
chmod 700 "$scratch"
mkdir -m 700 "$scratch/runtime" "$scratch/home"
groups=()
cleanup() {
    local status=$?
    # Each process group started here: the X server, and the walk with the buses, the registry
    # daemon and any program it left behind.
    local g
    for g in "${groups[@]}"; do kill -TERM -- "-$g" 2>/dev/null || true; done
    for g in "${groups[@]}"; do
        for _ in $(seq 20); do kill -0 -- "-$g" 2>/dev/null || break; sleep 0.1; done
        kill -KILL -- "-$g" 2>/dev/null || true
    done
    if [ "$status" -eq 0 ]; then
        rm -rf "$scratch"
    else
        echo "e2e: failed; screenshots and logs kept in $scratch" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# The X server picks a free display itself (-displayfd), which a search for a free lock file
# cannot do safely while other tests start X servers too; it writes the number once it listens.
# -noreset: the server must not reset whenever its last client goes, which the AT-SPI clients
# reading the bus address off the root window do at start, or the program cannot connect.
# The cookie is a wildcard entry (family 0xffff, no address, no display number) that matches
# whichever display it picks.
auth=$scratch/Xauthority
{ printf '\377\377\000\000\000\000\000\022MIT-MAGIC-COOKIE-1\000\020'; head -c 16 /dev/urandom; } >"$auth"
setsid Xvfb -displayfd 3 -auth "$auth" -nolisten tcp -noreset -screen 0 1280x1024x24 \
    3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
groups+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "${groups[0]}" 2>/dev/null || break
    sleep 0.1
done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }

export DISPLAY=:$(head -n 1 "$scratch/display") XAUTHORITY=$auth
export XDG_RUNTIME_DIR=$scratch/runtime
# No settings or caches of the user's own desktop leak into the walk.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_CACHE_HOME=$scratch/home/.cache
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER

# A process group of its own, so that the cleanup reaches whatever the session bus started;
# timeout ends the walk within its time even when something hangs.
setsid timeout -k 5 75 dbus-run-session -- /usr/bin/python3 "$here/walk.py" "$hari" "$scratch" \
    "${@:2}" &
groups+=($!)
status=0
wait "${groups[1]}" || status=$?
exit "$status"
