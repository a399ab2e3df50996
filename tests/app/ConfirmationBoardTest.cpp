#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include "app/ProgramFixture.h"
#include "html/GenerationRun.h"

namespace glimtex::testing {
namespace {

// Settings captured from the window as the run commands would leave them.
class ConfirmationBoard : public ProgramFixture {
  protected:
    void SetUp() override {
        Main().SetEditText(QStringLiteral("Test"));
        ASSERT_TRUE(Main().DataCreate());
    }
};

TEST_F(ConfirmationBoard, ShowingLoadsAndPrintsTheSummaryOnce) {
    int shown = 0;
    QObject::connect(program.get(), &Program::boardShown, [&] { ++shown; });
    ConfirmationBoardState& board = program->ShowBoard();
    EXPECT_EQ(board.PrintedLines(), BoardSummary(Settings()));
    EXPECT_EQ(board.PrintedLines().first().text,
              QStringLiteral("　Glimtexは以下の情報を確保しました。"));

    Settings().MainString = QStringLiteral("changed");
    ConfirmationBoardState& again = program->ShowBoard();
    EXPECT_EQ(&again, &board);
    EXPECT_FALSE(board.PrintedLines().contains(SummaryLine{QStringLiteral("　　→changed")}));
    EXPECT_EQ(shown, 2);  // the second showing only brings it to the front
}

TEST_F(ConfirmationBoard, EachShowingAfterACloseLoadsAFreshSummary) {
    program->ShowBoard().Cancel_Button_Click();
    Settings().MainString = QStringLiteral("changed");
    EXPECT_TRUE(
        program->ShowBoard().PrintedLines().contains(SummaryLine{QStringLiteral("　　→changed")}));
}

TEST_F(ConfirmationBoard, CancelClosesWithoutGenerating) {
    int closed = 0;
    QObject::connect(program.get(), &Program::boardClosed, [&] { ++closed; });
    Settings().HTMLString = QStringLiteral("kept");
    program->ShowBoard().Cancel_Button_Click();
    EXPECT_EQ(program->Board(), nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Settings().HTMLString, QStringLiteral("kept"));
    EXPECT_EQ(program->Output(), nullptr);
}

TEST_F(ConfirmationBoard, MissingSizeIsMarkedRedAndRefused) {
    Main().SetShapeText(QStringLiteral("スクラップ"));
    Main().OptionGroup_Click(1);
    ASSERT_TRUE(Main().DataCreate());
    ConfirmationBoardState& board = program->ShowBoard();
    EXPECT_EQ(board.PrintedLines().last(),
              (SummaryLine{QStringLiteral("文字サイズの未設定によるエラー"), true}));
    board.OK_Button_Click();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].text, kRefusalMessage);
    EXPECT_EQ(program->Board(), &board);
    EXPECT_TRUE(Settings().HTMLString.isEmpty());
}

TEST_F(ConfirmationBoard, OverflowLeavesCollectionOutputAndBoardAlone) {
    Settings().HTMLString = QStringLiteral("kept");
    program->ShowOutput().SetText(QStringLiteral("edited"));
    Settings().ColorData[0] = {-32768, 0, 0};
    Settings().ColorData[1] = {32767, 0, 0};
    Main().SetColorStyleText(QStringLiteral("グラデーション"));
    ASSERT_TRUE(Main().DataCreate());
    ConfirmationBoardState& board = program->ShowBoard();
    board.OK_Button_Click();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, kOverflowMessage);
    EXPECT_EQ(Settings().HTMLString, QStringLiteral("kept"));
    EXPECT_EQ(program->Output()->HTMLStringBox(), QStringLiteral("edited"));
    EXPECT_EQ(program->Board(), &board);
}

TEST_F(ConfirmationBoard, DoneClosesTheBoardAndShowsTheWholeCollection) {
    Settings().HTMLString = QStringLiteral("earlier");
    program->ShowOutput().SetText(QStringLiteral("user edit"));
    const QString fragment = FragmentNow();
    program->ShowBoard().OK_Button_Click();
    EXPECT_EQ(program->Board(), nullptr);
    const QString expected = QStringLiteral("earlier\r\n") + fragment;
    EXPECT_EQ(Settings().HTMLString, expected);
    ASSERT_NE(program->Output(), nullptr);
    EXPECT_EQ(program->Output()->HTMLStringBox(), expected);
    EXPECT_TRUE(feedback.notices.isEmpty());
}

TEST_F(ConfirmationBoard, RunStartedStraightAfterShowingIsSafe) {
    // As a macro does it: show and run at once; the run retires the board it runs on.
    QPointer<ConfirmationBoardState> board = &program->ShowBoard();
    board->MainHTMLCreate();
    EXPECT_EQ(program->Board(), nullptr);
    EXPECT_FALSE(board.isNull());  // still alive until control returns to the event loop
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(board.isNull());
}

TEST_F(ConfirmationBoard, ClosedBoardDoesNotCloseItsSuccessor) {
    ConfirmationBoardState* old = &program->ShowBoard();
    program->CloseBoard();
    ConfirmationBoardState* current = &program->ShowBoard();
    old->Cancel_Button_Click();
    EXPECT_EQ(program->Board(), current);
}

TEST_F(ConfirmationBoard, ClosedBoardsGoWithTheProgram) {
    QPointer<ConfirmationBoardState> board = &program->ShowBoard();
    board->Cancel_Button_Click();
    program.reset();
    EXPECT_TRUE(board.isNull());
}

}  // namespace
}  // namespace glimtex::testing
