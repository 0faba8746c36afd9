#include "ui/application_setup.h"

#include "ui/qt_french.h"

#include <QApplication>
#include <QFontDatabase>

#ifdef TARVELLE_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tarvelle::ui {

QFont formFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

void prepareApplication(QApplication& application)
{
#ifdef TARVELLE_HAS_FONTCONFIG
    // Every text of the program is set in its own font, so the system's fonts are
    // not needed: an empty configuration spares start-up the scan of all of them.
    FcConfig* ownFontsOnly = FcConfigCreate();
    FcConfigSetCurrent(ownFontsOnly);
    FcConfigDestroy(ownFontsOnly);  // the current configuration holds its own reference
#endif

    // The boxes of the window were measured for "MS Sans Serif"; the program carries
    // a free one with the same metrics so that it looks the same everywhere.
    QFontDatabase::addApplicationFont(QStringLiteral(":/tarvelle/fonts/ms_sans_serif.ttf"));
    QApplication::setFont(formFont());

    // Qt's own texts (the entries' context menu, the message box's button) in French.
    QApplication::installTranslator(new QtFrenchTranslator(&application));
}

}  // namespace tarvelle::ui
