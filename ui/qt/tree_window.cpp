// The search-tree window: follows the playground's run step by step, goes to a node's step, zooms, counts,
// exports.
#include "ui/qt/tree_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/tree/explain.h"

namespace qt_host {

using search_tree::no_node;
using search_tree::node_id;

namespace {
constexpr double most_zoom = 4;
// A scroll or zoom of the user's holds the view this long after it.
constexpr qint64 hold_ms = 3000;
}  // namespace

tree_canvas::tree_canvas(const search_tree::tree& tree, tree_marks marks, QWidget* parent)
    : QAbstractScrollArea(parent), tree_(tree), marks_(std::move(marks)) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Search tree"));
    viewport()->setBackgroundRole(QPalette::Base);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::actionTriggered, this, [this] { user_moved_view(); });
        connect(bar, &QScrollBar::sliderReleased, this, [this] { user_moved_view(); });
    }
}

QPointF tree_canvas::scene_point(QPointF in_viewport) const {
    return in_viewport + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void tree_canvas::update_scroll_ranges() {
    const QSizeF size = layout().size(tree_);
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(size.width())) - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(size.height())) - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

bool tree_canvas::held_by_user() const {
    return horizontalScrollBar()->isSliderDown() || verticalScrollBar()->isSliderDown() ||
           (since_user_moved_.isValid() && since_user_moved_.elapsed() < hold_ms);
}

void tree_canvas::user_moved_view() { since_user_moved_.restart(); }

void tree_canvas::tree_changed() {
    if (marks_.selected != no_node && marks_.selected >= tree_.nodes().size()) marks_.selected = no_node;
    update_scroll_ranges();
    if (!held_by_user()) show_node(tree_.current(), false);
    describe_selection();
    viewport()->update();
}

// The node comes into view: centred, or by as little as keeps a margin round it.
void tree_canvas::show_node(node_id id, bool centred) {
    // The node with its edge and the log line beside it.
    const tree_layout l = layout();
    const QRectF box =
        l.box(tree_.at(id)).adjusted(0, -l.row_pitch() / 2, l.column_pitch() - l.box_width(), 0);
    const QSizeF view = viewport()->size();
    const auto place = [centred](QScrollBar* bar, double low, double high, double room) {
        const double margin = std::min(room / 4, 40.0);
        double value = bar->value();
        if (centred)
            value = (low + high - room) / 2;
        else if (low - margin < value)
            value = low - margin;
        else if (high + margin > value + room)
            value = high + margin - room;
        bar->setValue(static_cast<int>(std::lround(value)));
    };
    place(horizontalScrollBar(), box.left(), box.right(), view.width());
    place(verticalScrollBar(), box.top(), box.bottom(), view.height());
}

void tree_canvas::zoom_at(double factor, QPointF anchor) {
    const QSizeF whole = tree_layout(tree_.ball_count(), 1).size(tree_);
    const double fit_zoom =
        std::min(viewport()->width() / whole.width(), viewport()->height() / whole.height());
    const double next = std::clamp(zoom_ * factor, std::min(1.0, fit_zoom), most_zoom);
    const QPointF at = scene_point(anchor) / zoom_ * next;
    zoom_ = next;
    update_scroll_ranges();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(at.x() - anchor.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(at.y() - anchor.y())));
    user_moved_view();
    viewport()->update();
}

