// Paints labels, marbles and the backdrop from the model; places and updates the real widgets.
#include "ui/qt/scene_view.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QFont>
#include <QListView>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "ui/form/list_box.h"
#include "ui/form/text_box.h"
#include "ui/qt/line_edit.h"
#include "ui/qt/list_model.h"
#include "ui/qt/picture_button.h"
#include "ui/qt/pictures.h"

namespace qt_host {

namespace {

constexpr double column_twips = 8192;
// After the user scrolls, the view leaves the moving marble alone this long.
constexpr qint64 user_scroll_grace_ms = 3000;

long column_of(double twips) { return static_cast<long>(std::floor(twips / column_twips)); }

QColor colour_of(ui::colour c, const QPalette& palette) {
    if (c & 0x80000000u) return palette.color(QPalette::Base);  // a system colour
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QFont font_of(const ui::font_spec& wanted, const QFont& fallback) {
    QFont font = fallback;
    if (!wanted.family.empty()) font.setFamily(QString::fromStdString(wanted.family));
    // Points to logical pixels at the model's 96 dots an inch.
    if (wanted.points > 0) font.setPixelSize(static_cast<int>(std::lround(wanted.points * 4.0 / 3.0)));
    font.setBold(wanted.bold);
    return font;
}

}  // namespace

QRect scene_view::pixels(const ui::bounds& area) {
    const auto px = [](double twips) { return static_cast<int>(std::lround(twips / ui::twips_per_pixel)); };
    const int left = px(area.left), top = px(area.top);
    return QRect(left, top, px(double{area.left} + area.width) - left, px(double{area.top} + area.height) - top);
}

scene_view::scene_view(ui::form& model, pictures& faces, QWidget* parent)
    : QAbstractScrollArea(parent), model_(&model), faces_(faces) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    for (ui::control* each : model.controls()) {
        if (painted(*each))
            index(*each, each->area(), true);
        else
            make_widget(*each);
    }
    model.observe(this);
    update_scroll_ranges();
    user_scrolled_.invalidate();
}

scene_view::~scene_view() { detach(); }

void scene_view::detach() {
    if (!model_) return;
    model_->observe(nullptr);
    for (list_model* list : lists_) list->detach();
    for (auto& [control, widget] : widgets_)
        if (auto* edit = dynamic_cast<line_edit*>(widget)) edit->detach();
    model_ = nullptr;
}

QSize scene_view::client_size() const {
    if (!model_) return {};
    const QRect client = pixels({0, 0, model_->Width() - ui::frame_width, model_->Height() - ui::frame_height});
    return {std::max(1, client.width()), std::max(1, client.height())};
}

bool scene_view::painted(const ui::control& which) const {
    switch (which.kind()) {
    case ui::control_kind::label:
    case ui::control_kind::shape: return true;
    case ui::control_kind::image: return !static_cast<const ui::image&>(which).Click;
    default: return false;
    }
}

QWidget* scene_view::widget_of(const ui::control& which) const {
    auto found = widgets_.find(&which);
    return found == widgets_.end() ? nullptr : found->second;
}

void scene_view::make_widget(ui::control& which) {
    QWidget* widget = nullptr;
    switch (which.kind()) {
    case ui::control_kind::text_box:
        widget = new line_edit(static_cast<ui::text_box&>(which), viewport());
        break;
    case ui::control_kind::command_button: {
        auto& model = static_cast<ui::command_button&>(which);
        auto* button = new QPushButton(QString::fromStdString(model.Caption()), viewport());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [&model] { model.click(); });
        widget = button;
        break;
    }
    case ui::control_kind::image: {
        auto& model = static_cast<ui::image&>(which);
        auto* button = new picture_button(viewport());
        button->setToolTip(QString::fromStdString(model.ToolTipText()));
        button->setAccessibleName(QString::fromStdString(model.ToolTipText()));
        connect(button, &QAbstractButton::clicked, this, [&model] { model.click(); });
        widget = button;
        break;
    }
    case ui::control_kind::slider: {
        auto& model = static_cast<ui::slider&>(which);
        auto* slider = new QSlider(Qt::Horizontal, viewport());
        slider->setRange(model.Min(), model.Max());
        slider->setSingleStep(model.SmallChange());
        slider->setPageStep(model.LargeChange());
        slider->setValue(model.Value());
        slider->setAccessibleName(QString::fromLatin1(model.name()));
        connect(slider, &QSlider::valueChanged, this, [&model](int value) { model.Value(value); });
        widget = slider;
        break;
    }
    case ui::control_kind::list_box: {
        auto* view = new QListView(viewport());
        auto* lines = new list_model(static_cast<ui::list_box&>(which), view);
        lists_.push_back(lines);
        view->setModel(lines);
        view->setUniformItemSizes(true);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setAccessibleName(QString::fromLatin1(which.name()));
        // The log grows at the bottom; stay there unless the reader scrolled up.
        connect(lines, &QAbstractItemModel::rowsInserted, view, [view] {
            QScrollBar* bar = view->verticalScrollBar();
            if (bar->value() >= bar->maximum() - 1 && !bar->isSliderDown()) view->scrollToBottom();
        });
        widget = view;
        break;
    }
    default: return;
    }
    widget->setObjectName(QString::fromLatin1(which.name()));
    widgets_[&which] = widget;
    sync_widget(which, *widget);
}

