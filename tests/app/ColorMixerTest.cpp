#include "app/ColorMixerState.h"
#include "app/ColorPaletteState.h"
#include "app/ProgramFixture.h"
#include "core/StyleNames.h"
#include "engine/ColorMapStrip.h"

namespace glimtex::testing {
namespace {

constexpr uint32_t kOrange = 0x0080FF;  // R 255, G 128, B 0 packed as 0x00BBGGRR

// The main window is loaded, and the windows' comings and goings are recorded in order.
class ColorMixer : public ProgramFixture {
  protected:
    void SetUp() override {
        Main();
        auto name = [](WindowKind kind) {
            return kind == WindowKind::ColorMixer ? QStringLiteral("mixer")
                                                  : QStringLiteral("palette");
        };
        QObject::connect(program.get(), &Program::shown, [this, name](WindowKind kind) {
            events.append(name(kind) + QStringLiteral(" shown"));
        });
        QObject::connect(program.get(), &Program::closed, [this, name](WindowKind kind) {
            events.append(name(kind) + QStringLiteral(" closed"));
        });
    }

    void UseGradation() {
        Main().Form().SetColorStyleText(StyleNames::Of(ColorStyle::Gradation));
        Main().Form().ApplyColorStyle();
    }
    ColorMixerState& Mixer() {
        EXPECT_NE(program->Find<ColorMixerState>(), nullptr);
        return *program->Find<ColorMixerState>();
    }
    QStringList Labels() {
        return {Mixer().ValueLabel(0), Mixer().ValueLabel(1), Mixer().ValueLabel(2)};
    }
    const FormControls& Controls() { return Main().Controls(); }

