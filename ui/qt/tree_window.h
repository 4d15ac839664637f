// The search tree in a window of its own: it grows with the run, follows the timeline, counts, and exports.
#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <string>
#include <utility>

#include "ui/playground/playground.h"
#include "ui/qt/tree_picture.h"
#include "ui/tree/search_tree.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace qt_host {

// The tree, scrolled and zoomed; it keeps the current node in view unless
// the user has just scrolled or zoomed it, as the track follows its marble.
class tree_canvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    tree_canvas(const search_tree::tree& tree, tree_marks marks, QWidget* parent);

    // The tree has changed: new extent, the current node followed.
    void tree_changed();
    void zoom_by(double factor);
    void fit();
    void follow();
    tree_layout layout() const { return {tree_.ball_count(), zoom_, row_stretch_}; }
    search_tree::node_id selected() const { return marks_.selected; }
    void select(search_tree::node_id id);
    // The view as a picture, for the clipboard.
    QImage picture_of_view();

signals:
    // A click, or Enter on the selection: the user chose this node.
    void chosen(search_tree::node_id id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void update_scroll_ranges();
    void show_node(search_tree::node_id id, bool centred);
    void zoom_at(double factor, QPointF anchor);
    bool held_by_user() const;
    void user_moved_view();
    QPointF scene_point(QPointF in_viewport) const;
    void describe_selection();

    const search_tree::tree& tree_;
    tree_marks marks_;
    double zoom_ = 1;
    double row_stretch_ = 1;
    bool following_ = true;
    QElapsedTimer since_user_moved_;
};

class tree_window : public QWidget, private search_view::step_listener {
    Q_OBJECT
public:
    explicit tree_window(search_view::playground& run, QWidget* parent = nullptr);
    ~tree_window() override;
    // The playground is going: stop following it, then close.
    void close_for_program();
    const search_tree::tree& tree() const { return tree_; }
    tree_canvas& canvas() const { return *canvas_; }
    // Writes the whole tree as PNG, or SVG by the name's ending; false if it could not be written.
    bool save_picture(const QString& file_name) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void steps_changed() override;
    void refresh();
    std::string why_last_step();
    tree_marks marks() const;
    void go_to(search_tree::node_id id);
    void ask_and_save();
    QString counters_text() const;
    void build_prediction_panel(QVBoxLayout& layout);
    void show_prediction();
    QString verdict_text() const;

    search_view::playground* run_;
    search_tree::tree tree_;
    engine::count total_steps_ = -1;  // once a run has reached the goal
    bool refresh_pending_ = false;
    tree_canvas* canvas_;
    QLabel* counters_;
    QLabel* explanation_;
    QPushButton* predict_;
    QWidget* prediction_;  // the question, the answers and the last verdict
    QLabel* question_;
    QList<QPushButton*> answers_;
    QLabel* verdict_;
    bool was_asking_ = false;
    std::pair<std::size_t, bool> explained_step_{~std::size_t{0}, false};  // lines and goal
};

}  // namespace qt_host
