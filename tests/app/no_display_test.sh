#!/usr/bin/env bash
# With no display at all the program says so in one French line and exits with 1.
#   usage: no_display_test.sh PROGRAM
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
echo "status $status: $output"
[ "$status" -eq 1 ] && [ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] &&
    printf '%s' "$output" | grep -q "aucun affichage graphique n'a été trouvé"