void tree_canvas::zoom_by(double factor) {
    zoom_at(factor, QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
}

void tree_canvas::fit() {
    const QSizeF whole = tree_layout(tree_.ball_count(), 1).size(tree_);
    zoom_ = std::min({most_zoom, viewport()->width() / whole.width(), viewport()->height() / whole.height()});
    // The rows spread over the window's height, no further apart than at zoom 1.
    const double height = tree_layout(tree_.ball_count(), zoom_).size(tree_).height();
    row_stretch_ = std::clamp(viewport()->height() / height, 1.0, std::max(1.0, 1 / zoom_));
    update_scroll_ranges();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    user_moved_view();
    viewport()->update();
}

void tree_canvas::follow() {
    since_user_moved_.invalidate();
    show_node(tree_.current(), true);
    viewport()->update();
}

void tree_canvas::select(node_id id) {
    marks_.selected = id;
    if (id != no_node) show_node(id, false);
    describe_selection();
    viewport()->update();
}

// What a screen reader says of the tree: the node selected, or where the search stands.
void tree_canvas::describe_selection() {
    const node_id id = marks_.selected != no_node ? marks_.selected : tree_.current();
    const search_tree::node& n = tree_.at(id);
    QString text = id == tree_.current() ? QStringLiteral("Current position ") : QStringLiteral("Position ");
    text +=
        QString::fromStdString(tree_.board_of(id)) + QStringLiteral(", depth ") + QString::number(n.depth);
    if (id != 0) text += QStringLiteral(", reached by ") + QString::fromStdString(marks_.line_text(n.line));
    setAccessibleDescription(text);
}

QImage tree_canvas::picture_of_view() {
    QImage image(viewport()->size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(Qt::white);
    QPainter p(&image);
    const QPointF origin = scene_point(QPointF());
    p.translate(-origin);
    paint_tree(p, tree_, layout(), QRectF(origin, QSizeF(viewport()->size())), marks_);
    return image;
}

void tree_canvas::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPointF origin = scene_point(QPointF());
    p.translate(-origin);
    paint_tree(p, tree_, layout(), QRectF(origin, QSizeF(viewport()->size())), marks_);
}

void tree_canvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    update_scroll_ranges();
}

void tree_canvas::scrollContentsBy(int, int) { viewport()->update(); }

void tree_canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    const node_id id = layout().node_at(tree_, scene_point(event->position()));
    if (id == no_node) return;
    select(id);
    emit chosen(id);
}

void tree_canvas::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        zoom_at(std::pow(1.25, event->angleDelta().y() / 120.0), event->position());
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
    user_moved_view();
}

// The arrows walk the tree: up to the parent, down to the first child, left
// and right to the siblings; Enter chooses the node.
void tree_canvas::keyPressEvent(QKeyEvent* event) {
    const bool selected = marks_.selected != no_node && marks_.selected < tree_.nodes().size();
    const node_id at = selected ? marks_.selected : tree_.current();
    const search_tree::node& n = tree_.at(at);
    node_id next = no_node;
    switch (event->key()) {
    case Qt::Key_Up: next = n.parent; break;
    case Qt::Key_Down:
        if (at + 1 < tree_.nodes().size() && tree_.at(at + 1).parent == at) next = at + 1;
        break;
    case Qt::Key_Left: next = n.previous_sibling; break;
    case Qt::Key_Right: next = tree_.next_sibling(at); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        select(at);
        emit chosen(at);
        return;
    default: return QAbstractScrollArea::keyPressEvent(event);
    }
    select(next != no_node ? next : at);
}

bool tree_canvas::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const node_id id = layout().node_at(tree_, scene_point(help->pos()));
    if (id == no_node) {
        QToolTip::hideText();
        return true;
    }
    const search_tree::node& n = tree_.at(id);
    QStringList lines{QString::fromStdString(tree_.board_of(id))};
    if (id != 0) lines << QString::fromStdString(marks_.line_text(n.line));
    if (id == tree_.current()) lines << QStringLiteral("where the search stands");
    if (n.marks & search_tree::goal) lines << QStringLiteral("the goal");
    if (const std::size_t folded = tree_.folded_below(id))
        lines << QStringLiteral("%1 positions below it, folded: none leads on (a click opens them)")
                     .arg(folded);
    if (n.marks & search_tree::dead_end)
        lines << QStringLiteral("a dead end: no move is possible");
    else if (n.marks & search_tree::exhausted)
        lines << QStringLiteral("left by a Backtrack");
    if (n.marks & search_tree::repeat) {
        const engine::count first = n.first_seen;
        lines << (first == 0 ? QStringLiteral("the start position again")
                             : QStringLiteral("seen before, after line %1").arg(first));
    }
    QToolTip::showText(help->globalPos(), lines.join('\n'), viewport());
    return true;
}

