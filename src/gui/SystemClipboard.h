#pragma once

#include "core/Feedback.h"

namespace glimtex::gui {

// The desktop clipboard; on X11 the primary selection gets the same content, so a
// middle click pastes it as well as Ctrl+V.
class SystemClipboard : public Clipboard {
  public:
    void SetText(const QString& text) override;
    // Offers text/plain and text/html together: each application takes the kind it
    // pastes best.
    void SetTextAndHtml(const QString& text, const QString& html) override;
};

}  // namespace glimtex::gui
