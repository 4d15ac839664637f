// The list model follows appends and removals of its list box as they happen.
#include "ui/qt/list_model.h"

namespace qt_host {

list_model::list_model(ui::list_box& lines, QObject* parent) : QAbstractListModel(parent), lines_(&lines) {
    lines.listen(*this);
}

list_model::~list_model() { detach(); }

void list_model::detach() {
    if (!lines_) return;
    lines_->stop_listening(*this);
    beginResetModel();
    lines_ = nullptr;
    endResetModel();
}

int list_model::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !lines_) return 0;
    return static_cast<int>(std::min<std::size_t>(lines_->ListCount(), INT_MAX));
}

QVariant list_model::data(const QModelIndex& index, int role) const {
    if (!lines_ || !index.isValid() || role != Qt::DisplayRole) return {};
    return QString::fromStdString(lines_->List(static_cast<std::size_t>(index.row())));
}

void list_model::before_append(std::size_t row) {
    const int at = static_cast<int>(row);
    beginInsertRows({}, at, at);
}

void list_model::before_remove(std::size_t first, std::size_t last) {
    beginRemoveRows({}, static_cast<int>(first), static_cast<int>(last));
}

void list_model::show_row(std::size_t row) { emit row_shown(index(static_cast<int>(row), 0)); }

}  // namespace qt_host