tree_window::tree_window(search_view::playground& run, QWidget* parent)
    : QWidget(parent, Qt::Window), run_(&run), tree_(run.ball_count(), [this](std::size_t j) {
          return run_ ? run_->langkah.List(j) : std::string();
      }) {
    setWindowTitle(QStringLiteral("Search Tree"));
    setObjectName(QStringLiteral("search_tree"));
    setAttribute(Qt::WA_DeleteOnClose);
    canvas_ = new tree_canvas(tree_, marks(), this);
    counters_ = new QLabel(this);
    counters_->setObjectName(QStringLiteral("counters"));
    counters_->setAccessibleName(QStringLiteral("Counters"));
    counters_->setWordWrap(true);
    explanation_ = new QLabel(this);
    explanation_->setObjectName(QStringLiteral("explanation"));
    explanation_->setAccessibleName(QStringLiteral("Why this step"));
    explanation_->setWordWrap(true);
    // Two lines always, so that the tree above keeps its place from step to step.
    explanation_->setMinimumHeight(2 * explanation_->fontMetrics().lineSpacing());
    explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, const QString& tip, auto action) {
        auto* b = new QPushButton(text, this);
        b->setToolTip(tip);
        b->setAccessibleName(QString(text).remove(QChar('&')).remove(QStringLiteral("…")));
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    button(QStringLiteral("&Fit"), QStringLiteral("The whole tree (Ctrl+0)"), [this] { canvas_->fit(); });
    button(QStringLiteral("F&ollow"), QStringLiteral("Back to where the search stands"),
           [this] { canvas_->follow(); });
    button(QStringLiteral("&Save picture…"), QStringLiteral("The whole tree as PNG or SVG"),
           [this] { ask_and_save(); });
    button(QStringLiteral("&Copy"), QStringLiteral("The view as a picture"),
           [this] { QGuiApplication::clipboard()->setImage(canvas_->picture_of_view()); });
    predict_ = new QPushButton(QStringLiteral("Predict each step"), this);
    predict_->setObjectName(QStringLiteral("predict"));
    predict_->setCheckable(true);
    predict_->setToolTip(QStringLiteral("Before each step, say what the search does next (P)"));
    predict_->setAccessibleName(predict_->text());
    connect(predict_, &QPushButton::clicked, this, [this](bool on) {
        if (run_) run_->predict_steps(on);
    });
    buttons->addWidget(predict_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(canvas_, 1);
    build_prediction_panel(*layout);
    layout->addWidget(explanation_);
    layout->addWidget(counters_);

    const auto shortcut = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { canvas_->fit(); });
    shortcut(QKeySequence::ZoomIn, [this] { canvas_->zoom_by(1.25); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { canvas_->zoom_by(1.25); });
    shortcut(QKeySequence::ZoomOut, [this] { canvas_->zoom_by(0.8); });
    connect(canvas_, &tree_canvas::chosen, this, [this](node_id id) { go_to(id); });

    resize(960, 540);
    run.listen_to_steps(*this);
    steps_changed();
    refresh();
    canvas_->setFocus();
}

// The marks of a picture of this tree: its edges read their lines from the run's log.
tree_marks tree_window::marks() const {
    tree_marks marks;
    marks.line_text = [this](engine::count line) {
        return run_ && line >= 1 && static_cast<std::size_t>(line) <= run_->langkah.ListCount()
                   ? run_->langkah.List(static_cast<std::size_t>(line - 1))
                   : std::string();
    };
    return marks;
}

tree_window::~tree_window() {
    if (run_) run_->stop_listening_to_steps(*this);
}

// Esc closes the window, from whichever of its controls has the focus.
void tree_window::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void tree_window::close_for_program() {
    if (run_) run_->stop_listening_to_steps(*this);
    run_ = nullptr;
    close();
}

// The tree follows each step at once; the view, the counters and what a
// screen reader hears follow once the events of the moment are handled, so
// a burst of steps costs one refresh.
void tree_window::steps_changed() {
    if (!run_) return;
    std::string line;
    tree_.follow(run_->langkah.ListCount(), run_->goal_reached(), [&](std::size_t j) -> std::string_view {
        run_->langkah.List(j, line);
        return line;
    });
    if (tree_.goal_reached()) total_steps_ = tree_.count().steps;
    if (std::exchange(refresh_pending_, true)) return;
    QMetaObject::invokeMethod(
        this, [this] { refresh(); }, Qt::QueuedConnection);
}

void tree_window::refresh() {
    refresh_pending_ = false;
    canvas_->tree_changed();
    counters_->setText(counters_text());
    // The run is deterministic: the same step has the same reason, and a
    // step that left a fold costs a reading of the fold only once.
    const auto step = std::make_pair(tree_.lines_read(), tree_.goal_reached());
    if (step != explained_step_) {
        explained_step_ = step;
        explanation_->setText(QString::fromStdString(why_last_step()));
    }
    show_prediction();
}

// The question, with a button for each answer, and the verdict on the last
// answer; shown only while the learner predicts. The playground's keys, P
// and 1 to 6 among them, act in this window too.
void tree_window::build_prediction_panel(QVBoxLayout& layout) {
    prediction_ = new QWidget(this);
    prediction_->setObjectName(QStringLiteral("prediction"));
    auto* rows = new QVBoxLayout(prediction_);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* answers = new QHBoxLayout;
    question_ = new QLabel(QStringLiteral("What does the search do next?"), prediction_);
    question_->setObjectName(QStringLiteral("question"));
    question_->setAccessibleName(question_->text());
    answers->addWidget(question_);
    for (int key = 1; key <= search_tree::next_step_count; ++key) {
        const auto step = static_cast<search_tree::next_step>(key);
        const QString name = QString::fromStdString(search_tree::name_of(step));
        auto* b = new QPushButton(QStringLiteral("%1 %2").arg(key).arg(name), prediction_);
        b->setObjectName(QStringLiteral("answer_%1").arg(key));
        b->setAccessibleName(name);
        b->setToolTip(QStringLiteral("Key %1").arg(key));
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, [this, step] {
            if (run_) run_->answer(step);
        });
        answers->addWidget(b);
        answers_ << b;
    }
    answers->addStretch();
    rows->addLayout(answers);
    verdict_ = new QLabel(prediction_);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setAccessibleName(QStringLiteral("Your prediction"));
    verdict_->setMinimumHeight(verdict_->fontMetrics().lineSpacing());
    rows->addWidget(verdict_);
    prediction_->hide();
    layout.addWidget(prediction_);
}

