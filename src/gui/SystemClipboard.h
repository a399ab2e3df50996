#pragma once

#include "core/Feedback.h"

namespace glimtex::gui {

// The desktop clipboard as plain text; on X11 the primary selection gets the same
// text, so a middle click pastes it as well as Ctrl+V.
class SystemClipboard : public Clipboard {
  public:
    void SetText(const QString& text) override;
};

}  // namespace glimtex::gui
