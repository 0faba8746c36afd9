#include "app/application_identity.h"

#include "ui/stored_picture.h"

#include <QApplication>
#include <QIcon>

namespace tarvelle::app {

void declareApplicationIdentity(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Tarvelle"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TARVELLE_APP_ID));
    QIcon icon;
    for (const QString& size : {QStringLiteral("32"), QStringLiteral("16")})
        icon.addPixmap(QPixmap::fromImage(ui::storedPicture(QStringLiteral(":/tarvelle/raw/tarvelle_%1.argb").arg(size))));
    application.setWindowIcon(icon);
}

}  // namespace tarvelle::app
