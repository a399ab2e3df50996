#include "gui/WindowSystemLimits.h"

namespace glimtex::gui {

QString KeepOnTopUnavailableReason(const QString& platformName) {
    // Qt's Wayland plugins are "wayland" and its variants ("wayland-egl", …).
    if (platformName.startsWith(u"wayland")) {
        return QStringLiteral(
            "Wayland では、ウィンドウを常に手前に置くことはアプリケーションからはできません");
    }
    return {};
}

}  // namespace glimtex::gui
