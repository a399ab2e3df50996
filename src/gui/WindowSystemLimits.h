#pragma once

#include <QString>

namespace glimtex::gui {

// Why an application cannot keep its window above the others on the window system
// that Qt names platformName (QGuiApplication::platformName()), as the tooltip of the
// menu item "常に手前にする"; empty where it can. Wayland leaves the stacking of windows
// to the compositor, which offers applications no request for it.
QString KeepOnTopUnavailableReason(const QString& platformName);

}  // namespace glimtex::gui
