#include "engine/Engine.h"

namespace glimtex {

Engine::Engine(const QString& programFolder, Feedback& feedback)
    : folder_(programFolder), feedback_(feedback) {}

Engine::~Engine() = default;

DecorationForm& Engine::Form() {
    if (!form_) {
        form_ = std::make_unique<DecorationForm>(settings_, feedback_);
        form_->Load();
    }
    return *form_;
}

void Engine::SendFragmentsTo(FragmentSink* sink) { sink_ = sink ? sink : &collection_; }

bool Engine::PrepareRun(RunKind kind) {
    if (!Form().CaptureForRun()) return false;
    if (kind == RunKind::Create) {
        emit collectionRestarting();
        sink_->Restart();
    }
    emit runPrepared();
    return true;
}

RunOutcome Engine::Generate() {
    const RunOutcome outcome = GenerateInto(*sink_, generator_, settings_);
    if (outcome != RunOutcome::Done) feedback_.ShowNotice(kNoticeTitle, RunNotice(outcome));
    emit generated(outcome);
    return outcome;
}

RunOutcome Engine::Run(RunKind kind) {
    if (!PrepareRun(kind)) return RunOutcome::Refused;
    return Generate();
}

RunOutcome Engine::Sketch(const DecorationSettings& s, FragmentModel& model) {
    Collection scratch;
    HtmlGenerator generator;
    const RunOutcome outcome = GenerateInto(scratch, generator, s);
    if (outcome == RunOutcome::Done) model = scratch.Models().first();
    return outcome;
}

void Engine::ChooseOutputFormat(FragmentFormat format) {
    settings_.format = format;
    emit outputFormatChanged();
}

void Engine::PinOutputFormat(FragmentFormat format) {
    settings_.format = format;
    outputFormatPinned_ = true;
}

QString RunNotice(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::Refused:
            return kRefusalMessage;
        case RunOutcome::Overflow:
            return kOverflowMessage;
        case RunOutcome::Done:
            break;
    }
    return QString();
}

}  // namespace glimtex
