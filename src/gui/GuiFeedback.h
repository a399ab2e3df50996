#pragma once

#include "core/Feedback.h"

namespace glimtex::gui {

// The beep is the desktop's; notices and questions are message boxes with the
// title and text as given, no icon, and Japanese button captions whatever the
// locale: "OK", or "はい" (the default) and "いいえ".
class GuiFeedback : public Feedback {
  public:
    void Beep() override;
    void ShowNotice(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
};

}  // namespace glimtex::gui
