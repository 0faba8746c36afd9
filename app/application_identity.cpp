#include "app/application_identity.h"

#include "ui/pixel_pictures.h"

#include <QApplication>

namespace tarvelle::app {

void declareApplicationIdentity(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TARVELLE_APP_ID));
    application.setWindowIcon(ui::pixelIcon(applicationIcon()));
}

}  // namespace tarvelle::app
