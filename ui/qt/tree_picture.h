// Where the search tree's nodes stand at a zoom, and how a part of the tree is painted, on screen or into a
// file.
#pragma once

#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <functional>
#include <string>

#include "ui/tree/search_tree.h"

namespace qt_host {

// The tree's layout in pixels at a zoom: a node's column and depth give its
// place, so a node never moves as the tree grows.
class tree_layout {
public:
    // Rows may stand further apart than the zoom alone puts them, so that a
    // wide and shallow tree fitted to a window uses its height.
    tree_layout(int ball_count, double zoom, double row_stretch = 1)
        : cells_(2 * ball_count + 1), zoom_(zoom), row_stretch_(row_stretch) {}

    double zoom() const { return zoom_; }
    // A board is drawn dot by dot only while it has few enough cells to read.
    static constexpr int most_cells_drawn = 41;
    double dot() const { return 8 * zoom_; }
    // A board too long to draw shows where its hole is instead.
    double box_width() const { return (cells_ <= most_cells_drawn ? cells_ * 8 + 6 : 120) * zoom_; }
    double box_height() const { return 14 * zoom_; }
    // Room right of a node's edge for its log line.
    double column_pitch() const { return box_width() + 110 * zoom_; }
    double row_pitch() const { return 50 * zoom_ * row_stretch_; }
    double margin() const { return 20 * zoom_; }

    QPointF centre(const search_tree::node& n) const {
        return {margin() + (n.column + 0.5) * column_pitch(),
                margin() + n.depth * row_pitch() + box_height() / 2};
    }
    QRectF box(const search_tree::node& n) const {
        const QPointF c = centre(n);
        return {c.x() - box_width() / 2, c.y() - box_height() / 2, box_width(), box_height()};
    }
    QSizeF size(const search_tree::tree& t) const {
        return {2 * margin() + t.columns() * column_pitch(),
                2 * margin() + t.count().deepest * row_pitch() + box_height()};
    }
    bool shows_boards() const { return cells_ <= most_cells_drawn && dot() >= 3; }
    // The node at a point, or no_node: the nodes of a column are one chain of ids.
    search_tree::node_id node_at(const search_tree::tree& t, QPointF at) const;

private:
    int cells_;
    double zoom_;
    double row_stretch_;
};

// What a picture of the tree shows beside the tree itself.
struct tree_marks {
    search_tree::node_id selected = search_tree::no_node;
    // The text of log line j (1-based), for the edge of the move that wrote it.
    std::function<std::string(engine::count line)> line_text;
};

// Paints the part of the tree in `area` (pixels of the layout) with the
// painter's origin at the layout's origin.
void paint_tree(QPainter& painter, const search_tree::tree& t, const tree_layout& layout, const QRectF& area,
                const tree_marks& marks);

}  // namespace qt_host
