// The output window while runs follow one another: the text is right at once, and
// the view is told once per turn of the event loop.

#include <QCoreApplication>

#include "app/ProgramFixture.h"
#include "html/Collection.h"

namespace glimtex::testing {
namespace {

using OutputRefresh = ProgramFixture;

TEST_F(OutputRefresh, ManyRunsInOneTurnTellTheViewOnce) {
    RunAndConfirm(QStringLiteral("first"), true);
    OutputWindowState* out = program->Find<OutputWindowState>();
    ASSERT_NE(out, nullptr);
    int told = 0;
    QObject::connect(out, &OutputWindowState::textChanged, [&] { ++told; });
    for (int k = 0; k < 50; ++k) RunAndConfirm(QStringLiteral("more"), false);
    // The box's text is there at once; the view hears of it from the event loop.
    EXPECT_EQ(out->Text(), Collected());
    EXPECT_EQ(out->Text().count(QStringLiteral("\r\n")), 50);
    EXPECT_TRUE(out->RefreshPending());
    EXPECT_EQ(told, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(out->RefreshPending());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(told, 1);
    // A run in a later turn tells it again.
    RunAndConfirm(QStringLiteral("last"), false);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(told, 2);
}

TEST_F(OutputRefresh, TheUsersEditIsNotSentBackToTheView) {
    OutputWindowState& out = program->Show<OutputWindowState>();
    int told = 0;
    QObject::connect(&out, &OutputWindowState::textChanged, [&] { ++told; });
    out.SetText(QStringLiteral("typed"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(told, 0);
    EXPECT_FALSE(out.RefreshPending());
}

// What docking costs with the window open is measured by glimtex_gui_bench
// (BM_DockingMacroWithTheOutputWindowOpen).
TEST_F(OutputRefresh, DockingWhileTheWindowIsOpenAppendsTheFragment) {
    const QString first = RunAndConfirm(QString(200, QLatin1Char('a')), true);
    const QString second = RunAndConfirm(QString(200, QLatin1Char('a')), false);
    ASSERT_NE(program->Find<OutputWindowState>(), nullptr);
    const QString b = RunAndConfirm(QStringLiteral("b"), false);
    const QString whole = first + QStringLiteral("\r\n") + second + QStringLiteral("\r\n") + b;
    EXPECT_EQ(Collected(), whole);
    EXPECT_TRUE(program->Find<OutputWindowState>()->Text().endsWith(QStringLiteral("\r\n") + b));
}

TEST_F(OutputRefresh, CreateRefusedAfterARunLeavesTheBoxShowingThatRun) {
    const QString shown = RunAndConfirm(QStringLiteral("shown"), true);
    // "ソースの作成" empties the collection; the run is then refused for no size.
    Main().Form().SetShapeText(QStringLiteral("右下がり"));
    Main().Form().SetSizeText(QStringLiteral("0"));
    Main().CreateSource();
    ASSERT_NE(program->Find<ConfirmationBoardState>(), nullptr);
    program->Find<ConfirmationBoardState>()->Confirm();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_TRUE(Collected().isEmpty());
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), shown);
}

TEST_F(OutputRefresh, OverflowAfterARunLeavesTheBoxShowingThatRun) {
    const QString shown = RunAndConfirm(QStringLiteral("shown"), true);
    Settings().colors[0] = {-32768, 0, 0};
    Settings().colors[1] = {32767, 0, 0};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Dock();
    ASSERT_NE(program->Find<ConfirmationBoardState>(), nullptr);
    program->Find<ConfirmationBoardState>()->Confirm();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].text, kOverflowMessage);
    EXPECT_EQ(Collected(), shown);
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), shown);
    // The next good run docks after the first fragment as usual.
    Main().Form().SetColorStyleText(QStringLiteral("単色"));
    const QString next = RunAndConfirm(QStringLiteral("next"), false);
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), shown + QStringLiteral("\r\n") + next);
}

}  // namespace
}  // namespace glimtex::testing
