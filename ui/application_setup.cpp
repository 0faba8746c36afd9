#include "ui/application_setup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTranslator>

namespace tarvelle::ui {

void prepareApplication(QApplication& application)
{
    // The boxes of the window were measured for "MS Sans Serif"; the program carries
    // a free one with the same metrics so that it looks the same everywhere.
    QFontDatabase::addApplicationFont(QStringLiteral(":/tarvelle/fonts/ms_sans_serif.ttf"));

    // Qt's own texts (the entries' context menu, the message box's buttons) in French.
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral(":/tarvelle/translations/qtbase_fr.qm")))
        QApplication::installTranslator(translator);
}

}  // namespace tarvelle::ui
