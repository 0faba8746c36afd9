#include "app/application_identity.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tarvelle::app::declareApplicationIdentity(application);
    tarvelle::ui::prepareApplication(application);
    MainForm form;
    form.show();
    return QApplication::exec();
}
