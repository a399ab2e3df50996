#include "app/ColorMapStrip.h"
#include "app/ColorMixer.h"
#include "app/ColorPalette.h"
#include "app/ProgramFixture.h"

namespace glimtex::testing {
namespace {

constexpr uint32_t kOrange = 0x0080FF;  // R 255, G 128, B 0 packed as 0x00BBGGRR

// The main window is loaded, and the windows' comings and goings are recorded in order.
class ColorMixer : public ProgramFixture {
  protected:
    void SetUp() override {
        Main();
        auto record = [this](const char* event) {
            return [this, event] { events.append(QString::fromLatin1(event)); };
        };
        QObject::connect(program.get(), &Program::colorMixerShown, record("mixer shown"));
        QObject::connect(program.get(), &Program::colorMixerClosed, record("mixer closed"));
        QObject::connect(program.get(), &Program::colorPaletteShown, record("palette shown"));
        QObject::connect(program.get(), &Program::colorPaletteClosed, record("palette closed"));
    }

    void UseGradation() {
        Main().SetColorStyleText(StyleText::kGradation);
        Main().ActiveColorStyle();
    }
    ColorMixerState& Mixer() {
        EXPECT_NE(program->ColorMixer(), nullptr);
        return *program->ColorMixer();
    }
    QStringList Labels() {
        return {Mixer().ValueLabel(0), Mixer().ValueLabel(1), Mixer().ValueLabel(2)};
    }
    const MainWindowControls& Controls() { return Main().Controls(); }

