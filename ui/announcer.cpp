#include "ui/announcer.h"

namespace tarvelle::ui {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();  // a notification that shows is spoken
}

}  // namespace tarvelle::ui
