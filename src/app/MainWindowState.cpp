#include "app/MainWindowState.h"

#include "app/ColorMixerState.h"
#include "app/ColorPaletteState.h"
#include "app/GradientDetailsState.h"
#include "app/Program.h"

namespace glimtex {

MainWindowState::MainWindowState(Program& program) : program_(program), form_(program.Form()) {
    connect(&form_, &DecorationForm::changed, this, &MainWindowState::changed);
    connect(&program.Core(), &Engine::outputFormatChanged, this, &MainWindowState::changed);
}

int MainWindowState::VisiblePanel() const {
    int visible = -1;
    for (size_t i = 0; i < panels_.size(); ++i) {
        if (!panels_[i]) continue;
        if (visible >= 0) return -1;
        visible = static_cast<int>(i);
    }
    return visible;
}

void MainWindowState::Load() {
    keepOnTop_ = false;
    panels_.fill(false);
    panels_[0] = true;
    emit changed();
}

void MainWindowState::HidePanels() {
    panels_.fill(false);
    emit changed();
}

void MainWindowState::ShowPanel(int index) {
    if (index < 0 || index >= kPanelCount) return;
    panels_.fill(false);
    panels_[static_cast<size_t>(index)] = true;
    emit changed();
}

void MainWindowState::ToggleKeepOnTop() {
    keepOnTop_ = !keepOnTop_;
    emit changed();
}

void MainWindowState::ChooseOutputFormat(FragmentFormat format) {
    program_.Core().ChooseOutputFormat(format);
}

FragmentFormat MainWindowState::OutputFormat() const { return program_.Settings().format; }

void MainWindowState::EditColor(int index) {
    if (index == 0 || (index == 1 && Controls().ColorBox[1].visible)) OpenColorMixer(index);
}

void MainWindowState::EditBackgroundColor() { OpenColorMixer(kBackColorSlot); }

void MainWindowState::EditGradientDetails() {
    if (CanEditGradientDetails()) program_.Show<GradientDetailsState>();
}

void MainWindowState::OpenColorMixer(int slot) {
    // Setting the bars loads the mixer first when it is closed; its load opens the
    // palette. An open mixer only takes the new values and target.
    ColorMixerState& mixer = program_.Load<ColorMixerState>();
    mixer.Retarget(slot, form_.SlotColor(slot));
    program_.Show<ColorMixerState>();
}

void MainWindowState::Unload() {
    program_.Close<ColorPaletteState>();
    program_.Close<ColorMixerState>();
    program_.Close<GradientDetailsState>();
}

void MainWindowState::CreateSource() { program_.Core().PrepareRun(RunKind::Create); }

void MainWindowState::Dock() { program_.Core().PrepareRun(RunKind::Dock); }

}  // namespace glimtex
