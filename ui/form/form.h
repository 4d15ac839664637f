// A window of the model: its own properties, its controls and timers, and the host watching it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/form/control.h"
#include "ui/form/listener_slot.h"
#include "ui/form/picture.h"
#include "ui/time/timer.h"

namespace ui {

// The host implements this to keep the screen in step with the model.
class form_observer {
public:
    virtual ~form_observer() = default;
    // A control's position, size, visibility, state or look changed; `before`
    // is where it stood before, so both old and new places can be redrawn.
    virtual void control_changed(control& changed, const bounds& before) = 0;
    // A control-array element was created (invisible, as a copy of element 0).
    virtual void control_loaded(control& loaded) = 0;
    // The window's own size or caption changed.
    virtual void form_changed() = 0;
};

// How the window's frame behaves: a sizable window can be resized by the
// user; a fixed dialog keeps its size and has no maximise button.
enum class form_border { sizable, fixed_dialog };

class form : public timer_owner {
public:
    form(const char* name, scheduler& timers, twips width, twips height);
    virtual ~form();
    form(const form&) = delete;
    form& operator=(const form&) = delete;

    const char* name() const { return name_; }
    // What runs this window's timers.
    scheduler& timer_port() const override { return *scheduler_; }

    // What the program's windows all carry, the caption and the icon, the
    // program gives each window before it is shown.
    const std::string& Caption() const { return caption_; }
    void Caption(std::string value);
    // Outer size, frame included, as the window's layout code reads and writes it.
    twips Width() const { return width_; }
    void Width(twips value);
    twips Height() const { return height_; }
    void Height(twips value);
    colour BackColor() const { return back_colour_; }
    void BackColor(colour value) { back_colour_ = value; }
    const picture& Icon() const { return icon_; }
    void Icon(picture value) { icon_ = std::move(value); }
    form_border BorderStyle() const { return border_; }
    void BorderStyle(form_border value) { border_ = value; }
    // The font of the controls that have none of their own.
    const font_spec& Font() const { return font_; }

    // The control that a view of a scene wider than its window opens on;
    // null opens on the scene's left edge.
    const control* opens_on() const { return opens_on_; }
    void opens_on(const control* which) { opens_on_ = which; }

    // A key that acts anywhere in the window, such as "Space" or "Ctrl+R".
    // One that acts only at times says when; at other times the control
    // with the focus has the key press.
    struct key_binding {
        std::string keys;
        std::function<void()> action;
        std::function<bool()> active;  // empty: always
    };
    const std::vector<key_binding>& key_bindings() const { return key_bindings_; }
    void bind_key(std::string keys, std::function<void()> action, std::function<bool()> active = {}) {
        key_bindings_.push_back({std::move(keys), std::move(action), std::move(active)});
    }

    // An entry of the window's context menu: its words, the key that does
    // the same (shown beside it), whether it can act now, and what it does;
    // an entry that turns a mode on and off also says whether it is on.
    struct menu_entry {
        std::string text;
        std::string keys;
        std::function<bool()> enabled;
        std::function<void()> action;
        std::function<bool()> checked = {};
    };
    const std::vector<menu_entry>& context_menu() const { return context_menu_; }
    void add_menu_entry(menu_entry entry) { context_menu_.push_back(std::move(entry)); }
    // What assistive tools read out as the context menu's name.
    const std::string& context_menu_name() const { return context_menu_name_; }
    void context_menu_name(std::string name) { context_menu_name_ = std::move(name); }

    // Every control and control-array element, in order of creation.
    const std::vector<control*>& controls() const { return controls_; }

    // Switch every timer off: the window is going away.
    void stop_timers();

    // One observer at a time, the host's view of this window: a second one
    // is a mistake in the program and throws std::logic_error, rather than
    // silently taking the first one's place.
    void observe(form_observer& observer) { observer_.attach(observer); }
    void stop_observing(const form_observer& observer) { observer_.detach(observer); }
    form_observer* observer() const { return observer_.get(); }

private:
    friend class control;
    int enrol(control& created);  // returns the new control's z
    int front_z() { return ++top_z_; }
    int back_z() { return --bottom_z_; }
    void enrol(timer& created) override { timers_.push_back(&created); }
    void leave(timer& gone) override;

    const char* name_;
    scheduler* scheduler_;
    std::string caption_;
    twips width_, height_;
    colour back_colour_ = system_window_background;
    picture icon_;
    form_border border_ = form_border::sizable;
    // The default of the platform the windows were designed on: the lists'
    // lines and the dialog's captions were measured in it.
    font_spec font_{"MS Sans Serif", 8.0f, false};
    const control* opens_on_ = nullptr;
    std::vector<key_binding> key_bindings_;
    std::vector<menu_entry> context_menu_;
    std::string context_menu_name_;
    std::vector<control*> controls_;
    std::vector<timer*> timers_;
    listener_slot<form_observer> observer_;
    int top_z_ = 0;
    int bottom_z_ = 0;
};

}  // namespace ui
