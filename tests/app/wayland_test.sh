#!/usr/bin/env bash
# Starts the built program on a session that has only Wayland, in a headless Weston with its own
# session and accessibility buses, computes one result through AT-SPI, then stops
# it. Fails on any message the program writes to its error output.
#   usage: wayland_test.sh PROGRAM DRIVER
set -euo pipefail
program=$1 driver=$2
# Another system may lack these tools: skip (status 77) with the reason.
skip() { echo "skipped: $*"; exit 77; }
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher \
                 /usr/lib/at-spi-bus-launcher /usr/lib/at-spi2/at-spi-bus-launcher; do
    [ -x "$candidate" ] && { launcher=$candidate; break; }
done
[ -n "$launcher" ] || skip "no at-spi-bus-launcher (Debian: at-spi2-core)"
command -v weston >/dev/null || skip "no weston"
command -v dbus-daemon >/dev/null || skip "no dbus-daemon"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi for python3 (Debian: python3-pyatspi)"
work=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/run HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY
{ read -r address; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$address
pids+=("$bus")
"$launcher" --launch-immediately >/dev/null 2>&1 & pids+=($!)
weston --backend=headless-backend.so --socket=tarvelle-test --idle-time=0 >"$work/weston.log" 2>&1 & pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/tarvelle-test" ] && break; sleep 0.1; done

WAYLAND_DISPLAY=tarvelle-test QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$program" 2>"$work/stderr" & app=$!
pids+=("$app")
status=0
/usr/bin/python3 "$driver" || status=1
kill -0 "$app" 2>/dev/null || { echo "the program ended by itself"; status=1; }
if [ -s "$work/stderr" ]; then
    echo "the program wrote to its error output:"
    cat "$work/stderr"
    status=1
fi
exit $status
