#pragma once

#include <QAccessible>

namespace tarvelle::ui {

// The roles that screen readers are told for the program's own widgets: the main
// window is a frame named by its caption, each diagram an image, and the announcer
// a notification. Install with QAccessible::installFactory.
QAccessibleInterface* accessibleRole(const QString& className, QObject* object);

}  // namespace tarvelle::ui
