// A window that waits for another run on the program folder says so, and its
// "キャンセル" gives the wait up.
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "GuiFixture.h"
#include "engine/MacroRunLock.h"
#include "gui/LockWaitWindow.h"

namespace glimtex::testing {
namespace {

class LockWaitTest : public GuiFixture {
  protected:
    void TearDown() override {
        MacroRunLock::SetWaiter(nullptr);
        holder_.kill();
        holder_.waitForFinished();
        GuiFixture::TearDown();
    }
    // Another process owns the folder, as a second glimtex or renderer would.
    void HoldTheFolder() {
        holder_.start(QStringLiteral("flock"),
                      {dir.filePath(QStringLiteral("Run.lock")), QStringLiteral("-c"),
                       QStringLiteral("echo held; sleep 60")});
        ASSERT_TRUE(holder_.waitForReadyRead(10000));
    }

    QProcess holder_;
    gui::LockWaitWindow waiter_;
};

TEST_F(LockWaitTest, TheWaitShowsAWindowWhoseCancelGivesUp) {
    HoldTheFolder();
    MacroRunLock::SetWaiter(&waiter_);
    QString shownText;
    bool shownInTime = false;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(700, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() != u"LockWaitForm" || !window->isVisible()) continue;
            shownInTime = clock.elapsed() < 2000;
            shownText = window->findChild<QLabel*>(QStringLiteral("LockWaitLabel"))->text();
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("LockWaitCancel")),
                              Qt::LeftButton);
        }
    });
    Start();  // the start-up's run waits for the folder
    EXPECT_TRUE(shownInTime);
    EXPECT_EQ(shownText, QStringLiteral("ほかのマクロの実行を待っています…"));
    EXPECT_LT(clock.elapsed(), 10000);  // given up long before the 30 s bound
    ASSERT_FALSE(boxes.seen.isEmpty());
    EXPECT_TRUE(boxes.seen.last().text.contains(QStringLiteral("ほかのマクロ")))
        << boxes.seen.last().text.toStdString();
    // The window is gone with the wait.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->objectName() == u"LockWaitForm" && window->isVisible());
    }
}

}  // namespace
}  // namespace glimtex::testing
