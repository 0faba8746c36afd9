#include "ui/numeric_entry.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>
#include <utility>

namespace tarvelle::ui {
namespace {

bool isEditingShortcut(const QKeyEvent* event)
{
    for (auto key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                     QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
        if (event->matches(key))
            return true;
    }
    return false;
}

bool isCharacterEvent(const QKeyEvent* event)
{
    // X11 gives Delete the text "\x7f", but it edits like an arrow key.
    return !event->text().isEmpty() && event->key() != Qt::Key_Delete && !isEditingShortcut(event);
}

}  // namespace

NumericEntry::NumericEntry(QWidget* parent, KeyHandler keyHandler)
    : QLineEdit(parent), keyHandler_(std::move(keyHandler))
{
}

bool NumericEntry::accepts(QChar character) const
{
    // A UTF-16 unit read as a signed 16-bit code, as the handler compares it.
    auto KeyAscii = static_cast<std::int16_t>(character.unicode());
    const std::int16_t typed = KeyAscii;
    keyHandler_(KeyAscii);
    return KeyAscii != 0 && KeyAscii == typed;
}

void NumericEntry::changeEvent(QEvent* event)
{
    // A locked entry is read-only too, so that screen readers do not call it editable.
    if (event->type() == QEvent::EnabledChange)
        setReadOnly(!isEnabled());
    QLineEdit::changeEvent(event);
}

void NumericEntry::keyPressEvent(QKeyEvent* event)
{
    if (isCharacterEvent(event)) {
        const QString text = event->text();
        if (!std::all_of(text.begin(), text.end(), [this](QChar c) { return accepts(c); })) {
            event->accept();  // discarded
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEntry::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed characters (dead keys, input methods) are typed characters too.
    QString kept;
    for (QChar c : event->commitString()) {
        if (accepts(c))
            kept += c;
    }
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace tarvelle::ui
