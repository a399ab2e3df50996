// A window that waits for another run on the program folder says so, and its
// "キャンセル" gives the wait up.
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "GuiFixture.h"
#include "engine/MacroRunLock.h"
#include "gui/LockWaitWindow.h"

namespace glimtex::testing {
namespace {

// Clicks "キャンセル" of the wait window as soon as it comes on screen, and keeps
// what it said and when it came.
class CancelOnShow : public QObject {
  public:
    QString shownText;
    qint64 shownAfter = -1;  // ms from the start of the clock, -1 while never shown

    explicit CancelOnShow(const QElapsedTimer& clock) : clock_(clock) {
        QApplication::instance()->installEventFilter(this);
    }
    ~CancelOnShow() override { QApplication::instance()->removeEventFilter(this); }
    CancelOnShow(const CancelOnShow&) = delete;
    CancelOnShow& operator=(const CancelOnShow&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || watched->objectName() != u"LockWaitForm") return false;
        shownAfter = clock_.elapsed();
        auto* window = static_cast<QWidget*>(watched);
        shownText = window->findChild<QLabel*>(QStringLiteral("LockWaitLabel"))->text();
        // Posted: the window is only now being shown; the wait's event loop clicks.
        QMetaObject::invokeMethod(
            window,
            [window] {
                QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("LockWaitCancel")),
                                  Qt::LeftButton);
            },
            Qt::QueuedConnection);
        return false;
    }

  private:
    const QElapsedTimer& clock_;
};

class LockWaitTest : public GuiFixture {
  protected:
    void TearDown() override {
        MacroRunLock::SetWaiter(nullptr);
        holder_.closeWriteChannel();  // cat ends, and flock with it
        if (!holder_.waitForFinished()) holder_.kill();
        GuiFixture::TearDown();
    }
    // Another process owns the folder, as a second glimtex or renderer would: flock
    // holds the lock while cat waits for input, until the test closes that input.
    void HoldTheFolder() {
        holder_.start(QStringLiteral("flock"),
                      {dir.filePath(QStringLiteral("Run.lock")), QStringLiteral("-c"),
                       QStringLiteral("echo held; exec cat")});
        ASSERT_TRUE(holder_.waitForReadyRead(10000));
    }

    QProcess holder_;
    gui::LockWaitWindow waiter_;
};

TEST_F(LockWaitTest, TheWaitShowsAWindowWhoseCancelGivesUp) {
    HoldTheFolder();
    MacroRunLock::SetWaiter(&waiter_);
    QElapsedTimer clock;
    clock.start();
    CancelOnShow cancel(clock);
    Start();  // the start-up's run waits for the folder
    EXPECT_TRUE(cancel.shownAfter >= 0 && cancel.shownAfter < 2000) << cancel.shownAfter;
    EXPECT_EQ(cancel.shownText, QStringLiteral("ほかのマクロの実行を待っています…"));
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
