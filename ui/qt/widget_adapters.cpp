// Adapters for the text box, the command button, the picture buttons, the slider and the list boxes.
#include "ui/qt/widget_adapters.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/form/list_box.h"
#include "ui/form/text_box.h"
#include "ui/qt/line_edit.h"
#include "ui/qt/list_model.h"
#include "ui/qt/picture_button.h"
#include "ui/qt/pictures.h"

namespace qt_host {

widget_adapter::widget_adapter(ui::control& model, QWidget* widget) : model_(&model), widget_(widget) {
    widget->setObjectName(QString::fromLatin1(model.name()));
    widget->setAccessibleName(QString::fromStdString(model.accessible_name()));
}

widget_adapter::~widget_adapter() { detach(); }

void widget_adapter::sync() {
    if (!model_) return;
    widget_->setVisible(model_->Visible());
    widget_->setEnabled(model_->Enabled());
    sync_kind();
}

void widget_adapter::detach() {
    if (!model_) return;
    for (const auto& connection : connections_) QObject::disconnect(connection);
    connections_.clear();
    detach_kind();
    model_ = nullptr;
}

namespace {

class text_box_adapter : public widget_adapter {
public:
    text_box_adapter(ui::text_box& model, QWidget* parent)
        : widget_adapter(model, new line_edit(model, parent)) {}

private:
    line_edit& edit() const { return static_cast<line_edit&>(widget()); }
    void sync_kind() override { edit().show_model(); }
    void detach_kind() override { edit().detach(); }
};

class command_button_adapter : public widget_adapter {
public:
    command_button_adapter(ui::command_button& model, QWidget* parent)
        : widget_adapter(model, new QPushButton(QString::fromStdString(model.Caption()), parent)) {
        auto& button = static_cast<QPushButton&>(widget());
        button.setAutoDefault(false);
        keep(QObject::connect(&button, &QPushButton::clicked, [&model] { model.user_click(); }));
    }
};

// An image box that acts as a button: its face, its tool tip, its click.
class picture_button_adapter : public widget_adapter {
public:
    picture_button_adapter(ui::image& model, QWidget* parent, pictures& faces)
        : widget_adapter(model, new picture_button(parent)), faces_(faces) {
        auto& button = static_cast<picture_button&>(widget());
        button.setToolTip(QString::fromStdString(model.ToolTipText()));
        keep(QObject::connect(&button, &QAbstractButton::clicked, [&model] { model.user_click(); }));
    }

private:
    void sync_kind() override {
        static_cast<picture_button&>(widget()).set_face(
            faces_.pixmap(static_cast<const ui::image&>(*model()).Picture()));
    }
    pictures& faces_;
};

class slider_adapter : public widget_adapter {
public:
    slider_adapter(ui::slider& model, QWidget* parent)
        : widget_adapter(model, new QSlider(Qt::Horizontal, parent)) {
        QSlider& bar = slider();
        bar.setRange(model.Min(), model.Max());
        bar.setSingleStep(model.SmallChange());
        bar.setPageStep(model.LargeChange());
        bar.setValue(model.Value());
        keep(QObject::connect(&bar, &QSlider::valueChanged, [&model](int value) { model.Value(value); }));
    }

private:
    QSlider& slider() const { return static_cast<QSlider&>(widget()); }
    void sync_kind() override {
        const QSignalBlocker quiet(slider());
        slider().setValue(static_cast<const ui::slider&>(*model()).Value());
    }
};

// Every row is as wide as the widest line so far: the view then lays out
// uniform rows (fast for millions of lines) and still shows each line whole,
// with a horizontal scroll bar only once a line is wider than the list.
class widest_line_delegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::max(size.width(), widest_));
        return size;
    }
    void widen(int width, const QModelIndex& index) {
        if (width <= widest_) return;
        widest_ = width;
        emit sizeHintChanged(index);
    }

private:
    int widest_ = 0;
};

