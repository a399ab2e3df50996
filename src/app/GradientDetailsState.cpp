#include "app/GradientDetailsState.h"

#include "app/ColorMixerState.h"
#include "app/Program.h"
#include "html/Gradation.h"

namespace glimtex {

namespace {

// The settings of a gradation through the given stops.
DecorationSettings GradationThrough(const QList<ColorTriple>& stops, GradientSpace space) {
    DecorationSettings gradation;
    StoreColorStops(gradation, stops);
    gradation.gradientSpace = space;
    return gradation;
}

// The colour the gradation shows halfway from stop `segment` to the next: over a line
// of two characters for each run between stops, that is character 2 * segment + 1.
ColorTriple Halfway(const QList<ColorTriple>& stops, GradientSpace space, int segment) {
    Gradation gradation;
    ColorTriple color = stops[segment];
    const auto characters = static_cast<int16_t>(2 * (stops.size() - 1));
    if (gradation.Start(GradationThrough(stops, space), characters)) {
        gradation.ColorAt(static_cast<int16_t>(2 * segment + 1), color);
    }
    return color;
}

}  // namespace

GradientDetailsState::GradientDetailsState(Program& program) : program_(program) {}

void GradientDetailsState::Load() {
    stops_.clear();
    for (const ColorTriple& color : ColorStops(program_.Settings())) {
        stops_.append({nextKey_++, color});
    }
    space_ = program_.Settings().gradientSpace;
    selected_ = 0;
    emit changed();
}

void GradientDetailsState::Unload() {
    const ColorMixerState* mixer = program_.Find<ColorMixerState>();
    if (mixer && mixer->TargetStop()) program_.Close<ColorMixerState>();
}

ColorTriple GradientDetailsState::StopColor(int index) const {
    return index >= 0 && index < StopCount() ? stops_[index].color : ColorTriple{};
}

QList<ColorTriple> GradientDetailsState::Stops() const {
    QList<ColorTriple> colors;
    for (const Stop& stop : stops_) colors.append(stop.color);
    return colors;
}

std::array<ColorTriple, kStripRectangles> GradientDetailsState::StripColors() const {
    return GradationStripColors(GradationThrough(Stops(), space_));
}

void GradientDetailsState::Select(int index) {
    if (index < 0 || index >= StopCount() || index == selected_) return;
    selected_ = index;
    emit changed();
}

void GradientDetailsState::Add() {
    if (!CanAdd()) return;
    const ColorTriple color =
        CanMoveDown() ? Halfway(Stops(), space_, selected_) : stops_[selected_].color;
    ++selected_;
    stops_.insert(selected_, {nextKey_++, color});
    emit changed();
}

void GradientDetailsState::Remove() {
    if (!CanRemove()) return;
    // A mixer open on this stop would have nowhere to store: it goes with it.
    const ColorMixerState* mixer = program_.Find<ColorMixerState>();
    if (mixer && mixer->TargetStop() == stops_[selected_].key) program_.Close<ColorMixerState>();
    stops_.removeAt(selected_);
    selected_ = std::min(selected_, StopCount() - 1);
    emit changed();
}

void GradientDetailsState::MoveUp() {
    if (CanMoveUp()) Swap(selected_ - 1);
}

void GradientDetailsState::MoveDown() {
    if (CanMoveDown()) Swap(selected_ + 1);
}

void GradientDetailsState::Swap(int other) {
    stops_.swapItemsAt(selected_, other);
    selected_ = other;
    emit changed();
}

void GradientDetailsState::ChooseSpace(GradientSpace space) {
    if (space == space_) return;
    space_ = space;
    emit changed();
}

void GradientDetailsState::EditSelectedColor() {
    // Setting the bars loads the mixer first when it is closed (its load opens the
    // palette); an open mixer only takes the new values and target.
    const Stop& stop = stops_[selected_];
    program_.Load<ColorMixerState>().RetargetStop(stop.key, stop.color);
    program_.Show<ColorMixerState>();
}

void GradientDetailsState::StoreStopColor(int stopKey, const ColorTriple& rgb) {
    for (Stop& stop : stops_) {
        if (stop.key != stopKey) continue;
        stop.color = rgb;
        emit changed();
        return;
    }
}

void GradientDetailsState::Confirm() {
    program_.Form().SetColorStops(Stops());
    program_.Form().SetGradientSpace(space_);
    Close();
}

void GradientDetailsState::Cancel() { Close(); }

void GradientDetailsState::Close() {
    if (program_.Find<GradientDetailsState>() == this) program_.Close<GradientDetailsState>();
}

}  // namespace glimtex
