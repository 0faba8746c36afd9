#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <utility>

namespace tarvelle::ui {

// A line edit whose typed characters go through a key handler before the edit takes
// them; the handler sets the code to 0 to discard the character. Keys that produce
// no character (Delete, arrows, Home, End) and the clipboard shortcuts are not
// character events and keep their usual effect. Text that arrives without key
// events (a paste, a drop, an input method's commit, an assistive tool's insertion)
// is taken whole when it is a number the entry can hold, and otherwise refused
// whole with a beep, as a typed character beyond the entry's length is, so that the
// entry never shows a number other than the one used.
class NumericEntry : public QLineEdit {
public:
    using KeyHandler = std::function<void(std::int16_t& KeyAscii)>;
    using CommaHandler = std::function<void()>;

    NumericEntry(QWidget* parent, KeyHandler keyHandler, int characterLimit);

    // The most characters the entry holds. The line edit's own maximum length is left
    // unset: it would cut a paste short before it could be judged whole.
    int characterLimit() const { return characterLimit_; }

    // Called when a comma is refused, typed or pasted: the user meant a decimal point.
    void setCommaHandler(CommaHandler handler) { commaHandler_ = std::move(handler); }

protected:
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class InsertionGuard;

    bool accepts(QChar character) const;

    KeyHandler keyHandler_;
    CommaHandler commaHandler_;
    int characterLimit_;
};

}  // namespace tarvelle::ui
