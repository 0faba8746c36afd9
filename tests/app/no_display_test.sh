#!/usr/bin/env bash
# Without a display that answers, the program says so in one French line on its
# error output, naming what it tried (or the Qt platform asked for that does not
# exist, with those that do), writes nothing else and exits with 1; --help and
# --version need no display.
#   usage: no_display_test.sh PROGRAM VERSION
program=$1 version=$2
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
failed=0
check() {  # ENVIRONMENT... -- EXPECTED (a pattern, without "tarvelle : ")
    local settings=() expected
    while [ "$1" != -- ]; do settings+=("$1"); shift; done
    expected=$2
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${settings[@]}" "$program" 2>"$XDG_RUNTIME_DIR/err")
    status=$?
    err=$(cat "$XDG_RUNTIME_DIR/err")
    # shellcheck disable=SC2053
    if [ "$status" -ne 1 ] || [ -n "$out" ] || [[ $err != "tarvelle : "$expected ]]; then
        echo "with ${settings[*]}: status $status, output '$out', error output '$err'"
        failed=1
    fi
}
session=" ; lancez Tarvelle depuis une session de bureau."
check -- "aucun affichage graphique n'a été trouvé (ni X11, ni Wayland)$session"
check DISPLAY=:97 -- "aucun affichage graphique n'a répondu (essayé : X11 « :97 »)$session"
check DISPLAY= -- "aucun affichage graphique n'a été trouvé (ni X11, ni Wayland)$session"
check WAYLAND_DISPLAY=nowhere -- "aucun affichage graphique n'a répondu (essayé : Wayland « nowhere »)$session"
check QT_QPA_PLATFORM=xcb DISPLAY=:97 -- "aucun affichage graphique n'a répondu (essayé : la plate-forme Qt « xcb », X11 « :97 »)$session"
# An unknown platform is the fault, whatever the display: the list is Qt's, sorted.
for display in DISPLAY=:97 DISPLAY=; do
    check QT_QPA_PLATFORM=nonesuch "$display" -- "la plate-forme Qt « nonesuch » n'existe pas (QT_QPA_PLATFORM) ; les plates-formes disponibles sont : *minimal, *offscreen, *xcb."
done
check "QT_QPA_PLATFORM=nonesuch:arg;offscreen2;xcb" DISPLAY=:97 -- "les plates-formes Qt « nonesuch », « offscreen2 » n'existent pas (QT_QPA_PLATFORM) ; les plates-formes disponibles sont : eglfs, *"
for option in --help --version; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" $option 2>&1)
    status=$?
    case "$option:$status:$out" in
    "--help:0:Utilisation : tarvelle [--help | --version]"*|"--version:0:tarvelle (Tarvelle) $version"$'\n'*) ;;
    *) echo "$option: status $status: $out"; failed=1 ;;
    esac
done
exit $failed
