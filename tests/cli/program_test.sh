#!/usr/bin/env bash
# Runs tarvelle-calc as a user would and checks its output, error output and status.
#   usage: program_test.sh PROGRAM VERSION COMPLETION
set -u
program=$1 version=$2 completion=$3 failed=0
err=$(mktemp)
trap 'rm -f "$err"' EXIT
try="Essayez « tarvelle-calc --help » pour plus d'informations."

expect() {  # STATUS STDOUT STDERR ARGUMENT...
    local status=$1 out=$2 error=$3 got_out got_status
    shift 3
    got_out=$("$program" "$@" 2>"$err")
    got_status=$?
    if [ "$got_status" != "$status" ] || [ "$got_out" != "$out" ] || [ "$(cat "$err")" != "$error" ]; then
        printf 'FAIL: %s\n  status %s, stdout:\n%s\n  stderr:\n%s\n' "$*" "$got_status" "$got_out" "$(cat "$err")"
        failed=1
    fi
}

expect 0 "468.9" "" bifilaire -d 2 -D 50
if locale -a | grep -qi '^fr_FR\.utf-\?8$'; then
    LC_ALL=fr_FR.UTF-8 expect 0 "468,9" "" bifilaire -d 2 -D 50 --locale
    LC_ALL=fr_FR.UTF-8 expect 0 "468.9" "" bifilaire -d 2 -D 50
    LC_ALL=fr_FR.UTF-8 expect 0 "D = 42,701 mm (450,0 ohms)" "" bifilaire -z 450 -d 2 --locale
fi
expect 0 "D = 42.701 mm (450.0 ohms)" "" bifilaire -z 450 -d 2
expect 0 "d = 0.094 mm (100.2 ohms)" \
    "tarvelle-calc : aucun d au micromètre ne donne 100.0 ohms ; voici le plus proche" ronde -z 100 -D 0.5
expect 2 "" "tarvelle-calc : utilisez le point décimal : 2.5
$try" bifilaire -d 2,5 -D 50
expect 2 "" "tarvelle-calc : donnez exactement deux des options -d, -D et -z
$try" ronde -D 3:4:1
expect 1 "" "tarvelle-calc : Le calcul est impossible avec ces valeurs !" ronde -d 1 -D 1000000000000000000000000000000000000000
expect 1 "" "tarvelle-calc : il faudrait D > 100000 mm" ronde -z 2000 -d 1
# Ratios 1e38 to 4e38: the last is beyond single precision.
expect 1 "d (mm)	D (mm)	Z (ohms)
0.00000000000000000000000000000000000001	1	5244.0
0.00000000000000000000000000000000000001	2	5285.5
0.00000000000000000000000000000000000001	3	5309.8
0.00000000000000000000000000000000000001	4	Le calcul est impossible avec ces valeurs !" "" \
    ronde -d 0.00000000000000000000000000000000000001 -D 1:4:1
# A failing row that is not the last still fails the run.
expect 1 "d (mm)	D (mm)	Z (ohms)
0.00000000000000000000000000000000000001	4	Le calcul est impossible avec ces valeurs !
0.00000000000000000000000000000000000002	4	5285.5" "" \
    ronde -d 0.00000000000000000000000000000000000001:0.00000000000000000000000000000000000002:0.00000000000000000000000000000000000001 -D 4
# A table of the inverse: each found D in its column (exact 42.70068 and 46.41589).
expect 0 "d (mm)	D (mm)	Z (ohms)
2	42.701	450.0
2	46.416	460.0" "" bifilaire -d 2 -z 450:460:10
expect 0 "d (mm),D (mm),Z (ohms)
5,10.0,45.6
5,10.5,48.5
5,11.0,51.3" "" carree --csv -d 5 -D 10:11:0.5
# Fixed dimensions with no exact binary form: the answer is never D = d.
expect 0 "D = 1.002 mm (83.2 ohms)" \
    "tarvelle-calc : aucun D au micromètre ne donne 83.1 ohms ; voici le plus proche" bifilaire -z 83.1 -d 1.001
expect 0 "d = 2.006 mm (83.1 ohms)" "" bifilaire -z 83.1 -D 2.007
for fixed in "-d 0.001:20:0.001" "-D 0.002:20:0.001"; do
    # shellcheck disable=SC2086
    touching=$("$program" bifilaire -z 83.1 $fixed 2>/dev/null | awk -F '\t' 'NR > 1 && $2 + 0 <= $1 + 0' | head -n 3)
    [ -z "$touching" ] || { echo "FAIL: D <= d answered for $fixed: $touching"; failed=1; }
done
# Conductors that touch or overlap: the window's figure, and a note.
touch="D ≤ d : les conducteurs se touchent ou se chevauchent, ce chiffre n'a pas de sens physique"
expect 0 "48.6" "tarvelle-calc : $touch" bifilaire -d 2 -D 1.5
expect 0 "d (mm)	D (mm)	Z (ohms)
1	0.5	-41.5
1	1.0	0.0
1	1.5	24.3" "tarvelle-calc : -d 1 -D 0.5 : $touch
tarvelle-calc : -d 1 -D 1.0 : $touch" ronde -d 1 -D 0.5:1.5:0.5
if locale -a | grep -qi '^fr_FR\.utf-\?8$'; then
    # The system's reason in the user's language; the number keeps its point.
    got=$(LC_ALL=fr_FR.UTF-8 "$program" bifilaire -d 2 -D 50 2>&1 >/dev/full)
    status=$?
    [ "$status:$got" = "1:tarvelle-calc : erreur d'écriture : Aucun espace disponible sur le périphérique" ] ||
        { echo "FAIL: write error: $status: $got"; failed=1; }
fi
[ "$("$program" --version | head -n 1)" = "tarvelle-calc (Tarvelle) $version" ] || { echo "FAIL: --version"; failed=1; }
"$program" --help | grep -q '^Utilisation : tarvelle-calc LIGNE' || { echo "FAIL: --help"; failed=1; }
# The completion offers the line names, accented too, and nothing where a number goes.
completes() {  # EXPECTED WORD...
    local expected=$1 got
    shift
    got=$(bash -c 'source "$0"; COMP_WORDS=(tarvelle-calc "$@"); COMP_CWORD=$#; _tarvelle_calc; echo "${COMPREPLY[*]}"' \
          "$completion" "$@")
    [ "$got" = "$expected" ] || { echo "FAIL: completing $*: '$got'"; failed=1; }
}
completes "carree carrée" car
completes "" ronde -D ""
exit $failed
