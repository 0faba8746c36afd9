#!/usr/bin/env bash
# Without a display that answers, the program says so in one French line on its
# error output, naming what it tried, writes nothing else and exits with 1; --help
# and --version need no display.
#   usage: no_display_test.sh PROGRAM VERSION
program=$1 version=$2
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
failed=0
check() {  # ENVIRONMENT... -- EXPECTED
    local settings=() expected
    while [ "$1" != -- ]; do settings+=("$1"); shift; done
    expected=$2
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${settings[@]}" "$program" 2>"$XDG_RUNTIME_DIR/err")
    status=$?
    err=$(cat "$XDG_RUNTIME_DIR/err")
    if [ "$status" -ne 1 ] || [ -n "$out" ] || [ "$err" != "tarvelle : $expected ; lancez Tarvelle depuis une session de bureau." ]; then
        echo "with ${settings[*]}: status $status, output '$out', error output '$err'"
        failed=1
    fi
}
check -- "aucun affichage graphique n'a été trouvé (ni X11, ni Wayland)"
check DISPLAY=:97 -- "aucun affichage graphique n'a répondu (essayé : X11 « :97 »)"
check WAYLAND_DISPLAY=nowhere -- "aucun affichage graphique n'a répondu (essayé : Wayland « nowhere »)"
check QT_QPA_PLATFORM=nonesuch -- "aucun affichage graphique n'a répondu (essayé : la plate-forme Qt « nonesuch »)"
for option in --help --version; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" $option 2>&1)
    status=$?
    case "$option:$status:$out" in
    "--help:0:Utilisation : tarvelle [--help | --version]"*|"--version:0:tarvelle (Tarvelle) $version"$'\n'*) ;;
    *) echo "$option: status $status: $out"; failed=1 ;;
    esac
done
exit $failed
