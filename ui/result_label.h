#pragma once

#include <QLabel>

namespace tarvelle::ui {

// A label that shows a result inside a sunken border. Its box is only as high as a
// line of text, so the text is placed by its ink, centred between the border's
// inner edges, and every glyph stays whole: the tail of a decimal comma included.
class ResultLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarvelle::ui
