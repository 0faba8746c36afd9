#pragma once

#include "ui/pictures/canvas.h"
#include "ui/pictures/icons.h"

#include <QFrame>
#include <QIcon>
#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace tarvelle::ui {

// Pixel art stays sharp on dense screens: it is enlarged by repeating pixels, and at
// fractional ratios only the last step down to the screen's size is smoothed.

// A drawn picture in colour; palette indexes beyond `colours` are transparent.
QImage pictureImage(const Canvas& canvas, std::span<const std::uint32_t> colours);

// The picture enlarged `ratio` times for a screen of that density.
QImage pictureForRatio(const QImage& picture, qreal ratio);

// An icon from its 16-colour images, also repeated 2 and 3 times over for dense screens.
QIcon pixelIcon(const std::vector<IconImage>& images);

// A diagram shown at its own size inside a 2-pixel sunken border on opaque white.
class PictureView : public QFrame {
public:
    PictureView(const Canvas& diagram, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QImage shown_;  // picture_ for the last screen density it was painted on
};

}  // namespace tarvelle::ui
