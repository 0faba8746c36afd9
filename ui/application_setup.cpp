#include "ui/application_setup.h"

#include "ui/accessible_roles.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QTranslator>

#include <memory>

namespace tarvelle::ui {

QFont formFont(qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.25);
        return font;
    }
    // DejaVu Sans, the outline face that Wine's Tahoma was made from, is broader than
    // the bitmap font; narrowed, its captions take the room of the 1× layout.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    font.setStretch(85);
    return font;
}

void useFormFont(qreal devicePixelRatio)
{
    const QFont font = formFont(devicePixelRatio);
    if (QApplication::font() != font)
        QApplication::setFont(font);
    // Tooltips are windows of their own, with a desktop theme's tooltip font.
    if (QToolTip::font() != font)
        QToolTip::setFont(font);
}

void useClassicLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // The light face of the toolkit's own palette, whatever the desktop's: the
    // window's fixed blue, red and green were chosen to stand on it.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = fusion->standardPalette();
    QApplication::setPalette(light);
    QToolTip::setPalette(light);
}

void prepareApplication(QApplication& application)
{
    useClassicLook();
    QAccessible::installFactory(accessibleRole);
    QFontDatabase::addApplicationFont(QStringLiteral(":/tarvelle/fonts/ms_sans_serif.ttf"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    useFormFont(screen ? screen->devicePixelRatio() : 1.0);

    // Qt's own texts (the entries' context menu, the message box's button) in French.
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}

}  // namespace tarvelle::ui
