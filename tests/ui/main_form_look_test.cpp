#include "form_fixture.h"
#include "ui/pictures/diagrams.h"
#include "ui/numeric_entry.h"
#include "ui/pixel_pictures.h"

#include <QGlyphRun>
#include <QtMath>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QToolTip>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTextLayout>

#include <set>

// What a person sees of the window, read back from grabs. Run at device pixel
// ratios 1, 1.5 and 2.
namespace {

QImage grabbed(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

// How much darker than its background a text is drawn, summed over device pixels,
// and where its ink lies, in device pixels.
struct TextInk {
    double amount = 0;
    QRect box;
};

TextInk inkOf(const QImage& image, const QRect& within)
{
    const int background = qGray(image.pixel(within.topLeft()));
    TextInk ink;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (const int darker = background - qGray(image.pixel(x, y)); darker > 24) {
                ink.amount += darker / 255.0;
                ink.box |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// A label's text drawn with `font` and `pen` on the label's face, at `ratio`.
QImage drawn(const QLabel* label, const QFont& font, const QColor& pen, qreal ratio)
{
    QImage image(label->size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(label->palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(label->contentsRect(), int(label->alignment()), label->text());
    return image;
}

// How steep a picture's edges are: the sum of the squared differences between
// neighbouring pixels' grey levels, which blurring lowers.
double sharpness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int g = qGray(image.pixel(x, y));
            sum += std::pow(g - qGray(image.pixel(x + 1, y)), 2) + std::pow(g - qGray(image.pixel(x, y + 1)), 2);
        }
    return sum;
}

// The contrast ratio of two of a widget's colours, as WCAG defines it.
double contrast(const QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole face)
{
    auto luminance = [widget](QPalette::ColorRole role) {
        const QColor c = widget->palette().color(role);
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double a = luminance(text), b = luminance(face);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace

class MainFormLookTest : public FormFixture {
    Q_OBJECT

    qreal ratio() const { return form->devicePixelRatioF(); }
    QRect device(const QRect& r) const
    {
        return {qRound(r.x() * ratio()), qRound(r.y() * ratio()), qRound(r.width() * ratio()), qRound(r.height() * ratio())};
    }
    TextInk inkShown(QLabel* label) const { return inkOf(grabbed(label), device(label->rect())); }
    // The full colour of a label's ink inside its frame: its darkest pixel.
    QColor inkColour(QLabel* label) const
    {
        const QImage grab = grabbed(label);
        const QRect box = inkOf(grab, device(label->contentsRect())).box;
        QRgb darkest = qRgb(255, 255, 255);
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (qGray(grab.pixel(x, y)) < qGray(darkest))
                    darkest = grab.pixel(x, y);
        return darkest;
    }
    // Whether `picture` shows at logical `at`, each pixel a sharp block at whole ratios.
    bool shows(const QImage& grab, const QImage& picture, QPoint at) const
    {
        const int s = qRound(ratio());
        const QImage blocks = picture.scaled(picture.size() * s);
        for (int y = 0; y < blocks.height(); ++y)
            for (int x = 0; x < blocks.width(); ++x)
                if (qAlpha(blocks.pixel(x, y)) == 255 && grab.pixel(s * at.x() + x, s * at.y() + y) != blocks.pixel(x, y))
                    return false;
        return true;
    }

private slots:
    void window()
    {
        // The application's name, version, desktop entry and icon, for docks and task bars.
        QCOMPARE(QApplication::applicationName() + ' ' + QApplication::applicationVersion(),
                 QStringLiteral("Tarvelle " TARVELLE_VERSION));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.tarvelle"));
        const QList<QSize> iconSizes = QApplication::windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
        QCOMPARE(form->windowTitle(), QStringLiteral("Tarvelle          tarvelle@example.org     https://www.example.org/tarvelle"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));  // the classic look
        QCOMPARE(form->minimumSize(), form->maximumSize());  // fixed, at 478 × 444
        QCOMPARE(form->size(), QSize(478, 444));
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY((form->geometry().center() - form->screen()->availableGeometry().center()).manhattanLength() <= 2);
        // The round-coax panel is the square-coax panel moved down 160 pixels.
        const char* pairs[][2] = {{"Label2", "Label1"},     {"Label15(0)", "Label15(1)"}, {"Label19(0)", "Label19(1)"},
                                  {"Text2(0)", "Text3(0)"}, {"Text2(1)", "Text3(1)"},     {"Label24", "Label26"},
                                  {"Command3", "Command5"}, {"Command4", "Command6"},     {"Image2", "Image3"}};
        for (const auto& [square, round] : pairs)
            QCOMPARE(control(round)->geometry(), control(square)->geometry().translated(0, 160));
    }

    // Text is drawn for the screen's density, never clipped: at 1× exactly as the
    // bitmap font draws it; elsewhere with as much more ink as the area grows.
    // Titles are bold, centred, and heavier than their regular face; captions flush left.
    void textIsDrawnForTheScreen()
    {
        for (QLabel* l : form->findChildren<QLabel*>()) {
            if (l->text().isEmpty())
                continue;
            const QString what = l->objectName() + QStringLiteral(" at ") + QString::number(ratio());
            QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(), qPrintable(what));
            QFont bitmap = tarvelle::ui::formFont(1.0);
            bitmap.setBold(l->font().bold());
            const TextInk reference = inkOf(drawn(l, bitmap, l->palette().color(QPalette::WindowText), 1.0), l->rect());
            const TextInk shown = inkShown(l);
            if (ratio() == 1.0 && !l->font().bold()) {  // titles are overstruck: the bitmap font has no bold
                QCOMPARE(shown.box, reference.box);
                QVERIFY2(qAbs(shown.amount - reference.amount) < 0.5, qPrintable(what));
            } else if (ratio() != 1.0) {
                const double growth = shown.amount / (reference.amount * ratio() * ratio());
                QVERIFY2(growth > 0.55 && growth < 1.6, qPrintable(what + QStringLiteral(": ink ×%1").arg(growth)));
                const double widening = shown.box.width() / (reference.box.width() * ratio());
                QVERIFY2(reference.box.width() < 10 || (widening > 0.8 && widening < 1.15),
                         qPrintable(what + QStringLiteral(": width ×%1").arg(widening)));
            }
        }
        for (auto* e : form->findChildren<tarvelle::ui::NumericEntry*>())
            QVERIFY(e->fontMetrics().horizontalAdvance(QString(e->characterLimit(), QLatin1Char('8'))) <= e->width() - 8);

        for (const char* name : {"Label3", "Label2", "Label1"}) {
            QLabel* title = label(name);
            QVERIFY(title->font().bold());
            QFont regular = title->font();
            regular.setBold(false);
            const TextInk shown = inkShown(title);
            const double heavier = shown.amount / inkOf(drawn(title, regular, Qt::black, ratio()), device(title->rect())).amount;
            QVERIFY2(heavier > 1.1, qPrintable(QStringLiteral("%1: ink ×%2").arg(name).arg(heavier)));
            const int left = shown.box.left(), right = device(title->rect()).right() - shown.box.right();
            QVERIFY2(qAbs(left - right) <= 3 * ratio(), name);
            QCOMPARE(inkColour(title), QColor(0, 0, 255));
            if (ratio() == 1.0) {  // each character drawn again one pixel to its right, not below
                const QRect single = inkOf(drawn(title, regular, Qt::black, 1.0), title->rect()).box;
                QCOMPARE(shown.box.top(), single.top());
                QCOMPARE(shown.box.height(), single.height());
            }
        }
        QVERIFY(inkShown(label("Label4")).box.left() <= 1 * ratio());
    }

    // The result sits whole inside its sunken border, the comma's tail included. At
    // start the focused button shows its frame as if the keyboard had put the focus there.
    void frames()
    {
        QLabel* result = label("Label11");
        const QImage empty = grabbed(result);
        // The border's upper edge is darker than the face: sunken.
        QVERIFY(empty.pixelColor(0, 0).lightness() < result->palette().color(QPalette::Window).lightness());
        result->setText(QStringLiteral("-2124,9"));
        const QImage shown = grabbed(result);
        QRect changed;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != empty.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        QVERIFY(!changed.isEmpty() && device(result->contentsRect()).contains(changed));
        QCOMPARE(inkColour(result), QColor(0, 0, 255));  // results are blue, the symbols red
        QCOMPARE(inkColour(label("Label19(1)")), QColor(255, 0, 0));
        // Centred to the pixel between the border's inner edges, by its ink: an odd
        // pixel left over goes below, and across, to either side.
        const QRect inside = device(result->contentsRect());
        const int above = changed.top() - inside.top(), below = inside.bottom() - changed.bottom();
        const int before = changed.left() - inside.left(), after = inside.right() - changed.right();
        QVERIFY2((below - above == 0 || below - above == 1) && qAbs(before - after) <= 1,
                 qPrintable(QStringLiteral("ink %1 px from the top, %2 from the bottom, %3 from the left, %4 from the right")
                                .arg(above).arg(below).arg(before).arg(after)));

        QStyleOptionButton option;
        option.initFrom(button("Command1"));
        QVERIFY(option.state & QStyle::State_HasFocus && option.state & QStyle::State_KeyboardFocusChange);
        const QImage focused = grabbed(button("Command1"));
        button("Command2")->setFocus();
        QVERIFY(grabbed(button("Command1")) != focused);
    }

    void linesAndPictures()
    {
        const QImage grab = grabbed(form.get());
        for (int y : {128, 288})
            for (int x : {0, 477})
                QCOMPARE(grab.pixelColor(device(QRect(x, y, 1, 1)).center()), QColor(0, 255, 0));
        using tarvelle::ui::pictureImage;
        const std::pair<const char*, QImage> pictures[] = {
            {"Image1", pictureImage(twoWireDiagram(), diagram::colourTable())},
            {"Image2", pictureImage(squareCoaxDiagram(), diagram::colourTable())},
            {"Image3", pictureImage(roundCoaxDiagram(), diagram::colourTable())},
            {"Command1", pictureImage(eraserIcon()[0].canvas, vga::palette)},
            {"Command2", pictureImage(wandIcon()[0].canvas, vga::palette)}};
        for (const auto& [name, image] : pictures) {
            const QImage picture = image.convertToFormat(QImage::Format_ARGB32);
            QWidget* shown = control(name);
            const bool diagram = picture.width() > 32;
            if (diagram)  // fills the inside of its 2-pixel border exactly
                QCOMPARE(shown->size(), picture.size() + QSize(4, 4));
            const QPoint at = diagram ? shown->pos() + QPoint(2, 2) : shown->geometry().center() - QPoint(15, 15);
            if (ratio() != qRound(ratio())) {
                // Enlarged by repeating pixels, then smoothed for the last step only: its
                // edges stay much steeper than a smooth enlargement of the 1× picture's.
                const QSize size(qRound(picture.width() * ratio()), qRound(picture.height() * ratio()));
                const QImage shownPicture = grab.copy(QRect(device(QRect(at, QSize(1, 1))).topLeft(), size));
                const QImage blurred = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                QVERIFY2(sharpness(shownPicture) >= 1.15 * sharpness(blurred), name);
                continue;
            }
            bool found = false;
            for (int d = 0; d < 9 && !found; ++d)  // a style may shift an icon by a pixel
                found = shows(grab, picture, at + QPoint(d % 3 - 1, d / 3 - 1) * (diagram ? 0 : 1));
            QVERIFY2(found, name);
        }
    }

    // On any screen a row keeps the gaps and the baseline of the 1× window, scaled:
    // a caption, its red symbol and its colon neither touch nor spread apart.
    void rowsKeepTheirSpacing()
    {
        const char* rows[][3] = {{"Label4", "Label5", "Label6"}, {"Label7", "Label8", "Label9"},
                                 {"Label15(0)", "Label16(0)", "Label17(0)"}, {"Label18(1)", "Label19(1)", "Label20(1)"}};
        // Where the bitmap font puts each label's ink, in logical pixels of the window.
        auto laidOut = [](QLabel* l) {
            QImage image(l->size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(tarvelle::ui::formFont(1.0));
            painter.drawText(l->rect(), int(l->alignment()), l->text());
            return inkOf(image, image.rect()).box.translated(l->pos());
        };
        auto shown = [this](QLabel* l) { return inkShown(l).box.translated(device(l->geometry()).topLeft()); };
        for (const auto& row : rows) {
            for (int i = 0; i < 2; ++i) {
                QLabel* left = label(row[i]);
                QLabel* right = label(row[i + 1]);
                const double gap = laidOut(right).left() - laidOut(left).right();
                const double shownGap = shown(right).left() - shown(left).right();
                QVERIFY2(qAbs(shownGap - gap * ratio()) <= ratio(),
                         qPrintable(QStringLiteral("%1 to %2: %3 px, not %4").arg(row[i], row[i + 1]).arg(shownGap).arg(gap * ratio())));
            }
            // "mm" and ":" have no descender: their ink ends on the baseline.
            QLabel* colon = label(row[2]);
            QVERIFY2(qAbs(shown(colon).bottom() + 1 - (laidOut(colon).bottom() + 1) * ratio()) <= 1, row[2]);
        }
    }

    // A dark desktop palette leaves the window's light face and its contrasts.
    void readableUnderADarkTheme()
    {
        QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::ToolTipText, Qt::white);
        QApplication::setPalette(dark);
        QToolTip::setPalette(dark);  // a theme's own tooltip palette
        tarvelle::ui::useClassicLook();
        MainForm themed;
        // The red "(d)" and "(D)" keep the contrast they have on the light face.
        for (QLabel* l : themed.findChildren<QLabel*>())
            QVERIFY2(contrast(l, QPalette::WindowText, QPalette::Window) >= (l->text().startsWith('(') ? 3.4 : 4.5),
                     qPrintable(l->objectName()));
        for (QLineEdit* e : themed.findChildren<QLineEdit*>())
            QVERIFY(contrast(e, QPalette::Text, QPalette::Base) >= 4.5);
        const QPalette tip = QToolTip::palette();
        QVERIFY(contrast(&themed, QPalette::WindowText, QPalette::Window) >= 4.5);
        QLabel tipLabel;
        tipLabel.setPalette(tip);
        QVERIFY(contrast(&tipLabel, QPalette::ToolTipText, QPalette::ToolTipBase) >= 4.5);
        QVERIFY(QColor(tip.color(QPalette::ToolTipBase)).lightness() > 128);  // light, like the window
        QMessageBox box(QMessageBox::Critical, "Erreur !", "Texte", QMessageBox::Ok, &themed);
        QVERIFY(contrast(&box, QPalette::WindowText, QPalette::Window) >= 4.5);
    }

    // Every decimal separator that a locale may give the result has a glyph.
    void everySeparatorHasAGlyph()
    {
        std::set<QString> texts{QStringLiteral("é Ω ж ٣")};  // pasted letters of other scripts
        for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            texts.insert(QStringLiteral("468%19").arg(locale.decimalPoint()));
        for (const QString& text : texts) {
            QTextLayout layout(text, label("Label11")->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns())
                for (quint32 glyph : run.glyphIndexes())
                    QVERIFY2(glyph != 0, qPrintable(text + QStringLiteral(" in ") + run.rawFont().familyName()));
        }
    }

    // A desktop theme that sets its fonts once the window is up (qt6ct does) leaves
    // the window, its tooltips, its entries' menu and its message boxes in one font.
    void oneFontUnderADesktopTheme()
    {
        // The events are those that a running event loop delivers.
        const QFont themeFont(QStringLiteral("DejaVu Sans"), 11);
        QApplication::setFont(themeFont);
        QEvent fontChange(QEvent::ApplicationFontChange);
        QApplication::sendEvent(form.get(), &fontChange);
        QCOMPARE(form->font(), tarvelle::ui::formFont(ratio()));  // at once, not at the next theme change
        for (const char* widgetClass : {"QMenu", "QMessageBox", "QLabel", "QTipLabel"})
            QApplication::setFont(themeFont, widgetClass);
        QEvent themeChange(QEvent::ThemeChange);
        QApplication::sendEvent(form.get(), &themeChange);
        QCOMPARE(form->font(), tarvelle::ui::formFont(ratio()));
        QCOMPARE(QToolTip::font(), form->font());

        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), entry("Text2(1)")->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(entry("Text2(1)"), &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->font(), form->font());
        menu->close();

        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(boxesSeen(), QList{errorBox(QStringLiteral("Vous devez entrer des valeurs pour effectuer le calcul !"))});
    }

    // Moved to a screen of another density, the window takes the text and the
    // pictures drawn for that screen, as if it had started there.
    void movedToAnotherDensity()
    {
        QScreen* other = nullptr;
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->devicePixelRatio() != ratio())
                other = screen;
        if (!other)
            QSKIP("needs a second screen of another density (two_screens.json)");
        form->windowHandle()->setScreen(other);
        form->move(other->availableGeometry().topLeft() + QPoint(10, 10));
        QCoreApplication::processEvents();
        QCOMPARE(ratio(), other->devicePixelRatio());
        QCOMPARE(form->font(), tarvelle::ui::formFont(ratio()));
        textIsDrawnForTheScreen();
        linesAndPictures();
        rowsKeepTheirSpacing();
    }
};

TARVELLE_QT_TEST_MAIN(MainFormLookTest)
#include "main_form_look_test.moc"
