#include "ui/pixel_pictures.h"

#include <QImageReader>
#include <QPainter>

namespace tarvelle::ui {

QIcon pixelIcon(const QString& file)
{
    QIcon icon;
    QImageReader reader(file);
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        for (int ratio = 1; ratio <= 3; ++ratio) {
            QPixmap pixmap = QPixmap::fromImage(image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio,
                                                             Qt::FastTransformation));
            pixmap.setDevicePixelRatio(ratio);
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

PictureView::PictureView(const QString& file, QWidget* parent) : QFrame(parent), picture_(file)
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
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(contentsRect().topLeft(), picture_);
}

}  // namespace tarvelle::ui
