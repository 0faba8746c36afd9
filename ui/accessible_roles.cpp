#include "ui/accessible_roles.h"

#include "ui/announcer.h"
#include "ui/pixel_pictures.h"

#include <QAccessibleWidget>

namespace tarvelle::ui {

QAccessibleInterface* accessibleRole(const QString&, QObject* object)
{
    // The main window is known by its object name, so that this file, which the
    // window's set-up uses, does not depend on the window itself.
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow() && widget->objectName() == u"MainForm")
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* picture = dynamic_cast<PictureView*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace tarvelle::ui
