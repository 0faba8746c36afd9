#include "ui/entry_hint.h"

#include <QStyle>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTimer>
#include <QToolTip>

namespace tarvelle::ui {

EntryHint::EntryHint(QWidget* window)
    : QLabel(window, Qt::ToolTip | Qt::BypassGraphicsProxyWidget), hideTimer_(new QTimer(this))
{
    setObjectName(QStringLiteral("EntryHint"));
    setTextFormat(Qt::PlainText);
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    hideTimer_->setSingleShot(true);
    hideTimer_->setInterval(shownMilliseconds);
    connect(hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void EntryHint::showAbove(QWidget* entry, const QString& text)
{
    // The tooltips' palette and the window's font, set each time since a desktop
    // theme may change either after start-up.
    setPalette(QToolTip::palette());
    setFont(entry->window()->font());
    setText(text);
    adjustSize();
    // Above the entry, so as not to cover the next one, which the user is about to fill.
    move(entry->mapToGlobal(QPoint(0, -height() - 1)));
    show();
    hideTimer_->start();
}

void EntryHint::paintEvent(QPaintEvent* event)
{
    // Drawn as the style draws a tooltip's panel.
    QStylePainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    painter.end();
    QLabel::paintEvent(event);
}

}  // namespace tarvelle::ui
