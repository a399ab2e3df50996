#include "app/PreviewState.h"

#include "app/Program.h"

namespace glimtex {

PreviewState::PreviewState(Program& program) : program_(program) {
    connect(&program.Form(), &DecorationForm::changed, this, &PreviewState::Invalidate);
    connect(&program.Core(), &Engine::outputFormatChanged, this, &PreviewState::Invalidate);
}

void PreviewState::Invalidate() {
    stale_ = true;
    emit changed();
}

const PreviewContent& PreviewState::Content() {
    if (stale_) {
        Compute();
        stale_ = false;
    }
    return content_;
}

void PreviewState::Compute() {
    content_ = PreviewContent{};
    // The settings as a run would see them, in a copy: the colours and the position
    // come from the settings, the rest from the form.
    DecorationSettings copy = program_.Settings();
    if (!program_.Form().CaptureInto(copy)) {
        content_.refused = true;
        content_.reason = kSizeTextMessage;
        return;
    }
    const RunOutcome outcome = Engine::Sketch(copy, content_.model);
    if (outcome != RunOutcome::Done) {
        content_.refused = true;
        content_.reason = RunNotice(outcome);
    }
    // A run is refused only for a shape chosen while the base size is 0.
    if (outcome == RunOutcome::Refused) content_.hint = kShapeSizeHint;
}

void PreviewState::Close() {
    if (program_.Find<PreviewState>() == this) program_.Close<PreviewState>();
}

}  // namespace glimtex
