#include "gui/DisplayCheck.h"

#include <QtGlobal>

namespace glimtex::gui {

bool CanShowWindows() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace glimtex::gui
