#pragma once

#include <QObject>
#include <functional>

namespace glimtex {

// Runs an action once when the event loop comes round, however many times it was
// asked for in the meantime: a macro that changes a window thousands of times in
// one turn has it drawn once.
class OncePerTurn {
  public:
    // The action runs on the context object's thread and never after the context
    // is gone.
    OncePerTurn(QObject* context, std::function<void()> action)
        : context_(context), action_(std::move(action)) {}

    void Request() {
        if (pending_) return;
        pending_ = true;
        QMetaObject::invokeMethod(
            context_, [this] { RunNow(); }, Qt::QueuedConnection);
    }
    // True from a request until the action has run.
    bool Pending() const { return pending_; }
    // Runs a pending action at once; the queued call then finds nothing to do.
    void RunNow() {
        if (!pending_) return;
        pending_ = false;
        action_();
    }

  private:
    QObject* context_;
    std::function<void()> action_;
    bool pending_ = false;
};

}  // namespace glimtex
