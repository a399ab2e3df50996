#pragma once

namespace glimtex::gui {

// True when a window can be shown: a display is named by DISPLAY or
// WAYLAND_DISPLAY, or a platform is chosen with QT_QPA_PLATFORM.
bool CanShowWindows();

}  // namespace glimtex::gui