    QStringList events;
};

TEST_F(ColorMixer, FirstSwatchOpensThePaletteThenTheMixerOnItsColour) {
    Settings().ColorData[0] = {10, 20, 30};
    Main().ColorBox_Click(0);
    EXPECT_EQ(events, (QStringList{"palette shown", "mixer shown"}));
    ASSERT_NE(program->ColorPalette(), nullptr);
    EXPECT_EQ(Labels(), (QStringList{"10", "20", "30"}));
    EXPECT_EQ(Mixer().RGB_ColorBox(), 0x1E140Au);
    EXPECT_EQ(Settings().ColorEditTarget, 0);
}

TEST_F(ColorMixer, SecondSwatchOpensOnlyWhileItIsVisible) {
    Main().ColorBox_Click(1);  // single colour: the second swatch is hidden
    EXPECT_EQ(program->ColorMixer(), nullptr);
    Main().ColorBox_Click(2);
    EXPECT_EQ(program->ColorMixer(), nullptr);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(ColorMixer, SetWithoutTouchingWritesTheSameColourBackAndRepaints) {
    UseGradation();
    Settings().ColorData[1] = {255, 128, 0};
    Main().ColorBox_Click(1);
    EXPECT_EQ(Labels(), (QStringList{"255", "128", "0"}));
    EXPECT_EQ(Mixer().RGB_ColorBox(), kOrange);
    EXPECT_EQ(Settings().ColorEditTarget, 1);
    Mixer().OK_Button_Click();
    EXPECT_EQ(Settings().ColorData[1], (ColorTriple{255, 128, 0}));
    EXPECT_EQ(Controls().ColorBox[1].color, PaintedColor(kOrange));
    EXPECT_EQ(program->ColorMixer(), nullptr);
    EXPECT_EQ(program->ColorPalette(), nullptr);
    EXPECT_EQ(events.mid(2), (QStringList{"palette closed", "mixer closed"}));
}

TEST_F(ColorMixer, OpeningForAnotherSwatchRetargetsTheOpenMixerWithoutReloading) {
    Settings().BackColorData = {1, 2, 3};
    Settings().ColorData[0] = {200, 100, 50};
    Main().BackColorBox_Click();
    ColorMixerState* first = program->ColorMixer();
    EXPECT_EQ(Settings().ColorEditTarget, kBackColorSlot);
    Main().ColorBox_Click(0);
    EXPECT_EQ(program->ColorMixer(), first);
    EXPECT_EQ(events, (QStringList{"palette shown", "mixer shown", "mixer shown"}));
    EXPECT_EQ(Settings().ColorEditTarget, 0);
    EXPECT_EQ(Labels(), (QStringList{"200", "100", "50"}));
    Mixer().SetScrollValue(2, 255);
    Mixer().OK_Button_Click();
    EXPECT_EQ(Settings().ColorData[0], (ColorTriple{200, 100, 255}));
    EXPECT_EQ(Settings().BackColorData, (ColorTriple{1, 2, 3}));
}

TEST_F(ColorMixer, BackgroundSetRepaintsItsSwatchAndTheStrip) {
    // The strip is left stale on purpose: "設定" repaints it whichever slot was edited.
    Settings().ColorData[0] = {0, 0, 255};
    Main().SetColorBoxColor(0, 0xFF0000);
    Main().BackColorBox_Click();
    Mixer().SetScrollValues({0, 255, 0});
    Mixer().OK_Button_Click();
    EXPECT_EQ(Settings().BackColorData, (ColorTriple{0, 255, 0}));
    EXPECT_EQ(Controls().BackColorBox.color, PaintedColor(0x00FF00));
    for (const PaintedColor& rect : Controls().ColorMap) EXPECT_EQ(rect, PaintedColor(0xFF0000));
}

TEST_F(ColorMixer, GradationStripIsRedrawnFromBothColours) {
    UseGradation();
    Settings().ColorData[1] = {0, 0, 255};
    Main().ColorBox_Click(0);
    Mixer().SetScrollValues({255, 0, 0});
    Mixer().OK_Button_Click();
    const auto expected = GradationStripColors({255, 0, 0}, {0, 0, 255});
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(Controls().ColorMap[k], PaintedColor(PackColor(expected[k]))) << k;
    }
    EXPECT_EQ(Controls().ColorBox[0].color, PaintedColor(0x0000FF));
}

TEST_F(ColorMixer, CancelAndTheCloseBoxChangeNothing) {
    UseGradation();
    Settings().ColorData[1] = {255, 128, 0};
    const MainWindowControls before = Controls();
    Main().ColorBox_Click(1);
    Mixer().SetScrollValues({1, 2, 3});
    Mixer().Cancel_Button_Click();
    EXPECT_EQ(program->ColorMixer(), nullptr);
    EXPECT_EQ(program->ColorPalette(), nullptr);
    EXPECT_EQ(Settings().ColorData[1], (ColorTriple{255, 128, 0}));
    EXPECT_EQ(Controls().ColorBox[1].color, before.ColorBox[1].color);
    EXPECT_EQ(Controls().ColorMap, before.ColorMap);
    EXPECT_EQ(events.mid(2), (QStringList{"palette closed", "mixer closed"}));
}

TEST_F(ColorMixer, ComponentsOutsideTheBarsRangeStopAtItsEnds) {
    // A macro may store them; the bars cannot show them.
    Settings().ColorData[0] = {300, -5, 128};
    Main().ColorBox_Click(0);
    EXPECT_EQ(Labels(), (QStringList{"255", "0", "128"}));
    Mixer().OK_Button_Click();
    EXPECT_EQ(Settings().ColorData[0], (ColorTriple{255, 0, 128}));
}

TEST_F(ColorMixer, ClosingTheMainWindowClosesThePaletteThenTheMixer) {
    Main().ColorBox_Click(0);
    program->ShowOutput();
    events.clear();
    Main().Form_Unload();
    EXPECT_EQ(events, (QStringList{"palette closed", "mixer closed"}));
    EXPECT_NE(program->Output(), nullptr);
    Main().Form_Unload();  // nothing open: nothing happens
    EXPECT_EQ(events.size(), 2);
}

TEST_F(ColorMixer, ClosingThePaletteAloneLeavesTheMixerWorking) {
    Main().ColorBox_Click(0);
    program->CloseColorPalette();
    Main().BackColorBox_Click();  // the open mixer is retargeted: no palette
    EXPECT_EQ(program->ColorPalette(), nullptr);
    Mixer().SetScrollValue(0, 40);
    Mixer().OK_Button_Click();
    EXPECT_EQ(Settings().BackColorData, (ColorTriple{40, 0, 0}));
    Main().ColorBox_Click(0);  // opened afresh, with its palette
    EXPECT_NE(program->ColorPalette(), nullptr);
}

}  // namespace
}  // namespace glimtex::testing
