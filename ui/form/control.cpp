// Control properties: each setter that changes what is shown tells the window's observer.
#include "ui/form/control.h"

#include <algorithm>

#include "ui/form/form.h"

namespace ui {

control::control(form& owner, control_kind kind, const char* name, bounds area, const design& row)
    : owner_(&owner), kind_(kind), name_(name), area_(area), visible_(row.visible), enabled_(row.enabled),
      tab_index_(row.tab_index), track_row_(row.track_row), followed_(row.followed),
      accessible_name_(row.accessible_name) {
    z_ = owner.enrol(*this);
}

control::control(const control& element0, array_element)
    : owner_(element0.owner_), kind_(element0.kind_), name_(element0.name_), area_(element0.area_),
      visible_(false), enabled_(element0.enabled_), track_row_(element0.track_row_),
      followed_(element0.followed_), accessible_name_(element0.accessible_name_), tag_() {
    z_ = owner_->enrol(*this);
}

void control::changed(const bounds& before) {
    if (form_observer* observer = owner_->observer()) observer->control_changed(*this, before);
}

void control::place(const bounds& next) {
    if (next.left == area_.left && next.top == area_.top && next.width == area_.width &&
        next.height == area_.height)
        return;
    const bounds before = area_;
    area_ = next;
    changed(before);
}

void control::Left(twips value) { place({value, area_.top, area_.width, area_.height}); }
void control::Top(twips value) { place({area_.left, value, area_.width, area_.height}); }

void control::Visible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    changed();
}

void control::Enabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    changed();
}

void control::ZOrder(int position) {
    z_ = position == 0 ? owner_->front_z() : owner_->back_z();
    changed();
}

label::label(form& owner, const char* name, bounds area, std::string caption, const design& row)
    : control(owner, control_kind::label, name, area, row), caption_(std::move(caption)),
      back_colour_(row.back_colour), alignment_(row.align), border_(row.border), font_(row.typeface) {}

void label::Caption(std::string value) {
    if (caption_ == value) return;
    caption_ = std::move(value);
    changed();
}

shape::shape(form& owner, const char* name, bounds area, colour back_colour, const design& row)
    : control(owner, control_kind::shape, name, area, row), back_colour_(back_colour) {}

void shape::BackColor(colour value) {
    if (back_colour_ == value) return;
    back_colour_ = value;
    changed();
}

image::image(form& owner, const char* name, bounds area, picture face, image_use use, std::string tool_tip,
             const design& row)
    : control(owner, control_kind::image, name, area, row), use_(use), picture_(std::move(face)),
      tool_tip_(std::move(tool_tip)) {
    read_out_by_default(tool_tip_);
}

void image::Picture(picture value) {
    picture_ = std::move(value);
    const bounds before = area();
    place({Left(), Top(), static_cast<twips>(picture_.width) * twips_per_pixel,
           static_cast<twips>(picture_.height) * twips_per_pixel});
    if (area().width == before.width && area().height == before.height) changed();  // a new face, same size
}

void image::user_click() {
    if (Enabled() && Visible() && Click) Click();
}

command_button::command_button(form& owner, const char* name, bounds area, std::string caption,
                               const design& row)
    : control(owner, control_kind::command_button, name, area, row), caption_(std::move(caption)) {
    read_out_by_default(caption_);
}

void command_button::user_click() {
    if (Enabled() && Visible() && Click) Click();
}

slider::slider(form& owner, const char* name, bounds area, int min, int max, int value, int small_change,
               int large_change, const design& row)
    : control(owner, control_kind::slider, name, area, row), min_(min), max_(max),
      value_(std::clamp(value, min, max)), small_change_(small_change), large_change_(large_change) {}

void slider::Value(int value) {
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    changed();
    if (Change) Change();
}

}  // namespace ui
