#include "html/HtmlGenerator.h"

#include <QStringView>

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
    mainHtml_.clear();
    StartHTMLCreate(s);
    if (!MojiHTMLCreate(s)) {
        mainHtml_.clear();
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
    StartHTMLCreate(s);
    const bool built = MojiHTMLCreate(s);
    if (built) {
        EndHTMLCreate(s);
    } else {
        mainHtml_.truncate(before);
    }
    mainHtml_.swap(collected);
    return built;
}

void HtmlGenerator::StartHTMLCreate(const DecorationSettings& s) {
    if (s.BackStyle == StyleText::kSingleColour) {
        hColorCode_ = QLatin1Char('#') + GetHColorCode(s.BackColorData);
        mainHtml_ += QLatin1StringView("<TABLE BGCOLOR=") + hColorCode_ + QLatin1Char('>');
    } else if (s.BackStyle == StyleText::kPicture) {
        mainHtml_ +=
            QLatin1StringView("<TABLE BACKGROUND=\"") + s.BackPicture + QLatin1StringView("\">");
    }
    if (s.LinkStyle == StyleText::kLinkSet) {
        mainHtml_ += QLatin1StringView("<a href=") + s.LinkData + QLatin1Char('>');
    }
    if (s.MojiStyle == 1) {
        mainHtml_ += QLatin1StringView("<SUP>");
    } else if (s.MojiStyle == 2) {
        mainHtml_ += QLatin1StringView("<SUB>");
    }
    if (s.SpGroup[0] == 1) mainHtml_ += QLatin1StringView("<B>");
    if (s.SpGroup[1] == 1) mainHtml_ += QLatin1StringView("<I>");
    if (s.SpGroup[2] == 1) mainHtml_ += QLatin1StringView("<U>");
    if (s.SpGroup[3] == 1) mainHtml_ += QLatin1StringView("<S>");
    if (s.FontFace != StyleText::kNoFace) {
        mainHtml_ += QLatin1StringView("<Font Face=\"") + s.FontFace + QLatin1StringView("\" > ");
    }
    if (s.ColorStyle == StyleText::kSingleColour) {
        hColorCode_ = QLatin1Char('#') + GetHColorCode(s.ColorData[0]);
        mainHtml_ += QLatin1StringView("<Font Color=") + hColorCode_ + QLatin1Char('>');
    }
}

void HtmlGenerator::EndHTMLCreate(const DecorationSettings& s) {
    // One "</Font>" closes every font tag; the style tags close in their opening order.
    mainHtml_ += QLatin1StringView("</Font>");
    if (s.SpGroup[0] == 1) mainHtml_ += QLatin1StringView("</B>");
    if (s.SpGroup[1] == 1) mainHtml_ += QLatin1StringView("</I>");
    if (s.SpGroup[2] == 1) mainHtml_ += QLatin1StringView("</U>");
    if (s.SpGroup[3] == 1) mainHtml_ += QLatin1StringView("</S>");
    if (s.MojiStyle == 1) {
        mainHtml_ += QLatin1StringView("</SUP>");
    } else if (s.MojiStyle == 2) {
        mainHtml_ += QLatin1StringView("</SUB>");
    }
    if (s.LinkStyle == StyleText::kLinkSet) mainHtml_ += QLatin1StringView("</a>");
    if (s.BackStyle != StyleText::kNone) mainHtml_ += QLatin1StringView("</TABLE>");
}

}  // namespace glimtex
