#include "cli/help_text.h"

#include "cli/options.h"

namespace tarvelle::cli {

std::string helpText()
{
    return "Utilisation : tarvelle-calc LIGNE -d d -D D [OPTION...]\n"
           "              tarvelle-calc LIGNE -z Z (-d d | -D D) [OPTION...]\n"
           "Impédance caractéristique d'une ligne, calculée comme dans la fenêtre de Tarvelle\n"
           "(formules usuelles, ligne à air) ; avec -z, la dimension qui donne cette impédance,\n"
           "au micromètre.\n"
           "\n"
           "LIGNE :\n"
           "  bifilaire (two-wire)     Z = 276 log10(2D/d) ; d : diamètre des fils,\n"
           "                           D : écartement de leurs axes\n"
           "  carree, carrée (square)  Z = 138 log10(1.07 D/d) ; d : diamètre du conducteur central,\n"
           "                           D : largeur intérieure du carré\n"
           "  ronde (round)            Z = 138 log10(D/d) ; d : diamètre du conducteur central,\n"
           "                           D : diamètre intérieur du tube\n"
           "\n"
           "Options (deux de -d, -D et -z) :\n"
           + optionHelp() +
           "\n"
           "Une VALEUR s'écrit comme dans la fenêtre : des chiffres et au plus un point.\n"
           "DÉBUT:FIN:PAS donne une plage (FIN comprise) ; une ou deux plages donnent un\n"
           "tableau de toutes les combinaisons, colonnes d, D et Z, nombres avec un point.\n"
           "\n"
           "Code de sortie : 0 si tout est calculé, 1 si un calcul est impossible,\n"
           "2 pour une commande incorrecte.\n"
           "\n"
           "Exemples :\n"
           "  tarvelle-calc bifilaire -d 2 -D 50               468.9\n"
           "  tarvelle-calc ronde -z 50 -D 14                  le diamètre d pour 50 ohms\n"
           "  tarvelle-calc carree -d 5 -D 10:20:0.5           un tableau\n"
           "  tarvelle-calc carree --exact -d 1 -D 2           46.10, la ligne carrée idéale\n"
           "  tarvelle-calc ronde --exact --er 2.1 -z 50 -d 1  un coaxial de 50 ohms au PTFE\n"
           "  tarvelle-calc ronde -d 10 -D 23 --details -f 144\n"
           "                                                   un résonateur λ/4 sur 144 MHz\n"
           "  tarvelle-calc bifilaire -z 450 -d 1.6 --details -f 3.6\n"
           "                                                   pertes d'une échelle 450 ohms\n"
           "  tarvelle-calc carree --exact -z 50 -d 10 --details -f 1296\n"
           "                                                   ligne carrée 1296 MHz et TE11\n";
}

}  // namespace tarvelle::cli
