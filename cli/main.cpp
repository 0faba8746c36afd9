#include "cli/arguments.h"
#include "cli/help_text.h"
#include "cli/run.h"
#include "calc/version_text.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    using namespace tarvelle::cli;
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    const auto reading = readArguments(words);
    if (const auto* error = std::get_if<UsageError>(&reading)) {
        report(stderr, error->message);
        std::fprintf(stderr, "Essayez « %s --help » pour plus d'informations.\n", programName);
        return error->status;
    }
    const Request& request = std::get<Request>(reading);
    int status = 0;
    if (request.action == Request::Action::ShowHelp) {
        std::fputs(helpText().c_str(), stdout);
    } else if (request.action == Request::Action::ShowVersion) {
        std::fputs(tarvelle::versionText(programName).c_str(), stdout);
    } else {
        std::string separator = ".";
        if (request.localeSeparator && std::setlocale(LC_ALL, "") != nullptr)
            separator = std::localeconv()->decimal_point;
        status = runRequest(request, separator, stdout, stderr);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        // The system's reason in the user's language, its locale read only now, when
        // it is needed; numbers keep the point unless --locale asks otherwise.
        const int error = errno;
        std::setlocale(LC_CTYPE, "");
        std::setlocale(LC_MESSAGES, "");
        report(stderr, std::string("erreur d'écriture : ") + std::strerror(error));
        return 1;
    }
    return status;
}
