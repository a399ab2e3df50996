#include "app/ColorMixerState.h"
#include "app/GradientDetailsState.h"
#include "app/ProgramFixture.h"
#include "core/StyleNames.h"
#include "engine/ColorMapStrip.h"

namespace glimtex::testing {
namespace {

constexpr ColorTriple kRed{255, 0, 0};
constexpr ColorTriple kGreen{0, 255, 0};
constexpr ColorTriple kBlue{0, 0, 255};

// The main window in the gradation style over red, green and blue, with
// "グラデーションの詳細" open on it.
class GradientDetails : public ProgramFixture {
  protected:
    void SetUp() override {
        Main().Form().SetColorStyleText(StyleNames::Of(ColorStyle::Gradation));
        Main().Form().ApplyColorStyle();
        ASSERT_TRUE(Main().Form().SetColorStops({kRed, kGreen, kBlue}));
        Main().EditGradientDetails();
    }
    GradientDetailsState& Details() {
        EXPECT_NE(program->Find<GradientDetailsState>(), nullptr);
        return *program->Find<GradientDetailsState>();
    }
    ColorMixerState* Mixer() { return program->Find<ColorMixerState>(); }
};

TEST_F(GradientDetails, StopsRangeFromTwoToSixteen) {
    while (Details().CanAdd()) Details().Add();
    EXPECT_EQ(Details().StopCount(), kMaxColorStops);
    const QList<ColorTriple> full = Details().Stops();
    Details().Add();
    EXPECT_EQ(Details().Stops(), full);

    while (Details().CanRemove()) Details().Remove();
    EXPECT_EQ(Details().StopCount(), 2);
    Details().Remove();
    EXPECT_EQ(Details().StopCount(), 2);
}

// Of three stops, the strip shows the middle of the first run at character 25 and of
// the second at character 75, each in the rectangle after it.
constexpr std::array<size_t, 2> kHalfwayRectangles{26, 76};

TEST_F(GradientDetails, AddedStopKeepsTheLookOfTheRunItSplits) {
    for (const GradientSpace space : {GradientSpace::Rgb, GradientSpace::Oklab}) {
        for (int selected = 0; selected < 2; ++selected) {
            Details().ChooseSpace(space);
            Details().Select(selected);
            const ColorTriple halfway = Details().StripColors()[kHalfwayRectangles[selected]];
            Details().Add();
            EXPECT_EQ(Details().Selected(), selected + 1);
            EXPECT_EQ(Details().StopColor(selected + 1), halfway);
            Details().Remove();
        }
    }
    Details().Select(2);
    Details().Add();  // after the last stop: its colour again
    EXPECT_EQ(Details().Stops(), (QList<ColorTriple>{kRed, kGreen, kBlue, kBlue}));
}

TEST_F(GradientDetails, MovingAndRemovingKeepASensibleSelection) {
    Details().MoveUp();  // the first stop cannot go higher
    EXPECT_EQ(Details().Stops(), (QList<ColorTriple>{kRed, kGreen, kBlue}));
    Details().MoveDown();
    Details().MoveDown();
    EXPECT_EQ(Details().Stops(), (QList<ColorTriple>{kGreen, kBlue, kRed}));
    EXPECT_EQ(Details().Selected(), 2);  // red, moved, is still the one selected
    EXPECT_FALSE(Details().CanMoveDown());

    Details().Remove();  // the last went: the new last is selected
    EXPECT_EQ(Details().Stops(), (QList<ColorTriple>{kGreen, kBlue}));
    EXPECT_EQ(Details().Selected(), 1);
    Details().Add();
    Details().Select(0);
    Details().Remove();  // the stop that takes its place is selected
    EXPECT_EQ(Details().Selected(), 0);
    EXPECT_EQ(Details().StopColor(0), kBlue);
}

TEST_F(GradientDetails, TheMixerFollowsItsStopAndStoresIntoTheListOnly) {
    Details().Select(1);
    Details().EditSelectedColor();
    ASSERT_NE(Mixer(), nullptr);
    EXPECT_EQ(Mixer()->BarValue(1), 255);
    EXPECT_EQ(Mixer()->Target(), ColorMixerState::kNoSlot);
    Details().MoveUp();  // green moves; the mixer still edits it
    Mixer()->SetBars({10, 20, 30});
    Mixer()->Confirm();
    EXPECT_EQ(Mixer(), nullptr);
    EXPECT_EQ(Details().Stops(), (QList<ColorTriple>{{10, 20, 30}, kRed, kBlue}));
    EXPECT_EQ(ColorStops(Settings()), (QList<ColorTriple>{kRed, kGreen, kBlue}));

    // A mixer on a removed stop goes with it; one on another stop stays.
    Details().Select(2);
    Details().EditSelectedColor();
    Details().Select(0);
    Details().Remove();
    EXPECT_NE(Mixer(), nullptr);
    Details().Add();
    Details().Select(2);
    Details().Remove();
    EXPECT_EQ(Mixer(), nullptr);
    EXPECT_EQ(Details().StopCount(), 2);
    EXPECT_EQ(Details().StopColor(0), kRed);

    // Closing the window takes a mixer on one of its stops along, not one that a
    // swatch has retargeted to the form.
    Details().EditSelectedColor();
    Main().EditColor(1);
    EXPECT_EQ(Mixer()->Target(), 1);
    Details().Cancel();
    EXPECT_NE(Mixer(), nullptr);
    Main().EditGradientDetails();
    Details().EditSelectedColor();
    Details().Cancel();
    EXPECT_EQ(Mixer(), nullptr);
}

TEST_F(GradientDetails, OkStoresIntoTheFormAndCancelChangesNothing) {
    EXPECT_EQ(Details().Stops(), (QList<ColorTriple>{kRed, kGreen, kBlue}));
    EXPECT_EQ(Details().StripColors(), GradationStripColors(Settings()));
    const FormControls before = Main().Controls();
    Details().Add();
    Details().ChooseSpace(GradientSpace::Oklab);
    Details().Cancel();
    EXPECT_EQ(program->Find<GradientDetailsState>(), nullptr);
    EXPECT_EQ(ColorStops(Settings()), (QList<ColorTriple>{kRed, kGreen, kBlue}));
    EXPECT_EQ(Settings().gradientSpace, GradientSpace::Rgb);
    EXPECT_EQ(Main().Controls().ColorMap, before.ColorMap);

    Main().EditGradientDetails();
    Details().MoveDown();
    Details().ChooseSpace(GradientSpace::Oklab);
    Details().Confirm();
    EXPECT_EQ(program->Find<GradientDetailsState>(), nullptr);
    EXPECT_EQ(ColorStops(Settings()), (QList<ColorTriple>{kGreen, kRed, kBlue}));
    EXPECT_EQ(Settings().gradientSpace, GradientSpace::Oklab);
    EXPECT_EQ(Main().Controls().ColorBox[0].color, PaintedColor(PackColor(kGreen)));
    EXPECT_EQ(Main().Controls().ColorBox[1].color, PaintedColor(PackColor(kRed)));
    const auto strip = GradationStripColors(Settings());
    for (size_t k = 0; k < strip.size(); ++k) {
        EXPECT_EQ(Main().Controls().ColorMap[k], PaintedColor(PackColor(strip[k]))) << k;
    }
}

}  // namespace
}  // namespace glimtex::testing
