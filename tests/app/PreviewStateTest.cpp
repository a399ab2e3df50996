// The preview captures into a copy: it describes the fragment a run would make, or
// why the run would be refused, and changes nothing of the program's own state.
#include "app/PreviewState.h"
#include "app/ProgramFixture.h"
#include "html/GenerationRun.h"

namespace glimtex::testing {
namespace {

class PreviewStateTest : public ProgramFixture {
  protected:
    PreviewState& Preview() { return program->ShowPreview(); }
};

TEST_F(PreviewStateTest, DescribesWhatTheControlsSayWithoutCapturing) {
    Main().SetEditText(QStringLiteral("Hello"));
    Main().SetMojiSizeText(QStringLiteral("5"));
    Main().SetShapeText(QStringLiteral("レンズ"));
    Main().SetSpGroupCheck(0, true);
    Main().StoreColor(0, {10, 20, 30});
    Settings().HTMLString = QStringLiteral("<B>kept</B>");
    const DecorationSettings before = Settings();

    const PreviewContent& content = Preview().Content();
    ASSERT_FALSE(content.refused);
    EXPECT_EQ(content.model.text, QStringLiteral("Hello"));
    EXPECT_TRUE(content.model.style.bold);
    EXPECT_EQ(content.model.style.colour, (ColorTriple{10, 20, 30}));
    ASSERT_EQ(content.model.characters.size(), 5u);
    EXPECT_EQ(content.model.characters[0].size.size, 4);

    // The settings were never captured, and nothing else moved.
    const DecorationSettings& after = Settings();
    EXPECT_EQ(after.MojiSize, before.MojiSize);
    EXPECT_EQ(after.StringShape, before.StringShape);
    EXPECT_EQ(after.SpGroup, before.SpGroup);
    EXPECT_EQ(after.HTMLString, QStringLiteral("<B>kept</B>"));
    EXPECT_EQ(program->Board(), nullptr);
    EXPECT_EQ(program->Output(), nullptr);
    EXPECT_TRUE(feedback.notices.isEmpty());
}

TEST_F(PreviewStateTest, FollowsEveryChangeOfTheMainWindowAndTheColours) {
    PreviewState& preview = Preview();
    int changes = 0;
    QObject::connect(&preview, &PreviewState::changed, [&] { ++changes; });
    Main().SetEditText(QStringLiteral("ab"));
    EXPECT_EQ(preview.Content().model.text, QStringLiteral("ab"));
    Main().StoreColor(0, {255, 0, 0});
    EXPECT_EQ(preview.Content().model.style.colour, (ColorTriple{255, 0, 0}));
    Main().OptionGroup_Click(1);
    EXPECT_EQ(preview.Content().model.style.position, FragmentStyle::Position::Super);
    EXPECT_EQ(changes, 3);
}

TEST_F(PreviewStateTest, SaysWhyARunWouldBeRefused) {
    PreviewState& preview = Preview();
    Main().SetShapeText(QStringLiteral("右下がり"));  // a shape without a size
    EXPECT_TRUE(preview.Content().refused);
    EXPECT_EQ(preview.Content().reason, QStringLiteral("ソースの作成ができません"));

    Main().SetMojiSizeText(QStringLiteral("big"));
    EXPECT_EQ(preview.Content().reason, kSizeTextMessage);

    Main().SetMojiSizeText(QStringLiteral("3"));
    Main().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().StoreColor(0, {-30000, 0, 0});
    Main().StoreColor(1, {30000, 0, 0});
    EXPECT_EQ(preview.Content().reason, kOverflowMessage);
    EXPECT_TRUE(feedback.notices.isEmpty());  // the preview says it, no notice
}

TEST_F(PreviewStateTest, OpensOnceAndCloses) {
    PreviewState& preview = Preview();
    EXPECT_EQ(&Preview(), &preview);
    preview.Close();
    EXPECT_EQ(program->Preview(), nullptr);
}

TEST_F(PreviewStateTest, DockedFragmentsFollowHTMLString) {
    RunAndConfirm(QStringLiteral("one"), true);
    RunAndConfirm(QStringLiteral("two"), false);
    ASSERT_EQ(program->DockedFragments().size(), 2u);
    EXPECT_EQ(program->DockedFragments()[1].text, QStringLiteral("two"));
    qsizetype length = 0;
    for (const FragmentModel& m : program->DockedFragments()) length += m.htmlLength + 2;
    EXPECT_EQ(length - 2, Settings().HTMLString.size());

    RunAndConfirm(QStringLiteral("three"), true);  // a new collection
    ASSERT_EQ(program->DockedFragments().size(), 1u);
    EXPECT_EQ(program->DockedFragments()[0].text, QStringLiteral("three"));
}

}  // namespace
}  // namespace glimtex::testing
