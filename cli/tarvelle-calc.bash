# Bash completion of tarvelle-calc: the line names and the options.
_tarvelle_calc()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    # After -d, -D, -z and the other numbers comes a value, which nothing can guess;
    # after -f, a band's frequency; after --metal, a metal's name.
    case $prev in
    -d | -D | -z | --er | --sigma | --tand | --breakdown) return 0 ;;
    -f)  # the amateur bands' usual frequencies, in MHz
        mapfile -t COMPREPLY < <(compgen -W "1.8 3.6 7.1 10.1 14.2 21.2 28.5 50 144 432 1296 2320" -- "$cur")
        return 0 ;;
    --metal)
        mapfile -t COMPREPLY < <(compgen -W "cuivre argent or aluminium laiton copper silver gold aluminum brass" -- "$cur")
        return 0 ;;
    esac
    local options="-d -D -z --exact --er --details -f --metal --sigma --tand --breakdown --json --csv --locale --help --version"
    local lines="bifilaire carree carrée ronde two-wire square round" word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        case " $lines " in *" $word "*) lines="" ;; esac
    done
    mapfile -t COMPREPLY < <(compgen -W "$lines $options" -- "$cur")
}
complete -F _tarvelle_calc tarvelle-calc
