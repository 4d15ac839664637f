// The names that assistive tools read out for the controls a person uses.
#pragma once

#include <QString>

#include "ui/form/control.h"

namespace qt_host {

// The human name of a control: what the window shows beside it (the slider's
// and the lists' headings on the backdrop, the label of the text box), the
// tool tip of a picture button, the caption of a command button. Empty for a
// control with nothing to read out.
QString accessible_name(const ui::control& which);

// Makes assistive tools see each of the program's windows as a window (a
// frame named by its caption) rather than as a plain panel. Call once, before
// the first window opens.
void install_accessible_windows();

}  // namespace qt_host
