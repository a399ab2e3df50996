#include "html/ShownCharacters.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <functional>

#include "html/StyleMarkup.h"
#include "html/TagText.h"

namespace glimtex {

double FontSizePixels(int sizeAttribute) {
    static constexpr std::array<double, 7> kPixels{10, 13, 16, 18, 24, 32, 48};
    return kPixels[static_cast<std::size_t>(FontSizeLevel(sizeAttribute) - 1)];
}

ColorTriple ColorAsBrowsersRead(const ColorTriple& written) {
    char16_t digits[12];
    const char16_t* end = WriteHexColor(digits, written);
    QByteArray hex;
    for (const char16_t* d = digits; d != end; ++d) hex += static_cast<char>(*d);
    while (hex.size() % 3 != 0) hex += '0';
    qsizetype length = hex.size() / 3;
    std::array<QByteArray, 3> parts{hex.left(length), hex.mid(length, length), hex.right(length)};
    if (length > 8) {
        for (QByteArray& part : parts) part = part.right(8);
        length = 8;
    }
    while (length > 2 && std::all_of(parts.begin(), parts.end(),
                                     [](const QByteArray& p) { return p.startsWith('0'); })) {
        for (QByteArray& part : parts) part.remove(0, 1);
        --length;
    }
    ColorTriple color{};
    for (std::size_t k = 0; k < 3; ++k) {
        color[k] = static_cast<int16_t>(parts[k].left(2).toInt(nullptr, 16));
    }
    return color;
}

LeftOpen DecorationLeftOpen(const FragmentModel& fragment) {
    const FragmentStyle& style = fragment.style;
    LeftOpen open;
    if (style.format != FragmentFormat::Legacy) return open;
    // The font tags in their order of opening; each is applied to what stays open
    // only once a later one follows, since the last of them is the one closed.
    std::function<void()> pending;
    auto opened = [&](std::function<void()> apply) {
        if (pending) pending();
        pending = std::move(apply);
    };
    if (style.hasFace) opened([&] { open.face = style.face; });
    if (style.singleColor) opened([&] { open.color = ColorAsBrowsersRead(style.color); });
    for (const CharacterMarks& marks : fragment.characters) {
        if (marks.hasColor)
            opened([&open, &marks] { open.color = ColorAsBrowsersRead(marks.color); });
        if (marks.size.kind == SizeMark::Kind::Size) {
            opened([&open, &marks] { open.pixelSize = FontSizePixels(marks.size.size); });
        }
    }
    return open;
}

bool DecorationLeaks(const FragmentModel& fragment) {
    return !(DecorationLeftOpen(fragment) == LeftOpen{});
}

std::vector<ShownCharacter> ShowAsBrowser(const FragmentModel& fragment) {
    const FragmentStyle& style = fragment.style;

    // What the whole line shares.
    ShownCharacter line;
    line.color = style.link ? kLinkTextColor : kPageTextColor;
    if (style.singleColor) line.color = ColorAsBrowsersRead(style.color);
    line.bold = style.emphasis.bold;
    line.italic = style.emphasis.italic;
    line.underline = style.emphasis.underline || style.link;
    line.strike = style.emphasis.strikeThrough;
    if (style.position == Position::Superscript) line.position = ShownPosition::Super;
    if (style.position == Position::Subscript) line.position = ShownPosition::Sub;
    if (line.position != ShownPosition::Baseline) line.pixelSize = SmallerPixels(line.pixelSize);
    // Only the cell of a closed table holds the text; the old bytes put the text in
    // front of the table. The CSS format's box holds its text.
    if ((style.format == FragmentFormat::Html || style.format == FragmentFormat::Css) &&
        style.background == Background::Color) {
        line.background = ColorAsBrowsersRead(style.backgroundColor);
    }

    std::vector<ShownCharacter> shown;
    shown.reserve(fragment.characters.size());
    // Size and color tags hold until the next one: each is nested in the last.
    double pixels = line.pixelSize;
    int level = 3;  // the size attribute that holds
    ColorTriple color = line.color;
    for (const CharacterMarks& marks : fragment.characters) {
        if (marks.hasColor) color = ColorAsBrowsersRead(marks.color);
        ShownCharacter c = line;
        c.start = marks.start;
        c.length = marks.length;
        c.color = color;
        if (marks.size.kind == SizeMark::Kind::Size) {
            pixels = FontSizePixels(marks.size.size);
            level = marks.size.size;
        }
        c.pixelSize = pixels;
        if (marks.size.kind == SizeMark::Kind::Small) {
            // A forum's sizes are the levels: "smaller" is the level under.
            c.pixelSize = style.format == FragmentFormat::Bbcode
                              ? FontSizePixels(SmallerLevel(FontSizeLevel(level)))
                              : SmallerPixels(pixels);
        }
        shown.push_back(c);
    }
    return shown;
}

}  // namespace glimtex
