#!/usr/bin/env bash
# Runs a window test on a private Xvfb server through Qt's X11 platform, for what
# only a real X server shows, such as its bell; with --accessibility-bus, also on
# private session and accessibility buses, with Qt's AT-SPI bridge switched on.
#   usage: on_private_x_server.sh [--accessibility-bus] TEST [ARGUMENT...]
skip() { echo "skipped: $*"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
if [ "$1" = --accessibility-bus ]; then
    shift
    launcher=/usr/libexec/at-spi-bus-launcher
    [ -x "$launcher" ] || skip "no $launcher (Debian: at-spi2-core)"
    command -v dbus-daemon >/dev/null || skip "no dbus-daemon"
    { read -r address; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    pids+=("$bus")
    export DBUS_SESSION_BUS_ADDRESS=$address QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    "$launcher" --launch-immediately >/dev/null 2>&1 & pids+=($!)
fi
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/server.log" & pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { cat "$work/server.log"; echo "Xvfb did not start"; exit 1; }
DISPLAY=:$(head -n 1 "$work/display") "$@"
