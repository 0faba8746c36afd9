#pragma once

#include <QFrame>
#include <QIcon>
#include <QPixmap>

namespace tarvelle::ui {

// Pixel art stays sharp on dense screens: it is enlarged by repeating pixels, never
// smoothed.

// An icon from an icon file, with each image also repeated 2 and 3 times over.
QIcon pixelIcon(const QString& file);

// A picture shown at its own size inside a 2-pixel sunken border on opaque white.
class PictureView : public QFrame {
public:
    PictureView(const QString& file, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace tarvelle::ui
