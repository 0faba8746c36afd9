#include "ui/title_label.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPainter>

#include <algorithm>

namespace tarvelle::ui {

TitleLabel::TitleLabel(QWidget* parent) : QLabel(parent)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void TitleLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        overstrikes_.reset();
    QLabel::changeEvent(event);
}

bool TitleLabel::overstrikes() const
{
    if (!overstrikes_) {
        const QString family = QFontInfo(font()).family();
        const QStringList styles = QFontDatabase::styles(family);
        overstrikes_ = font().bold() && !QFontDatabase::isScalable(family) &&
                       std::none_of(styles.begin(), styles.end(), [&family](const QString& style) {
                           return QFontDatabase::weight(family, style) >= QFont::Bold;
                       });
    }
    return *overstrikes_;
}

int TitleLabel::overstruckWidth() const
{
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QChar c : text())
        width += metrics.horizontalAdvance(c) + 1;
    return width;
}

QSize TitleLabel::sizeHint() const
{
    if (!overstrikes())
        return QLabel::sizeHint();
    const QMargins margins = contentsMargins();
    return {overstruckWidth() + margins.left() + margins.right(),
            QFontMetrics(font()).height() + margins.top() + margins.bottom()};
}

void TitleLabel::paintEvent(QPaintEvent* event)
{
    if (!overstrikes()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    int x = area.left();
    if (alignment() & Qt::AlignHCenter)
        x += (area.width() - overstruckWidth()) / 2;
    const int baseline = area.top() + metrics.ascent();
    for (const QChar c : text()) {
        painter.drawText(x, baseline, QString(c));
        painter.drawText(x + 1, baseline, QString(c));
        x += metrics.horizontalAdvance(c) + 1;
    }
}

}  // namespace tarvelle::ui
