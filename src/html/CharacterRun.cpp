// The middle pass of the generator: every character of the line, each preceded by
// its own colour tag (gradation) and size tag (size pattern).
#include <QStringView>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/StyleTexts.h"
#include "html/HtmlGenerator.h"
#include "html/SizePattern.h"
#include "html/TagText.h"

namespace glimtex {

namespace {

// Length in code units of the character that starts at pos: a surrogate pair is one
// character of two units and is never split; anything else, an unpaired surrogate
// included, is one unit.
qsizetype CharacterLength(const QChar* text, qsizetype units, qsizetype pos) {
    if (text[pos].isHighSurrogate() && pos + 1 < units && text[pos + 1].isLowSurrogate()) {
        return 2;
    }
    return 1;
}

qsizetype CountCharacters(const QString& text) {
    const QChar* data = text.constData();
    const qsizetype units = text.size();
    qsizetype count = 0;
    for (qsizetype pos = 0; pos < units; pos += CharacterLength(data, units, pos)) ++count;
    return count;
}

// The gradation: the colour of character i is the first colour plus i steps of
// (second - first) / n, each step rounded to single precision and the product
// rounded to the nearest integer, halves to the even neighbour.
class Gradation {
  public:
    // False when a difference of the two colours leaves the 16-bit range.
    bool Start(const DecorationSettings& s, int16_t n) {
        first_ = s.ColorData[0];
        for (std::size_t k = 0; k < 3; ++k) {
            const int d = s.ColorData[1][k] - s.ColorData[0][k];
            if (!FitsInt16(d)) return false;
            step_[k] = static_cast<float>(static_cast<double>(d) / n);
        }
        return true;
    }

    // False when the colour of character i leaves the 16-bit range.
    bool ColourAt(int16_t i, ColorTriple& colour) const {
        for (std::size_t k = 0; k < 3; ++k) {
            const double p = static_cast<double>(i) * static_cast<double>(step_[k]);
            const double r = std::nearbyint(p);
            if (!FitsInt16(r)) return false;
            const int c = first_[k] + static_cast<int>(r);
            if (!FitsInt16(c)) return false;
            colour[k] = static_cast<int16_t>(c);
        }
        return true;
    }

  private:
    ColorTriple first_{};
    std::array<float, 3> step_{};
};

}  // namespace

bool HtmlGenerator::MojiHTMLCreate(const DecorationSettings& s) {
    const QString& text = s.MainString;
    if (model_) model_->text = text;
    const qsizetype count = CountCharacters(text);
    if (!FitsInt16(count)) return false;
    const auto n = static_cast<int16_t>(count);
    if (n == 0) return true;

    const bool gradation = s.ColorStyle == StyleText::kGradation;
    Gradation colours;
    if (gradation && !colours.Start(s, n)) return false;

    // Superscript and subscript text gets no size tags whatever the shape.
    const bool sized = s.MojiStyle == 0;
    const SizeShape shape = SizeShapeOf(s.StringShape);
    SizePattern pattern(shape, s.MojiSize, n, scrapFlag_);

    const bool sizeEveryCharacter =
        sized && shape != SizeShape::Standard && shape != SizeShape::Other;
    // The tags before each character and the "</Font>" that closes each of them.
    const bool closesEach = s.OutputFormat == FragmentFormat::Html;
    const qsizetype perCharacter = (gradation ? 21 + (closesEach ? 7 : 0) : 0) +
                                   (sizeEveryCharacter ? 14 + (closesEach ? 7 : 0) : 0);
    // Room for the whole run at once; a long collection being built onto grows by
    // doubling, so that many dockings stay linear.
    const qsizetype needed = mainHtml_.size() + text.size() + count * perCharacter + 16;
    if (needed > mainHtml_.capacity()) {
        mainHtml_.reserve(std::max(needed, 2 * mainHtml_.size()));
    }

    if (model_) model_->characters.reserve(static_cast<std::size_t>(count));

    const QChar* data = text.constData();
    const qsizetype units = text.size();
    qsizetype pos = 0;
    // Colour tag: "<Font Color=#" + up to 12 hex digits + ">"; size tag: "<Font Size=" +
    // up to 6 characters + ">"; "<SMALL>".
    char16_t tags[64];
    for (int i = 0; i < n; ++i) {
        const auto index = static_cast<int16_t>(i);
        const qsizetype length = CharacterLength(data, units, pos);
        const QStringView character(data + pos, length);

        // The marks of this character, decided once for both the HTML and the model.
        if (gradation && !colours.ColourAt(index, mojiColor_)) return false;
        SizeMark size;
        if (sized) {
            const std::optional<SizeMark> mark = pattern.Next(index);
            if (!mark) return false;
            size = *mark;
        }
        if (model_) {
            model_->characters.push_back(
                CharacterMarks{pos, static_cast<int>(length), gradation, mojiColor_, size});
        }
        pos += length;

        char16_t* out = tags;
        if (gradation) {
            out = WriteLiteral(out, u"<Font Color=#");
            out = WriteHColorCode(out, mojiColor_);
            *out++ = u'>';
        }
        if (size.kind == SizeMark::Kind::Size) {
            out = WriteLiteral(out, u"<Font Size=");
            out = WriteDecimal(out, size.size);
            *out++ = u'>';
        } else if (size.kind == SizeMark::Kind::Small) {
            out = WriteLiteral(out, u"<SMALL>");
        }
        openFontTags_ += (gradation ? 1 : 0) + (size.kind == SizeMark::Kind::Size ? 1 : 0);
        mainHtml_.append(QStringView(tags, out - tags));
        mainHtml_.append(character);
        if (size.kind == SizeMark::Kind::Small) mainHtml_.append(QLatin1StringView("</SMALL>"));
    }

    if (gradation) hColorCode_ = QLatin1Char('#') + GetHColorCode(mojiColor_);
    return true;
}

}  // namespace glimtex
