// Paints the search tree: elbow edges, boards or dots by the zoom, the marks, the log lines beside the edges.
#include "ui/qt/tree_picture.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace qt_host {

using search_tree::no_node;
using search_tree::node;
using search_tree::node_id;

namespace {

const QColor ink(0x30, 0x30, 0x30);
const QColor path_ink(0x10, 0x10, 0x10);
const QColor current_fill(0xFF, 0xF0, 0xA0);
const QColor current_ink(0xE0, 0x80, 0x00);
const QColor goal_fill(0x90, 0xEE, 0x90);
const QColor goal_ink(0x20, 0x80, 0x20);
const QColor dead_fill(0xD0, 0xD0, 0xD0);
const QColor repeat_ink(0x80, 0x40, 0xC0);
const QColor selection_ink(0x20, 0x60, 0xE0);
// The marbles' colours on the track.
const QColor blue_marble(0x00, 0x00, 0xFF);
const QColor red_marble(0xFF, 0x00, 0x00);

// The first node at or right of a column: columns never decrease with ids.
node_id first_in_column(const search_tree::tree& t, long column) {
    const auto& nodes = t.nodes();
    const auto at = std::lower_bound(nodes.begin(), nodes.end(), column,
                                     [](const node& n, long c) { return static_cast<long>(n.column) < c; });
    return static_cast<node_id>(at - nodes.begin());
}

// The ids of the current path, root first, ascending.
std::vector<node_id> current_path(const search_tree::tree& t) {
    std::vector<node_id> path;
    for (node_id at = t.current(); at != no_node; at = t.at(at).parent) path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

class painter_of_tree {
public:
    painter_of_tree(QPainter& p, const search_tree::tree& t, const tree_layout& layout,
                    const tree_marks& marks)
        : p_(p), t_(t), l_(layout), marks_(marks), path_(current_path(t)) {}

    bool on_path(node_id id) const { return std::binary_search(path_.begin(), path_.end(), id); }
    double bar_y(const node& parent) const { return l_.centre(parent).y() + l_.row_pitch() / 2; }

    // From a node down to the bar over its children, and along it to the last child.
    void children_bar(const node& n, bool bold) {
        if (n.last_child == no_node) return;
        const QPointF from = l_.centre(n);
        const double y = bar_y(n), last_x = l_.centre(t_.at(n.last_child)).x();
        p_.setPen(edge_pen(bold));
        p_.drawLine(QPointF(from.x(), from.y() + l_.box_height() / 2), QPointF(from.x(), y));
        p_.drawLine(QPointF(from.x(), y), QPointF(last_x, y));
    }
    // From the parent's bar down to the node; on the path, the bar's part that leads here is bold.
    void edge_into(node_id id) {
        const node& n = t_.at(id);
        const node& parent = t_.at(n.parent);
        const QPointF to = l_.centre(n);
        const bool bold = on_path(id);
        p_.setPen(edge_pen(bold));
        p_.drawLine(QPointF(to.x(), bar_y(parent)), QPointF(to.x(), to.y() - l_.box_height() / 2));
        if (bold) p_.drawLine(QPointF(l_.centre(parent).x(), bar_y(parent)), QPointF(to.x(), bar_y(parent)));
    }
    void label(node_id id) {
        const node& n = t_.at(id);
        const QPointF to = l_.centre(n);
        const QRectF room(to.x() + 4 * l_.zoom(), bar_y(t_.at(n.parent)),
                          l_.column_pitch() - l_.box_width() / 2 - 6 * l_.zoom(),
                          l_.row_pitch() / 2 - l_.box_height() / 2);
        const QString text = QString::fromStdString(marks_.line_text(n.line));
        if (QFontMetricsF(p_.font()).horizontalAdvance(text) > room.width()) return;
        p_.setPen(on_path(id) ? path_ink : ink);
        p_.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    void node_shape(node_id id) {
        const node& n = t_.at(id);
        const QRectF box = l_.box(n);
        const bool current = id == t_.current(), path = on_path(id);
        p_.save();
        if ((n.marks & search_tree::exhausted) && !current) p_.setOpacity(0.45);
        if (box.width() < 6) {
            // Too small to read: a dot in the node's colour.
            p_.fillRect(QRectF(box.center() - QPointF(1, 1), QSizeF(2, 2)),
                        current ? current_ink : fill_of(n, false));
            p_.restore();
            return;
        }
        if (n.marks & search_tree::repeat) {
            p_.setPen(QPen(repeat_ink, std::max(1.0, 1.5 * l_.zoom())));
            p_.setBrush(Qt::NoBrush);
            p_.drawEllipse(box.adjusted(-6 * l_.zoom(), -5 * l_.zoom(), 6 * l_.zoom(), 5 * l_.zoom()));
        }
        const QColor outline = (n.marks & search_tree::goal) ? goal_ink
                               : current                     ? current_ink
                               : path                        ? path_ink
                                                             : ink;
        const double round = box.height() / 3;
        const std::size_t folded = t_.folded_below(id);
        if (folded > 0) {
            // A fold: a stack of boards, and what it holds written under it.
            p_.setPen(QPen(ink, 1));
            p_.setBrush(Qt::white);
            for (const double shift : {6.0, 3.0})
                p_.drawRoundedRect(box.translated(shift * l_.zoom(), shift * l_.zoom()), round, round);
            if (box.height() >= 10)
                p_.drawText(QRectF(box.left(), box.bottom() + 6 * l_.zoom(), l_.column_pitch(),
                                   l_.box_height() * 1.5),
                            Qt::AlignLeft | Qt::AlignTop,
                            QStringLiteral("+%1 positions, none leads on").arg(folded));
        }
        p_.setPen(QPen(outline, current ? 3 : path ? 2 : 1));
        p_.setBrush(fill_of(n, current));
        p_.drawRoundedRect(box, round, round);
        if (l_.shows_boards())
            board(id, box);
        else if (box.height() >= 10 && box.width() >= 60)
            p_.drawText(box, Qt::AlignCenter, QStringLiteral("hole at %1").arg(t_.hole_of(id)));
        if (n.marks & search_tree::dead_end) {
            p_.setPen(QPen(ink, 1));
            p_.drawLine(box.topLeft(), box.bottomRight());
            p_.drawLine(box.bottomLeft(), box.topRight());
        }
        p_.restore();
        if (id == marks_.selected) {
            p_.setPen(QPen(selection_ink, 1, Qt::DashLine));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(box.adjusted(-4, -4, 4, 4));
        }
    }

private:
    QPen edge_pen(bool bold) const { return QPen(bold ? path_ink : ink, bold ? 2.5 : 1); }
    QColor fill_of(const node& n, bool current) const {
        if (n.marks & search_tree::goal) return goal_fill;
        if (current) return current_fill;
        if (n.marks & search_tree::dead_end) return dead_fill;
        return Qt::white;
    }
    // The board dot by dot: blue and red marbles, the hole a ring.
    void board(node_id id, const QRectF& box) {
        const std::string letters = t_.board_of(id);
        const double d = l_.dot(), r = d * 0.38;
        double x = box.left() + 3 * l_.zoom() + d / 2;
        for (char letter : letters) {
            const QPointF c(x, box.center().y());
            if (letter == '_') {
                p_.setPen(QPen(ink, 1));
                p_.setBrush(Qt::NoBrush);
            } else {
                p_.setPen(Qt::NoPen);
                p_.setBrush(letter == 'B' ? blue_marble : red_marble);
            }
            p_.drawEllipse(c, r, r);
            x += d;
        }
    }

    QPainter& p_;
    const search_tree::tree& t_;
    const tree_layout& l_;
    const tree_marks& marks_;
    std::vector<node_id> path_;
};

}  // namespace

node_id tree_layout::node_at(const search_tree::tree& t, QPointF at) const {
    const double column = std::floor((at.x() - margin()) / column_pitch());
    if (column < 0 || column >= t.columns()) return no_node;
    const node_id top = first_in_column(t, static_cast<long>(column));
    const double row = std::floor((at.y() - margin() + (row_pitch() - box_height()) / 2) / row_pitch());
    if (row < t.at(top).depth) return no_node;
    const auto id = static_cast<node_id>(top + (static_cast<std::uint32_t>(row) - t.at(top).depth));
    if (id >= t.nodes().size() || t.at(id).column != t.at(top).column) return no_node;
    return box(t.at(id)).adjusted(-4, -4, 4, 4).contains(at) ? id : no_node;
}

void paint_tree(QPainter& painter, const search_tree::tree& t, const tree_layout& layout, const QRectF& area,
                const tree_marks& marks) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter_of_tree tree_painter(painter, t, layout, marks);
    const auto column_of = [&](double x) {
        return static_cast<long>(std::floor((x - layout.margin()) / layout.column_pitch()));
    };
    const node_id first = first_in_column(t, column_of(area.left()) - 1);
    const node_id end = first_in_column(t, column_of(area.right()) + 2);
    const auto rows_in = [&](const node& n) {
        const double y = layout.centre(n).y();
        return y + layout.row_pitch() >= area.top() && y - layout.row_pitch() <= area.bottom();
    };

    if (layout.column_pitch() < 1) {
        // More columns than pixels: each pixel column shows the depths its
        // nodes reach, one line however many nodes stand in it, and the
        // current path is drawn over that outline.
        const auto width = static_cast<std::size_t>(std::max(0.0, std::ceil(area.width()))) + 1;
        std::vector<double> top(width, area.bottom()), bottom(width, area.top());
        for (node_id id = first; id < end; ++id) {
            const QPointF at = layout.centre(t.at(id));
            const auto x = static_cast<long>(at.x() - area.left());
            if (x < 0 || x >= static_cast<long>(width)) continue;
            top[static_cast<std::size_t>(x)] = std::min(top[static_cast<std::size_t>(x)], at.y());
            bottom[static_cast<std::size_t>(x)] = std::max(bottom[static_cast<std::size_t>(x)], at.y());
        }
        painter.setPen(QPen(ink, 1));
        for (std::size_t x = 0; x < width; ++x)
            if (top[x] <= bottom[x])
                painter.drawLine(QPointF(area.left() + static_cast<double>(x), top[x]),
                                 QPointF(area.left() + static_cast<double>(x), bottom[x] + 1));
        for (node_id id = t.current(); id != 0; id = t.at(id).parent) tree_painter.edge_into(id);
        tree_painter.node_shape(t.current());
        return;
    }
    // The bars of the nodes left of the area whose children reach into it:
    // they are the ancestors of its first node.
    if (first < end)
        for (node_id at = t.at(first).parent; at != no_node; at = t.at(at).parent)
            tree_painter.children_bar(t.at(at), false);
    for (node_id id = first; id < end; ++id) {
        const node& n = t.at(id);
        if (!rows_in(n)) continue;
        tree_painter.children_bar(n, false);
        if (id != 0) tree_painter.edge_into(id);
    }
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(11 * layout.zoom()))));
    painter.setFont(font);
    const bool labels = 11 * layout.zoom() >= 8 && marks.line_text;
    for (node_id id = first; id < end; ++id) {
        if (!rows_in(t.at(id))) continue;
        tree_painter.node_shape(id);
        if (labels && id != 0) tree_painter.label(id);
    }
}

}  // namespace qt_host
