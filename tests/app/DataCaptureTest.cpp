#include "app/ProgramFixture.h"

namespace glimtex::testing {
namespace {

using DataCapture = ProgramFixture;

TEST_F(DataCapture, CopiesEveryControlIntoTheSettings) {
    Main().SetEditText(QStringLiteral("文字"));
    Main().SetMojiSizeText(QStringLiteral("3"));
    Main().SetSpGroupCheck(3, true);
    Main().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().SetShapeText(QStringLiteral("レンズ"));
    Main().SetLinkDataText(QStringLiteral("http://example.jp/"));
    Main().SetLinkStyleText(QStringLiteral("リンク設定"));
    Main().SetFontText(QStringLiteral("ＭＳ 明朝"));
    Main().SetBackStyleText(QStringLiteral("画像"));
    Main().SetBackPictureText(QStringLiteral("back.gif"));
    ASSERT_TRUE(Main().DataCreate());
    const DecorationSettings& s = Settings();
    EXPECT_EQ(s.MainString, QStringLiteral("文字"));
    EXPECT_EQ(s.MojiSize, 3);
    EXPECT_EQ(s.SpGroup, (std::array<int16_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(s.ColorStyle, QStringLiteral("グラデーション"));
    EXPECT_EQ(s.StringShape, QStringLiteral("レンズ"));
    EXPECT_EQ(s.LinkData, QStringLiteral("http://example.jp/"));
    EXPECT_EQ(s.LinkStyle, QStringLiteral("リンク設定"));
    EXPECT_EQ(s.FontFace, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(s.BackStyle, QStringLiteral("画像"));
    EXPECT_EQ(s.BackPicture, QStringLiteral("back.gif"));
}

TEST_F(DataCapture, TypedComboTextIsCapturedAsItStands) {
    Main().SetColorStyleText(QStringLiteral("虹色"));
    ASSERT_TRUE(Main().DataCreate());
    EXPECT_EQ(Settings().ColorStyle, QStringLiteral("虹色"));
    EXPECT_EQ(Main().Controls().ColorStyleCombo.text, QStringLiteral("虹色"));  // no selector ran
}

TEST_F(DataCapture, LeavesColoursAndPositionAlone) {
    Main();
    Settings().ColorData[1] = {1, 2, 3};
    Settings().MojiStyle = 2;
    ASSERT_TRUE(Main().DataCreate());
    EXPECT_EQ(Settings().ColorData[1], (ColorTriple{1, 2, 3}));
    EXPECT_EQ(Settings().MojiStyle, 2);
}

TEST_F(DataCapture, TypingUpdatesMainStringAtOnce) {
    Main().SetEditText(QStringLiteral("abc"));
    EXPECT_EQ(Settings().MainString, QStringLiteral("abc"));
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
    Main().SetEditText(QStringLiteral("new"));
    Settings().MainString = QStringLiteral("old");
    Main().SetShapeText(QStringLiteral("レンズ"));
    Main().SetMojiSizeText(QStringLiteral("abc"));
    EXPECT_FALSE(Main().DataCreate());
    EXPECT_EQ(Settings().MainString, QStringLiteral("old"));
    EXPECT_TRUE(Settings().StringShape.isEmpty());
    EXPECT_EQ(feedback.notices.size(), 0);  // the caller decides how to tell
}

using Reset = ProgramFixture;

TEST_F(Reset, FromGradationBackToDefaults) {
    Settings().ColorData[0] = {255, 0, 0};
    Settings().ColorData[1] = {0, 0, 255};
    Settings().BackColorData = {0, 255, 0};
    Main().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().ActiveColorStyle();
    Main().SetBackStyleText(QStringLiteral("単色"));
    Main().SelectBackStyle();
    Main().SetBackColorBoxColor(PackColor(Settings().BackColorData));
    Main().SetShapeText(QStringLiteral("スクラップ"));
    Main().SelectMojiShape();
    Main().SetLinkStyleText(QStringLiteral("リンク設定"));
    Main().SelectLinkStyle();
    Main().SetLinkDataText(QStringLiteral("x.html"));
    Main().SetBackPictureText(QStringLiteral("p.gif"));
    Main().SetSpGroupCheck(0, true);
    Main().SetMojiSizeText(QStringLiteral("5"));
    Main().SetFontText(QStringLiteral("Arial"));
    Main().AddFontEntry(QStringLiteral("Arial"));
    Main().OptionGroup_Click(2);
    Main().CommandButton_Click(2);
    Settings().HTMLString = QStringLiteral("<B>kept</B>");
    Settings().ColorEditTarget = 1;

    Main().NewDataCreate();

    const MainWindowControls& c = Main().Controls();
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
    EXPECT_TRUE(s.MainString.isEmpty());
    EXPECT_EQ(s.MojiSize, 0);
    EXPECT_EQ(s.MojiStyle, 0);
    EXPECT_EQ(s.SpGroup, (std::array<int16_t, 4>{}));
    EXPECT_EQ(s.ColorStyle, QStringLiteral("単色"));
    EXPECT_EQ(s.StringShape, QStringLiteral("標準"));
    EXPECT_EQ(s.BackStyle, QStringLiteral("なし"));
    EXPECT_TRUE(s.BackPicture.isEmpty());
    EXPECT_EQ(s.LinkStyle, QStringLiteral("なし"));
    EXPECT_TRUE(s.LinkData.isEmpty());
    EXPECT_EQ(s.FontFace, QStringLiteral("NULL"));
    EXPECT_EQ(s.ColorData[0], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(s.ColorData[1], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(s.BackColorData, (ColorTriple{0, 0, 0}));
    EXPECT_EQ(s.HTMLString, QStringLiteral("<B>kept</B>"));
    EXPECT_EQ(s.ColorEditTarget, 1);
}

TEST_F(Reset, KeepsAlwaysOnTop) {
    Main().FrontWindow_Set_Click();
    Main().NewDataCreate();
    EXPECT_TRUE(Main().FrontWindowChecked());
}

}  // namespace
}  // namespace glimtex::testing
