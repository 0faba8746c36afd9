#include "app/application_identity.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

#include <QApplication>

namespace {

// What the toolkit need not start for this program: it saves nothing, so it takes
// no part in session management; its entries take only digits and a point, so no
// input method is loaded (keys still arrive as typed characters).
void leaveOutWhatIsNotNeeded()
{
    QApplication::setAttribute(Qt::AA_DisableSessionManager);
    qputenv("QT_IM_MODULE", "none");
}

}  // namespace

int main(int argc, char* argv[])
{
    leaveOutWhatIsNotNeeded();
    QApplication application(argc, argv);
    tarvelle::app::declareApplicationIdentity(application);
    tarvelle::ui::prepareApplication(application);
    MainForm form;
    form.show();
    return QApplication::exec();
}
