#include "html/GenerationRun.h"

namespace glimtex {

const QString kOverflowMessage =
    QStringLiteral("数値が範囲を超えているため、ソースの作成ができません");

RunOutcome GenerateAndDock(DecorationSettings& s, HtmlGenerator& generator) {
    generator.ClearMainHTML();
    if (HtmlGenerator::CodeErrorCheck(s)) return RunOutcome::Refused;
    if (!generator.Build(s)) return RunOutcome::Overflow;
    DockFragment(s.HTMLString, generator.MainHTML());
    return RunOutcome::Done;
}

void DockFragment(QString& collected, const QString& fragment) {
    // Appending in place keeps a long run of dockings linear.
    if (!collected.isEmpty()) collected += QLatin1StringView("\r\n");
    collected += fragment;
}

}  // namespace glimtex
