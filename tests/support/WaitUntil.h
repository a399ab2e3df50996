#pragma once

#include <QtCore/qtestsupport_core.h>

#include <chrono>

namespace glimtex::testing {

// Far longer than anything a test waits for takes, even on a loaded machine, so
// that reaching it means the awaited thing never comes.
inline constexpr std::chrono::milliseconds kWaitBound{30000};

// Runs the event loop until `done` holds, and says whether it does; false only when
// the bound passed first. Use it as ASSERT_TRUE(WaitUntil(...)), so that the test
// fails where it waited in vain.
template <typename Done>
[[nodiscard]] bool WaitUntil(Done done, std::chrono::milliseconds bound = kWaitBound) {
    return QTest::qWaitFor(done, static_cast<int>(bound.count()));
}

}  // namespace glimtex::testing
