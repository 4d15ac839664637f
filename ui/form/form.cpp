// A window of the model: enrols its controls and timers and reports its own changes.
#include "ui/form/form.h"

#include <algorithm>
#include <utility>

namespace ui {

form::form(const char* name, scheduler& timers, twips width, twips height)
    : name_(name), scheduler_(&timers), width_(width), height_(height) {}

form::~form() = default;

void form::Caption(std::string value) {
    if (caption_ == value) return;
    caption_ = std::move(value);
    if (observer_) observer_->form_changed();
}

void form::Width(twips value) {
    if (width_ == value) return;
    width_ = value;
    if (observer_) observer_->form_changed();
}

void form::Height(twips value) {
    if (height_ == value) return;
    height_ = value;
    if (observer_) observer_->form_changed();
}

int form::enrol(control& created) {
    controls_.push_back(&created);
    return front_z();
}

void form::leave(timer& gone) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), &gone), timers_.end());
}

void form::stop_timers() {
    for (timer* each : timers_) each->Enabled(false);
}

}  // namespace ui
