#include "ui/pixel_pictures.h"

#include "ui/pictures/diagrams.h"

#include <QPainter>

#include <cmath>
#include <cstring>

namespace tarvelle::ui {

QImage pictureImage(const Canvas& canvas, std::span<const std::uint32_t> colours)
{
    QImage image(canvas.width, canvas.height, QImage::Format_Indexed8);
    QList<QRgb> table(256, qRgba(0, 0, 0, 0));
    for (std::size_t i = 0; i < colours.size() && i < 256; ++i)
        table[qsizetype(i)] = 0xff000000U | colours[i];
    image.setColorTable(table);
    for (int y = 0; y < canvas.height; ++y)
        std::memcpy(image.scanLine(y), &canvas.pixels[std::size_t(y * canvas.width)], std::size_t(canvas.width));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage pictureForRatio(const QImage& picture, qreal ratio)
{
    const int whole = int(std::ceil(ratio - 0.01));
    QImage image = picture.scaled(picture.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QSize device(qRound(picture.width() * ratio), qRound(picture.height() * ratio));
    if (image.size() != device)
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

QIcon pixelIcon(const std::vector<IconImage>& images)
{
    QIcon icon;
    for (const IconImage& image : images) {
        if (image.bitsPerPixel != 4)
            continue;  // the black-and-white image is for displays without colour
        const QImage picture = pictureImage(image.canvas, vga::palette);
        for (int ratio = 1; ratio <= 3; ++ratio)
            icon.addPixmap(QPixmap::fromImage(pictureForRatio(picture, ratio)));
    }
    return icon;
}

PictureView::PictureView(const Canvas& diagram, QWidget* parent)
    : QFrame(parent), picture_(pictureImage(diagram, diagram::colourTable()))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette whiteBackground = palette();
    whiteBackground.setColor(QPalette::Window, Qt::white);
    setPalette(whiteBackground);
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != ratio)
        shown_ = ratio == 1.0 ? picture_ : pictureForRatio(picture_, ratio);
    QPainter(this).drawImage(contentsRect().topLeft(), shown_);
}

}  // namespace tarvelle::ui
