// The real widgets behind the controls a person types into, clicks, drags or scrolls: one adapter a kind.
#pragma once

#include <QMetaObject>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/form/control.h"

namespace qt_host {

class pictures;

// Keeps one widget in step with its model control. The widget belongs to its
// Qt parent; the adapter only reads the model into it and passes the user's
// gestures back, until detach().
class widget_adapter {
public:
    virtual ~widget_adapter();
    widget_adapter(const widget_adapter&) = delete;
    widget_adapter& operator=(const widget_adapter&) = delete;

    QWidget& widget() const { return *widget_; }
    // Show the model's visibility, enabled state and whatever the kind shows.
    void sync();
    // The model is going away: read and write it no more.
    void detach();

protected:
    widget_adapter(ui::control& model, QWidget* widget);
    virtual void sync_kind() {}
    virtual void detach_kind() {}
    // A connection that detach() cuts.
    void keep(QMetaObject::Connection connection) { connections_.push_back(connection); }
    ui::control* model() const { return model_; }

private:
    ui::control* model_;
    QWidget* widget_;
    std::vector<QMetaObject::Connection> connections_;
};

// The adapter for a control shown by a real widget, or null for one that is painted.
std::unique_ptr<widget_adapter> make_adapter(ui::control& model, QWidget* parent, pictures& faces);

// Whether the control is painted by the scene rather than shown by a widget.
bool is_painted(const ui::control& which);

}  // namespace qt_host
