#include "ui/accessible_roles.h"

#include "ui/announcer.h"
#include "ui/main_form.h"
#include "ui/pixel_pictures.h"

#include <QAccessibleWidget>

namespace tarvelle::ui {

QAccessibleInterface* accessibleRole(const QString&, QObject* object)
{
    if (auto* form = dynamic_cast<MainForm*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    if (auto* picture = dynamic_cast<PictureView*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace tarvelle::ui