void tree_window::show_prediction() {
    const bool on = run_ && run_->predicting();
    predict_->setChecked(on);
    prediction_->setVisible(on);
    const bool asking = on && run_->asking();
    for (QPushButton* b : std::as_const(answers_)) b->setEnabled(asking);
    question_->setText(asking                       ? QStringLiteral("What does the search do next?")
                       : on && run_->goal_reached() ? QStringLiteral("The search has found the goal.")
                                                    : QStringLiteral("The search takes its step."));
    question_->setAccessibleName(question_->text());
    verdict_->setText(verdict_text());
    // A new question is read out at once.
    if (asking && !std::exchange(was_asking_, true)) {
        QAccessibleEvent alert(question_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    was_asking_ = asking;
}

// The verdict on the last answer while the run stands after its step.
QString tree_window::verdict_text() const {
    if (!run_) return {};
    const auto& last = run_->score().last();
    if (!last || last->step != tree_.count().steps) return QString();
    const QString right = QString::fromStdString(search_tree::name_of(last->right));
    const QString verdict = last->is_right()
                                ? QStringLiteral("Step %1: right, %2.").arg(last->step).arg(right)
                                : QStringLiteral("Step %1: not %2 but %3.")
                                      .arg(last->step)
                                      .arg(QString::fromStdString(search_tree::name_of(last->given)), right);
    return last->counted ? verdict
                         : verdict + QStringLiteral(" The score keeps the first answer to this step.");
}

// The step the run stands after, and why the search took it: read from the
// tree as it was before that step, which it is for a moment again.
std::string tree_window::why_last_step() {
    if (tree_.goal_reached()) {
        tree_.reach_goal(false);
        std::string why = search_tree::explain_next_step(tree_, {});
        tree_.reach_goal(true);
        return why;
    }
    if (!run_ || tree_.lines_read() == 0) return "Step 0: the start position; the search has not moved yet.";
    const std::string line = run_->langkah.List(tree_.lines_read() - 1);
    tree_.remove_last_line();
    std::string why = search_tree::explain_next_step(tree_, line);
    tree_.add_line(line);
    return why;
}

// A node brings the playground to the step that made it, as its line of "All
// Moves" would; a fold opens instead, where it stands.
void tree_window::go_to(node_id id) {
    if (tree_.folded_below(id) > 0) {
        tree_.open_fold(id);
        canvas_->select(id);
        refresh();
        return;
    }
    const engine::count step = id == 0 ? 0 : tree_.at(id).line;
    if (run_ && run_->can_go_to_step(step)) run_->go_to_step(step);
}

QString tree_window::counters_text() const {
    const search_tree::counters& c = tree_.count();
    const auto counted = [](engine::count n, const char* one, const char* many) {
        return QString::number(n) + ' ' + QString::fromLatin1(n == 1 ? one : many);
    };
    QString text = QStringLiteral("Step %1").arg(c.steps);
    if (total_steps_ >= 0) text += QStringLiteral(" of %1").arg(total_steps_);
    if (run_ && run_->predicting())
        text = QStringLiteral("%1 of %2 right. ").arg(run_->score().right()).arg(run_->score().answered()) +
               text;
    return text + QStringLiteral(", depth %1: ").arg(c.depth) +
           counted(static_cast<engine::count>(c.positions), "position", "positions") +
           QStringLiteral(" visited, ") +
           QStringList{counted(c.moves, "move", "moves"), counted(c.backtracks, "backtrack", "backtracks"),
                       counted(c.dead_ends, "dead end", "dead ends"), counted(c.repeats, "repeat", "repeats"),
                       QStringLiteral("deepest path %1").arg(c.deepest)}
               .join(QStringLiteral(", "));
}

// The whole tree, at a zoom that keeps the picture within bounds a viewer opens.
bool tree_window::save_picture(const QString& file_name) const {
    const QSizeF whole = tree_layout(tree_.ball_count(), 1).size(tree_);
    const bool svg = file_name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const double most = svg ? 100000 : 16000;
    const tree_layout layout(tree_.ball_count(),
                             std::min({1.0, most / whole.width(), most / whole.height()}));
    const QSizeF size = layout.size(tree_);
    const auto paint = [&](QPainter& p) { paint_tree(p, tree_, layout, QRectF(QPointF(), size), marks()); };
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(file_name);
        generator.setSize(size.toSize());
        generator.setViewBox(QRectF(QPointF(), size));
        generator.setTitle(QStringLiteral("Search tree"));
        QPainter p;
        if (!p.begin(&generator)) return false;
        paint(p);
        return p.end();
    }
    QImage image(size.toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paint(p);
    p.end();
    return image.save(file_name, "PNG");
}

void tree_window::ask_and_save() {
    const QString file_name =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save picture"), QStringLiteral("search-tree.png"),
                                     QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"));
    if (file_name.isEmpty()) return;
    if (!save_picture(file_name))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The picture could not be written to %1.").arg(file_name));
}

}  // namespace qt_host
