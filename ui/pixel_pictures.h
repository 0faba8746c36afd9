#pragma once

#include <QFrame>
#include <QIcon>
#include <QImage>

namespace tarvelle::ui {

// Pixel art stays sharp on dense screens: it is enlarged by repeating pixels, never
// smoothed.

// An icon from its stored images, each also repeated 2 or 3 times over where a
// screen is that dense.
QIcon pixelIcon(const QStringList& storedImages);

// A stored picture shown at its own size inside a 2-pixel sunken border on opaque
// white.
class PictureView : public QFrame {
public:
    PictureView(const QString& storedPicture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace tarvelle::ui