void scene_view::sync_widget(ui::control& which, QWidget& widget) {
    widget.setGeometry(pixels(which.area()).translated(-offset()));
    widget.setVisible(which.Visible());
    widget.setEnabled(which.Enabled());
    switch (which.kind()) {
    case ui::control_kind::image:
        static_cast<picture_button&>(widget).set_face(faces_.pixmap(static_cast<ui::image&>(which).Picture()));
        break;
    case ui::control_kind::slider: {
        auto& slider = static_cast<QSlider&>(widget);
        const QSignalBlocker quiet(slider);
        slider.setValue(static_cast<ui::slider&>(which).Value());
        break;
    }
    case ui::control_kind::text_box: static_cast<line_edit&>(widget).show_model(); break;
    default: break;
    }
}

void scene_view::index(ui::control& which, const ui::bounds& area, bool add) {
    const long first = column_of(area.left), last = column_of(double{area.left} + area.width);
    for (long c = first; c <= last; ++c) {
        auto& column = columns_[c];
        if (add) {
            column.push_back(&which);
        } else {
            column.erase(std::remove(column.begin(), column.end(), &which), column.end());
        }
    }
}

QPoint scene_view::offset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void scene_view::control_loaded(ui::control& loaded) {
    if (painted(loaded))
        index(loaded, loaded.area(), true);
    else
        make_widget(loaded);
}

void scene_view::control_changed(ui::control& changed, const ui::bounds& before) {
    if (QWidget* widget = widget_of(changed)) {
        sync_widget(changed, *widget);
        return;
    }
    const ui::bounds& now = changed.area();
    if (column_of(before.left) != column_of(now.left) ||
        column_of(double{before.left} + before.width) != column_of(double{now.left} + now.width)) {
        index(changed, before, false);
        index(changed, now, true);
    }
    // Redraw where it was and where it is; a pixel more for antialiased edges.
    const QRect dirty = pixels(before).united(pixels(now)).adjusted(-1, -1, 1, 1).translated(-offset());
    viewport()->update(dirty);
    if (changed.kind() == ui::control_kind::shape && changed.Visible() && before.left != now.left)
        follow(changed);
}

void scene_view::form_changed() { update_scroll_ranges(); }

void scene_view::update_scroll_ranges() {
    const QSize content = client_size();
    // Scroll bars only when the scene does not fit the whole area.
    const bool fits = content.width() <= width() && content.height() <= height();
    const QSize view = fits ? size() : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(41);
    verticalScrollBar()->setSingleStep(41);
}

void scene_view::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    update_scroll_ranges();
}

void scene_view::scrollContentsBy(int dx, int dy) {
    // Moves the painted pixels and the child widgets together.
    viewport()->scroll(dx, dy);
}

void scene_view::wheelEvent(QWheelEvent* event) {
    user_scrolled_.start();
    QAbstractScrollArea::wheelEvent(event);
}

