#pragma once

#include <QLabel>

class QTimer;

namespace tarvelle::ui {

// A short advice shown for a few seconds just above an entry, in the look of a
// tooltip. Unlike a tooltip it stays while the user goes on typing.
class EntryHint : public QLabel {
public:
    static constexpr int shownMilliseconds = 4000;

    explicit EntryHint(QWidget* window);

    void showAbove(QWidget* entry, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* hideTimer_;
};

}  // namespace tarvelle::ui
