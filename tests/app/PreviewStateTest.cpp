// The preview captures into a copy: it describes the fragment a run would make, or
// why the run would be refused, and changes nothing of the program's own state.
#include "app/PreviewState.h"
#include "app/ProgramFixture.h"
#include "html/Collection.h"

namespace glimtex::testing {
namespace {

class PreviewStateTest : public ProgramFixture {
  protected:
    PreviewState& Preview() { return program->Show<PreviewState>(); }
};

TEST_F(PreviewStateTest, DescribesWhatTheControlsSayWithoutCapturing) {
    Main().Form().SetText(QStringLiteral("Hello"));
    Main().Form().SetSizeText(QStringLiteral("5"));
    Main().Form().SetShapeText(QStringLiteral("レンズ"));
    Main().Form().SetEmphasisChecked(0, true);
    Main().Form().StoreColor(0, {10, 20, 30});
    const QString seeded = Seed(QStringLiteral("<B>kept</B>"));
    const DecorationSettings before = Settings();

    const PreviewContent& content = Preview().Content();
    ASSERT_FALSE(content.refused);
    EXPECT_EQ(content.model.text, QStringLiteral("Hello"));
    EXPECT_TRUE(content.model.style.emphasis.bold);
    EXPECT_EQ(content.model.style.color, (ColorTriple{10, 20, 30}));
    ASSERT_EQ(content.model.characters.size(), 5u);
    EXPECT_EQ(content.model.characters[0].size.size, 4);

    // The settings were never captured, and nothing else moved.
    const DecorationSettings& after = Settings();
    EXPECT_EQ(after.size, before.size);
    EXPECT_EQ(after.shape, before.shape);
    EXPECT_EQ(after.emphasis, before.emphasis);
    EXPECT_EQ(Collected(), seeded);
    EXPECT_EQ(program->Find<ConfirmationBoardState>(), nullptr);
    EXPECT_EQ(program->Find<OutputWindowState>(), nullptr);
    EXPECT_TRUE(feedback.notices.isEmpty());
}

TEST_F(PreviewStateTest, FollowsEveryChangeOfTheMainWindowAndTheColors) {
    PreviewState& preview = Preview();
    int changes = 0;
    QObject::connect(&preview, &PreviewState::changed, [&] { ++changes; });
    Main().Form().SetText(QStringLiteral("ab"));
    EXPECT_EQ(preview.Content().model.text, QStringLiteral("ab"));
    Main().Form().StoreColor(0, {255, 0, 0});
    EXPECT_EQ(preview.Content().model.style.color, (ColorTriple{255, 0, 0}));
    Main().Form().ChoosePosition(1);
    EXPECT_EQ(preview.Content().model.style.position, Position::Superscript);
    EXPECT_EQ(changes, 3);
}

TEST_F(PreviewStateTest, SaysWhyARunWouldBeRefused) {
    PreviewState& preview = Preview();
    Main().Form().SetShapeText(QStringLiteral("右下がり"));  // a shape without a size
    EXPECT_TRUE(preview.Content().refused);
    EXPECT_EQ(preview.Content().reason, QStringLiteral("ソースの作成ができません"));
    EXPECT_EQ(preview.Content().hint, kShapeSizeHint);

    Main().Form().SetSizeText(QStringLiteral("big"));
    EXPECT_EQ(preview.Content().reason, kSizeTextMessage);

    Main().Form().SetSizeText(QStringLiteral("3"));
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().StoreColor(0, {-30000, 0, 0});
    Main().Form().StoreColor(1, {30000, 0, 0});
    EXPECT_EQ(preview.Content().reason, kOverflowMessage);
    EXPECT_TRUE(preview.Content().hint.isEmpty());  // the shape is not what to change
    EXPECT_TRUE(feedback.notices.isEmpty());        // the preview says it, no notice
}

TEST_F(PreviewStateTest, OpensOnceAndCloses) {
    PreviewState& preview = Preview();
    EXPECT_EQ(&Preview(), &preview);
    preview.Close();
    EXPECT_EQ(program->Find<PreviewState>(), nullptr);
}

TEST_F(PreviewStateTest, FragmentModelsFollowTheCollection) {
    RunAndConfirm(QStringLiteral("one"), true);
    RunAndConfirm(QStringLiteral("two"), false);
    ASSERT_EQ(program->Core().Collected().Models().size(), 2u);
    EXPECT_EQ(program->Core().Collected().Models()[1].text, QStringLiteral("two"));
    qsizetype length = 0;
    for (const FragmentModel& m : program->Core().Collected().Models()) length += m.htmlLength + 2;
    EXPECT_EQ(length - 2, Collected().size());

    RunAndConfirm(QStringLiteral("three"), true);  // a new collection
    ASSERT_EQ(program->Core().Collected().Models().size(), 1u);
    EXPECT_EQ(program->Core().Collected().Models()[0].text, QStringLiteral("three"));
}

}  // namespace
}  // namespace glimtex::testing