    QStringList events;
};

TEST_F(ColorMixer, FirstSwatchOpensThePaletteThenTheMixerOnItsColor) {
    Settings().colors[0] = {10, 20, 30};
    Main().EditColor(0);
    EXPECT_EQ(events, (QStringList{"palette shown", "mixer shown"}));
    ASSERT_NE(program->Find<ColorPaletteState>(), nullptr);
    EXPECT_EQ(Labels(), (QStringList{"10", "20", "30"}));
    EXPECT_EQ(Mixer().PreviewColor(), 0x1E140Au);
    EXPECT_EQ(Mixer().Target(), 0);
}

TEST_F(ColorMixer, SecondSwatchOpensOnlyWhileItIsVisible) {
    Main().EditColor(1);  // single colour: the second swatch is hidden
    EXPECT_EQ(program->Find<ColorMixerState>(), nullptr);
    Main().EditColor(2);
    EXPECT_EQ(program->Find<ColorMixerState>(), nullptr);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(ColorMixer, SetWithoutTouchingWritesTheSameColorBackAndRepaints) {
    UseGradation();
    Settings().colors[1] = {255, 128, 0};
    Main().EditColor(1);
    EXPECT_EQ(Labels(), (QStringList{"255", "128", "0"}));
    EXPECT_EQ(Mixer().PreviewColor(), kOrange);
    EXPECT_EQ(Mixer().Target(), 1);
    Mixer().Confirm();
    EXPECT_EQ(Settings().colors[1], (ColorTriple{255, 128, 0}));
    EXPECT_EQ(Controls().ColorBox[1].color, PaintedColor(kOrange));
    EXPECT_EQ(program->Find<ColorMixerState>(), nullptr);
    EXPECT_EQ(program->Find<ColorPaletteState>(), nullptr);
    EXPECT_EQ(events.mid(2), (QStringList{"palette closed", "mixer closed"}));
}

TEST_F(ColorMixer, OpeningForAnotherSwatchRetargetsTheOpenMixerWithoutReloading) {
    Settings().backgroundColor = {1, 2, 3};
    Settings().colors[0] = {200, 100, 50};
    Main().EditBackgroundColor();
    ColorMixerState* first = program->Find<ColorMixerState>();
    EXPECT_EQ(Mixer().Target(), kBackColorSlot);
    Main().EditColor(0);
    EXPECT_EQ(program->Find<ColorMixerState>(), first);
    EXPECT_EQ(events, (QStringList{"palette shown", "mixer shown", "mixer shown"}));
    EXPECT_EQ(Mixer().Target(), 0);
    EXPECT_EQ(Labels(), (QStringList{"200", "100", "50"}));
    Mixer().SetBar(2, 255);
    Mixer().Confirm();
    EXPECT_EQ(Settings().colors[0], (ColorTriple{200, 100, 255}));
    EXPECT_EQ(Settings().backgroundColor, (ColorTriple{1, 2, 3}));
}

TEST_F(ColorMixer, BackgroundSetRepaintsItsSwatchAndTheStrip) {
    // The strip is left stale on purpose: "設定" repaints it whichever slot was edited.
    Settings().colors[0] = {0, 0, 255};
    Main().Form().PaintSwatch(0, 0xFF0000);
    Main().EditBackgroundColor();
    Mixer().SetBars({0, 255, 0});
    Mixer().Confirm();
    EXPECT_EQ(Settings().backgroundColor, (ColorTriple{0, 255, 0}));
    EXPECT_EQ(Controls().BackColorBox.color, PaintedColor(0x00FF00));
    for (const PaintedColor& rect : Controls().ColorMap) EXPECT_EQ(rect, PaintedColor(0xFF0000));
}

TEST_F(ColorMixer, GradationStripIsRedrawnFromBothColors) {
    UseGradation();
    Settings().colors[1] = {0, 0, 255};
    Main().EditColor(0);
    Mixer().SetBars({255, 0, 0});
    Mixer().Confirm();
    const auto expected = GradationStripColors({255, 0, 0}, {0, 0, 255});
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(Controls().ColorMap[k], PaintedColor(PackColor(expected[k]))) << k;
    }
    EXPECT_EQ(Controls().ColorBox[0].color, PaintedColor(0x0000FF));
}

TEST_F(ColorMixer, CancelAndTheCloseBoxChangeNothing) {
    UseGradation();
    Settings().colors[1] = {255, 128, 0};
    const FormControls before = Controls();
    Main().EditColor(1);
    Mixer().SetBars({1, 2, 3});
    Mixer().Cancel();
    EXPECT_EQ(program->Find<ColorMixerState>(), nullptr);
    EXPECT_EQ(program->Find<ColorPaletteState>(), nullptr);
    EXPECT_EQ(Settings().colors[1], (ColorTriple{255, 128, 0}));
    EXPECT_EQ(Controls().ColorBox[1].color, before.ColorBox[1].color);
    EXPECT_EQ(Controls().ColorMap, before.ColorMap);
    EXPECT_EQ(events.mid(2), (QStringList{"palette closed", "mixer closed"}));
}

TEST_F(ColorMixer, ComponentsOutsideTheBarsRangeStopAtItsEnds) {
    // A macro may store them; the bars cannot show them.
    Settings().colors[0] = {300, -5, 128};
    Main().EditColor(0);
    EXPECT_EQ(Labels(), (QStringList{"255", "0", "128"}));
    Mixer().Confirm();
    EXPECT_EQ(Settings().colors[0], (ColorTriple{255, 0, 128}));
}

TEST_F(ColorMixer, ClosingTheMainWindowClosesThePaletteThenTheMixer) {
    Main().EditColor(0);
    program->Show<OutputWindowState>();
    events.clear();
    Main().Unload();
    EXPECT_EQ(events, (QStringList{"palette closed", "mixer closed"}));
    EXPECT_NE(program->Find<OutputWindowState>(), nullptr);
    Main().Unload();  // nothing open: nothing happens
    EXPECT_EQ(events.size(), 2);
}

TEST_F(ColorMixer, ClosingThePaletteAloneLeavesTheMixerWorking) {
    Main().EditColor(0);
    program->Close<ColorPaletteState>();
    Main().EditBackgroundColor();  // the open mixer is retargeted: no palette
    EXPECT_EQ(program->Find<ColorPaletteState>(), nullptr);
    Mixer().SetBar(0, 40);
    Mixer().Confirm();
    EXPECT_EQ(Settings().backgroundColor, (ColorTriple{40, 0, 0}));
    Main().EditColor(0);  // opened afresh, with its palette
    EXPECT_NE(program->Find<ColorPaletteState>(), nullptr);
}

}  // namespace
}  // namespace glimtex::testing
