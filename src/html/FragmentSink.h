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
    Done,      // the fragment was built and added to the collection
    Refused,   // the settings cannot be turned into HTML; nothing changed
    Overflow,  // a value is out of range; the collection is exactly as it was
};

// Where the fragments of a run go, one after the other: a create starts again, a
// docking adds one more. Fragments are joined by CR LF, with none before the first
// and none after the last.
class FragmentSink {
  public:
    virtual ~FragmentSink() = default;
    // Empties the collection: the next fragment is the first.
    virtual void Restart() = 0;
    // Builds one fragment onto the collection. False, with the collection exactly as
    // it was, when the 16-bit arithmetic of the run would overflow.
    virtual bool Add(HtmlGenerator& generator, const DecorationSettings& s) = 0;
};

// The one generation step of every run: checks the settings, then builds the
// fragment onto the sink.
RunOutcome GenerateInto(FragmentSink& sink, HtmlGenerator& generator, const DecorationSettings& s);

}  // namespace glimtex
