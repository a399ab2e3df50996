#include "app/ProgramFixture.h"

namespace glimtex::testing {
namespace {

using OutputWindow = ProgramFixture;

TEST_F(OutputWindow, StartsWithItsPlaceholderLine) {
    EXPECT_EQ(program->ShowOutput().HTMLStringBox(),
              QStringLiteral("HTMLソースはここに表現されます。\r\n"));
}

TEST_F(OutputWindow, YesCopiesTheEditedText) {
    OutputWindowState& out = program->ShowOutput();
    out.SetText(QStringLiteral("<B>edited</B>"));
    feedback.answer = true;
    out.ClipboardButton_Click();
    ASSERT_EQ(feedback.questions.size(), 1);
    EXPECT_EQ(feedback.questions[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.questions[0].text,
              QStringLiteral("本当にクリップボードにコピーしてもいいですか？"));
    EXPECT_EQ(clipboard.texts, QStringList{QStringLiteral("<B>edited</B>")});
    EXPECT_EQ(program->Output(), &out);  // stays open
}

TEST_F(OutputWindow, NoLeavesTheClipboardAlone) {
    feedback.answer = false;
    program->ShowOutput().ClipboardButton_Click();
    EXPECT_EQ(feedback.questions.size(), 1);
    EXPECT_TRUE(clipboard.texts.isEmpty());
    EXPECT_NE(program->Output(), nullptr);
}

TEST_F(OutputWindow, EmptyTextIsCopiedAsEmpty) {
    OutputWindowState& out = program->ShowOutput();
    out.SetText(QString());
    out.ClipboardButton_Click();
    ASSERT_EQ(clipboard.texts.size(), 1);
    EXPECT_TRUE(clipboard.texts[0].isEmpty());
}

TEST_F(OutputWindow, CancelClosesWithoutTouchingTheCollection) {
    int closed = 0;
    QObject::connect(program.get(), &Program::outputClosed, [&] { ++closed; });
    Settings().HTMLString = QStringLiteral("kept");
    program->ShowOutput().SetText(QStringLiteral("edited"));
    program->Output()->CancelButton_Click();
    EXPECT_EQ(program->Output(), nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Settings().HTMLString, QStringLiteral("kept"));
    // Opened again, it starts afresh.
    EXPECT_EQ(program->ShowOutput().HTMLStringBox(),
              QStringLiteral("HTMLソースはここに表現されます。\r\n"));
}

TEST_F(OutputWindow, ShowingWhileOpenKeepsTheText) {
    OutputWindowState& out = program->ShowOutput();
    out.SetText(QStringLiteral("x"));
    EXPECT_EQ(&program->ShowOutput(), &out);
    EXPECT_EQ(out.HTMLStringBox(), QStringLiteral("x"));
}

TEST_F(OutputWindow, DockedFragmentsLandOnTheClipboardOnePerLine) {
    const QString a = RunAndConfirm(QStringLiteral("one"), true);
    const QString b = RunAndConfirm(QStringLiteral("two"), false);
    program->Output()->ClipboardButton_Click();
    EXPECT_EQ(clipboard.texts, QStringList{a + QStringLiteral("\r\n") + b});
}

}  // namespace
}  // namespace glimtex::testing
