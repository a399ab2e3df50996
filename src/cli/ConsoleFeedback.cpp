#include "cli/ConsoleFeedback.h"

#include "cli/ConsoleText.h"
#include "engine/DecorationForm.h"
#include "engine/Startup.h"
#include "html/Collection.h"

namespace glimtex::cli {

namespace {

// The notices of work that was asked for and not done: a generation refused for no
// size with a shape, a value too large for the generator or a size text that cannot
// be captured, and a macro whose expansion never settled (or read a file over the
// bound) and whose statements were therefore not run.
bool IsRefusal(const QString& text) {
    return text == kRefusalMessage || text == kOverflowMessage || text == kSizeTextMessage ||
           text == kPassLoopStoppedMessage || text == kPassLoopFileTooLargeMessage ||
           text == kPassLoopTooLongMessage;
}

}  // namespace

ConsoleFeedback::ConsoleFeedback(TextEncoding encoding, std::FILE* stream)
    : encoding_(encoding), stream_(stream) {}

void ConsoleFeedback::Beep() { WriteLine(stream_, QStringLiteral("beep"), encoding_); }

void ConsoleFeedback::Detail(const QString& text) {
    WriteLine(stream_, QStringLiteral("glimtex-render: ") + text, encoding_);
}

void ConsoleFeedback::ShowNotice(const QString& title, const QString& text) {
    if (IsRefusal(text)) generationRefused_ = true;
    WriteLine(stream_, title + QStringLiteral(": ") + text, encoding_);
}

bool ConsoleFeedback::AskYesNo(const QString& title, const QString& text) {
    WriteLine(stream_, title + QStringLiteral(": ") + text + QStringLiteral(" → はい"), encoding_);
    return true;
}

}  // namespace glimtex::cli
