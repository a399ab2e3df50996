#include "app/ColorMixerState.h"

#include <algorithm>

#include "app/ColorPaletteState.h"
#include "app/GradientDetailsState.h"
#include "app/Program.h"

namespace glimtex {

namespace {

bool IsBar(int bar) { return bar >= 0 && bar < ColorMixerState::kBarCount; }

}  // namespace

ColorMixerState::ColorMixerState(Program& program) : program_(program) {
    labels_.fill(QStringLiteral("0"));
}

void ColorMixerState::Load() {
    program_.Show<ColorPaletteState>();
    PaintPreview();
}

int ColorMixerState::BarValue(int bar) const {
    return IsBar(bar) ? values_[static_cast<size_t>(bar)] : 0;
}

QString ColorMixerState::ValueLabel(int bar) const {
    return IsBar(bar) ? labels_[static_cast<size_t>(bar)] : QString();
}

void ColorMixerState::SetBar(int bar, int value) {
    if (!IsBar(bar)) return;
    // A slot set by a macro may hold a component outside the bar's range.
    const auto clamped = static_cast<int16_t>(std::clamp(value, kMinimum, kMaximum));
    int16_t& current = values_[static_cast<size_t>(bar)];
    if (current == clamped) return;
    current = clamped;
    BarChanged(bar);
}

void ColorMixerState::SetBars(const ColorTriple& rgb) {
    for (int bar = 0; bar < kBarCount; ++bar) SetBar(bar, rgb[static_cast<size_t>(bar)]);
}

void ColorMixerState::BarChanged(int bar) {
    labels_[static_cast<size_t>(bar)] = QString::number(values_[static_cast<size_t>(bar)]);
    PaintPreview();
}

void ColorMixerState::PaintPreview() {
    preview_ = PackColor(values_);
    emit changed();
}

void ColorMixerState::Retarget(int slot, const ColorTriple& rgb) {
    SetBars(rgb);
    target_ = slot;
    targetStop_.reset();
}

void ColorMixerState::RetargetStop(int stopKey, const ColorTriple& rgb) {
    SetBars(rgb);
    targetStop_ = stopKey;
}

void ColorMixerState::Unload() { program_.Close<ColorPaletteState>(); }

void ColorMixerState::Confirm() {
    // Closing the mixer retires this object; nothing of it is touched afterwards.
    Program& program = program_;
    if (!targetStop_) {
        program.Form().StoreColor(target_, values_);
    } else if (GradientDetailsState* details = program.Find<GradientDetailsState>()) {
        details->StoreStopColor(*targetStop_, values_);
    }
    if (program.Find<ColorMixerState>() == this) program.Close<ColorMixerState>();
}

void ColorMixerState::Cancel() {
    if (program_.Find<ColorMixerState>() == this) program_.Close<ColorMixerState>();
}

}  // namespace glimtex
