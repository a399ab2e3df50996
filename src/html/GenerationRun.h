#pragma once

#include <QString>

#include "core/DecorationSettings.h"
#include "html/HtmlGenerator.h"

namespace glimtex {

// The notice text of a run refused because no size is set for a shape.
inline const QString kRefusalMessage = QStringLiteral("ソースの作成ができません");
// The notice text of a run refused because a value is too large for the generator.
extern const QString kOverflowMessage;

enum class RunOutcome {
    Done,      // the fragment was built and docked into HTMLString
    Refused,   // CodeErrorCheck refused the run; nothing changed but MainHTML
    Overflow,  // a value is out of range; HTMLString is exactly as it was
};

// The data half of a generation run: check, build, dock. Closing the board,
// showing the notice and filling the output window are the caller's.
RunOutcome GenerateAndDock(DecorationSettings& s, HtmlGenerator& generator);

// Appends a fragment to the collected HTML in place: CR LF between fragments, none
// before the first and none after the last.
void DockFragment(QString& collected, const QString& fragment);

}  // namespace glimtex
