#include "cli/EncodedCollection.h"

#include "cli/ConsoleText.h"

namespace glimtex::cli {

bool EncodedCollection::Add(HtmlGenerator& generator, const DecorationSettings& s) {
    if (!generator.Build(s)) return false;
    if (!bytes_.isEmpty()) bytes_ += "\r\n";
    bytes_ += EncodeForConsole(generator.MainHTML(), encoding_);
    return true;
}

}  // namespace glimtex::cli
