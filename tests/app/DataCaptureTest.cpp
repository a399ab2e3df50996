#include "app/ProgramFixture.h"
#include "core/StyleNames.h"

namespace glimtex::testing {
namespace {

using DataCapture = ProgramFixture;

TEST_F(DataCapture, CopiesEveryControlIntoTheSettings) {
    Main().Form().SetText(QStringLiteral("文字"));
    Main().Form().SetSizeText(QStringLiteral("3"));
    Main().Form().SetEmphasisChecked(3, true);
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().SetShapeText(QStringLiteral("レンズ"));
    Main().Form().SetLinkAddressText(QStringLiteral("http://example.jp/"));
    Main().Form().SetLinkStyleText(QStringLiteral("リンク設定"));
    Main().Form().SetFaceText(QStringLiteral("ＭＳ 明朝"));
    Main().Form().SetBackgroundStyleText(QStringLiteral("画像"));
    Main().Form().SetBackgroundPictureText(QStringLiteral("back.gif"));
    ASSERT_TRUE(Main().Form().Capture());
    const DecorationSettings& s = Settings();
    EXPECT_EQ(s.text, QStringLiteral("文字"));
    EXPECT_EQ(s.size, 3);
    EXPECT_EQ(s.emphasis, (Emphasis{false, false, false, true}));
    EXPECT_EQ(s.colorStyle, ColorStyle::Gradation);
    EXPECT_EQ(s.shape, SizeShape::Lens);
    EXPECT_EQ(s.linkAddress, QStringLiteral("http://example.jp/"));
    EXPECT_EQ(s.link, LinkStyle::Address);
    EXPECT_EQ(s.face, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(s.background, Background::Picture);
    EXPECT_EQ(s.backgroundPicture, QStringLiteral("back.gif"));
}

TEST_F(DataCapture, TypedComboTextIsCapturedAsItStands) {
    Main().Form().SetColorStyleText(QStringLiteral("虹色"));
    ASSERT_TRUE(Main().Form().Capture());
    EXPECT_EQ(StyleNames::Of(Settings().colorStyle, Settings().unknownColorStyle),
              QStringLiteral("虹色"));
    EXPECT_EQ(Main().Controls().ColorStyleCombo.text, QStringLiteral("虹色"));  // no selector ran
}

TEST_F(DataCapture, LeavesColorsAndPositionAlone) {
    Main();
    Settings().colors[1] = {1, 2, 3};
    Settings().position = Position::Subscript;
    ASSERT_TRUE(Main().Form().Capture());
    EXPECT_EQ(Settings().colors[1], (ColorTriple{1, 2, 3}));
    EXPECT_EQ(Settings().position, Position::Subscript);
}

TEST_F(DataCapture, TypingUpdatesMainStringAtOnce) {
    Main().Form().SetText(QStringLiteral("abc"));
    EXPECT_EQ(Settings().text, QStringLiteral("abc"));
    EXPECT_EQ(Main().Controls().EditBox, QStringLiteral("abc"));
}

struct SizeCase {
    const char* text;
    int16_t size;
};

class SizeTextAccepted : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeTextAccepted, RoundsHalvesToEven) {
    const auto size = ConvertSizeText(QString::fromUtf8(GetParam().text));
    ASSERT_TRUE(size.has_value()) << GetParam().text;
    EXPECT_EQ(*size, GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Numbers, SizeTextAccepted,
                         ::testing::Values(SizeCase{"3", 3}, SizeCase{"2.5", 2}, SizeCase{"3.5", 4},
                                           SizeCase{"-2.5", -2}, SizeCase{" 7 ", 7},
                                           SizeCase{"　5　", 5}, SizeCase{"2.6", 3},
                                           SizeCase{"32767.4", 32767}, SizeCase{"-32768.5", -32768},
                                           SizeCase{"+4", 4}));

class SizeTextRefused : public ::testing::TestWithParam<const char*> {};

TEST_P(SizeTextRefused, GivesNothing) {
    EXPECT_FALSE(ConvertSizeText(QString::fromUtf8(GetParam())).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(NotSixteenBit, SizeTextRefused,
                         ::testing::Values("abc", "40000", "", " ", "32767.5", "-32769", "inf",
                                           "nan", "1,000", "3abc", "0x10"));

TEST_F(DataCapture, BadSizeTextCapturesNothing) {
    Main().Form().SetText(QStringLiteral("new"));
    Settings().text = QStringLiteral("old");
    Main().Form().SetShapeText(QStringLiteral("レンズ"));
    Main().Form().SetSizeText(QStringLiteral("abc"));
    EXPECT_FALSE(Main().Form().Capture());
    EXPECT_EQ(Settings().text, QStringLiteral("old"));
    EXPECT_TRUE(StyleNames::Of(Settings().shape, Settings().unknownShape).isEmpty());
    EXPECT_EQ(feedback.notices.size(), 0);  // the caller decides how to tell
}

using Reset = ProgramFixture;

TEST_F(Reset, FromGradationBackToDefaults) {
    Settings().colors[0] = {255, 0, 0};
    Settings().colors[1] = {0, 0, 255};
    Settings().backgroundColor = {0, 255, 0};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().ApplyColorStyle();
    Main().Form().SetBackgroundStyleText(QStringLiteral("単色"));
    Main().Form().ApplyBackgroundStyle();
    Main().Form().PaintBackgroundSwatch(PackColor(Settings().backgroundColor));
    Main().Form().SetShapeText(QStringLiteral("スクラップ"));
    Main().Form().ApplyShape();
    Main().Form().SetLinkStyleText(QStringLiteral("リンク設定"));
    Main().Form().ApplyLinkStyle();
    Main().Form().SetLinkAddressText(QStringLiteral("x.html"));
    Main().Form().SetBackgroundPictureText(QStringLiteral("p.gif"));
    Main().Form().SetEmphasisChecked(0, true);
    Main().Form().SetSizeText(QStringLiteral("5"));
    Main().Form().SetFaceText(QStringLiteral("Arial"));
    Main().Form().AddFace(QStringLiteral("Arial"));
    Main().Form().ChoosePosition(2);
    Main().ShowPanel(2);
    const QString seeded = Seed(QStringLiteral("<B>kept</B>"));

    Main().Form().Reset();

    const FormControls& c = Main().Controls();
    EXPECT_EQ(c.ColorStyleCombo.text, QStringLiteral("単色"));
    EXPECT_FALSE(c.ColorBox[1].visible);
    EXPECT_FALSE(c.ChangeButtonVisible);
    EXPECT_EQ(c.ColorBox[0].color, PaintedColor{0});
    EXPECT_EQ(c.BackColorBox.color, PaintedColor{0});
    for (const PaintedColor& rect : c.ColorMap) EXPECT_EQ(rect, PaintedColor{0});
    EXPECT_TRUE(c.EditBox.isEmpty());
    EXPECT_EQ(c.MojiSizeCombo.text, QStringLiteral("0"));
    EXPECT_EQ(c.OptionGroup, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(c.SpGroup_Check, (std::array<bool, 4>{}));
    EXPECT_EQ(c.TestLabel[1], (PreviewLetter{28, 1200}));
    EXPECT_FALSE(c.LinkDataVisible);
    EXPECT_FALSE(c.BackColorBox.visible);
    EXPECT_TRUE(c.LinkDataEdit.isEmpty());
    EXPECT_TRUE(c.BackPictureEdit.isEmpty());
    EXPECT_EQ(c.FontSelectCombo.text, QStringLiteral("NULL"));
    // Not reset: the font list, the visible panel.
    EXPECT_EQ(c.FontSelectCombo.items.size(), 2);
    EXPECT_EQ(Main().VisiblePanel(), 2);

    const DecorationSettings& s = Settings();
    EXPECT_TRUE(s.text.isEmpty());
    EXPECT_EQ(s.size, 0);
    EXPECT_EQ(s.position, Position::Normal);
    EXPECT_EQ(s.emphasis, (Emphasis{}));
    EXPECT_EQ(s.colorStyle, ColorStyle::Single);
    EXPECT_EQ(s.shape, SizeShape::Standard);
    EXPECT_EQ(s.background, Background::None);
    EXPECT_TRUE(s.backgroundPicture.isEmpty());
    EXPECT_EQ(s.link, LinkStyle::None);
    EXPECT_TRUE(s.linkAddress.isEmpty());
    EXPECT_EQ(s.face, QStringLiteral("NULL"));
    EXPECT_EQ(s.colors[0], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(s.colors[1], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(s.backgroundColor, (ColorTriple{0, 0, 0}));
    EXPECT_EQ(Collected(), seeded);
}

TEST_F(Reset, KeepsAlwaysOnTop) {
    Main().ToggleKeepOnTop();
    Main().Form().Reset();
    EXPECT_TRUE(Main().KeepsOnTop());
}

}  // namespace
}  // namespace glimtex::testing
