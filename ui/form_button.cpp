#include "ui/form_button.h"

#include <QFocusEvent>

namespace tarvelle::ui {

void FormButton::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::ActiveWindowFocusReason)
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
    QPushButton::focusInEvent(event);
}

}  // namespace tarvelle::ui
