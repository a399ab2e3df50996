#pragma once

#include <QString>
#include <cstdint>

#include "core/DecorationSettings.h"
#include "html/FragmentModel.h"

namespace glimtex {

// Turns the decoration settings into one HTML fragment, held in MainHTML.
// The state here is the generator's own (the board's private state): the fragment
// under construction, the last colour text, the current character colour and the
// alternation flag of the scrap shape.
class HtmlGenerator {
  public:
    // True when the settings cannot be turned into HTML: a shape other than "標準"
    // with no size set.
    static bool CodeErrorCheck(const DecorationSettings& s);

    // Two upper-case hex digits or more per component, R then G then B (no "#").
    // Negative components give their 16-bit two's-complement form.
    static QString GetHColorCode(int16_t r, int16_t g, int16_t b);
    static QString GetHColorCode(const ColorTriple& rgb);

    // Empties MainHTML, then runs the three passes. Returns false, with MainHTML
    // left empty, when the 16-bit arithmetic of the run would overflow.
    bool Build(const DecorationSettings& s);
    // Builds the fragment straight onto the end of a collection, after CR LF when the
    // collection is not empty, as a docking run does: each character is written once
    // and the collection grows in place. MainHTML is left empty. Returns false, with
    // the collection exactly as it was, when the 16-bit arithmetic would overflow.
    bool BuildOnto(const DecorationSettings& s, QString& collected);

    void StartHTMLCreate(const DecorationSettings& s);
    // Returns false when the 16-bit arithmetic would overflow.
    bool MojiHTMLCreate(const DecorationSettings& s);
    // The closing tags of the settings' output format.
    void EndHTMLCreate(const DecorationSettings& s);

    const QString& MainHTML() const { return mainHtml_; }
    void ClearMainHTML() { mainHtml_.clear(); }

    // While a model is given, every build also describes its fragment there: the
    // surrounding styles and each character's marks, taken from the same decisions
    // that write the tags. Null (the default) records nothing.
    void RecordInto(FragmentModel* model) { model_ = model; }

  private:
    void WriteFontEnds();
    void WriteStyleEnds(const FragmentStyle& style, bool mirrored);
    void WritePositionAndLinkEnds(const FragmentStyle& style);

    QString mainHtml_;
    // Where this run's fragment starts in MainHTML: after the collection it is built onto.
    qsizetype fragmentStart_ = 0;
    QString hColorCode_;
    ColorTriple mojiColor_{};
    int16_t scrapFlag_ = 0;
    // The "<Font ...>" tags written since StartHTMLCreate: face, colour and every
    // per-character colour and size tag.
    qsizetype openFontTags_ = 0;
    FragmentModel* model_ = nullptr;
};

}  // namespace glimtex
