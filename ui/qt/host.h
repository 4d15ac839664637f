// The Qt host: shows the program's windows on screen and serves the model's ports.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/form/ports.h"
#include "ui/program/program.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_scheduler.h"
#include "ui/qt/tree_window.h"

class QShortcut;

namespace qt_host {

class scene_view;

// A top-level window that shows one model window.
class form_window : public QWidget {
    Q_OBJECT
public:
    form_window(ui::form& model, pictures& faces, std::function<void()> closed_by_user);
    scene_view& view() const { return *view_; }
    ui::form* model() const { return model_; }
    // The program closes this window: stop following the model, then go.
    void close_for_program();

    // The model's context menu at a place on the screen; returns once it closes.
    void show_context_menu(const QPoint& at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ui::form* model_;
    scene_view* view_;
    std::function<void()> closed_by_user_;
    bool closing_for_program_ = false;
    std::vector<std::pair<QShortcut*, const std::function<bool()>*>> keys_at_times_;
};

// The program on screen: its windows, QTimer time, the message box, the beep, pictures.
class host : private program::window_shell,
             private ui::message_box,
             private ui::beeper,
             private search_view::run_views {
public:
    host();
    ~host() override;

    void start() { app_.start(); }
    program::program& app() { return app_; }
    form_window* window() const;
    // The search-tree window of the open playground, or null.
    tree_window* search_tree() const { return tree_; }

private:
    void show(ui::form& window) override;
    void close(ui::form& window) override;
    void show(const std::string& text) override;
    void beep() override;
    void show_search_tree(search_view::playground& run) override;
    void keep_search_tree_open(search_view::playground& run) override;
    tree_window& tree_window_of(search_view::playground& run);

    // The program is destroyed first: closing its window on the way out
    // still finds the scheduler, the pictures and the window map.
    qt_scheduler timers_;
    pictures faces_;
    std::unordered_map<ui::form*, QPointer<form_window>> windows_;
    QPointer<tree_window> tree_;  // one at a time, as one playground is open at a time
    const ui::form* tree_of_ = nullptr;
    program::program app_;
};

}  // namespace qt_host
