#include "ui/pixel_pictures.h"

#include "ui/stored_picture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tarvelle::ui {

QIcon pixelIcon(const QStringList& storedImages)
{
    qreal densest = 1.0;
    for (const QScreen* screen : QGuiApplication::screens())
        densest = std::max(densest, screen->devicePixelRatio());
    const int maxRatio = std::min(3, int(std::ceil(densest)));

    QIcon icon;
    for (const QString& stored : storedImages) {
        const QImage image = storedPicture(stored);
        icon.addPixmap(QPixmap::fromImage(image));
        for (int ratio = 2; ratio <= maxRatio; ++ratio) {
            QPixmap pixmap = QPixmap::fromImage(image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio,
                                                             Qt::FastTransformation));
            pixmap.setDevicePixelRatio(ratio);
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

PictureView::PictureView(const QString& stored, QWidget* parent) : QFrame(parent), picture_(storedPicture(stored))
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
    painter.drawImage(contentsRect().topLeft(), picture_);
}

}  // namespace tarvelle::ui