// A list view on which Enter chooses the current line, as a double-click
// chooses the line under the mouse, and which shows that it has the focus.
class log_view : public QListView {
    Q_OBJECT

public:
    using QListView::QListView;

signals:
    void chosen(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->modifiers() == Qt::NoModifier && currentIndex().isValid())
            emit chosen(currentIndex());
        QListView::keyPressEvent(event);
    }
    // The style shows the focus on the slider by outlining it in a darker
    // shade of the highlight, but draws a list's frame alike with or without
    // it: a list that has the focus outlines its frame in that shade.
    bool event(QEvent* event) override {
        const bool handled = QListView::event(event);
        if (event->type() == QEvent::Paint && hasFocus()) {
            QPainter painter(this);
            painter.setPen(palette().color(QPalette::Highlight).darker(125));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return handled;
    }
};

class list_adapter : public widget_adapter {
public:
    list_adapter(ui::list_box& model, QWidget* parent) : widget_adapter(model, new log_view(parent)) {
        auto& view = static_cast<log_view&>(list_view());
        lines_ = new list_model(model, &view);
        delegate_ = new widest_line_delegate(&view);
        view.setModel(lines_);
        view.setItemDelegate(delegate_);
        view.setUniformItemSizes(true);
        view.setTextElideMode(Qt::ElideNone);
        view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        view.setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Appending keeps the scroll position and the selection: the view
        // only learns how wide the new line is.
        keep(QObject::connect(lines_, &QAbstractItemModel::rowsInserted, &view,
                              [this](const QModelIndex&, int first, int last) {
                                  for (int row = first; row <= last; ++row) measure(row);
                              }));
        keep(QObject::connect(lines_, &list_model::row_shown, &view, [&view](const QModelIndex& index) {
            view.scrollTo(index, QAbstractItemView::EnsureVisible);
        }));
        keep(QObject::connect(lines_, &list_model::row_selected, &view, [&view](const QModelIndex& index) {
            view.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }));
        // The model knows the selected line, and hears the line the user chooses.
        keep(QObject::connect(view.selectionModel(), &QItemSelectionModel::currentChanged, &view,
                              [&model](const QModelIndex& current) {
                                  model.ListIndex(current.isValid() ? current.row() : -1);
                              }));
        const auto choose = [&model](const QModelIndex& index) {
            model.ListIndex(index.row());
            if (model.DblClick) model.DblClick();
        };
        keep(QObject::connect(&view, &log_view::chosen, &view, choose));
        keep(QObject::connect(&view, &QAbstractItemView::doubleClicked, &view, choose));
    }

private:
    QListView& list_view() const { return static_cast<QListView&>(widget()); }
    void measure(int row) {
        const QModelIndex index = lines_->index(row, 0);
        const QListView& view = list_view();
        const int margin = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
        delegate_->widen(view.fontMetrics().horizontalAdvance(index.data().toString()) + margin, index);
    }
    void detach_kind() override { lines_->detach(); }

    list_model* lines_;
    widest_line_delegate* delegate_;
};

}  // namespace

bool is_painted(const ui::control& which) {
    switch (which.kind()) {
    case ui::control_kind::label:
    case ui::control_kind::shape: return true;
    case ui::control_kind::image: return static_cast<const ui::image&>(which).use() == ui::image_use::picture;
    default: return false;
    }
}

std::unique_ptr<widget_adapter> make_adapter(ui::control& model, QWidget* parent, pictures& faces) {
    std::unique_ptr<widget_adapter> adapter;
    switch (model.kind()) {
    case ui::control_kind::text_box:
        adapter = std::make_unique<text_box_adapter>(static_cast<ui::text_box&>(model), parent);
        break;
    case ui::control_kind::command_button:
        adapter = std::make_unique<command_button_adapter>(static_cast<ui::command_button&>(model), parent);
        break;
    case ui::control_kind::image:
        if (!is_painted(model))
            adapter = std::make_unique<picture_button_adapter>(static_cast<ui::image&>(model), parent, faces);
        break;
    case ui::control_kind::slider:
        adapter = std::make_unique<slider_adapter>(static_cast<ui::slider&>(model), parent);
        break;
    case ui::control_kind::list_box:
        adapter = std::make_unique<list_adapter>(static_cast<ui::list_box&>(model), parent);
        break;
    default: break;
    }
    if (adapter) adapter->sync();
    return adapter;
}

}  // namespace qt_host

#include "widget_adapters.moc"
