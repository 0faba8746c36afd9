#include "calc/version_text.h"

namespace tarvelle {

std::string versionText(std::string_view program)
{
    return std::string(program) +
           " (Tarvelle) " TARVELLE_VERSION "\n"
           "Copyright 2026 The Tarvelle developers\n"
           "Licence GPLv3+ : GNU GPL version 3 ou ultérieure <https://gnu.org/licenses/gpl.html>\n"
           "Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.\n"
           "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n";
}

}  // namespace tarvelle
