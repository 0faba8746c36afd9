#include "app/command_line.h"

#include "calc/version_text.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace tarvelle::app {
namespace {

constexpr const char* usage =
    "Utilisation : tarvelle [--help | --version]\n"
    "Impédance caractéristique des lignes bifilaires et coaxiales, dans une fenêtre.\n"
    "Les mêmes calculs, le calcul inverse et des tables depuis un terminal : tarvelle-calc --help\n"
    "\n"
    "  --help     affiche cette aide et quitte\n"
    "  --version  affiche la version et quitte\n";

}  // namespace

std::optional<int> answerBeforeDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "--version") {
            std::fputs(argument == "--help" ? usage : versionText("tarvelle").c_str(), stdout);
            if (std::fflush(stdout) == 0 && !std::ferror(stdout))
                return 0;
            // The system's reason in the user's language, as tarvelle-calc gives it.
            const int error = errno;
            std::setlocale(LC_CTYPE, "");
            std::setlocale(LC_MESSAGES, "");
            std::fprintf(stderr, "tarvelle : erreur d'écriture : %s\n", std::strerror(error));
            return 1;
        }
    }
    return std::nullopt;
}

std::optional<int> refuseLeftoverArguments(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    std::fprintf(stderr, "tarvelle : argument inconnu « %s »\nEssayez « tarvelle --help ».\n", argv[1]);
    return 2;
}

}  // namespace tarvelle::app
