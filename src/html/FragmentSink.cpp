#include "html/FragmentSink.h"

namespace glimtex {

const QString kOverflowMessage =
    QStringLiteral("数値が範囲を超えているため、ソースの作成ができません");

RunOutcome GenerateInto(FragmentSink& sink, HtmlGenerator& generator, const DecorationSettings& s) {
    if (HtmlGenerator::Refuses(s)) return RunOutcome::Refused;
    return sink.Add(generator, s) ? RunOutcome::Done : RunOutcome::Overflow;
}

}  // namespace glimtex
