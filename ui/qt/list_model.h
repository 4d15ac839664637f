// A list model over a model list box: rows are read from its compact store when shown.
#pragma once

#include <QAbstractListModel>

#include "ui/form/list_box.h"

namespace qt_host {

class list_model : public QAbstractListModel, private ui::list_listener {
    Q_OBJECT
public:
    explicit list_model(ui::list_box& lines, QObject* parent = nullptr);
    ~list_model() override;
    void detach();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    // The model asks for this row to be scrolled into view.
    void row_shown(const QModelIndex& index);
    // The model selected this row (an invalid index: none).
    void row_selected(const QModelIndex& index);

private:
    void before_append(std::size_t row) override;
    void after_append() override { endInsertRows(); }
    void before_remove(std::size_t first, std::size_t last) override;
    void after_remove() override { endRemoveRows(); }
    void show_row(std::size_t row) override;
    void select_row(int row) override { emit row_selected(index(row, 0)); }

    ui::list_box* lines_;
};

}  // namespace qt_host
