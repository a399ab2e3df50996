#include "html/Collection.h"

namespace glimtex {

const QString kOverflowMessage =
    QStringLiteral("数値が範囲を超えているため、ソースの作成ができません");

void Collection::Restart() {
    // Whoever still shows the old fragments keeps them; the collection lets go.
    text_ = QString();
    models_ = QList<FragmentModel>();
}

bool Collection::Add(HtmlGenerator& generator, const DecorationSettings& s) {
    FragmentModel model;
    generator.RecordInto(&model);
    const bool built = generator.BuildOnto(s, text_);
    generator.RecordInto(nullptr);
    if (!built) return false;
    models_.append(std::move(model));
    return true;
}

RunOutcome GenerateInto(FragmentSink& sink, HtmlGenerator& generator, const DecorationSettings& s) {
    generator.ClearMainHTML();
    if (HtmlGenerator::CodeErrorCheck(s)) return RunOutcome::Refused;
    return sink.Add(generator, s) ? RunOutcome::Done : RunOutcome::Overflow;
}

}  // namespace glimtex
