#pragma once

#include <QString>
#include <optional>

namespace glimtex {

// What kind of HTML a fragment is written as.
enum class FragmentFormat {
    // Every tag the fragment opens is closed before it ends, innermost first, and a
    // background table holds its text in a cell: the fragment changes nothing after it.
    Html,
    // The old bytes: one "</Font>" however many font tags were opened, the style tags
    // closed in their opening order, the text straight inside the table.
    Legacy,
    // HTML5 with inline styles: one <span style> around the whole line, one around each
    // character that has a colour or size of its own; text and addresses escaped.
    Css,
    // Forum markup: [color], [size=1..7], [b], [i], [u], [s] and [url]; superscript,
    // subscript, face and background have no common tag and are left out.
    Bbcode,
};

// The texts of the statement Set.OutputFormat.
namespace FormatText {
inline const QString kHtml = QStringLiteral("HTML");
inline const QString kLegacy = QStringLiteral("旧形式");
inline const QString kCss = QStringLiteral("CSS");
inline const QString kBbcode = QStringLiteral("BBCode");
}  // namespace FormatText

// The format a statement's text names, exactly; nothing for any other text.
inline std::optional<FragmentFormat> FormatNamed(const QString& text) {
    if (text == FormatText::kHtml) return FragmentFormat::Html;
    if (text == FormatText::kLegacy) return FragmentFormat::Legacy;
    if (text == FormatText::kCss) return FragmentFormat::Css;
    if (text == FormatText::kBbcode) return FragmentFormat::Bbcode;
    return std::nullopt;
}

}  // namespace glimtex
