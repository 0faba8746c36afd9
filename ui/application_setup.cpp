#include "ui/application_setup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace tarvelle::ui {

QFont formFont(qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.25);
        return font;
    }
    // Wine's Tahoma is broader than the bitmap font; narrowed, its captions take the
    // room of the 1× layout.
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setStretch(90);
    return font;
}

void useFormFont(qreal devicePixelRatio)
{
    if (QApplication::font() != formFont(devicePixelRatio))
        QApplication::setFont(formFont(devicePixelRatio));
}

void prepareApplication(QApplication& application)
{
    // Wine's Tahoma Bold is drawn no heavier than its regular face, so titles use
    // the regular face emboldened by the toolkit.
    for (const char* file : {"ms_sans_serif.ttf", "tahoma.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/tarvelle/fonts/") + QLatin1String(file));
    const QScreen* screen = QGuiApplication::primaryScreen();
    useFormFont(screen ? screen->devicePixelRatio() : 1.0);

    // Qt's own texts (the entries' context menu, the message box's button) in French.
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}

}  // namespace tarvelle::ui
