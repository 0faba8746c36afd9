#include "form_fixture.h"

#include "ui/pictures/diagrams.h"
#include "ui/pixel_pictures.h"

namespace {

QImage diagramImage(Canvas (*draw)())
{
    return tarvelle::ui::pictureImage(draw(), diagram::colourTable()).convertToFormat(QImage::Format_ARGB32);
}

QImage iconImage(const std::vector<IconImage>& icon)
{
    return tarvelle::ui::pictureImage(icon.at(0).canvas, vga::palette).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

// What the window shows of its pictures, read back from a grab of the window. Run
// at a device pixel ratio of 1 and 2: at 2 every picture pixel must be a sharp 2×2
// block.
class MainFormPicturesTest : public FormFixture {
    Q_OBJECT

    QImage grabWindow() const { return form->grab().toImage().convertToFormat(QImage::Format_ARGB32); }
    static int scale(const QImage& grab) { return qRound(grab.devicePixelRatio()); }

    // Whether `picture` appears at logical position `at` in the grab, pixel for pixel,
    // counting only its opaque pixels.
    static bool shows(const QImage& grab, const QImage& picture, QPoint at)
    {
        const int s = scale(grab);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb expected = picture.pixel(x, y);
                if (qAlpha(expected) != 255)
                    continue;
                for (int dy = 0; dy < s; ++dy)
                    for (int dx = 0; dx < s; ++dx)
                        if (grab.pixel(s * (at.x() + x) + dx, s * (at.y() + y) + dy) != expected)
                            return false;
            }
        }
        return true;
    }

private slots:
    void diagramsAtTheirOwnSize()
    {
        const QImage grab = grabWindow();
        const struct {
            const char* control;
            Canvas (*draw)();
        } pictures[] = {{"Image1", twoWireDiagram}, {"Image2", squareCoaxDiagram}, {"Image3", roundCoaxDiagram}};
        for (const auto& [name, draw] : pictures) {
            QWidget* image = control(QString::fromUtf8(name));
            const QImage diagram = diagramImage(draw);
            // The diagram fills the inside of its 2-pixel border exactly.
            QCOMPARE(image->size(), diagram.size() + QSize(4, 4));
            QVERIFY2(shows(grab, diagram, image->pos() + QPoint(2, 2)), name);
            // The border itself is no part of the white diagram.
            const int s = scale(grab);
            QVERIFY(grab.pixelColor(s * image->x(), s * (image->y() + 10)) != QColor(Qt::white));
        }
    }

    void buttonsShowTheirIcons()
    {
        const QImage eraser = iconImage(eraserIcon());
        const QImage wand = iconImage(wandIcon());
        QCOMPARE(eraser.size(), QSize(32, 32));
        for (int pressed = 0; pressed < 2; ++pressed) {
            for (int i = 1; i <= 6; ++i) {
                QPushButton* face = button(QStringLiteral("Command%1").arg(i));
                face->setDown(pressed);
                const QImage& icon = i % 2 ? eraser : wand;
                const QImage grab = grabWindow();
                // Centred on the face; a style may shift it by a pixel while pressed.
                const QPoint centred = face->geometry().center() - QPoint(15, 15);
                bool found = false;
                for (int dy = -1; dy <= 1 && !found; ++dy)
                    for (int dx = -1; dx <= 1 && !found; ++dx)
                        found = shows(grab, icon, centred + QPoint(dx, dy));
                QVERIFY2(found, qPrintable(face->objectName()));
                // Outside the drawing the face shows through: no black square.
                const int s = scale(grab);
                QVERIFY(grab.pixelColor(s * (centred.x() + 31), s * centred.y()) != QColor(Qt::black));
                face->setDown(false);
            }
        }
    }

    void applicationIconIsTheWindowsIcon()
    {
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)), "the application icon");
    }
};

TARVELLE_QT_TEST_MAIN(MainFormPicturesTest)
#include "main_form_pictures_test.moc"
