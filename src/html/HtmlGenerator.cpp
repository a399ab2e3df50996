#include "html/HtmlGenerator.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <iterator>

#include "html/Gradation.h"
#include "html/SizePattern.h"
#include "html/StyleMarkup.h"
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

}  // namespace

bool HtmlGenerator::Refuses(const DecorationSettings& s) {
    return s.shape != SizeShape::Standard && s.size == 0;
}

QString HtmlGenerator::HexColor(int16_t r, int16_t g, int16_t b) {
    return HexColor(ColorTriple{r, g, b});
}

QString HtmlGenerator::HexColor(const ColorTriple& rgb) {
    char16_t digits[12];
    const char16_t* end = WriteHexColor(digits, rgb);
    return QStringView(digits, end - digits).toString();
}

bool HtmlGenerator::Build(const DecorationSettings& s) {
    // The room of the last fragment is kept: a run of long fragments writes into the
    // same memory instead of growing a new string each time.
    html_.truncate(0);
    if (model_) *model_ = FragmentModel{};
    WriteOpening(s);
    if (!WriteCharacters(s)) {
        html_.clear();
        if (model_) *model_ = FragmentModel{};
        return false;
    }
    WriteClosing(s);
    return true;
}

bool HtmlGenerator::BuildOnto(const DecorationSettings& s, QString& collected) {
    const qsizetype before = collected.size();
    // The passes append to the fragment, so the collection stands in for it meanwhile.
    html_.clear();
    html_.swap(collected);
    if (before > 0) html_ += QLatin1StringView("\r\n");
    fragmentStart_ = html_.size();
    WriteOpening(s);
    const bool built = WriteCharacters(s);
    if (built) {
        WriteClosing(s);
    } else {
        html_.truncate(before);
    }
    html_.swap(collected);
    fragmentStart_ = 0;
    return built;
}

void HtmlGenerator::WriteOpening(const DecorationSettings& s) {
    const FragmentStyle style = FragmentStyle::Of(s);
    if (model_) model_->style = style;
    openFontTags_ = 0;
    runningSize_ = SizeLook{};
    if (style.format == FragmentFormat::Css) {
        CssMarkup::AppendOpening(html_, style, LineSizeLevel(s));
        return;
    }
    if (style.format == FragmentFormat::Bbcode) {
        BbcodeMarkup::AppendOpening(html_, style, LineSizeLevel(s));
        return;
    }
    if (style.background == Background::Color) {
        html_ += QLatin1StringView("<TABLE BGCOLOR=#") + HexColor(style.backgroundColor) +
                 QLatin1Char('>');
    } else if (style.background == Background::Picture) {
        html_ += QLatin1StringView("<TABLE BACKGROUND=\"") + style.backgroundPicture +
                 QLatin1StringView("\">");
    }
    // Text straight inside a table is moved in front of it by every HTML parser, away
    // from the background: the text goes into the table's one cell.
    if (style.OpensTable() && style.format == FragmentFormat::Html) {
        html_ += QLatin1StringView("<TR><TD>");
    }
    if (style.link) html_ += QLatin1StringView("<a href=") + style.linkAddress + QLatin1Char('>');
    if (style.position == Position::Superscript) {
        html_ += QLatin1StringView("<SUP>");
    } else if (style.position == Position::Subscript) {
        html_ += QLatin1StringView("<SUB>");
    }
    if (style.emphasis.bold) html_ += QLatin1StringView("<B>");
    if (style.emphasis.italic) html_ += QLatin1StringView("<I>");
    if (style.emphasis.underline) html_ += QLatin1StringView("<U>");
    if (style.emphasis.strikeThrough) html_ += QLatin1StringView("<S>");
    if (style.hasFace) {
        html_ += QLatin1StringView("<Font Face=\"") + style.face + QLatin1StringView("\" > ");
        ++openFontTags_;
    }
    if (style.singleColor) {
        html_ += QLatin1StringView("<Font Color=#") + HexColor(style.color) + QLatin1Char('>');
        ++openFontTags_;
    }
}

