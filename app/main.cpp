#include "app/application_identity.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without a display the toolkit would abort with a message about reinstalling; a
// user is better told what is missing.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("tarvelle : aucun affichage graphique n'a été trouvé (ni X11, ni Wayland) ; "
                   "lancez Tarvelle depuis une session de bureau.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    tarvelle::app::declareApplicationIdentity(application);
    tarvelle::ui::prepareApplication(application);
    MainForm form;
    form.show();
    return QApplication::exec();
}
