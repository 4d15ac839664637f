// Accessible names: the headings painted on the backdrop and the labels painted beside a control.
#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <cstring>

namespace qt_host {

namespace {

// Controls whose name is painted as text of another control, which an
// assistive tool cannot connect to them.
struct painted_name {
    const char* control;
    const char* name;
};
constexpr painted_name painted_names[] = {
    {"Kecepatan", "Ball's Speed"},  // "-: Ball's Speed :-" under it on the backdrop
    {"langkah", "All Moves"},       // the backdrop's heading over the list
    {"Effi", "Solution Moves"},     // the backdrop's heading over the list
    {"txtJmlBola", "Jumlah Bola"},  // the label "Jumlah Bola :" to its left
};

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

QString accessible_name(const ui::control& which) {
    for (const painted_name& each : painted_names)
        if (std::strcmp(which.name(), each.control) == 0) return QString::fromUtf8(each.name);
    switch (which.kind()) {
    case ui::control_kind::image:
        return QString::fromStdString(static_cast<const ui::image&>(which).ToolTipText());
    case ui::control_kind::command_button:
        return QString::fromStdString(static_cast<const ui::command_button&>(which).Caption());
    default: return {};
    }
}

}  // namespace qt_host
