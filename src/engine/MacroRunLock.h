#pragma once

#include <QString>
#include <chrono>

#include "core/ProgramFolder.h"

namespace glimtex {

// Ownership of a program folder's working files for one macro run: from the first
// copy to Buf.df to the last statement. Take one on the stack for that span; it is
// given back when it goes out of scope. Another process (a second window, a
// renderer) that wants the folder meanwhile waits, up to its bound, and otherwise
// gets Busy. Taking it again within a run of the same process (the renderer holds
// it around the start-up and its macro, which take it too) just counts.
//
// The lock is an advisory lock (flock) on the file Run.lock in the program folder.
// The system lets go of it when the process ends in any way, so a crashed run never
// holds the folder; the file itself stays, empty, and is never written.
class MacroRunLock {
  public:
    enum class State {
        Held,    // the run owns the folder
        Busy,    // another run kept it for the whole wait
        Unsafe,  // Run.lock is a link or not a plain file: refused, never opened
        Failed,  // the lock file cannot be made (a folder that cannot be written)
    };

    static inline const QString kFileName = QStringLiteral("Run.lock");
    static constexpr std::chrono::milliseconds kDefaultWait{30000};

    explicit MacroRunLock(const ProgramFolder& folder,
                          std::chrono::milliseconds wait = kDefaultWait);
    ~MacroRunLock();
    MacroRunLock(const MacroRunLock&) = delete;
    MacroRunLock& operator=(const MacroRunLock&) = delete;

    State Status() const { return state_; }
    bool Held() const { return state_ == State::Held; }

    // What a process with windows does while it waits for another run: shows that
    // it waits and lets the person give up. Without one the wait is silent.
    class Waiter {
      public:
        virtual ~Waiter() = default;
        // Called about every 50 ms of a wait with the time waited so far; false
        // gives up the wait, as reaching the bound does.
        virtual bool StillWaiting(std::chrono::milliseconds waited) = 0;
        // The wait is over, one way or the other.
        virtual void WaitEnded() = 0;
    };
    // The process's waiter, or null; it must outlive every lock taken meanwhile.
    static void SetWaiter(Waiter* waiter);

  private:
    QString key_;  // the folder, as the process-wide table knows it
    State state_ = State::Failed;
};

}  // namespace glimtex
