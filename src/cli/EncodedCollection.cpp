#include "cli/EncodedCollection.h"

#include "cli/ConsoleText.h"

namespace glimtex::cli {

bool EncodedCollection::Add(HtmlGenerator& generator, const DecorationSettings& s) {
    if (!generator.Build(s)) return false;
    if (!bytes_.IsEmpty()) bytes_.Append("\r\n", 2);
    if (encoding_ == TextEncoding::Utf8) {
        bytes_.AppendUtf8(generator.Fragment());
    } else {
        const QByteArray encoded = EncodeForConsole(generator.Fragment(), encoding_);
        bytes_.Append(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    }
    return true;
}

}  // namespace glimtex::cli
