#include "app/ProgramFixture.h"
#include "html/GenerationRun.h"

namespace glimtex::testing {
namespace {

using RunCommands = ProgramFixture;

TEST_F(RunCommands, CreateEmptiesTheCollectionAndShowsTheBoard) {
    Main();
    Settings().HTMLString = QStringLiteral("earlier");
    Main().SetEditText(QStringLiteral("abc"));
    Main().CodeCreate_Run_Click();
    EXPECT_TRUE(Settings().HTMLString.isEmpty());
    ASSERT_NE(program->Board(), nullptr);
    EXPECT_TRUE(program->Board()->PrintedLines().contains(SummaryLine{QStringLiteral("　　→abc")}));
}

TEST_F(RunCommands, TwoCreateRunsShowOnlyTheSecondFragment) {
    RunAndConfirm(QStringLiteral("first"), true);
    const QString second = RunAndConfirm(QStringLiteral("second"), true);
    EXPECT_EQ(Settings().HTMLString, second);
    ASSERT_NE(program->Output(), nullptr);
    EXPECT_EQ(program->Output()->HTMLStringBox(), second);
    EXPECT_FALSE(second.contains(QStringLiteral("first")));
}

TEST_F(RunCommands, DockingCollectsFragmentsInOrderWithCrLf) {
    const QString a = RunAndConfirm(QStringLiteral("one"), true);
    const QString b = RunAndConfirm(QStringLiteral("two"), false);
    const QString c = RunAndConfirm(QStringLiteral("three"), false);
    const QString expected = a + QStringLiteral("\r\n") + b + QStringLiteral("\r\n") + c;
    EXPECT_EQ(Settings().HTMLString, expected);
    EXPECT_EQ(program->Output()->HTMLStringBox(), expected);
}

TEST_F(RunCommands, DockingAsFirstRunHasNoLeadingBreak) {
    const QString a = RunAndConfirm(QStringLiteral("only"), false);
    EXPECT_EQ(Settings().HTMLString, a);
    EXPECT_FALSE(Settings().HTMLString.startsWith(QStringLiteral("\r\n")));
}

TEST_F(RunCommands, CancelAfterCreateLeavesTheCollectionEmpty) {
    RunAndConfirm(QStringLiteral("first"), true);
    Main().CodeCreate_Run_Click();
    program->Board()->Cancel_Button_Click();
    EXPECT_EQ(program->Board(), nullptr);
    EXPECT_TRUE(Settings().HTMLString.isEmpty());
}

TEST_F(RunCommands, CancelAfterCreateOpensNoOutputWindow) {
    Main().CodeCreate_Run_Click();
    program->Board()->Cancel_Button_Click();
    EXPECT_EQ(program->Output(), nullptr);
}

TEST_F(RunCommands, SecondRunWhileTheBoardIsOpenCapturesAgain) {
    Main().SetEditText(QStringLiteral("before"));
    Main().CodePlus_Run_Click();
    ConfirmationBoardState* board = program->Board();
    ASSERT_NE(board, nullptr);
    const QList<SummaryLine> printed = board->PrintedLines();
    Settings().HTMLString = QStringLiteral("collected");

    Main().SetEditText(QStringLiteral("after"));
    Main().SetFontText(QStringLiteral("Arial"));
    Main().CodeCreate_Run_Click();
    EXPECT_EQ(program->Board(), board);  // not reopened
    EXPECT_EQ(board->PrintedLines(), printed);
    EXPECT_TRUE(Settings().HTMLString.isEmpty());
    EXPECT_EQ(Settings().FontFace, QStringLiteral("Arial"));

    const QString fragment = FragmentNow();
    board->OK_Button_Click();
    EXPECT_EQ(Settings().HTMLString, fragment);
    EXPECT_TRUE(fragment.contains(QStringLiteral("Arial")));
}

TEST_F(RunCommands, DockingWhileTheBoardIsOpenKeepsTheCollection) {
    Main().CodePlus_Run_Click();
    Settings().HTMLString = QStringLiteral("collected");
    Main().CodePlus_Run_Click();
    EXPECT_EQ(Settings().HTMLString, QStringLiteral("collected"));
}

TEST_F(RunCommands, BoardStaysOpenWhenTheRunIsRefused) {
    Main().SetShapeText(QStringLiteral("右下がり"));
    Main().CodePlus_Run_Click();
    Settings().HTMLString = QStringLiteral("kept");
    ASSERT_NE(program->Board(), nullptr);
    program->Board()->OK_Button_Click();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, QStringLiteral("ソースの作成ができません"));
    EXPECT_NE(program->Board(), nullptr);
    EXPECT_EQ(Settings().HTMLString, QStringLiteral("kept"));
    EXPECT_EQ(program->Output(), nullptr);
}

class BadSizeText : public ProgramFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadSizeText, RefusesTheRunWithANotice) {
    Main().SetMojiSizeText(QString::fromUtf8(GetParam()));
    Settings().HTMLString = QStringLiteral("kept");
    Main().CodeCreate_Run_Click();
    Main().CodePlus_Run_Click();
    ASSERT_EQ(feedback.notices.size(), 2);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, kSizeTextMessage);
    EXPECT_EQ(program->Board(), nullptr);
    EXPECT_EQ(Settings().HTMLString, QStringLiteral("kept"));
}

INSTANTIATE_TEST_SUITE_P(Texts, BadSizeText, ::testing::Values("abc", "40000", ""));

TEST_F(RunCommands, FractionalSizeIsCapturedRounded) {
    Main().SetMojiSizeText(QStringLiteral("2.5"));
    Main().CodeCreate_Run_Click();
    EXPECT_EQ(Settings().MojiSize, 2);
    program->CloseBoard();
    Main().SetMojiSizeText(QStringLiteral("3.5"));
    Main().CodePlus_Run_Click();
    EXPECT_EQ(Settings().MojiSize, 4);
    EXPECT_TRUE(feedback.notices.isEmpty());
}

}  // namespace
}  // namespace glimtex::testing
