#pragma once

#include "core/Feedback.h"

namespace glimtex {

// The program's way to the user, with a budget of notices for each macro run: a
// macro that is refused thousands of times must not bury the screen in message
// boxes. Within a run the first kNoticesPerRun notices are shown; the rest are only
// counted (a console still reports each of them), and when the run ends one more
// notice says how many were left out. Outside a run every notice is shown.
class NoticeBudget : public Feedback {
  public:
    static constexpr int kNoticesPerRun = 5;

    explicit NoticeBudget(Feedback& user) : user_(user) {}

    void Beep() override { user_.Beep(); }
    void ShowNotice(const QString& title, const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override {
        return user_.AskYesNo(title, text);
    }
    void Detail(const QString& text) override { user_.Detail(text); }
    void NoticeLeftOut(const QString& title, const QString& text) override {
        user_.NoticeLeftOut(title, text);
    }

    // A macro run: runs nest, and the budget is the outermost run's.
    class Run {
      public:
        explicit Run(NoticeBudget& budget);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

      private:
        NoticeBudget& budget_;
    };

  private:
    Feedback& user_;
    int depth_ = 0;
    int shown_ = 0;
    int leftOut_ = 0;
};

// The notice that ends a run whose notices were not all shown.
QString LeftOutNoticesMessage(int count);

}  // namespace glimtex
