#include "ui/announcer.h"

#include <QAccessibleWidget>

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

QAccessibleInterface* Announcer::accessibleNotification(const QString&, QObject* object)
{
    auto* announcer = dynamic_cast<Announcer*>(object);
    return announcer ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}

}  // namespace tarvelle::ui
