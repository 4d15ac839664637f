// Assistive tools see each window of the program as a window.
#pragma once

namespace qt_host {

// Makes assistive tools see each of the program's windows as a window (a
// frame named by its caption) rather than as a plain panel. Call once, before
// the first window opens.
void install_accessible_windows();

}  // namespace qt_host
