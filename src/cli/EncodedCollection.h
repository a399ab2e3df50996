#pragma once

#include "cli/OutputBytes.h"
#include "cli/RenderOptions.h"
#include "html/Collection.h"

namespace glimtex::cli {

// The collection of a glimtex-render run: each finished fragment is kept only as the
// bytes that will be written, in the console's encoding, and no model is kept. A
// create still empties it, so what is written is what the last create and the
// dockings after it made, exactly as the windows would collect it.
class EncodedCollection : public FragmentSink {
  public:
    explicit EncodedCollection(TextEncoding encoding) : encoding_(encoding) {}

    void Restart() override { bytes_.Clear(); }
    bool Add(HtmlGenerator& generator, const DecorationSettings& s) override;

    const OutputBytes& Bytes() const { return bytes_; }

  private:
    TextEncoding encoding_;
    OutputBytes bytes_;
};

}  // namespace glimtex::cli
