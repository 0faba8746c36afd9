#pragma once

#include <QLabel>

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
    void paintEvent(QPaintEvent* event) override;

private:
    bool overstrikes() const;
    int overstruckWidth() const;
};

}  // namespace tarvelle::ui
