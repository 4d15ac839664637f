// The paint loop over the painted controls, the placing of real widgets, and the scrolling track row.
#include "ui/qt/scene_view.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/qt/painters.h"
#include "ui/qt/widget_adapters.h"

namespace qt_host {

namespace {

// The painted controls are filed by columns of the scene this many pixels wide.
constexpr int column_pixels = 512;
// After the user scrolls, the view leaves the moving marble alone this long:
// from the last wheel step of a burst, or from the release of the scroll bar.
constexpr qint64 user_scroll_grace_ms = 3000;
// A scene at most this much larger than the view still counts as fitting:
// fractional screen scales round the window's size by a pixel or two.
constexpr int fit_slack = 2;

long column_of(int x) { return static_cast<long>(std::floor(x / double{column_pixels})); }

// The first and last column that a stretch of the scene, in pixels, reaches into.
std::pair<long, long> columns_of(const QRect& extent) {
    return {column_of(extent.left()), column_of(extent.right())};
}

}  // namespace

scene_view::scene_view(ui::form& model, pictures& faces, QWidget* parent)
    : QAbstractScrollArea(parent), model_(&model), faces_(faces) {
    setFrameShape(QFrame::NoFrame);
    // A click on the scene or a scroll bar leaves the keyboard focus where it was.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);  // the paint loop fills every exposed pixel
    // The grace after the user scrolls counts from when they let go: a thumb
    // held still sends nothing until it is released.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { user_scrolled_.start(); });
        bar->installEventFilter(this);
    }
    user_scrolled_.invalidate();
    for (ui::control* each : model.controls()) show_control(*each);
    // A click on an arrow moves by one cell, as wide as the track row's first
    // control; a page is the view's width, set with the ranges.
    for (const ui::control* each : model.controls())
        if (each->in_track_row()) {
            const int cell = pixels({0, 0, each->Width(), each->Width()}).width();
            for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) bar->setSingleStep(cell);
            break;
        }
    model.observe(*this);
    update_scroll_ranges();
}

scene_view::~scene_view() { detach(); }

void scene_view::detach() {
    if (!model_) return;
    model_->stop_observing(*this);
    for (auto& [control, adapter] : adapters_) adapter->detach();
    model_ = nullptr;
}

QSize scene_view::client_size() const {
    if (!model_) return {};
    const QRect client =
        pixels({0, 0, model_->Width() - ui::frame_width, model_->Height() - ui::frame_height});
    return {std::max(1, client.width()), std::max(1, client.height())};
}

QSize scene_view::smallest_client_size(int width) const {
    if (!model_) return {};
    // The panel: every control outside the track row, as far as the scene shows it.
    QRect panel;
    for (const ui::control* each : painted_panel_) panel |= painted_extent(*each, each->area());
    for (const auto& [control, adapter] : adapters_)
        if (!control->in_track_row()) panel |= pixels(control->area());
    const QSize scene = client_size();
    panel &= QRect(QPoint(0, 0), scene);
    // A view narrower than the scene shows the panel centred (panel_shift()):
    // all of it once the view reaches as far each way from the centre as the
    // panel does. There the track scrolls, and its scroll bar stands below
    // the scene, covering nothing: the scene's whole height stays in view,
    // so nothing scrolls up and down.
    const int view = std::max(scene.width() - 2 * panel.left(), 2 * (panel.right() + 1) - scene.width() + 1);
    const bool scrolls = scene.width() > width + fit_slack;
    return {std::min(view, scene.width()),
            scene.height() + (scrolls ? horizontalScrollBar()->sizeHint().height() : 0)};
}

QWidget* scene_view::widget_of(const ui::control& which) const {
    auto found = adapters_.find(&which);
    return found == adapters_.end() ? nullptr : &found->second->widget();
}

int scene_view::panel_shift() const {
    if (horizontalScrollBar()->maximum() == 0) return 0;
    return (client_size().width() - viewport()->width()) / 2;
}

QPoint scene_view::shift_of(const ui::control& which) const {
    const int x = which.in_track_row() ? horizontalScrollBar()->value() : panel_shift();
    return {x, verticalScrollBar()->value()};
}

void scene_view::show_control(ui::control& which) {
    if (is_painted(which)) {
        file_in_columns(which, painted_extent(which, which.area()));
        if (!which.in_track_row()) painted_panel_.push_back(&which);
        return;
    }
    if (auto adapter = make_adapter(which, viewport(), faces_)) {
        place(which, adapter->widget());
        adapters_[&which] = std::move(adapter);
    }
}

void scene_view::file_in_columns(ui::control& which, const QRect& extent) {
    const auto [first, last] = columns_of(extent);
    for (long c = first; c <= last; ++c) columns_[c].push_back(&which);
    if (which.in_track_row()) track_band_ |= extent;
}

void scene_view::take_from_columns(ui::control& which, const QRect& extent) {
    const auto [first, last] = columns_of(extent);
    for (long c = first; c <= last; ++c) {
        auto& column = columns_[c];
        column.erase(std::remove(column.begin(), column.end(), &which), column.end());
    }
}

void scene_view::place(const ui::control& which, QWidget& widget) const {
    widget.setGeometry(pixels(which.area()).translated(-shift_of(which)));
}

void scene_view::place_widgets() {
    if (!model_) return;
    for (auto& [control, adapter] : adapters_) place(*control, adapter->widget());
}

void scene_view::control_loaded(ui::control& loaded) { show_control(loaded); }

