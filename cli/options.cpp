#include "cli/options.h"

#include "cli/number_readers.h"

#include <array>

namespace tarvelle::cli {
namespace {

constexpr std::array optionTable{
    Option{"-d", "VALEUR", &Request::small, "d en millimètres"},
    Option{"-D", "VALEUR", &Request::large, "D en millimètres"},
    Option{"-z", "VALEUR", &Request::impedance, "impédance visée en ohms"},
    Option{"--exact", "", &Request::exact,
           "impédance exacte de la ligne idéale, au centième d'ohm, non la\n"
           "formule usuelle ; refusée pour D <= d"},
    Option{"--er", "E", NumberField{&Request::permittivity, readPermittivity},
           "ligne remplie d'un diélectrique de permittivité relative E (1 ou plus) :\n"
           "l'impédance est divisée par la racine de E"},
    Option{"--details", "", &Request::details, "ajoute la vélocité (v/c) et la capacité et l'inductance par mètre"},
    Option{"-f", "MHz", NumberField{&Request::frequency, readPositive},
           "fréquence en MHz ; --details ajoute alors pertes, Q0 et λ/4"},
    Option{"--metal", "NOM", NumberField{&Request::conductivity, readMetal},
           "métal : cuivre (par défaut), argent, or, aluminium, laiton"},
    Option{"--sigma", "MS/m", NumberField{&Request::conductivity, readPositive},
           "toute autre conductivité, en MS/m (58 pour le cuivre)"},
    Option{"--tand", "T", NumberField{&Request::lossTangent, readLossTangent},
           "tangente de pertes du diélectrique (0 par défaut)"},
    Option{"--breakdown", "kV/mm", NumberField{&Request::breakdownField, readPositive},
           "champ de claquage du diélectrique (3 par défaut, l'air sec)"},
    Option{"--json", "", &Request::json, "une ligne JSON par cas, pour les scripts"},
    Option{"--csv", "", &Request::csv, "tableau aux colonnes séparées par des virgules, non des tabulations"},
    Option{"--locale", "", &Request::localeSeparator, "résultat seul écrit avec le séparateur décimal de la langue"},
    Option{"--help", "", Request::Action::ShowHelp, "affiche cette aide et quitte"},
    Option{"--version", "", Request::Action::ShowVersion, "affiche la version et quitte"},
};

}  // namespace

std::span<const Option> options() { return optionTable; }

std::string optionHelp()
{
    constexpr std::size_t labelWidth = 13;
    std::string text;
    for (const Option& option : optionTable) {
        std::string label(option.name);
        if (!option.value.empty())
            label.append(" ").append(option.value);
        text.append("  ").append(label);
        // A label too long for its column has its help on the next line.
        if (label.size() + 1 < labelWidth)
            text.append(labelWidth - label.size(), ' ');
        else
            text.append("\n").append(2 + labelWidth, ' ');
        for (char c : option.help)
            text.append(c == '\n' ? "\n" + std::string(2 + labelWidth, ' ') : std::string(1, c));
        text.append("\n");
    }
    return text;
}

}  // namespace tarvelle::cli
