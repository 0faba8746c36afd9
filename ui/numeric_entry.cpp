#include "ui/numeric_entry.h"

#include "calc/entry_filter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QValidator>

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

// Every change of the text passes here, whatever brought it: the part that differs
// from the last accepted text is what was inserted, and it is taken whole, trimmed,
// or the last accepted text is put back. Putting it back (rather than answering
// Invalid) also undoes a text set by an assistive tool, which Qt does not revert.
class NumericEntry::InsertionGuard : public QValidator {
public:
    explicit InsertionGuard(NumericEntry& entry) : QValidator(&entry), entry_(entry) {}

    State validate(QString& text, int& cursor) const override
    {
        const QString& before = accepted_;
        qsizetype prefix = 0;
        while (prefix < before.size() && prefix < text.size() && before[prefix] == text[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < before.size() - prefix && suffix < text.size() - prefix &&
               before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix])
            ++suffix;
        const QString inserted = text.mid(prefix, text.size() - prefix - suffix);
        if (inserted.isEmpty()) {  // only deleted
            accepted_ = text;
            return Acceptable;
        }
        const auto room = std::size_t(std::max<qsizetype>(0, entry_.characterLimit_ - prefix - suffix));
        if (const auto taken = acceptedInsertion(inserted.toStdString(), room)) {
            text = before.left(prefix) + QString::fromStdString(*taken) + before.right(suffix);
            cursor = int(prefix + qsizetype(taken->size()));
        } else {
            text = before;
            cursor = int(prefix);
            // Refused aloud, and to listeners, once the line edit has finished the
            // change that is being judged, the same way whether the length refuses
            // it or a character does; a comma among it brings the point's hint.
            const bool comma = inserted.contains(u',');
            QMetaObject::invokeMethod(&entry_, [&entry = entry_, comma] {
                QApplication::beep();
                emit entry.inputRejected();
                if (comma && entry.commaHandler_)
                    entry.commaHandler_();
            }, Qt::QueuedConnection);
        }
        accepted_ = text;
        return Acceptable;
    }

private:
    NumericEntry& entry_;
    mutable QString accepted_;
};

NumericEntry::NumericEntry(QWidget* parent, KeyHandler keyHandler, int characterLimit)
    : QLineEdit(parent), keyHandler_(std::move(keyHandler)), characterLimit_(characterLimit)
{
    setValidator(new InsertionGuard(*this));
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

void NumericEntry::contextMenuEvent(QContextMenuEvent* event)
{
    // The entry's menu in the window's font, not in a desktop theme's menu font. The
    // window's own (the entry's inherits it) says which of its properties were set.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(window()->font());
    menu->popup(event->globalPos());
}

void NumericEntry::focusInEvent(QFocusEvent* event)
{
    // Reached from the keyboard, a line edit selects its text while it takes the
    // focus, and so reports a selection and a caret before Qt reports the focus
    // itself. Orca reads a selected number, then names the entry; but it moves to an
    // empty entry on the caret, silently, and the focus that follows names nothing.
    // An empty entry has nothing to select: it takes the focus without a caret report.
    const Qt::FocusReason reason = event->reason();
    const bool selects = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::ShortcutFocusReason;
    if (selects && text().isEmpty()) {
        QFocusEvent withoutSelection(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&withoutSelection);
        return;
    }
    QLineEdit::focusInEvent(event);
}

void NumericEntry::keyPressEvent(QKeyEvent* event)
{
    if (!isCharacterEvent(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (!std::all_of(text.begin(), text.end(), [this](QChar c) { return accepts(c); })) {
        event->accept();  // discarded
        // A discarded printable character is refused aloud, as a refused paste is;
        // Enter, Escape and the other control keys stay silent.
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); })) {
            QApplication::beep();
            emit inputRejected();
        }
        if (text.contains(u',') && commaHandler_)
            commaHandler_();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tarvelle::ui
