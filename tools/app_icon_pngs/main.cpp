// Writes the application icon as PNG files for the desktop's icon theme, at every
// usual size: the 16 and 32 pixel designs as they are, the other sizes by repeating
// their pixels (24 is the 16 pixel design on a transparent margin), so that none is
// blurred.
//   usage: app_icon_pngs OUTPUT_DIR   (writes OUTPUT_DIR/SIZE.png)

#include "ui/pixel_pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: app_icon_pngs OUTPUT_DIR\n", stderr);
        return 2;
    }
    const std::vector<IconImage> images = applicationIcon();
    const QImage design32 = tarvelle::ui::pictureImage(images.at(1).canvas, vga::palette);
    const QImage design16 = tarvelle::ui::pictureImage(images.at(2).canvas, vga::palette);
    const struct {
        int size;
        const QImage& design;
    } sizes[] = {{16, design16}, {24, design16}, {32, design32}, {48, design16},
                 {64, design32}, {128, design32}, {256, design32}};
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (const auto& [size, design] : sizes) {
        // Whole pixels repeated, with no device pixel ratio: the painter must draw
        // every enlarged pixel, not the design at its own size.
        const int ratio = size / design.width();
        const QImage enlarged = design.scaled(design.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter(&icon).drawImage((size - enlarged.width()) / 2, (size - enlarged.height()) / 2, enlarged);
        if (!icon.save(output.filePath(QStringLiteral("%1.png").arg(size)))) {
            std::fprintf(stderr, "app_icon_pngs: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