bool HtmlGenerator::WriteCharacters(const DecorationSettings& s) {
    const QString& text = s.text;
    if (model_) model_->text = text;
    const qsizetype count = CountCharacters(text);
    if (!FitsInt16(count)) return false;
    const auto n = static_cast<int16_t>(count);
    if (n == 0) return true;

    const bool gradation = s.colorStyle == ColorStyle::Gradation;
    Gradation colors;
    if (gradation && !colors.Start(s, n)) return false;

    // Superscript and subscript text gets no size tags whatever the shape.
    const bool sized = s.position == Position::Normal;
    const SizeShape shape = s.shape;
    SizePattern pattern(shape, s.size, n, scrapSmaller_);

    const bool sizeEveryCharacter =
        sized && shape != SizeShape::Standard && shape != SizeShape::Unknown;
    // The CSS and BBCode formats put each character's color and size around it.
    const bool markup = s.format == FragmentFormat::Css || s.format == FragmentFormat::Bbcode;
    // The tags before each character and the "</Font>" that closes each of them.
    const bool closesEach = s.format == FragmentFormat::Html;
    const qsizetype perCharacter = markup
                                       ? (gradation || sizeEveryCharacter ? 24 : 0) +
                                             (gradation ? 14 : 0) + (sizeEveryCharacter ? 17 : 0)
                                       : (gradation ? 21 + (closesEach ? 7 : 0) : 0) +
                                             (sizeEveryCharacter ? 14 + (closesEach ? 7 : 0) : 0);
    // Room for the whole run at once; a long collection being built onto grows by
    // doubling, so that many dockings stay linear.
    const qsizetype needed = html_.size() + text.size() + count * perCharacter + 16;
    if (needed > html_.capacity()) {
        html_.reserve(std::max(needed, 2 * html_.size()));
    }

    if (model_) model_->characters.reserve(static_cast<std::size_t>(count));

    const QChar* data = text.constData();
    const qsizetype units = text.size();
    qsizetype pos = 0;
    // Color tag: "<Font Color=#" + up to 12 hex digits + ">"; size tag: "<Font Size=" +
    // up to 6 characters + ">"; "<SMALL>". The markup of the CSS and BBCode formats
    // holds the character too.
    char16_t tags[96];
    for (int i = 0; i < n; ++i) {
        const auto index = static_cast<int16_t>(i);
        const qsizetype length = CharacterLength(data, units, pos);
        const QStringView character(data + pos, length);

        // The marks of this character, decided once for both the HTML and the model.
        if (gradation && !colors.ColorAt(index, characterColor_)) return false;
        SizeMark size;
        if (sized) {
            const std::optional<SizeMark> mark = pattern.Next(index);
            if (!mark) return false;
            size = *mark;
        }
        if (model_) {
            model_->characters.push_back(
                CharacterMarks{pos, static_cast<int>(length), gradation, characterColor_, size});
        }
        pos += length;

        if (markup) {
            // A size holds until the next one, as nested font tags do; "smaller" is one
            // step under the size that holds.
            SizeLook look;
            if (sizeEveryCharacter) {
                if (size.kind == SizeMark::Kind::Size) {
                    runningSize_ = SizeLook{FontSizeLevel(size.size), false};
                }
                look = runningSize_;
                look.small = size.kind == SizeMark::Kind::Small;
            }
            const ColorTriple* color = gradation ? &characterColor_ : nullptr;
            char16_t* end = s.format == FragmentFormat::Css
                                ? CssMarkup::WriteCharacter(tags, color, look, character)
                                : BbcodeMarkup::WriteCharacter(tags, color, look, character);
            html_.append(QStringView(tags, end - tags));
            continue;
        }

        char16_t* out = tags;
        if (gradation) {
            out = WriteLiteral(out, u"<Font Color=#");
            out = WriteHexColor(out, characterColor_);
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
        html_.append(QStringView(tags, out - tags));
        html_.append(character);
        if (size.kind == SizeMark::Kind::Small) html_.append(QLatin1StringView("</SMALL>"));
    }

    return true;
}

void HtmlGenerator::WriteClosing(const DecorationSettings& s) {
    const FragmentStyle style = FragmentStyle::Of(s);
    if (style.format == FragmentFormat::Css || style.format == FragmentFormat::Bbcode) {
        if (style.format == FragmentFormat::Css) {
            CssMarkup::AppendClosing(html_, style, LineSizeLevel(s));
        } else {
            BbcodeMarkup::AppendClosing(html_, style, LineSizeLevel(s));
        }
        if (model_) model_->htmlLength = html_.size() - fragmentStart_;
        return;
    }
    if (style.format == FragmentFormat::Legacy) {
        // The old bytes: one "</Font>" closes only the innermost font tag, and the
        // style tags close in their opening order.
        html_ += QLatin1StringView("</Font>");
        WriteStyleEnds(style, false);
    } else {
        // Every tag the fragment opened, closed innermost first, so that nothing of
        // its decoration reaches the text after it.
        WriteFontEnds();
        WriteStyleEnds(style, true);
    }
    openFontTags_ = 0;
    WritePositionAndLinkEnds(style);
    if (style.format == FragmentFormat::Legacy) {
        // "</TABLE>" follows every back style but "なし", also one that opened none.
        if (style.background != Background::None) {
            html_ += QLatin1StringView("</TABLE>");
        }
    } else if (style.OpensTable()) {
        html_ += QLatin1StringView("</TD></TR></TABLE>");
    }
    if (model_) model_->htmlLength = html_.size() - fragmentStart_;
}

// One "</Font>" for each font tag written, in one block: the first copy, then the
// block doubled onto itself.
void HtmlGenerator::WriteFontEnds() {
    static constexpr char16_t kCloseFont[] = u"</Font>";
    constexpr qsizetype kLength = std::size(kCloseFont) - 1;
    const qsizetype start = html_.size();
    const qsizetype total = openFontTags_ * kLength;
    const qsizetype needed = start + total + 64;
    if (needed > html_.capacity()) html_.reserve(std::max(needed, 2 * start));
    html_.resize(start + total);
    char16_t* out = reinterpret_cast<char16_t*>(html_.data()) + start;
    if (total > 0) std::copy_n(kCloseFont, kLength, out);
    for (qsizetype written = kLength; written < total; written *= 2) {
        std::copy_n(out, std::min(written, total - written), out + written);
    }
}

// "</B>", "</I>", "</U>", "</S>" for those opened: mirrored, or in opening order.
void HtmlGenerator::WriteStyleEnds(const FragmentStyle& style, bool mirrored) {
    const std::array<std::pair<bool, QLatin1StringView>, 4> ends{
        std::pair{style.emphasis.bold, QLatin1StringView("</B>")},
        std::pair{style.emphasis.italic, QLatin1StringView("</I>")},
        std::pair{style.emphasis.underline, QLatin1StringView("</U>")},
        std::pair{style.emphasis.strikeThrough, QLatin1StringView("</S>")}};
    for (std::size_t k = 0; k < ends.size(); ++k) {
        const auto& [opened, tag] = ends[mirrored ? ends.size() - 1 - k : k];
        if (opened) html_ += tag;
    }
}

void HtmlGenerator::WritePositionAndLinkEnds(const FragmentStyle& style) {
    if (style.position == Position::Superscript) {
        html_ += QLatin1StringView("</SUP>");
    } else if (style.position == Position::Subscript) {
        html_ += QLatin1StringView("</SUB>");
    }
    if (style.link) html_ += QLatin1StringView("</a>");
}

}  // namespace glimtex
