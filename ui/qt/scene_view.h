// Shows one model window: paints the small items, hosts real widgets, scrolls over wide tracks.
#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <unordered_map>
#include <vector>

#include "ui/form/form.h"

namespace qt_host {

class pictures;
class list_model;

class scene_view : public QAbstractScrollArea, private ui::form_observer {
    Q_OBJECT
public:
    scene_view(ui::form& model, pictures& faces, QWidget* parent = nullptr);
    ~scene_view() override;

    // Stop following the model: it is about to go away.
    void detach();
    // The size of the window's client area, in logical pixels.
    QSize client_size() const;
    // Scroll so that the control stands in the middle of the view.
    void centre_on(const ui::control& which);
    // On opening: the first control in tab order takes the focus, and a
    // scene wider than the view opens on its backdrop panel.
    void settle_focus_and_scroll();
    // The widget that shows a control, if it is one of the real widgets.
    QWidget* widget_of(const ui::control& which) const;

    // Twips to logical pixels.
    static QRect pixels(const ui::bounds& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void control_changed(ui::control& changed, const ui::bounds& before) override;
    void control_loaded(ui::control& loaded) override;
    void form_changed() override;

    void make_widget(ui::control& which);
    void sync_widget(ui::control& which, QWidget& widget);
    bool painted(const ui::control& which) const;
    void index(ui::control& which, const ui::bounds& area, bool add);
    void paint(QPainter& painter, const ui::control& which);
    void follow(const ui::control& moving);
    void update_scroll_ranges();
    QPoint offset() const;

    ui::form* model_;
    pictures& faces_;
    std::unordered_map<const ui::control*, QWidget*> widgets_;
    std::vector<list_model*> lists_;
    // Painted controls by column of the scene, so that painting a region
    // touches only what stands there, however long the track.
    std::unordered_map<long, std::vector<ui::control*>> columns_;
    QElapsedTimer user_scrolled_;
};

}  // namespace qt_host
