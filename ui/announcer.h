#pragma once

#include <QWidget>

namespace tarvelle::ui {

// Has screen readers speak a short text without moving the focus: an invisible
// notification, named by the text, that appears in the accessibility tree each time.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

}  // namespace tarvelle::ui
