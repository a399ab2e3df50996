#include "app/ProgramFixture.h"

namespace glimtex::testing {
namespace {

using OutputWindow = ProgramFixture;

TEST_F(OutputWindow, StartsWithItsPlaceholderLine) {
    EXPECT_EQ(program->Show<OutputWindowState>().Text(),
              QStringLiteral("HTMLソースはここに表現されます。\r\n"));
}

TEST_F(OutputWindow, YesCopiesTheEditedText) {
    OutputWindowState& out = program->Show<OutputWindowState>();
    out.SetText(QStringLiteral("<B>edited</B>"));
    feedback.answer = true;
    out.Copy();
    ASSERT_EQ(feedback.questions.size(), 1);
    EXPECT_EQ(feedback.questions[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(feedback.questions[0].text,
              QStringLiteral("本当にクリップボードにコピーしてもいいですか？"));
    EXPECT_EQ(clipboard.texts, QStringList{QStringLiteral("<B>edited</B>")});
    EXPECT_EQ(program->Find<OutputWindowState>(), &out);  // stays open
}

TEST_F(OutputWindow, NoLeavesTheClipboardAlone) {
    feedback.answer = false;
    program->Show<OutputWindowState>().Copy();
    EXPECT_EQ(feedback.questions.size(), 1);
    EXPECT_TRUE(clipboard.texts.isEmpty());
    EXPECT_NE(program->Find<OutputWindowState>(), nullptr);
}

TEST_F(OutputWindow, EmptyTextIsCopiedAsEmpty) {
    OutputWindowState& out = program->Show<OutputWindowState>();
    out.SetText(QString());
    out.Copy();
    ASSERT_EQ(clipboard.texts.size(), 1);
    EXPECT_TRUE(clipboard.texts[0].isEmpty());
}

TEST_F(OutputWindow, CancelClosesWithoutTouchingTheCollection) {
    int closed = 0;
    QObject::connect(program.get(), &Program::closed,
                     [&](WindowKind kind) { closed += kind == WindowKind::Output ? 1 : 0; });
    const QString seeded = Seed(QStringLiteral("kept"));
    program->Show<OutputWindowState>().SetText(QStringLiteral("edited"));
    program->Find<OutputWindowState>()->Cancel();
    EXPECT_EQ(program->Find<OutputWindowState>(), nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Collected(), seeded);
    // Opened again, it starts afresh.
    EXPECT_EQ(program->Show<OutputWindowState>().Text(),
              QStringLiteral("HTMLソースはここに表現されます。\r\n"));
}

TEST_F(OutputWindow, ShowingWhileOpenKeepsTheText) {
    OutputWindowState& out = program->Show<OutputWindowState>();
    out.SetText(QStringLiteral("x"));
    EXPECT_EQ(&program->Show<OutputWindowState>(), &out);
    EXPECT_EQ(out.Text(), QStringLiteral("x"));
}

TEST_F(OutputWindow, DockedFragmentsLandOnTheClipboardOnePerLine) {
    const QString a = RunAndConfirm(QStringLiteral("one"), true);
    const QString b = RunAndConfirm(QStringLiteral("two"), false);
    program->Find<OutputWindowState>()->Copy();
    EXPECT_EQ(clipboard.texts, QStringList{a + QStringLiteral("\r\n") + b});
}

}  // namespace
}  // namespace glimtex::testing
