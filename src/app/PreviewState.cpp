#include "app/PreviewState.h"

#include "app/MainWindowState.h"
#include "app/Program.h"
#include "html/GenerationRun.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

PreviewState::PreviewState(Program& program) : program_(program) {
    connect(&program.MainWindow(), &MainWindowState::changed, this, &PreviewState::Invalidate);
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
    // come from the settings, the rest from the controls.
    DecorationSettings copy = program_.Settings();
    copy.HTMLString.clear();
    if (!program_.MainWindow().CaptureInto(copy)) {
        content_.refused = true;
        content_.reason = kSizeTextMessage;
        return;
    }
    if (HtmlGenerator::CodeErrorCheck(copy)) {
        content_.refused = true;
        content_.reason = kRefusalMessage;
        return;
    }
    HtmlGenerator generator;
    generator.RecordInto(&content_.model);
    if (!generator.Build(copy)) {
        content_.refused = true;
        content_.reason = kOverflowMessage;
    }
}

void PreviewState::Close() {
    if (program_.Preview() == this) program_.ClosePreview();
}

}  // namespace glimtex
