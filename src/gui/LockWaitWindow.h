#pragma once

#include <QPointer>

#include "engine/MacroRunLock.h"

class QDialog;

namespace glimtex::gui {

// While another run owns the program folder, a small window says that this one
// waits ("ほかのマクロの実行を待っています…") from half a second on, and its
// "キャンセル" gives the wait up as the time limit would. The window is modal, so
// nothing else can be started meanwhile; the event loop turns while it waits.
class LockWaitWindow : public MacroRunLock::Waiter {
  public:
    static constexpr std::chrono::milliseconds kShowAfter{500};

    LockWaitWindow() = default;
    ~LockWaitWindow() override;
    LockWaitWindow(const LockWaitWindow&) = delete;
    LockWaitWindow& operator=(const LockWaitWindow&) = delete;

    bool StillWaiting(std::chrono::milliseconds waited) override;
    void WaitEnded() override;

  private:
    QPointer<QDialog> window_;
    bool cancelled_ = false;
};

}  // namespace glimtex::gui
