#include "app/application_identity.h"
#include "app/command_line.h"
#include "app/display_connection.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

int main(int argc, char* argv[])
{
    if (const auto status = tarvelle::app::answerBeforeDisplay(argc, argv))
        return *status;
    const auto application = tarvelle::app::connectToDisplay(argc, argv);
    if (const auto status = tarvelle::app::refuseLeftoverArguments(argc, argv))
        return *status;
    tarvelle::app::declareApplicationIdentity(*application);
    tarvelle::ui::prepareApplication(*application);
    MainForm form;
    form.show();
    return QApplication::exec();
}
