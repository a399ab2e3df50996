#include "cli/ConsoleFeedback.h"

#include "app/MainWindowState.h"
#include "cli/ConsoleText.h"
#include "html/GenerationRun.h"

namespace glimtex::cli {

namespace {

// The notices with which a generation run is refused: no size for a shape, a value
// too large for the generator, or a size text that cannot be captured.
bool IsRefusal(const QString& text) {
    return text == kRefusalMessage || text == kOverflowMessage || text == kSizeTextMessage;
}

}  // namespace

ConsoleFeedback::ConsoleFeedback(OutputEncoding encoding, std::FILE* stream)
    : encoding_(encoding), stream_(stream) {}

void ConsoleFeedback::Beep() { WriteLine(stream_, QStringLiteral("beep"), encoding_); }

void ConsoleFeedback::ShowNotice(const QString& title, const QString& text) {
    if (IsRefusal(text)) generationRefused_ = true;
    WriteLine(stream_, title + QStringLiteral(": ") + text, encoding_);
}

bool ConsoleFeedback::AskYesNo(const QString& title, const QString& text) {
    WriteLine(stream_, title + QStringLiteral(": ") + text + QStringLiteral(" → はい"), encoding_);
    return true;
}

}  // namespace glimtex::cli
