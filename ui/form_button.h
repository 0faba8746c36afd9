#pragma once

#include <QPushButton>

namespace tarvelle::ui {

// A push button showing only its picture. When the window becomes active with the
// focus on it, as at start-up before any key was pressed, it shows its focus frame
// as if the keyboard had put the focus there.
class FormButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace tarvelle::ui
