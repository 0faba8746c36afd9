#!/usr/bin/env bash
# The window program as its manual page and README promise it, from its command line:
# arguments and environment, then its status, standard output and error output.
# Without a display that answers it says so in one French line, naming what it tried
# (or the Qt platform asked for that does not exist, with those that do); --help and
# --version need no display; Qt's own options pass through, and what Qt says while
# connecting is kept.
#   usage: program_test.sh PROGRAM VERSION PLAIN_QT_PROGRAM
program=$1 version=$2 plain_qt_program=$3
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
failed=0
# STATUS OUTPUT ERROR (patterns) ENVIRONMENT... -- ARGUMENTS...
check() {
    local status=$1 out_pattern=$2 err_pattern=$3 settings=()
    shift 3
    while [ "$1" != -- ]; do settings+=("$1"); shift; done
    shift
    out=$(timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${settings[@]}" "$program" "$@" \
          2>"$XDG_RUNTIME_DIR/err")
    got=$?
    err=$(cat "$XDG_RUNTIME_DIR/err")
    # shellcheck disable=SC2053
    if [ "$got" != "$status" ] || [[ $out != $out_pattern ]] || [[ $err != $err_pattern ]]; then
        printf 'FAIL: %s %s: status %s\n  out: %s\n  err: %s\n' "${settings[*]}" "$*" "$got" "$out" "$err"
        failed=1
    fi
}
session=" ; lancez Tarvelle depuis une session de bureau."
none="tarvelle : aucun affichage graphique n'a été trouvé (ni X11, ni Wayland)$session"
tried="tarvelle : aucun affichage graphique n'a répondu (essayé : "
unknown="n'existe pas (QT_QPA_PLATFORM) ; les plates-formes disponibles sont : "
check 1 "" "$none" --
check 1 "" "$none" DISPLAY= WAYLAND_DISPLAY= --
check 1 "" "${tried}X11 « :97 »)$session" DISPLAY=:97 --
check 1 "" "${tried}Wayland « nowhere »)$session" WAYLAND_DISPLAY=nowhere --
check 1 "" "${tried}la plate-forme Qt « xcb », X11 « :97 »)$session" QT_QPA_PLATFORM=xcb DISPLAY=:97 --
# What Qt was asked to try, not every display that is set: -platform before QT_QPA_PLATFORM.
check 1 "" "${tried}la plate-forme Qt « wayland », Wayland « wayland-0 »)$session" QT_QPA_PLATFORM=wayland DISPLAY=:97 --
check 1 "" "${tried}la plate-forme Qt « xcb », X11 « :97 »)$session" QT_QPA_PLATFORM=wayland DISPLAY=:97 -- -platform xcb
check 1 "" "${tried}la plate-forme Qt « wayland;xcb », Wayland « nowhere », X11 « :97 »)$session" \
    WAYLAND_DISPLAY=nowhere DISPLAY=:97 -- --platform "wayland;xcb"
# An unknown platform is the fault, whatever the display: the list is the one that
# Qt itself gives a plain Qt program, sorted, in one sentence.
platforms=$(QT_QPA_PLATFORM=nonesuch "$plain_qt_program" 2>&1 |
            sed -n 's/.*Available platform plugins are: \(.*\)\.$/\1/p' | tr -d ' ' | tr , '\n' | LC_ALL=C sort | paste -sd ,)
[[ $platforms == *offscreen*xcb* ]] || { echo "FAIL: Qt's own list of platforms: $platforms"; failed=1; }
platforms=${platforms//,/, }.
check 1 "" "tarvelle : la plate-forme Qt « nonesuch » $unknown$platforms" QT_QPA_PLATFORM=nonesuch DISPLAY=:97 --
check 1 "" "tarvelle : la plate-forme Qt « nonesuch » $unknown$platforms" QT_QPA_PLATFORM=nonesuch --
check 1 "" "tarvelle : la plate-forme Qt « nonesuch » n'existe pas (-platform) ; les plates-formes disponibles sont : $platforms" \
    DISPLAY=:97 -- -platform nonesuch
check 1 "" "tarvelle : les plates-formes Qt « nonesuch », « offscreen2 » n'existent pas (QT_QPA_PLATFORM) ; les plates-formes disponibles sont : $platforms" \
    "QT_QPA_PLATFORM=nonesuch:arg;offscreen2;xcb" DISPLAY=:97 --
# Answered before any display.
check 0 "Utilisation : tarvelle [--help | --version]*tarvelle-calc --help*" "" -- --help
check 0 "tarvelle (Tarvelle) $version"$'\n'"Copyright 2026 The Tarvelle developers*GPL*" "" -- --version
check 0 "tarvelle (Tarvelle) $version*" "" -- -style windows --version
# Output that cannot be written: status 1, the system's reason in the user's language.
for argument in --help --version; do
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=fr_FR.UTF-8 "$program" $argument 2>&1 >/dev/full)
    status=$?
    [ "$status:$err" = "1:tarvelle : erreur d'écriture : Aucun espace disponible sur le périphérique" ] ||
        { printf 'FAIL: %s >/dev/full: status %s, %s\n' "$argument" "$status" "$err"; failed=1; }
done
# With a display: an unknown argument is refused, Qt's own are taken, and what Qt
# said while connecting is written out.
refused="tarvelle : argument inconnu « --bogus »"$'\n'"Essayez « tarvelle --help »."
check 2 "" "$refused" QT_QPA_PLATFORM=offscreen -- --bogus
check 2 "" "$refused" QT_QPA_PLATFORM=offscreen -- -style windows --bogus
check 2 "" "QApplication: invalid style override 'nonesuch' passed, ignoring it.*$refused" \
    QT_QPA_PLATFORM=offscreen -- -style nonesuch --bogus
exit $failed
