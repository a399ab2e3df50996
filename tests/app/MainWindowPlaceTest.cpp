// Where the main window opens: where it was left, kept on a screen that is there, or
// centred where the title window stands.
#include <gtest/gtest.h>

#include "app/MainWindowPlace.h"

namespace glimtex::testing {
namespace {

const QSize kWindow(450, 350);
// Two screens side by side, each with a panel along its top.
const QRect kLeft(0, 30, 1280, 994);
const QRect kRight(1280, 30, 1920, 1050);
const QList<QRect> kScreens{kLeft, kRight};

TEST(MainWindowPlace, TheFirstTimeWhereTheTitleWindowStands) {
    const QRect title(2000, 300, 400, 260);
    const QPoint at = MainWindowPlace(std::nullopt, kWindow, kScreens, title);
    EXPECT_EQ(QRect(at, kWindow).center(), title.center());
}

TEST(MainWindowPlace, WhereItWasLeftWhileThatIsOnAScreen) {
    EXPECT_EQ(MainWindowPlace(QPoint(1500, 600), kWindow, kScreens, kLeft), QPoint(1500, 600));
    // Half off the right edge, or under a panel: brought back whole onto that screen.
    EXPECT_EQ(MainWindowPlace(QPoint(3000, 500), kWindow, kScreens, kLeft),
              QPoint(3200 - 450, 500));
    EXPECT_EQ(MainWindowPlace(QPoint(100, 0), kWindow, kScreens, kLeft), QPoint(100, 30));
}

TEST(MainWindowPlace, WhereTheTitleWindowStandsWhenTheScreenItWasOnIsGone) {
    // Left on the right screen, which is no longer there.
    const QRect title(400, 300, 400, 260);
    const QPoint at = MainWindowPlace(QPoint(1500, 600), kWindow, {kLeft}, title);
    EXPECT_EQ(QRect(at, kWindow).center(), title.center());
}

}  // namespace
}  // namespace glimtex::testing
