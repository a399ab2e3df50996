#include "InterpreterFixture.h"

namespace glimtex::testing {
namespace {

constexpr uint32_t kRed = 0x0000FF;  // packed as 0x00BBGGRR

// Puts a style text into the colour combo without running its selector, so that
// a later run of ActiveColorStyle shows: the gradation look appears only then.
class ColorStatementTest : public InterpreterTest {
  protected:
    void ArmColorStyleSelector() {
        Window().Form().SetColorStyleText(QStringLiteral("グラデーション"));
        ASSERT_FALSE(Controls().ColorBox[1].visible);
    }
    bool ColorStyleSelectorRan() { return Controls().ColorBox[1].visible; }
};

TEST_F(ColorStatementTest, ColorDataOneMakesTheSecondColorRedAndPaintsItsSwatch) {
    Run({QStringLiteral("Set.ColorStyle = \"グラデーション\""),
         QStringLiteral("Set.ColorData = 1,255,0,0")});
    EXPECT_EQ(Settings().colors[1], (ColorTriple{255, 0, 0}));
    EXPECT_EQ(Controls().ColorBox[1].color, PaintedColor(kRed));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(ColorStatementTest, ColorDataZeroPaintsTheFirstSwatchAlsoInAGradation) {
    // The gradation branch of the selector does not repaint ColorBox(0) itself.
    Run({QStringLiteral("Set.ColorStyle = \"グラデーション\""),
         QStringLiteral("Set.ColorData = 0,255,0,0")});
    EXPECT_EQ(Settings().colors[0], (ColorTriple{255, 0, 0}));
    EXPECT_EQ(Controls().ColorBox[0].color, PaintedColor(kRed));
}

TEST_F(ColorStatementTest, ColorDataOneInSingleColorStoresButKeepsTheSwatchBlank) {
    Run(QStringLiteral("Set.ColorData = 1,255,0,0"));
    EXPECT_EQ(Settings().colors[1], (ColorTriple{255, 0, 0}));
    EXPECT_FALSE(Controls().ColorBox[1].visible);
    EXPECT_EQ(Controls().ColorBox[1].color, PaintedColor());  // button face
}

TEST_F(ColorStatementTest, OtherIndexStoresNothingButRunsTheSelector) {
    ArmColorStyleSelector();
    Run(QStringLiteral("Set.ColorData = 2,1,2,3"));
    EXPECT_EQ(Settings().colors[0], (ColorTriple{}));
    EXPECT_EQ(Settings().colors[1], (ColorTriple{}));
    EXPECT_TRUE(ColorStyleSelectorRan());
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(ColorStatementTest, FirstStatementLoadsTheWindowBeforeStoring) {
    // Loading the main window blackens the colours; the statement's colour comes after.
    ASSERT_FALSE(program_.MainWindowLoaded());
    Run(QStringLiteral("Set.ColorData = 0,0,128,255"));
    EXPECT_EQ(Settings().colors[0], (ColorTriple{0, 128, 255}));
    EXPECT_EQ(Controls().ColorBox[0].color, PaintedColor(0xFF8000));
}

TEST_F(ColorStatementTest, MissingBlueBeepsAndDoesNothing) {
    ArmColorStyleSelector();
    Run(QStringLiteral("Set.ColorData = 0,255,0"));
    // The last "0" has no comma after it: G is empty (a beep) and so is B (a beep).
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_EQ(Settings().colors[0], (ColorTriple{}));
    EXPECT_FALSE(ColorStyleSelectorRan());
}

TEST_F(ColorStatementTest, EmptyLeadingFieldBeepsForItselfAndForTheRefusal) {
    ArmColorStyleSelector();
    Run(QStringLiteral("Set.ColorData =,1,2,3"));
    EXPECT_EQ(feedback_.beeps, 2);
    EXPECT_FALSE(ColorStyleSelectorRan());
}

TEST_F(ColorStatementTest, BlankLeadingFieldIsNotEmptyButNoNumber) {
    Run(QStringLiteral("Set.ColorData = ,1,2,3"));
    EXPECT_EQ(feedback_.beeps, 1);  // the field is " "
    EXPECT_EQ(Settings().colors[0], (ColorTriple{}));
}

TEST_F(ColorStatementTest, TooManyFieldsLeaveALastFieldThatIsNoNumber) {
    Run(QStringLiteral("Set.ColorData = 0,1,2,3,4"));
    EXPECT_EQ(feedback_.beeps, 1);
    EXPECT_EQ(Settings().colors[0], (ColorTriple{}));
}

TEST_F(ColorStatementTest, ComponentsOutsideTheByteAreStoredAsGivenAndShownClamped) {
    Run(QStringLiteral("Set.ColorData = 0, 300 , -5 ,0"));
    EXPECT_EQ(Settings().colors[0], (ColorTriple{300, -5, 0}));
    EXPECT_EQ(Controls().ColorBox[0].color, PaintedColor(kRed));
    EXPECT_EQ(feedback_.beeps, 0);
}

TEST_F(ColorStatementTest, BackColorDataStoresPaintsAndRunsTheSelector) {
    ArmColorStyleSelector();
    Run(QStringLiteral("Set.BackColorData = 0,128,255"));
    EXPECT_EQ(Settings().backgroundColor, (ColorTriple{0, 128, 255}));
    EXPECT_EQ(Controls().BackColorBox.color, PaintedColor(0xFF8000));
    EXPECT_TRUE(ColorStyleSelectorRan());
}

TEST_F(ColorStatementTest, BackColorDataWithAMissingFieldBeepsAndDoesNothing) {
    ArmColorStyleSelector();
    Run(QStringLiteral("Set.BackColorData = 10,20"));
    EXPECT_EQ(feedback_.beeps, 2);  // G is empty, and B is no number
    EXPECT_EQ(Settings().backgroundColor, (ColorTriple{}));
    EXPECT_FALSE(ColorStyleSelectorRan());
}

}  // namespace
}  // namespace glimtex::testing
