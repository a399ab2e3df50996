#include "html/HtmlGenerator.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <iterator>

#include "core/StyleTexts.h"
#include "html/TagText.h"

namespace glimtex {

bool HtmlGenerator::CodeErrorCheck(const DecorationSettings& s) {
    return s.StringShape != StyleText::kStandard && s.MojiSize == 0;
}

QString HtmlGenerator::GetHColorCode(int16_t r, int16_t g, int16_t b) {
    return GetHColorCode(ColorTriple{r, g, b});
}

QString HtmlGenerator::GetHColorCode(const ColorTriple& rgb) {
    char16_t digits[12];
    const char16_t* end = WriteHColorCode(digits, rgb);
    return QStringView(digits, end - digits).toString();
}

bool HtmlGenerator::Build(const DecorationSettings& s) {
    // The room of the last fragment is kept: a run of long fragments writes into the
    // same memory instead of growing a new string each time.
    mainHtml_.truncate(0);
    if (model_) *model_ = FragmentModel{};
    StartHTMLCreate(s);
    if (!MojiHTMLCreate(s)) {
        mainHtml_.clear();
        if (model_) *model_ = FragmentModel{};
        return false;
    }
    EndHTMLCreate(s);
    return true;
}

bool HtmlGenerator::BuildOnto(const DecorationSettings& s, QString& collected) {
    const qsizetype before = collected.size();
    // The passes append to MainHTML, so the collection stands in for it meanwhile.
    mainHtml_.clear();
    mainHtml_.swap(collected);
    if (before > 0) mainHtml_ += QLatin1StringView("\r\n");
    fragmentStart_ = mainHtml_.size();
    StartHTMLCreate(s);
    const bool built = MojiHTMLCreate(s);
    if (built) {
        EndHTMLCreate(s);
    } else {
        mainHtml_.truncate(before);
    }
    mainHtml_.swap(collected);
    fragmentStart_ = 0;
    return built;
}

void HtmlGenerator::StartHTMLCreate(const DecorationSettings& s) {
    using Style = FragmentStyle;
    const Style style = Style::Of(s);
    if (model_) model_->style = style;
    openFontTags_ = 0;
    if (style.background == Style::Background::Colour) {
        hColorCode_ = QLatin1Char('#') + GetHColorCode(style.backColor);
        mainHtml_ += QLatin1StringView("<TABLE BGCOLOR=") + hColorCode_ + QLatin1Char('>');
    } else if (style.background == Style::Background::Picture) {
        mainHtml_ += QLatin1StringView("<TABLE BACKGROUND=\"") + style.backPicture +
                     QLatin1StringView("\">");
    }
    // Text straight inside a table is moved in front of it by every HTML parser, away
    // from the background: the text goes into the table's one cell.
    if (style.OpensTable() && style.format == FragmentFormat::Html) {
        mainHtml_ += QLatin1StringView("<TR><TD>");
    }
    if (style.link)
        mainHtml_ += QLatin1StringView("<a href=") + style.linkTarget + QLatin1Char('>');
    if (style.position == Style::Position::Super) {
        mainHtml_ += QLatin1StringView("<SUP>");
    } else if (style.position == Style::Position::Sub) {
        mainHtml_ += QLatin1StringView("<SUB>");
    }
    if (style.bold) mainHtml_ += QLatin1StringView("<B>");
    if (style.italic) mainHtml_ += QLatin1StringView("<I>");
    if (style.underline) mainHtml_ += QLatin1StringView("<U>");
    if (style.strike) mainHtml_ += QLatin1StringView("<S>");
    if (style.hasFace) {
        mainHtml_ += QLatin1StringView("<Font Face=\"") + style.face + QLatin1StringView("\" > ");
        ++openFontTags_;
    }
    if (style.singleColour) {
        hColorCode_ = QLatin1Char('#') + GetHColorCode(style.colour);
        mainHtml_ += QLatin1StringView("<Font Color=") + hColorCode_ + QLatin1Char('>');
        ++openFontTags_;
    }
}

void HtmlGenerator::EndHTMLCreate(const DecorationSettings& s) {
    const FragmentStyle style = FragmentStyle::Of(s);
    if (style.format == FragmentFormat::Legacy) {
        // The old bytes: one "</Font>" closes only the innermost font tag, and the
        // style tags close in their opening order.
        mainHtml_ += QLatin1StringView("</Font>");
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
        if (style.background != FragmentStyle::Background::None) {
            mainHtml_ += QLatin1StringView("</TABLE>");
        }
    } else if (style.OpensTable()) {
        mainHtml_ += QLatin1StringView("</TD></TR></TABLE>");
    }
    if (model_) model_->htmlLength = mainHtml_.size() - fragmentStart_;
}

// One "</Font>" for each font tag written, in one block: the first copy, then the
// block doubled onto itself.
void HtmlGenerator::WriteFontEnds() {
    static constexpr char16_t kCloseFont[] = u"</Font>";
    constexpr qsizetype kLength = std::size(kCloseFont) - 1;
    const qsizetype start = mainHtml_.size();
    const qsizetype total = openFontTags_ * kLength;
    const qsizetype needed = start + total + 64;
    if (needed > mainHtml_.capacity()) mainHtml_.reserve(std::max(needed, 2 * start));
    mainHtml_.resize(start + total);
    char16_t* out = reinterpret_cast<char16_t*>(mainHtml_.data()) + start;
    if (total > 0) std::copy_n(kCloseFont, kLength, out);
    for (qsizetype written = kLength; written < total; written *= 2) {
        std::copy_n(out, std::min(written, total - written), out + written);
    }
}

// "</B>", "</I>", "</U>", "</S>" for those opened: mirrored, or in opening order.
void HtmlGenerator::WriteStyleEnds(const FragmentStyle& style, bool mirrored) {
    const std::array<std::pair<bool, QLatin1StringView>, 4> ends{
        std::pair{style.bold, QLatin1StringView("</B>")},
        std::pair{style.italic, QLatin1StringView("</I>")},
        std::pair{style.underline, QLatin1StringView("</U>")},
        std::pair{style.strike, QLatin1StringView("</S>")}};
    for (std::size_t k = 0; k < ends.size(); ++k) {
        const auto& [opened, tag] = ends[mirrored ? ends.size() - 1 - k : k];
        if (opened) mainHtml_ += tag;
    }
}

void HtmlGenerator::WritePositionAndLinkEnds(const FragmentStyle& style) {
    if (style.position == FragmentStyle::Position::Super) {
        mainHtml_ += QLatin1StringView("</SUP>");
    } else if (style.position == FragmentStyle::Position::Sub) {
        mainHtml_ += QLatin1StringView("</SUB>");
    }
    if (style.link) mainHtml_ += QLatin1StringView("</a>");
}

}  // namespace glimtex
