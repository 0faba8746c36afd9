#include "app/application_identity.h"
#include "app/display_connection.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

int main(int argc, char* argv[])
{
    const auto application = tarvelle::app::connectToDisplay(argc, argv);
    tarvelle::app::declareApplicationIdentity(*application);
    tarvelle::ui::prepareApplication(*application);
    MainForm form;
    form.show();
    return QApplication::exec();
}
