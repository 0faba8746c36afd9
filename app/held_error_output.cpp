#include "app/held_error_output.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tarvelle::app {

HeldErrorOutput::HeldErrorOutput()
{
#ifdef Q_OS_UNIX
    std::fflush(stderr);
    held_ = std::tmpfile();
    if (held_ && (saved_ = dup(STDERR_FILENO)) >= 0)
        dup2(fileno(held_), STDERR_FILENO);
#endif
}

void HeldErrorOutput::release(bool replay)
{
#ifdef Q_OS_UNIX
    if (saved_ < 0) {
        if (held_)
            std::fclose(held_);
        held_ = nullptr;
        return;
    }
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    saved_ = -1;
    if (replay) {
        std::rewind(held_);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, held_)) > 0;)
            std::fwrite(buffer, 1, n, stderr);
    }
#endif
    if (held_)
        std::fclose(held_);
    held_ = nullptr;
}

}  // namespace tarvelle::app