void scene_view::control_changed(ui::control& changed, const ui::bounds& before) {
    if (auto found = adapters_.find(&changed); found != adapters_.end()) {
        found->second->sync();
        place(changed, found->second->widget());
        return;
    }
    const ui::bounds& now = changed.area();
    const QRect was = painted_extent(changed, before);
    const QRect is = painted_extent(changed, now);
    if (columns_of(was) != columns_of(is)) {
        take_from_columns(changed, was);
        file_in_columns(changed, is);
    } else if (changed.in_track_row()) {
        track_band_ |= is;  // a jumping marble rises above the cells
    }
    // Redraw where it was and where it is.
    viewport()->update(was.united(is).translated(-shift_of(changed)));
    if (changed.followed_as_it_moves() && changed.Visible() && before.left != now.left) follow(changed);
}

void scene_view::form_changed() { update_scroll_ranges(); }

void scene_view::update_scroll_ranges() {
    const QSize content = client_size();
    const QSize whole = size();  // the view without scroll bars
    const int bar_height = horizontalScrollBar()->sizeHint().height();
    const int bar_width = verticalScrollBar()->sizeHint().width();
    // A bar is needed where the scene does not fit; a bar takes room from
    // the other direction, which may then need one too.
    bool wide = content.width() > whole.width() + fit_slack;
    bool tall = content.height() > whole.height() + fit_slack;
    if (wide && !tall) tall = content.height() > whole.height() - bar_height + fit_slack;
    if (tall && !wide) wide = content.width() > whole.width() - bar_width + fit_slack;
    const QSize view(whole.width() - (tall ? bar_width : 0), whole.height() - (wide ? bar_height : 0));
    horizontalScrollBar()->setRange(0, wide ? std::max(0, content.width() - view.width()) : 0);
    verticalScrollBar()->setRange(0, tall ? std::max(0, content.height() - view.height()) : 0);
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    place_widgets();
    viewport()->update();
}

void scene_view::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    update_scroll_ranges();
}

void scene_view::scrollContentsBy(int dx, int dy) {
    // Vertically the whole scene moves, widgets and all.
    if (dy != 0) viewport()->scroll(0, dy);
    if (dx == 0) return;
    // Sideways only the track row moves: its band is painted again. Painted,
    // not shifted, it keeps no stale pixel where the view glides after a
    // moving marble; a band one view wide costs the same however long the
    // track.
    const QRect band(0, track_band_.top() - verticalScrollBar()->value(), viewport()->width(),
                     track_band_.height());
    viewport()->update(band);
}

bool scene_view::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar()))
        user_scrolled_.start();
    return QAbstractScrollArea::eventFilter(watched, event);
}

void scene_view::wheelEvent(QWheelEvent* event) {
    user_scrolled_.start();
    // With nothing to scroll up and down, the wheel scrolls the track.
    if (verticalScrollBar()->maximum() == 0)
        QCoreApplication::sendEvent(horizontalScrollBar(), event);
    else
        QAbstractScrollArea::wheelEvent(event);
}

void scene_view::settle_focus_and_scroll() {
    if (!model_) return;
    std::vector<ui::control*> order;
    for (ui::control* each : model_->controls())
        if (each->TabIndex() >= 0 && widget_of(*each)) order.push_back(each);
    std::stable_sort(order.begin(), order.end(), [](const ui::control* a, const ui::control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(widget_of(*order[i - 1]), widget_of(*order[i]));
    if (!order.empty()) widget_of(*order.front())->setFocus();
    if (const ui::control* start = model_->opens_on())
        horizontalScrollBar()->setValue(pixels(start->area()).center().x() - viewport()->width() / 2);
}

// Keeps a moving marble in sight, a cell or two from the view's edges, by
// moving the track in small steps, unless the user is looking elsewhere.
void scene_view::follow(const ui::control& moving) {
    QScrollBar* bar = horizontalScrollBar();
    if (bar->maximum() == 0 || bar->isSliderDown()) return;
    if (user_scrolled_.isValid() && user_scrolled_.elapsed() < user_scroll_grace_ms) return;
    const QRect at = pixels(moving.area());
    const int view = viewport()->width();
    const int margin = std::min(2 * at.width(), view / 4);
    int target = bar->value();
    if (at.left() - margin < target)
        target = at.left() - margin;
    else if (at.right() + margin > target + view)
        target = at.right() + margin - view;
    // A marble just out of sight is reached by a glide; one that the user
    // left far behind, by a jump straight to it.
    const int most = std::max(1, view / 8);
    if (std::abs(target - bar->value()) > view)
        bar->setValue(at.center().x() - view / 2);
    else
        bar->setValue(std::clamp(target, bar->value() - most, bar->value() + most));
}

void scene_view::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    painter.fillRect(exposed,
                     model_ ? colour_of(model_->BackColor(), palette()) : palette().color(QPalette::Base));
    if (!model_) return;

    // The track row and the panel are shifted apart: look in both places.
    std::vector<const ui::control*> items;
    const int v = verticalScrollBar()->value();
    for (const int x : {horizontalScrollBar()->value(), panel_shift()}) {
        const QRect scene = exposed.translated(x, v);
        const auto [first, last] = columns_of(scene);
        for (long c = first; c <= last; ++c) {
            auto found = columns_.find(c);
            if (found == columns_.end()) continue;
            for (const ui::control* each : found->second)
                if (each->Visible() &&
                    painted_extent(*each, each->area()).translated(-shift_of(*each)).intersects(exposed))
                    items.push_back(each);
        }
    }
    std::sort(items.begin(), items.end(),
              [](const ui::control* a, const ui::control* b) { return a->z() < b->z(); });
    items.erase(std::unique(items.begin(), items.end()), items.end());
    const paint_context context{palette(), font(), faces_};
    for (const ui::control* each : items) {
        painter.setTransform(QTransform::fromTranslate(-shift_of(*each).x(), -v));
        paint_control(painter, *each, context);
    }
}

}  // namespace qt_host
