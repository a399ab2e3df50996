#pragma once

#include <QString>
#include <cstdint>

#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"
#include "html/StyleMarkup.h"

namespace glimtex {

// Turns the decoration settings into one HTML fragment, held in Fragment().
// The state here is the generator's own: the fragment under construction, the
// current character color and the alternation flag of the scrap shape.
class HtmlGenerator {
  public:
    // True when the settings cannot be turned into HTML: a shape other than the
    // standard one with no size set.
    static bool Refuses(const DecorationSettings& s);

    // Two upper-case hex digits or more per component, R then G then B (no "#").
    // Negative components give their 16-bit two's-complement form.
    static QString HexColor(int16_t r, int16_t g, int16_t b);
    static QString HexColor(const ColorTriple& rgb);

    // Empties the fragment, then runs the three passes. Returns false, with the
    // fragment left empty, when the 16-bit arithmetic of the run would overflow.
    bool Build(const DecorationSettings& s);
    // Builds the fragment straight onto the end of a collection, after CR LF when the
    // collection is not empty, as a docking run does: each character is written once
    // and the collection grows in place. The fragment is left empty. Returns false, with
    // the collection exactly as it was, when the 16-bit arithmetic would overflow.
    bool BuildOnto(const DecorationSettings& s, QString& collected);

    // The opening tags: background table, link, position, style tags, face and the
    // single color.
    void WriteOpening(const DecorationSettings& s);
    // Every character of the line, each preceded by its own color tag (gradation)
    // and size tag (size pattern). Returns false when the 16-bit arithmetic would
    // overflow.
    bool WriteCharacters(const DecorationSettings& s);
    // The closing tags of the settings' output format.
    void WriteClosing(const DecorationSettings& s);

    const QString& Fragment() const { return html_; }

    // While a model is given, every build also describes its fragment there: the
    // surrounding styles and each character's marks, taken from the same decisions
    // that write the tags. Null (the default) records nothing.
    void RecordInto(FragmentModel* model) { model_ = model; }

  private:
    void WriteFontEnds();
    void WriteStyleEnds(const FragmentStyle& style, bool mirrored);
    void WritePositionAndLinkEnds(const FragmentStyle& style);

    QString html_;
    // Where this run's fragment starts in html_: after the collection it is built onto.
    qsizetype fragmentStart_ = 0;
    ColorTriple characterColor_{};
    int16_t scrapSmaller_ = 0;
    // The "<Font ...>" tags written since WriteOpening: face, color and every
    // per-character color and size tag.
    qsizetype openFontTags_ = 0;
    // The size level that holds for the CSS and BBCode formats' characters.
    SizeLook runningSize_;
    FragmentModel* model_ = nullptr;
};

}  // namespace glimtex
