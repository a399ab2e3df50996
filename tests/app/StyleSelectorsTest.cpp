#include "app/ProgramFixture.h"
#include "core/StyleNames.h"
#include "engine/ColorMapStrip.h"
#include "engine/ShapePreview.h"

namespace glimtex::testing {
namespace {

uint32_t Gray(uint32_t v) { return v | (v << 8) | (v << 16); }

// The window is loaded first, so the colours set in a test are not reset by the load.
class StyleSelectors : public ProgramFixture {
  protected:
    void SetUp() override { Main(); }
};

TEST_F(StyleSelectors, BackStyleShowsItsControls) {
    Main().Form().SetBackgroundStyleText(QStringLiteral("画像"));
    Main().Form().ApplyBackgroundStyle();
    EXPECT_TRUE(Main().Controls().BackPictureVisible);
    EXPECT_FALSE(Main().Controls().BackColorBox.visible);
    Main().Form().SetBackgroundStyleText(QStringLiteral("単色"));
    Main().Form().ApplyBackgroundStyle();
    EXPECT_FALSE(Main().Controls().BackPictureVisible);
    EXPECT_TRUE(Main().Controls().BackColorBox.visible);
    Main().Form().SetBackgroundStyleText(QStringLiteral("なし"));
    Main().Form().ApplyBackgroundStyle();
    EXPECT_FALSE(Main().Controls().BackPictureVisible);
    EXPECT_FALSE(Main().Controls().BackColorBox.visible);
}

TEST_F(StyleSelectors, TextOutsideTheListFallsBackToTheFirstEntry) {
    Main().Form().SetBackgroundStyleText(QStringLiteral("画像 "));  // not an exact entry
    Main().Form().ApplyBackgroundStyle();
    EXPECT_EQ(Main().Controls().BackStyleCombo.text, QStringLiteral("なし"));
    EXPECT_FALSE(Main().Controls().BackPictureVisible);

    Main().Form().SetLinkStyleText(QStringLiteral("link"));
    Main().Form().ApplyLinkStyle();
    EXPECT_EQ(Main().Controls().LinkStyleCombo.text, QStringLiteral("なし"));
    EXPECT_FALSE(Main().Controls().LinkDataVisible);

    Main().Form().SetShapeText(QString());
    Main().Form().ApplyShape();
    EXPECT_EQ(Main().Controls().MojiShapeCombo.text, QStringLiteral("標準"));
}

TEST_F(StyleSelectors, LinkStyleShowsTheTarget) {
    Main().Form().SetLinkStyleText(QStringLiteral("リンク設定"));
    Main().Form().ApplyLinkStyle();
    EXPECT_TRUE(Main().Controls().LinkDataVisible);
    Main().Form().SetLinkStyleText(QStringLiteral("なし"));
    Main().Form().ApplyLinkStyle();
    EXPECT_FALSE(Main().Controls().LinkDataVisible);
}

TEST_F(StyleSelectors, UnknownColorStyleEndsInTheSingleColorLook) {
    Settings().colors[0] = {255, 0, 0};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().ApplyColorStyle();
    Main().Form().SetColorStyleText(QStringLiteral("虹色"));
    Main().Form().ApplyColorStyle();
    const FormControls& c = Main().Controls();
    EXPECT_EQ(c.ColorStyleCombo.text, QStringLiteral("単色"));
    EXPECT_FALSE(c.ColorBox[1].visible);
    EXPECT_FALSE(c.ChangeButtonVisible);
}

TEST_F(StyleSelectors, SingleColorPaintsTheWholeStripInTheFirstColor) {
    Settings().colors[0] = {0, 0, 0};
    Settings().colors[1] = {255, 255, 255};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().ApplyColorStyle();
    Settings().colors[0] = {0x12, 0x34, 0x56};
    Main().Form().SetColorStyleText(QStringLiteral("単色"));
    Main().Form().ApplyColorStyle();
    const FormControls& c = Main().Controls();
    EXPECT_EQ(c.ColorBox[0].color, PaintedColor{0x563412});
    EXPECT_EQ(c.ColorBox[1].color, std::nullopt);
    for (const PaintedColor& rect : c.ColorMap) EXPECT_EQ(rect, PaintedColor{0x563412});
}

TEST_F(StyleSelectors, GradationShowsTheSecondSwatchAndTheStrip) {
    Settings().colors[0] = {0, 0, 0};
    Settings().colors[1] = {255, 255, 255};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().ApplyColorStyle();
    const FormControls& c = Main().Controls();
    EXPECT_TRUE(c.ColorBox[1].visible);
    EXPECT_TRUE(c.ChangeButtonVisible);
    EXPECT_EQ(c.ColorBox[1].color, PaintedColor{0xFFFFFF});
    EXPECT_EQ(c.ColorMap[0], PaintedColor{0});
    EXPECT_EQ(c.ColorMap[1], PaintedColor{0});
    EXPECT_EQ(c.ColorMap[99], PaintedColor{Gray(250)});  // 98/100 of 255 is 249.9
    EXPECT_EQ(c.ColorMap[100], PaintedColor{Gray(252)});
}

TEST_F(StyleSelectors, SwapExchangesColorsAndRedrawsTheStrip) {
    Settings().colors[0] = {0, 0, 0};
    Settings().colors[1] = {255, 255, 255};
    Main().Form().SetColorStyleText(QStringLiteral("グラデーション"));
    Main().Form().ApplyColorStyle();
    Main().Form().SwapColors();
    EXPECT_EQ(Settings().colors[0], (ColorTriple{255, 255, 255}));
    EXPECT_EQ(Settings().colors[1], (ColorTriple{0, 0, 0}));
    const FormControls& c = Main().Controls();
    EXPECT_EQ(c.ColorBox[0].color, PaintedColor{0xFFFFFF});
    EXPECT_EQ(c.ColorBox[1].color, PaintedColor{0});
    EXPECT_EQ(c.ColorMap[0], PaintedColor{0xFFFFFF});
    EXPECT_EQ(c.ColorMap[1], PaintedColor{0xFFFFFF});
    EXPECT_EQ(c.ColorMap[99], PaintedColor{Gray(5)});  // 255 - 249.9
}

TEST_F(StyleSelectors, OutOfRangeComponentsAreKeptButShownClamped) {
    Settings().colors[0] = {300, -5, 128};
    Main().Form().ApplyColorStyle();
    EXPECT_EQ(Settings().colors[0], (ColorTriple{300, -5, 128}));
    EXPECT_EQ(Main().Controls().ColorBox[0].color, PaintedColor{0x8000FF});
}

TEST_F(StyleSelectors, OptionButtonsAreExclusive) {
    Main().Form().ChoosePosition(1);
    EXPECT_EQ(Settings().position, Position::Superscript);
    EXPECT_EQ(Main().Controls().OptionGroup, (std::array<bool, 3>{false, true, false}));
    Main().Form().ChoosePosition(2);
    EXPECT_EQ(Settings().position, Position::Subscript);
    EXPECT_EQ(Main().Controls().OptionGroup, (std::array<bool, 3>{false, false, true}));
    Main().Form().ChoosePosition(3);
    EXPECT_EQ(Settings().position, Position::Subscript);
}

TEST_F(StyleSelectors, LensThenStandardReturnsAllLetters) {
    Main().Form().SetShapeText(QStringLiteral("レンズ"));
    Main().Form().ApplyShape();
    std::array<int, 7> sizes{};
    for (size_t i = 0; i < 7; ++i) sizes[i] = Main().Controls().TestLabel[i].fontSize;
    EXPECT_EQ(sizes, (std::array<int, 7>{28, 26, 24, 22, 24, 26, 28}));
    Main().Form().SetShapeText(QStringLiteral("標準"));
    Main().Form().ApplyShape();
    for (const PreviewLetter& letter : Main().Controls().TestLabel) {
        EXPECT_EQ(letter, (PreviewLetter{28, 1200}));
    }
}

TEST(GradationStrip, FirstTwoRectanglesShowTheStartColor) {
    const auto colors = GradationStripColors({10, 20, 30}, {200, 100, 0});
    EXPECT_EQ(colors[0], (ColorTriple{10, 20, 30}));
    EXPECT_EQ(colors[1], (ColorTriple{10, 20, 30}));
    EXPECT_EQ(colors[51], (ColorTriple{105, 60, 15}));  // half way
}

TEST(GradationStrip, HalvesRoundToTheEvenNeighbour) {
    // 0 to 50: step k lies at k/2, exactly a half for odd k.
    const auto colors = GradationStripColors({0, 0, 0}, {50, 50, 50});
    EXPECT_EQ(colors[2][0], 0);  // 0.5
    EXPECT_EQ(colors[4][0], 2);  // 1.5
    EXPECT_EQ(colors[6][0], 2);  // 2.5
    EXPECT_EQ(colors[8][0], 4);  // 3.5
}

TEST(GradationStrip, ExtremeComponentsStayInRange) {
    const auto colors = GradationStripColors({-32768, 32767, 0}, {32767, -32768, 0});
    EXPECT_EQ(colors[0], (ColorTriple{-32768, 32767, 0}));
    EXPECT_GT(colors[100][0], 32000);
    EXPECT_LT(colors[100][1], -32000);
}

TEST(GradationStrip, RectangleSpansAreHundredthsOfTheWidth) {
    const StripSpan first = StripRectangleSpan(0, 3465.0f);
    EXPECT_FLOAT_EQ(first.left, 0.0f);
    EXPECT_FLOAT_EQ(first.right, 34.65f);
    const StripSpan beyond = StripRectangleSpan(100, 3465.0f);
    EXPECT_FLOAT_EQ(beyond.left, 3465.0f);  // starts at the right edge
}

struct ShapeCase {
    const char* shape;
    std::array<PreviewLetter, 7> letters;
};

class ShapeLetters : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeLetters, MatchTheTable) {
    const auto letters =
        ShapePreviewLetters(StyleNames::ShapeNamed(QString::fromUtf8(GetParam().shape)));
    ASSERT_TRUE(letters.has_value());
    EXPECT_EQ(*letters, GetParam().letters);
}

INSTANTIATE_TEST_SUITE_P(
    AllShapes, ShapeLetters,
    ::testing::Values(
        ShapeCase{
            "標準",
            {{{28, 1200}, {28, 1200}, {28, 1200}, {28, 1200}, {28, 1200}, {28, 1200}, {28, 1200}}}},
        ShapeCase{
            "右下がり",
            {{{28, 1200}, {26, 1250}, {24, 1300}, {22, 1320}, {20, 1370}, {18, 1380}, {16, 1430}}}},
        ShapeCase{
            "左下がり",
            {{{16, 1370}, {18, 1320}, {20, 1270}, {22, 1250}, {24, 1200}, {26, 1190}, {28, 1140}}}},
        ShapeCase{
            "レンズ",
            {{{28, 1200}, {26, 1250}, {24, 1300}, {22, 1350}, {24, 1300}, {26, 1250}, {28, 1200}}}},
        ShapeCase{"スクラップ",
                  {{{28, 1200},
                    {22, 1350},
                    {28, 1200},
                    {22, 1350},
                    {28, 1200},
                    {22, 1350},
                    {28, 1200}}}}));

TEST(ShapeLettersOther, UnknownShapeHasNoLayout) {
    EXPECT_FALSE(ShapePreviewLetters(StyleNames::ShapeNamed(QStringLiteral("標準 "))).has_value());
    EXPECT_FALSE(ShapePreviewLetters(StyleNames::ShapeNamed(QString())).has_value());
}

TEST_F(StyleSelectors, SelectorLaysOutTheChosenShape) {
    Main().Form().SetShapeText(QStringLiteral("右下がり"));
    Main().Form().ApplyShape();
    EXPECT_EQ(Main().Controls().TestLabel,
              *ShapePreviewLetters(StyleNames::ShapeNamed(QStringLiteral("右下がり"))));
}

}  // namespace
}  // namespace glimtex::testing
