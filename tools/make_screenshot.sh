#!/usr/bin/env bash
# Takes the README's screenshot from the real program: starts it in a private X
# server under a French locale, computes 2 mm wires 50 mm apart in the two-wire
# panel with the keyboard, and saves the window as docs/tarvelle.png.
#   usage: tools/make_screenshot.sh [PROGRAM]   (build/app/tarvelle by default)
# Needs Debian's xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/app/tarvelle}
display=""
for n in $(seq 171 199); do [ -e "/tmp/.X$n-lock" ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
LC_ALL=fr_FR.UTF-8 "$program" >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window appeared" >&2; exit 1; }
sleep 0.5
# From the first button: six Tabs to the first entry, back six to Calculer.
for key in Tab Tab Tab Tab Tab Tab 2 Tab 5 0 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space; do
    xdotool key "$key"
    sleep 0.05
done
sleep 0.5
import -window "$window" docs/tarvelle.png
echo "saved docs/tarvelle.png"
