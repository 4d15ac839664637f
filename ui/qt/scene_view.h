// Shows one model window: the paint loop, the real widgets, and scrolling of a track wider than the window.
#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/form/form.h"

namespace qt_host {

class pictures;
class widget_adapter;

// When the scene is wider than the view, only the track row scrolls sideways
// (with the horizontal scroll bar); the panel (backdrop, buttons, slider,
// lists, the sign) stays in view, centred in the view as the layout centres
// it in the scene. Vertical scrolling, where needed, moves everything.
class scene_view : public QAbstractScrollArea, private ui::form_observer {
    Q_OBJECT
public:
    scene_view(ui::form& model, pictures& faces, QWidget* parent = nullptr);
    ~scene_view() override;

    // Stop following the model: it is about to go away.
    void detach();
    // The size of the window's client area, in logical pixels.
    QSize client_size() const;
    // The smallest client area that still shows the whole width of the
    // panel, which does not scroll sideways, and the scene's whole height,
    // above the track's scroll bar where a window `width` wide needs one.
    QSize smallest_client_size(int width) const;
    // On opening: the tab order, the focus on its first control, and the
    // track row scrolled to the control the window opens on.
    void settle_focus_and_scroll();
    // The widget that shows a control, if it is one of the real widgets.
    QWidget* widget_of(const ui::control& which) const;
    // How far a control is shifted from its place in the scene, in pixels.
    QPoint shift_of(const ui::control& which) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void control_changed(ui::control& changed, const ui::bounds& before) override;
    void control_loaded(ui::control& loaded) override;
    void form_changed() override;

    void show_control(ui::control& which);
    // File a painted control under the columns that its painted extent reaches into, or take it out.
    void file_in_columns(ui::control& which, const QRect& extent);
    void take_from_columns(ui::control& which, const QRect& extent);
    void place(const ui::control& which, QWidget& widget) const;
    void place_widgets();
    void follow(const ui::control& moving);
    void update_scroll_ranges();
    int panel_shift() const;

    ui::form* model_;
    pictures& faces_;
    std::unordered_map<const ui::control*, std::unique_ptr<widget_adapter>> adapters_;
    // Painted controls by column of the scene, in pixels, so that painting a region
    // touches only what stands there, however long the track.
    std::unordered_map<long, std::vector<ui::control*>> columns_;
    // The painted controls that stay in view while the track scrolls.
    std::vector<const ui::control*> painted_panel_;
    // Where the track row has ever painted, in scene pixels: its rows are the
    // band that scrolls sideways.
    QRect track_band_;
    QElapsedTimer user_scrolled_;
};

}  // namespace qt_host
