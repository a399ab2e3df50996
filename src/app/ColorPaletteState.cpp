#include "app/ColorPaletteState.h"

#include "app/ColorMixerState.h"
#include "app/Program.h"

namespace glimtex {

namespace {

// The sample colours, column by column: black, white and the primaries; two pale
// tints and the secondaries; orange to yellow; red, green and blue each darkening
// to 50; white to black through three greys.
constexpr std::array<ColorTriple, ColorPaletteState::kRows> kSampleColors{{
    {0, 0, 0},       {255, 255, 255}, {255, 0, 0},     {0, 255, 0},   {0, 0, 255},
    {212, 240, 255}, {212, 255, 227}, {255, 0, 255},   {255, 255, 0}, {0, 255, 255},
    {255, 100, 0},   {255, 150, 0},   {255, 180, 0},   {255, 200, 0}, {255, 255, 0},
    {255, 0, 0},     {200, 0, 0},     {150, 0, 0},     {100, 0, 0},   {50, 0, 0},
    {0, 255, 0},     {0, 200, 0},     {0, 150, 0},     {0, 100, 0},   {0, 50, 0},
    {0, 0, 255},     {0, 0, 200},     {0, 0, 150},     {0, 0, 100},   {0, 0, 50},
    {255, 255, 255}, {180, 180, 180}, {120, 120, 120}, {40, 40, 40},  {0, 0, 0},
}};

constexpr int kSwatchMargin = 120;
constexpr int kSwatchPitch = 240;
constexpr int kSwatchSize = 255;

bool IsRow(int index) { return index >= 0 && index < ColorPaletteState::kRows; }

}  // namespace

ColorPaletteState::ColorPaletteState(Program& program) : program_(program) {}

void ColorPaletteState::Load() {
    count_ = 0;
    for (const ColorTriple& rgb : kSampleColors) AddRow(rgb[0], rgb[1], rgb[2]);
    for (size_t i = 0; i < rows_.size(); ++i) boxes_[i] = PackColor(rows_[i]);
    emit changed();
}

void ColorPaletteState::AddRow(int16_t r, int16_t g, int16_t b) {
    if (!IsRow(count_)) return;  // the table holds 35 rows; load adds exactly that many
    rows_[static_cast<size_t>(count_)] = {r, g, b};
    ++count_;
}

uint32_t ColorPaletteState::SwatchColor(int index) const {
    return IsRow(index) ? boxes_[static_cast<size_t>(index)] : 0;
}

QRect ColorPaletteState::SwatchPlace(int index) {
    const int column = index / kSwatchesPerColumn;
    const int row = index % kSwatchesPerColumn;
    return {kSwatchMargin + kSwatchPitch * column, kSwatchMargin + kSwatchPitch * row, kSwatchSize,
            kSwatchSize};
}

void ColorPaletteState::Pick(int index) {
    ColorMixerState* mixer = program_.Find<ColorMixerState>();
    if (!IsRow(index) || mixer == nullptr) return;
    mixer->SetBars(rows_[static_cast<size_t>(index)]);  // R, then G, then B
}

}  // namespace glimtex
