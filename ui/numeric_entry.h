#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace tarvelle::ui {

// A line edit whose typed characters go through a key handler before the edit takes
// them; the handler sets the code to 0 to discard the character. Keys that produce
// no character (Delete, arrows, Home, End) and the clipboard shortcuts are not
// character events and keep their usual effect; a paste is limited only by the
// maximum length.
class NumericEntry : public QLineEdit {
public:
    using KeyHandler = std::function<void(std::int16_t& KeyAscii)>;

    NumericEntry(QWidget* parent, KeyHandler keyHandler);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool accepts(QChar character) const;

    KeyHandler keyHandler_;
};

}  // namespace tarvelle::ui
