#!/usr/bin/env bash
# Runs tarvelle-calc as a user would: every case of promises.txt and every example of
# the manual page and the README, then what a table cannot hold (long tables, sweeps,
# a full disk, the completion); PART says which, both by default.
#   usage: program_test.sh PROGRAM VERSION COMPLETION [promises | beyond]
set -u
program=$1 version=$2 completion=$3 part=${4:-both} failed=0
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { printf 'FAIL: %s\n' "$*"; failed=1; }

# One case of the table: compares what the program wrote with what was expected.
check() {  # LINE (the arguments)
    local words=() settings=()
    eval "words=($1)"
    while [ ${#words[@]} -gt 0 ] && [[ ${words[0]} =~ ^[A-Z_]+= ]]; do settings+=("${words[0]}"); words=("${words[@]:1}"); done
    env "${settings[@]}" "$program" "${words[@]}" >"$work/out" 2>"$work/err"
    echo "= $?" >"$work/status"
    if ! cmp -s "$work/out" "$work/expected-out" || ! cmp -s "$work/err" "$work/expected-err" ||
       ! cmp -s "$work/status" "$work/expected-status"; then
        fail "$1"
        diff "$work/expected-out" "$work/out" | sed 's/^/  out: /'
        diff "$work/expected-err" "$work/err" | sed 's/^/  err: /'
        diff "$work/expected-status" "$work/status" | sed 's/^/  /'
    fi
}
if [ "$part" != beyond ]; then
    case_line=""
    while IFS= read -r line; do
        line=${line//@VERSION@/$version}
        case $line in
        '#'* | '') [ -n "$case_line" ] && echo "$line" >>"$work/expected-out" ;;  # within a case, output
        '$ '*) case_line=${line#\$ }; : >"$work/expected-out"; : >"$work/expected-err" ;;
        '!?') echo "Essayez « tarvelle-calc --help » pour plus d'informations." >>"$work/expected-err" ;;
        '! '*) echo "${line#! }" >>"$work/expected-err" ;;
        '= '*) echo "$line" >"$work/expected-status"; check "$case_line"; case_line="" ;;
        *) echo "$line" >>"$work/expected-out" ;;
        esac
    done <"$here/promises.txt"

    # The examples of the manual page and the README, printed output included: each
    # "$ tarvelle-calc ..." line of a preformatted block, then what it prints, up to the
    # next command or the block's end.
    examples() {  # FILE
        awk '/^\.nf/ || /^    \$ / { block = 1 } /^\.fi/ || /^$/ { block = 0 }
             block && /^ *\$ tarvelle\\?-calc / { sub(/^ *\$ /, ""); print "$ " $0; next }
             block && !/^\.nf/ { sub(/^    /, ""); print }' "$1" | sed 's/\\-/-/g; s/\\(aq/'"'"'/g'
    }
    for source in "$here/../../cli/tarvelle-calc.1.in" "$here/../../README.md"; do
        shown=0
        while IFS= read -r line; do
            if [[ $line == '$ '* ]]; then
                [ "$shown" = 1 ] && { cmp -s "$work/expected-out" "$work/out" || fail "${source##*/}: $command"; }
                command=${line#\$ tarvelle-calc } shown=1
                eval "words=($command)"
                "$program" "${words[@]}" >"$work/out" 2>/dev/null
                : >"$work/expected-out"
            else
                echo "$line" >>"$work/expected-out"
            fi
        done < <(examples "$source")
        [ "$shown" = 1 ] && { cmp -s "$work/expected-out" "$work/out" || fail "${source##*/}: $command"; }
    done
fi
[ "$part" = promises ] && exit $failed

# A table larger than any buffer: every row, in order, the last one whole.
rows=$("$program" ronde -d 1 -D 1.001:201:0.001 2>"$work/err" | tee "$work/out" | wc -l)
[ "$rows:$(tail -n 1 "$work/out")" = $'200001:1\t201.000\t317.8' ] && [ ! -s "$work/err" ] ||
    fail "a table of 200000 rows: $rows lines, ending $(tail -n 1 "$work/out")"
# Fixed dimensions with no exact binary form: the answer is never D = d.
for fixed in "-d 0.001:20:0.001" "-D 0.002:20:0.001"; do
    # shellcheck disable=SC2086
    touching=$("$program" bifilaire -z 83.1 $fixed 2>/dev/null | awk -F '\t' 'NR > 1 && $2 + 0 <= $1 + 0' | head -n 3)
    [ -z "$touching" ] || fail "D <= d answered for $fixed: $touching"
done
# The inverse of --exact gives back, to the hundredth, what the forward one computes.
"$program" carree --exact -d 1 -z 3.5:400:0.5 2>&1 | awk -F '\t' 'NR > 1 { print $2, $3 }' >"$work/inverse"
while read -r large shown; do
    [ "$("$program" carree --exact -d 1 -D "$large")" = "$shown" ] || fail "carree --exact -d 1 -D $large is not $shown"
done < <(awk 'NR % 40 == 1' "$work/inverse")
[ "$(wc -l <"$work/inverse")" = 794 ] || fail "the exact inverse table has $(wc -l <"$work/inverse") rows"
# JSON Lines that a strict reader takes, with the manual page's keys in its order:
# also for the square coax, whose last digits the promise table cannot hold.
keys="line d_mm D_mm er z_ohms z_exact_ohms velocity_factor c_pf_per_m l_nh_per_m te11_ghz
      peak_field_kv_per_mm_at_1kw breakdown_power_kw dz_dd_ohm_per_mm dz_dD_ohm_per_mm"
with_f="f_mhz skin_depth_um loss_conductor_db_per_m loss_dielectric_db_per_m loss_db_per_m q_quarter_wave
        quarter_wave_mm"
strict_json='import json, sys
keys = sys.argv[1].split()
for line in sys.stdin:
    case = json.loads(line, parse_constant=lambda name: 1 / 0)
    assert "error" in case or list(case) == keys, line'
for args in "carree --json -d 1 -D 0.9:1.2:0.05" "carree --json -z 30 -d 1:3:1 --er 2" "bifilaire --json -d 1 -D 0.5:2:0.5"; do
    # shellcheck disable=SC2086
    "$program" $args 2>/dev/null | python3 -c "$strict_json" "$keys" 2>/dev/null || fail "not strict JSON: $args"
    # shellcheck disable=SC2086
    "$program" $args -f 1296 --tand 0.0002 2>/dev/null | python3 -c "$strict_json" "$keys $with_f" 2>/dev/null ||
        fail "not strict JSON: $args -f 1296"
done
# A write error: status 1, the system's reason in the user's language.
if locale -a | grep -qi '^fr_FR\.utf-\?8$'; then
    got=$(LC_ALL=fr_FR.UTF-8 "$program" bifilaire -d 2 -D 50 2>&1 >/dev/full)
    [ "$?:$got" = "1:tarvelle-calc : erreur d'écriture : Aucun espace disponible sur le périphérique" ] ||
        fail "write error: $got"
    got=$(LC_ALL=fr_FR.UTF-8 "$program" ronde -d 1 -D 2:100000:1 2>&1 >/dev/full)
    [ "$?:$got" = "1:tarvelle-calc : erreur d'écriture : Aucun espace disponible sur le périphérique" ] ||
        fail "write error in a table: $got"
fi
# The completion: line names (accented too) until one is given, every option, and
# nothing where a number goes.
completes() {  # EXPECTED WORD...
    local expected=$1 got
    shift
    got=$(bash -c 'source "$0"; COMP_WORDS=(tarvelle-calc "$@"); COMP_CWORD=$#; _tarvelle_calc; echo "${COMPREPLY[*]}"' \
          "$completion" "$@")
    [ "$got" = "$expected" ] || fail "completing $*: '$got'"
}
completes "carree carrée" car
# --help, the completion and the manual page name the same options, in one order.
help_options=$("$program" --help | awk '/^Options/ { on = 1; next } /^$/ { on = 0 } on && /^  -/ { print $1 }' | xargs)
completes "$help_options" ronde ""
page_options=$(sed -n '/^\.SH OPTIONS/,/^\.SH DIAGNOSTICS/p' "$here/../../cli/tarvelle-calc.1.in" |
               awk '/^\.TP/ { getline; gsub(/\\-/, "-", $2); print $2 }' | xargs)
[ "$page_options" = "$help_options" ] || fail "the manual page's options: $page_options; --help's: $help_options"
completes "--exact --er" ronde -d 1 --e
for option in -d -D -z --er; do completes "" ronde "$option" ""; done
exit $failed