void scene_view::settle_focus_and_scroll() {
    if (!model_) return;
    std::vector<ui::control*> order;
    for (ui::control* each : model_->controls())
        if (each->TabIndex() >= 0 && widget_of(*each)) order.push_back(each);
    std::sort(order.begin(), order.end(),
              [](const ui::control* a, const ui::control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(widget_of(*order[i - 1]), widget_of(*order[i]));
    if (!order.empty()) widget_of(*order.front())->setFocus();
    for (ui::control* each : model_->controls())
        if (each->kind() == ui::control_kind::image && painted(*each)) {
            centre_on(*each);
            break;
        }
}

void scene_view::centre_on(const ui::control& which) {
    const QRect at = pixels(which.area());
    horizontalScrollBar()->setValue(at.center().x() - viewport()->width() / 2);
    verticalScrollBar()->setValue(at.center().y() - viewport()->height() / 2);
}

// Keeps a moving marble in sight, unless the user is looking elsewhere.
void scene_view::follow(const ui::control& moving) {
    QScrollBar* bar = horizontalScrollBar();
    if (bar->maximum() == 0 || bar->isSliderDown()) return;
    if (user_scrolled_.isValid() && user_scrolled_.elapsed() < user_scroll_grace_ms) return;
    const QRect at = pixels(moving.area());
    const int margin = std::min(120, viewport()->width() / 4);
    if (at.left() - margin < bar->value() || at.right() + margin > bar->value() + viewport()->width())
        bar->setValue(at.center().x() - viewport()->width() / 2);
}

void scene_view::paint(QPainter& painter, const ui::control& which) {
    const QRect box = pixels(which.area());
    switch (which.kind()) {
    case ui::control_kind::label: {
        const auto& label = static_cast<const ui::label&>(which);
        painter.fillRect(box, colour_of(label.BackColor(), palette()));
        if (label.BorderStyle()) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
        if (!label.Caption().empty()) {
            painter.setPen(Qt::black);
            painter.setFont(font_of(label.Font(), font()));
            const Qt::Alignment align = label.Alignment() == ui::alignment::centre
                                            ? Qt::AlignHCenter | Qt::AlignTop
                                            : Qt::AlignLeft | Qt::AlignTop;
            // A caption wider than its label is cut at the label's edges.
            painter.save();
            painter.setClipRect(box);
            painter.drawText(box.adjusted(1, 1, -1, -1), align, QString::fromStdString(label.Caption()));
            painter.restore();
        }
        break;
    }
    case ui::control_kind::shape: {
        const auto& marble = static_cast<const ui::shape&>(which);
        const QRectF area(which.Left() / 15.0, which.Top() / 15.0, which.Width() / 15.0, which.Height() / 15.0);
        const double d = std::min(area.width(), area.height());
        const QRectF disc(area.center().x() - d / 2, area.center().y() - d / 2, d, d);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(colour_of(marble.BackColor(), palette()));
        painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setRenderHint(QPainter::Antialiasing, false);
        break;
    }
    case ui::control_kind::image:
        painter.drawPixmap(box.topLeft(), faces_.pixmap(static_cast<const ui::image&>(which).Picture()));
        break;
    default: break;
    }
}

void scene_view::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    painter.fillRect(exposed, model_ ? colour_of(model_->BackColor(), palette()) : palette().color(QPalette::Base));
    if (!model_) return;
    const QPoint shift = offset();
    painter.translate(-shift);
    const QRect scene = exposed.translated(shift);

    std::vector<const ui::control*> items;
    const long first = column_of(scene.left() * 15.0), last = column_of((scene.right() + 1) * 15.0);
    for (long c = first; c <= last; ++c) {
        auto found = columns_.find(c);
        if (found == columns_.end()) continue;
        for (const ui::control* each : found->second)
            if (each->Visible() && pixels(each->area()).adjusted(-1, -1, 1, 1).intersects(scene))
                items.push_back(each);
    }
    std::sort(items.begin(), items.end(), [](const ui::control* a, const ui::control* b) { return a->z() < b->z(); });
    items.erase(std::unique(items.begin(), items.end()), items.end());
    for (const ui::control* each : items) paint(painter, *each);
}

}  // namespace qt_host
