#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include "app/ProgramFixture.h"
#include "html/Collection.h"

namespace glimtex::testing {
namespace {

// Settings captured from the window as the run commands would leave them.
class ConfirmationBoard : public ProgramFixture {
  protected:
    void SetUp() override {
        Main().Form().SetText(QStringLiteral("Test"));
        ASSERT_TRUE(Main().Form().Capture());
    }
};

TEST_F(ConfirmationBoard, ShowingLoadsAndPrintsTheSummaryOnce) {
    int shown = 0;
    QObject::connect(program.get(), &Program::shown,
                     [&](WindowKind kind) { shown += kind == WindowKind::Board ? 1 : 0; });
    ConfirmationBoardState& board = program->Show<ConfirmationBoardState>();
    EXPECT_EQ(board.PrintedLines(), BoardSummary(Settings()));
    EXPECT_EQ(board.PrintedLines().first().text,
              QStringLiteral("　Glimtexは以下の情報を確保しました。"));

    Settings().text = QStringLiteral("changed");
    ConfirmationBoardState& again = program->Show<ConfirmationBoardState>();
    EXPECT_EQ(&again, &board);
    EXPECT_FALSE(board.PrintedLines().contains(SummaryLine{QStringLiteral("　　→changed")}));
    EXPECT_EQ(shown, 2);  // the second showing only brings it to the front
}

TEST_F(ConfirmationBoard, EachShowingAfterACloseLoadsAFreshSummary) {
    program->Show<ConfirmationBoardState>().Cancel();
    Settings().text = QStringLiteral("changed");
    EXPECT_TRUE(program->Show<ConfirmationBoardState>().PrintedLines().contains(
        SummaryLine{QStringLiteral("　　→changed")}));
}

TEST_F(ConfirmationBoard, CancelClosesWithoutGenerating) {
    int closed = 0;
    QObject::connect(program.get(), &Program::closed,
                     [&](WindowKind kind) { closed += kind == WindowKind::Board ? 1 : 0; });
    const QString seeded = Seed(QStringLiteral("kept"));
    program->Show<ConfirmationBoardState>().Cancel();
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Collected(), seeded);
    EXPECT_EQ(program->Find<OutputWindowState>(), nullptr);
}

TEST_F(ConfirmationBoard, MissingSizeIsMarkedRedAndRefused) {
    Main().Form().SetShapeText(QStringLiteral("スクラップ"));
    Main().Form().ChoosePosition(1);
    ASSERT_TRUE(Main().Form().Capture());
    ConfirmationBoardState& board = program->Show<ConfirmationBoardState>();
    EXPECT_EQ(board.PrintedLines().last(),
              (SummaryLine{QStringLiteral("文字サイズの未設定によるエラー"), true}));
    board.Confirm();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].text, kRefusalMessage);
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), &board);
    EXPECT_TRUE(Collected().isEmpty());
}

TEST_F(ConfirmationBoard, OverflowLeavesCollectionOutputAndBoardAlone) {
    const QString seeded = Seed(QStringLiteral("kept"));
    program->Show<OutputWindowState>().SetText(QStringLiteral("edited"));
    Settings().colors[0] = {-32768, 0, 0};
    Settings().colors[1] = {32767, 0, 0};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    ASSERT_TRUE(Main().Form().Capture());
    ConfirmationBoardState& board = program->Show<ConfirmationBoardState>();
    board.Confirm();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, kOverflowMessage);
    EXPECT_EQ(Collected(), seeded);
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), QStringLiteral("edited"));
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), &board);
}

TEST_F(ConfirmationBoard, DoneClosesTheBoardAndShowsTheWholeCollection) {
    const QString seeded = Seed(QStringLiteral("earlier"));
    program->Show<OutputWindowState>().SetText(QStringLiteral("user edit"));
    const QString fragment = FragmentNow();
    program->Show<ConfirmationBoardState>().Confirm();
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), nullptr);
    const QString expected = seeded + QStringLiteral("\r\n") + fragment;
    EXPECT_EQ(Collected(), expected);
    ASSERT_NE(program->Find<OutputWindowState>(), nullptr);
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), expected);
    EXPECT_TRUE(feedback.notices.isEmpty());
}

TEST_F(ConfirmationBoard, RunStartedStraightAfterShowingIsSafe) {
    // As a macro does it: show and run at once; the run retires the board it runs on.
    QPointer<ConfirmationBoardState> board = &program->Show<ConfirmationBoardState>();
    board->Confirm();
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_FALSE(board.isNull());  // still alive until control returns to the event loop
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(board.isNull());
}

TEST_F(ConfirmationBoard, ClosedBoardDoesNotCloseItsSuccessor) {
    ConfirmationBoardState* old = &program->Show<ConfirmationBoardState>();
    program->Close<ConfirmationBoardState>();
    ConfirmationBoardState* current = &program->Show<ConfirmationBoardState>();
    old->Cancel();
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), current);
}

TEST_F(ConfirmationBoard, ClosedBoardsGoWithTheProgram) {
    QPointer<ConfirmationBoardState> board = &program->Show<ConfirmationBoardState>();
    board->Cancel();
    program.reset();
    EXPECT_TRUE(board.isNull());
}

}  // namespace
}  // namespace glimtex::testing
