#include "ui/pixel_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

// Each installed PNG of the icon theme is its design with every pixel repeated a whole number of
// times, centred on a transparent square: no speck in a corner, no blur.
class InstalledIconsTest : public QObject {
    Q_OBJECT

private slots:
    void everySizeIsItsDesignEnlarged_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("design");  // which image of the application icon
        QTest::addColumn<int>("ratio");
        for (auto [size, design, ratio] : {std::array{16, 16, 1}, {24, 16, 1}, {32, 32, 1}, {48, 16, 3},
                                           {64, 32, 2}, {128, 32, 4}, {256, 32, 8}})
            QTest::addRow("%d px", size) << size << design << ratio;
    }

    void everySizeIsItsDesignEnlarged()
    {
        QFETCH(int, size);
        QFETCH(int, design);
        QFETCH(int, ratio);
        const QImage icon = QImage(QStringLiteral(TARVELLE_ICON_THEME "/%1x%1/apps/org.example.tarvelle.png").arg(size))
                                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(size, size));
        const QImage drawing =
            tarvelle::ui::pictureImage(applicationIcon().at(design == 32 ? 1 : 2).canvas, vga::palette)
                .convertToFormat(QImage::Format_ARGB32);
        const int margin = (size - design * ratio) / 2;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QPoint source((x - margin) / ratio, (y - margin) / ratio);
                const bool inside = x >= margin && y >= margin && drawing.rect().contains(source);
                const QRgb expected = inside ? drawing.pixel(source) : qRgba(0, 0, 0, 0);
                const QRgb actual = icon.pixel(x, y);
                if (qAlpha(expected) == 0 ? qAlpha(actual) != 0 : actual != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, not %4")
                                         .arg(x).arg(y).arg(actual, 8, 16).arg(expected, 8, 16)));
            }
        }
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    InstalledIconsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "installed_icons_test.moc"
