#include "html/GenerationRun.h"

namespace glimtex {

const QString kOverflowMessage =
    QStringLiteral("数値が範囲を超えているため、ソースの作成ができません");

RunOutcome GenerateAndDock(DecorationSettings& s, HtmlGenerator& generator) {
    generator.ClearMainHTML();
    if (HtmlGenerator::CodeErrorCheck(s)) return RunOutcome::Refused;
    if (!generator.Build(s)) return RunOutcome::Overflow;
    s.HTMLString = DockFragment(s.HTMLString, generator.MainHTML());
    return RunOutcome::Done;
}

QString DockFragment(const QString& collected, const QString& fragment) {
    if (collected.isEmpty()) return fragment;
    return collected + QLatin1StringView("\r\n") + fragment;
}

}  // namespace glimtex
