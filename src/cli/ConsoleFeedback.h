#pragma once

#include <cstdio>

#include "cli/RenderOptions.h"
#include "core/Feedback.h"

namespace glimtex::cli {

// Reports every beep and message box on a console stream, one line each, answers
// every question with Yes, and remembers whether a generation was refused or a
// macro's expansion was stopped.
class ConsoleFeedback : public Feedback {
  public:
    explicit ConsoleFeedback(TextEncoding encoding, std::FILE* stream = stderr);

    void Beep() override;
    void ShowNotice(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    void Detail(const QString& text) override;
    void NoticeLeftOut(const QString& title, const QString& text) override {
        ShowNotice(title, text);
    }

    // True once a notice told of a generation that was refused or stopped, or of a
    // macro expansion that was stopped.
    bool GenerationRefused() const { return generationRefused_; }

  private:
    TextEncoding encoding_;
    std::FILE* stream_;
    bool generationRefused_ = false;
};

}  // namespace glimtex::cli
