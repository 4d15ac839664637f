// The controls of a window as plain data: position, visibility, tag, and each kind's own properties.
#pragma once

#include <functional>
#include <string>

#include "ui/form/geometry.h"
#include "ui/form/picture.h"

namespace ui {

class form;

enum class control_kind { label, shape, image, text_box, command_button, slider, list_box };

// Marks the constructor that makes a new control-array element from element 0.
struct array_element {};

enum class alignment { left, centre };

struct font_spec {
    std::string family;  // empty: the toolkit's default
    float points = 0;
    bool bold = false;
};

// The rest of a control's design-time row, beyond its name, place and main
// contents, written as a chain like the tables it comes from:
// design().centred().font(sign_font).invisible(). Label settings are read by
// labels only.
struct design {
    bool visible = true;
    bool enabled = true;
    int tab_index = -1;
    bool track_row = false;
    bool followed = false;
    std::string accessible_name;
    colour back_colour = white;
    ui::alignment align = alignment::left;
    bool border = false;
    font_spec typeface;

    // One row a setter, like the design tables.
    // clang-format off
    design& invisible() { visible = false; return *this; }
    design& disabled() { enabled = false; return *this; }
    design& tab(int index) { tab_index = index; return *this; }
    design& in_track_row() { track_row = true; return *this; }
    design& followed_as_it_moves() { followed = true; return *this; }
    design& read_out_as(std::string name) { accessible_name = std::move(name); return *this; }
    design& back(colour value) { back_colour = value; return *this; }
    design& centred() { align = alignment::centre; return *this; }
    design& single_border() { border = true; return *this; }
    design& font(font_spec value) { typeface = std::move(value); return *this; }
    // clang-format on
};

// What every control has. Setters that change what a window shows tell the
// window's observer (the host), which redraws or updates a widget; the Tag
// is the program's own bookkeeping and shows nothing.
class control {
public:
    control(form& owner, control_kind kind, const char* name, bounds area, const design& row = {});
    virtual ~control() = default;

    control_kind kind() const { return kind_; }
    const char* name() const { return name_; }
    form& owner() const { return *owner_; }

    twips Left() const { return area_.left; }
    void Left(twips value);
    twips Top() const { return area_.top; }
    void Top(twips value);
    twips Width() const { return area_.width; }
    twips Height() const { return area_.height; }
    const bounds& area() const { return area_; }

    bool Visible() const { return visible_; }
    void Visible(bool value);
    bool Enabled() const { return enabled_; }
    void Enabled(bool value);

    // Order among the controls that take the keyboard focus; -1 for none.
    int TabIndex() const { return tab_index_; }

    const std::string& Tag() const { return tag_; }
    void Tag(std::string value) { tag_ = std::move(value); }

    // Part of the track row. On a scene wider than its window only the track
    // row scrolls sideways; every other control stays in view. Array
    // elements inherit it from element 0.
    bool in_track_row() const { return track_row_; }
    // A moving marble: a view that shows only part of the track keeps it in
    // sight while it moves. Array elements inherit it from element 0.
    bool followed_as_it_moves() const { return followed_; }

    // What assistive tools read out as the control's name: the words the
    // window shows for it (a heading on the backdrop, a label beside it, a
    // button's caption or tool tip). Empty for a control with nothing to
    // read out.
    const std::string& accessible_name() const { return accessible_name_; }

    // Drawing order among the painted controls: a larger z is drawn later.
    int z() const { return z_; }
    // 0 brings the control to the front, anything else sends it to the back.
    void ZOrder(int position = 0);

protected:
    control(const control& element0, array_element);
    control& operator=(const control&) = delete;
    // Tell the observer; `before` is where the control stood before the change.
    void changed(const bounds& before);
    void changed() { changed(area_); }
    // Move or resize, with one notice for the whole change.
    void place(const bounds& next);
    // A button is read out by its caption or tool tip, unless its row names it otherwise.
    void read_out_by_default(const std::string& name) {
        if (accessible_name_.empty()) accessible_name_ = name;
    }

private:
    form* owner_;
    control_kind kind_;
    const char* name_;
    bounds area_;
    bool visible_ = true;
    bool enabled_ = true;
    int z_ = 0;
    int tab_index_ = -1;
    bool track_row_ = false;
    bool followed_ = false;
    std::string accessible_name_;
    std::string tag_;
};

class label : public control {
public:
    label(form& owner, const char* name, bounds area, std::string caption = {}, const design& row = {});
    label(const label& element0, array_element)
        : control(element0, array_element{}), caption_(element0.caption_),
          back_colour_(element0.back_colour_), alignment_(element0.alignment_), border_(element0.border_),
          font_(element0.font_) {}

    const std::string& Caption() const { return caption_; }
    void Caption(std::string value);
    colour BackColor() const { return back_colour_; }
    alignment Alignment() const { return alignment_; }
    bool BorderStyle() const { return border_; }  // true: a single-line border
    const font_spec& Font() const { return font_; }

private:
    std::string caption_;
    colour back_colour_ = white;
    alignment alignment_ = alignment::left;
    bool border_ = false;
    font_spec font_;
};

// A circle filled with its BackColor: the largest circle that fits its box, centred.
class shape : public control {
public:
    shape(form& owner, const char* name, bounds area, colour back_colour, const design& row = {});
    shape(const shape& element0, array_element)
        : control(element0, array_element{}), back_colour_(element0.back_colour_) {}

    colour BackColor() const { return back_colour_; }
    void BackColor(colour value);

private:
    colour back_colour_;
};

// What an image box is for: a picture that only shows, or a button.
enum class image_use { picture, button };

// An image box: shows its picture at the picture's own size. A button
// reacts to a click when enabled; it never takes the keyboard focus.
class image : public control {
public:
    image(form& owner, const char* name, bounds area, picture face, image_use use, std::string tool_tip = {},
          const design& row = {});

    image_use use() const { return use_; }
    const picture& Picture() const { return picture_; }
    // The box takes the size of its new picture: image boxes do not stretch.
    void Picture(picture value);
    const std::string& ToolTipText() const { return tool_tip_; }

    std::function<void()> Click;
    // A mouse click from the user: ignored while the box is disabled.
    void user_click();

private:
    image_use use_;
    picture picture_;
    std::string tool_tip_;
};

class command_button : public control {
public:
    command_button(form& owner, const char* name, bounds area, std::string caption, const design& row = {});

    const std::string& Caption() const { return caption_; }

    std::function<void()> Click;
    // A press by the user (mouse, space, or a default key): ignored while disabled.
    void user_click();

private:
    std::string caption_;
};

// A horizontal track bar with an integer value.
class slider : public control {
public:
    slider(form& owner, const char* name, bounds area, int min, int max, int value, int small_change,
           int large_change, const design& row = {});

    int Min() const { return min_; }
    int Max() const { return max_; }
    int SmallChange() const { return small_change_; }
    int LargeChange() const { return large_change_; }
    int Value() const { return value_; }
    // Clamped to Min .. Max; a new value raises Change.
    void Value(int value);

    std::function<void()> Change;

private:
    int min_, max_, value_, small_change_, large_change_;
};

}  // namespace ui
