#include "app/ProgramFixture.h"
#include "html/Collection.h"

namespace glimtex::testing {
namespace {

using RunCommands = ProgramFixture;

TEST_F(RunCommands, CreateEmptiesTheCollectionAndShowsTheBoard) {
    Main();
    const QString seeded = Seed(QStringLiteral("earlier"));
    Main().Form().SetText(QStringLiteral("abc"));
    Main().CreateSource();
    EXPECT_TRUE(Collected().isEmpty());
    ASSERT_NE(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_TRUE(program->Find<ConfirmationBoardState>()->PrintedLines().contains(
        SummaryLine{QStringLiteral("　　→abc")}));
}

TEST_F(RunCommands, TwoCreateRunsShowOnlyTheSecondFragment) {
    RunAndConfirm(QStringLiteral("first"), true);
    const QString second = RunAndConfirm(QStringLiteral("second"), true);
    EXPECT_EQ(Collected(), second);
    ASSERT_NE(program->Find<OutputWindowState>(), nullptr);
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), second);
    EXPECT_FALSE(second.contains(QStringLiteral("first")));
}

TEST_F(RunCommands, DockingCollectsFragmentsInOrderWithCrLf) {
    const QString a = RunAndConfirm(QStringLiteral("one"), true);
    const QString b = RunAndConfirm(QStringLiteral("two"), false);
    const QString c = RunAndConfirm(QStringLiteral("three"), false);
    const QString expected = a + QStringLiteral("\r\n") + b + QStringLiteral("\r\n") + c;
    EXPECT_EQ(Collected(), expected);
    EXPECT_EQ(program->Find<OutputWindowState>()->Text(), expected);
}

TEST_F(RunCommands, DockingAsFirstRunHasNoLeadingBreak) {
    const QString a = RunAndConfirm(QStringLiteral("only"), false);
    EXPECT_EQ(Collected(), a);
    EXPECT_FALSE(Collected().startsWith(QStringLiteral("\r\n")));
}

TEST_F(RunCommands, CancelAfterCreateLeavesTheCollectionEmpty) {
    RunAndConfirm(QStringLiteral("first"), true);
    Main().CreateSource();
    program->Find<ConfirmationBoardState>()->Cancel();
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_TRUE(Collected().isEmpty());
}

TEST_F(RunCommands, CancelAfterCreateOpensNoOutputWindow) {
    Main().CreateSource();
    program->Find<ConfirmationBoardState>()->Cancel();
    EXPECT_EQ(program->Find<OutputWindowState>(), nullptr);
}

TEST_F(RunCommands, SecondRunWhileTheBoardIsOpenCapturesAgain) {
    Main().Form().SetText(QStringLiteral("before"));
    Main().Dock();
    ConfirmationBoardState* board = program->Find<ConfirmationBoardState>();
    ASSERT_NE(board, nullptr);
    const QList<SummaryLine> printed = board->PrintedLines();
    const QString seeded = Seed(QStringLiteral("collected"));

    Main().Form().SetText(QStringLiteral("after"));
    Main().Form().SetFaceText(QStringLiteral("Arial"));
    Main().CreateSource();
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), board);  // not reopened
    EXPECT_EQ(board->PrintedLines(), printed);
    EXPECT_TRUE(Collected().isEmpty());
    EXPECT_EQ(Settings().face, QStringLiteral("Arial"));

    const QString fragment = FragmentNow();
    board->Confirm();
    EXPECT_EQ(Collected(), fragment);
    EXPECT_TRUE(fragment.contains(QStringLiteral("Arial")));
}

TEST_F(RunCommands, DockingWhileTheBoardIsOpenKeepsTheCollection) {
    Main().Dock();
    const QString seeded = Seed(QStringLiteral("collected"));
    Main().Dock();
    EXPECT_EQ(Collected(), seeded);
}

TEST_F(RunCommands, BoardStaysOpenWhenTheRunIsRefused) {
    Main().Form().SetShapeText(QStringLiteral("右下がり"));
    Main().Dock();
    const QString seeded = Seed(QStringLiteral("kept"));
    ASSERT_NE(program->Find<ConfirmationBoardState>(), nullptr);
    program->Find<ConfirmationBoardState>()->Confirm();
    ASSERT_EQ(feedback.notices.size(), 1);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, QStringLiteral("ソースの作成ができません"));
    EXPECT_NE(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_EQ(Collected(), seeded);
    EXPECT_EQ(program->Find<OutputWindowState>(), nullptr);
}

class BadSizeText : public ProgramFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadSizeText, RefusesTheRunWithANotice) {
    Main().Form().SetSizeText(QString::fromUtf8(GetParam()));
    const QString seeded = Seed(QStringLiteral("kept"));
    Main().CreateSource();
    Main().Dock();
    ASSERT_EQ(feedback.notices.size(), 2);
    EXPECT_EQ(feedback.notices[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.notices[0].text, kSizeTextMessage);
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_EQ(Collected(), seeded);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadSizeText, ::testing::Values("abc", "40000", ""));

TEST_F(RunCommands, FractionalSizeIsCapturedRounded) {
    Main().Form().SetSizeText(QStringLiteral("2.5"));
    Main().CreateSource();
    EXPECT_EQ(Settings().size, 2);
    program->Close<ConfirmationBoardState>();
    Main().Form().SetSizeText(QStringLiteral("3.5"));
    Main().Dock();
    EXPECT_EQ(Settings().size, 4);
    EXPECT_TRUE(feedback.notices.isEmpty());
}

}  // namespace
}  // namespace glimtex::testing
