#pragma once

#include <QLabel>

#include <optional>

namespace tarvelle::ui {

// A label in a bold font. A bitmap font that has no bold face, like the window's
// "MS Sans Serif", cannot be emboldened by the toolkit; the label then draws each
// character twice, one pixel apart, and one pixel wider, as the classic desktops did.
class TitleLabel : public QLabel {
public:
    explicit TitleLabel(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool overstrikes() const;
    mutable std::optional<bool> overstrikes_;  // worked out once for each font
    int overstruckWidth() const;
};

}  // namespace tarvelle::ui
