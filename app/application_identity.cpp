#include "app/application_identity.h"

#include <QApplication>
#include <QIcon>

namespace tarvelle::app {

void declareApplicationIdentity(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TARVELLE_APP_ID));
    application.setWindowIcon(QIcon(QStringLiteral(":/tarvelle/tarvelle.ico")));
}

}  // namespace tarvelle::app
