#include "app/ColorMixerState.h"
#include "app/ColorPaletteState.h"
#include "app/ProgramFixture.h"

namespace glimtex::testing {
namespace {

// The mixer is open on the first colour, with its palette.
class ColorPalette : public ProgramFixture {
  protected:
    void SetUp() override {
        Main().EditColor(0);
        ASSERT_NE(program->Find<ColorPaletteState>(), nullptr);
    }
    ColorPaletteState& Palette() { return *program->Find<ColorPaletteState>(); }
    ColorMixerState& Mixer() { return *program->Find<ColorMixerState>(); }
};

TEST_F(ColorPalette, LoadFillsAllThirtyFiveRowsAndSwatches) {
    EXPECT_EQ(Palette().RowCount(), 35);
    const auto& rows = Palette().Rows();
    EXPECT_EQ(rows[0], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(rows[6], (ColorTriple{212, 255, 227}));
    EXPECT_EQ(rows[19], (ColorTriple{50, 0, 0}));  // the darkest red is 50, not 0
    EXPECT_EQ(rows[31], (ColorTriple{180, 180, 180}));
    EXPECT_EQ(rows[34], (ColorTriple{0, 0, 0}));
    EXPECT_EQ(Palette().SwatchColor(5), 0xFFF0D4u);
    EXPECT_EQ(Palette().SwatchColor(29), 0x320000u);
}

TEST_F(ColorPalette, SwatchesStandInSevenColumnsOfFiveOverlappingByOnePixel) {
    EXPECT_EQ(ColorPaletteState::SwatchPlace(0), QRect(120, 120, 255, 255));
    EXPECT_EQ(ColorPaletteState::SwatchPlace(4), QRect(120, 1080, 255, 255));
    EXPECT_EQ(ColorPaletteState::SwatchPlace(5), QRect(360, 120, 255, 255));
    EXPECT_EQ(ColorPaletteState::SwatchPlace(34), QRect(1560, 1080, 255, 255));
    const QRect a = ColorPaletteState::SwatchPlace(12);
    const QRect b = ColorPaletteState::SwatchPlace(13);
    EXPECT_EQ(a.bottom() + 1 - b.top(), 15);
}

TEST_F(ColorPalette, ClickLoadsTheRowIntoTheMixer) {
    Palette().Pick(13);
    EXPECT_EQ(Mixer().ValueLabel(0), QStringLiteral("255"));
    EXPECT_EQ(Mixer().ValueLabel(1), QStringLiteral("200"));
    EXPECT_EQ(Mixer().ValueLabel(2), QStringLiteral("0"));
    EXPECT_EQ(Mixer().PreviewColor(), 0x00C8FFu);      // amber
    EXPECT_EQ(Settings().colors[0], (ColorTriple{}));  // only "設定" stores it
}

TEST_F(ColorPalette, BlackAfterBlackChangesNothing) {
    Palette().Pick(0);
    int changes = 0;
    QObject::connect(&Mixer(), &ColorMixerState::changed, [&] { ++changes; });
    Palette().Pick(34);
    EXPECT_EQ(changes, 0);
    Palette().Pick(2);  // red: only the red bar moves
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace glimtex::testing
