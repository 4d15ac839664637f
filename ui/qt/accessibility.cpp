// A window of the program is a frame to assistive tools, named by its caption, not a plain panel.
#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace qt_host {

namespace {

// A form_window is a plain QWidget to Qt, which presents such a widget as a
// panel; a window of the program is a frame, named by its caption.
QAccessibleInterface* window_interface(const QString& class_name, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (class_name != QLatin1String("qt_host::form_window") || !widget || !widget->isWindow()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void install_accessible_windows() {
    static bool installed = false;
    if (installed) return;
    QAccessible::installFactory(window_interface);
    installed = true;
}

}  // namespace qt_host
