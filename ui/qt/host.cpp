// Windows on screen for the model's windows, and the message box and beep of the program.
#include "ui/qt/host.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/accessibility.h"
#include "ui/qt/painters.h"
#include "ui/qt/scene_view.h"
#include "ui/qt/tree_window.h"

namespace qt_host {

namespace {
// A key as the model writes it, "Ctrl+R" or ",". A lone comma is a key of
// its own here, not the separator of a sequence of keys.
QKeySequence key_sequence(const std::string& keys) {
    if (keys == ",") return QKeySequence(Qt::Key_Comma);
    return QKeySequence(QString::fromStdString(keys));
}
}  // namespace

form_window::form_window(ui::form& model, pictures& faces, std::function<void()> closed_by_user)
    : model_(&model), view_(new scene_view(model, faces, this)), closed_by_user_(std::move(closed_by_user)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QString::fromStdString(model.Caption()));
    // Controls without a font of their own take the window's.
    setFont(font_of(model.Font(), font()));
    setObjectName(QString::fromLatin1(model.name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    // Keys that act anywhere in the window, as the model binds them.
    for (const auto& binding : model.key_bindings()) {
        auto* shortcut = new QShortcut(key_sequence(binding.keys), this);
        shortcut->setAutoRepeat(false);
        // The run's keys act in its search-tree window too.
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, &binding] {
            if (model_) binding.action();
        });
        if (binding.active) keys_at_times_.push_back({shortcut, &binding.active});
    }
    if (!keys_at_times_.empty()) qApp->installEventFilter(this);
    // The context menu also opens from the keyboard, beside the control that has the focus.
    if (!model.context_menu().empty()) {
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
            auto* shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, this, [this] {
                const QWidget* focus = focusWidget() ? focusWidget() : this;
                show_context_menu(focus->mapToGlobal(focus->rect().center()));
            });
        }
    }

    // The client area of the design, but never larger than the screen; a
    // wider track scrolls, with room below it for the scroll bar.
    QSize size = view_->client_size();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The frame this desktop draws is known only once the window is
        // shown, and is often heavier than the designed one: room is kept
        // for twice that.
        const QSize frame = pixels({0, 0, ui::frame_width, ui::frame_height}).size();
        const QSize room = screen->availableGeometry().size() - 2 * frame;
        // A scroll bar takes room of its own, beside or below the scene.
        if (size.height() > room.height()) {
            size.setHeight(room.height());
            size.rwidth() += view_->verticalScrollBar()->sizeHint().width();
        }
        if (size.width() > room.width()) {
            size.setWidth(room.width());
            size.rheight() += view_->horizontalScrollBar()->sizeHint().height();
            size.setHeight(std::min(size.height(), room.height()));
        }
        resize(size);
        move(screen->availableGeometry().center() - rect().center());
    } else {
        resize(size);
    }
    if (model.BorderStyle() == ui::form_border::fixed_dialog) {
        setFixedSize(size);
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    } else {
        // However small the user makes it, every control of the panel stays in view.
        setMinimumSize(view_->smallest_client_size(size.width()));
    }
}

// Narrower than the scene, the window makes room below it for the track's scroll bar.
void form_window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (model_ && model_->BorderStyle() == ui::form_border::sizable)
        setMinimumSize(view_->smallest_client_size(width()));
}

void form_window::contextMenuEvent(QContextMenuEvent* event) { show_context_menu(event->globalPos()); }

// Before the keyboard's shortcuts are matched, a key that acts only at times
// takes the press only if it acts now.
bool form_window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && model_)
        for (const auto& [shortcut, active] : keys_at_times_) shortcut->setEnabled((*active)());
    return QWidget::eventFilter(watched, event);
}

// Each entry shows its key beside its words; the key itself is bound to the
// window, so the menu's copy of it acts only while the menu is open.
void form_window::show_context_menu(const QPoint& at) {
    if (!model_ || model_->context_menu().empty()) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("context_menu"));
    menu.setAccessibleName(QString::fromStdString(model_->context_menu_name()));
    for (const auto& entry : model_->context_menu()) {
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setShortcut(key_sequence(entry.keys));
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setEnabled(entry.enabled());
        action->setCheckable(bool(entry.checked));
        action->setChecked(entry.checked && entry.checked());
        connect(action, &QAction::triggered, this, [this, &entry] {
            if (model_) entry.action();
        });
    }
    QPointer<form_window> self(this);
    menu.exec(at);
    // The focus goes back to where it was, also where no window manager
    // hands it back once the menu has gone.
    if (self && isVisible()) activateWindow();
}

void form_window::close_for_program() {
    closing_for_program_ = true;
    view_->detach();
    model_ = nullptr;
    hide();
    deleteLater();
}

void form_window::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closing_for_program_ && closed_by_user_) closed_by_user_();
}

host::host() : app_(program::program_ports{timers_, *this, *this, faces_, *this}, *this) {
    // The designed fonts are not on Debian: metrically close free ones stand in.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    install_accessible_windows();
}

host::~host() {
    for (auto& [model, window] : windows_)
        if (window) window->close_for_program();
    windows_.clear();
}

form_window* host::window() const {
    if (ui::form* model = app_.window()) {
        auto found = windows_.find(model);
        if (found != windows_.end()) return found->second;
    }
    return nullptr;
}

void host::show(ui::form& model) {
    auto* window = new form_window(model, faces_, [this] {
        app_.window_closed_by_user();
        if (!app_.running()) QCoreApplication::quit();
    });
    window->setWindowIcon(faces_.icon(model.Icon()));
    windows_[&model] = window;
    window->show();
    window->view().settle_focus_and_scroll();
}

void host::close(ui::form& model) {
    if (tree_ && tree_of_ == &model) tree_->close_for_program();
    auto found = windows_.find(&model);
    if (found == windows_.end()) return;
    if (found->second) found->second->close_for_program();
    windows_.erase(found);
}

void host::show(const std::string& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationName());
    box.setText(QString::fromStdString(text));
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    // The keys (Space, Ctrl+R) act again at once, also where no window
    // manager hands the focus back to the window under the box.
    if (form_window* under = window()) under->activateWindow();
}

void host::beep() { QApplication::beep(); }

// One tree window a playground; it opens beside the playground where the screen has room.
// One tree window, for the open playground, placed beside it where the screen allows.
tree_window& host::tree_window_of(search_view::playground& run) {
    if (!tree_ || tree_of_ != &run) {
        if (tree_) tree_->close_for_program();
        tree_ = new tree_window(run);
        tree_of_ = &run;
        if (const form_window* beside = window(); beside && beside->screen()) {
            const QRect room = beside->screen()->availableGeometry();
            const QRect frame = beside->frameGeometry();
            QRect place(QPoint(frame.right() + 1, frame.top()), tree_->size());
            if (!room.contains(place)) place.moveRight(frame.left() - 1);
            if (room.contains(place)) tree_->move(place.topLeft());
        }
    }
    return *tree_;
}

void host::show_search_tree(search_view::playground& run) {
    tree_window& tree = tree_window_of(run);
    tree.show();
    tree.raise();
    tree.activateWindow();
}

void host::keep_search_tree_open(search_view::playground& run) {
    tree_window& tree = tree_window_of(run);
    if (tree.isVisible()) return;
    tree.setAttribute(Qt::WA_ShowWithoutActivating);
    tree.show();
}

}  // namespace qt_host
