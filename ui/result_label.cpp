#include "ui/result_label.h"

#include <QPainter>

namespace tarvelle::ui {

void ResultLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty())
        return;
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    const QRect ink = metrics.tightBoundingRect(text());
    const int x = area.left() + (area.width() - metrics.horizontalAdvance(text())) / 2;
    const int baseline = area.top() + (area.height() - ink.height()) / 2 - ink.top();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(x, baseline, text());
}

}  // namespace tarvelle::ui
