// Builds the browser's picture of a fragment straight from its model, character
// format by character format. Reading the fragment's HTML would take time growing
// with the square of the line, because its per-character tags are never closed.
#include "gui/FragmentDocument.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <array>

namespace glimtex::gui {

namespace {

using Style = FragmentStyle;

QColor ColourOf(const ColorTriple& rgb) {
    // Components outside 0..255 come only from macros; a browser reads the longer hex
    // text otherwise, so the preview keeps to the nearest colour it can show.
    auto clamp = [](int16_t v) { return std::clamp<int>(v, 0, 255); };
    return QColor(clamp(rgb[0]), clamp(rgb[1]), clamp(rgb[2]));
}

bool IsCollapsibleSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The format every character of the line shares.
QTextCharFormat LineFormat(const Style& style) {
    QTextCharFormat format;
    format.setFont(PageFont(), QTextCharFormat::FontPropertiesAll);
    format.setFontPointSize(LegacyPointSize(3));
    format.setForeground(style.link ? kLinkColour : kPageText);
    if (style.position == Style::Position::Super) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (style.position == Style::Position::Sub) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
    if (style.bold) format.setFontWeight(QFont::Bold);
    if (style.italic) format.setFontItalic(true);
    if (style.underline || style.link) {
        format.setFontUnderline(true);
        // A decoration takes the colour of the tag that draws it, not of the font
        // tags inside: the link's blue, or the page's text colour.
        format.setUnderlineColor(style.link ? kLinkColour : kPageText);
    }
    if (style.strike) format.setFontStrikeOut(true);
    if (style.link) {
        format.setAnchor(true);
        format.setAnchorHref(style.linkTarget);
    }
    if (style.hasFace) {
        // The face attribute is a list of faces, tried in order.
        QStringList faces;
        for (const QString& face : style.face.split(u',')) {
            if (!face.trimmed().isEmpty()) faces << face.trimmed();
        }
        if (!faces.isEmpty()) format.setFontFamilies(faces + PageFont().families());
    }
    if (style.singleColour) format.setForeground(ColourOf(style.colour));
    return format;
}

// What varies from character to character; characters with equal keys go in one run.
struct RunKey {
    bool hasColour = false;
    ColorTriple colour{};
    int level = 3;
    bool operator==(const RunKey&) const = default;
};

void AppendCharacters(QTextCursor& cursor, const FragmentModel& fragment,
                      const QTextCharFormat& line) {
    const QString& text = fragment.text;
    QString run;
    RunKey runKey;
    auto flush = [&] {
        if (run.isEmpty()) return;
        QTextCharFormat format = line;
        if (runKey.hasColour) format.setForeground(ColourOf(runKey.colour));
        format.setFontPointSize(LegacyPointSize(runKey.level));
        cursor.insertText(run, format);
        run.clear();
    };
    // The size tags are never closed, so each holds until the next; the gradation's
    // colour tags likewise. "<SMALL>" is closed after its character and makes it one
    // size smaller than what surrounds it.
    int level = 3;
    bool hasColour = false;
    ColorTriple colour{};
    bool afterSpace = true;  // a browser drops blanks at the start of the line
    for (const CharacterMarks& marks : fragment.characters) {
        if (marks.hasColour) {
            hasColour = true;
            colour = marks.colour;
        }
        int characterLevel = level;
        if (marks.size.kind == SizeMark::Kind::Size) {
            level = characterLevel = LegacyFontLevel(marks.size.size);
        } else if (marks.size.kind == SizeMark::Kind::Small) {
            characterLevel = std::max(level - 1, 0);
        }
        const QStringView character(text.constData() + marks.start, marks.length);
        // Runs of blanks and line ends show as one blank.
        const bool space = marks.length == 1 && IsCollapsibleSpace(character[0]);
        if (space && afterSpace) continue;
        afterSpace = space;
        const RunKey key{hasColour, colour, characterLevel};
        if (!(key == runKey)) {
            flush();
            runKey = key;
        }
        if (space) {
            run += u' ';
        } else {
            run += character;
        }
    }
    flush();
}

}  // namespace

QFont PageFont() {
    QFont font(QStringLiteral("Noto Serif CJK JP"));
    font.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("IPAPMincho"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(LegacyPointSize(3));
    return font;
}

int LegacyFontLevel(int sizeAttribute) {
    const int level = sizeAttribute < 0 ? 3 + sizeAttribute : sizeAttribute;
    return std::clamp(level, 1, 7);
}

qreal LegacyPointSize(int level) {
    static constexpr std::array<int, 8> kPixels{9, 10, 13, 16, 18, 24, 32, 48};
    const int index = std::clamp(level, 0, 7);
    return kPixels[static_cast<std::size_t>(index)] * 0.75;
}

void AppendFragment(QTextCursor& cursor, const FragmentModel& fragment) {
    const Style& style = fragment.style;
    const QTextCharFormat line = LineFormat(style);
    if (style.background != Style::Background::Colour &&
        style.background != Style::Background::Picture) {
        AppendCharacters(cursor, fragment, line);
        return;
    }
    if (style.background == Style::Background::Picture) {
        // The picture itself lives beside the page, not here: its name stands in.
        QTextCharFormat note;
        note.setForeground(QColor(0x60, 0x60, 0x60));
        note.setFontPointSize(LegacyPointSize(2));
        cursor.insertText(QStringLiteral("［背景画像 \"%1\"］").arg(style.backPicture), note);
    }
    // The background is a table of its own: a block with the browsers' default
    // spacing of 2 and padding of 1 pixel around the line.
    QTextTableFormat table;
    table.setBorder(0);
    table.setCellSpacing(2);
    table.setCellPadding(1);
    if (style.background == Style::Background::Colour) {
        table.setBackground(ColourOf(style.backColor));
    } else {
        table.setBackground(QBrush(QColor(0xB0, 0xB0, 0xB0), Qt::BDiagPattern));
    }
    QTextTable* cell = cursor.insertTable(1, 1, table);
    QTextCursor inside = cell->cellAt(0, 0).firstCursorPosition();
    AppendCharacters(inside, fragment, line);
    cursor = cell->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

void AppendRefusal(QTextCursor& cursor, const QString& reason) {
    QTextCharFormat format;
    format.setFont(PageFont(), QTextCharFormat::FontPropertiesAll);
    format.setFontPointSize(LegacyPointSize(3));
    format.setForeground(QColor(0xCC, 0, 0));
    cursor.insertText(reason, format);
}

void FillDocument(QTextDocument& document, std::span<const FragmentModel> fragments) {
    document.clear();
    document.setDefaultFont(PageFont());
    document.setDocumentMargin(8);  // a browser's page margin
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const FragmentModel& fragment : fragments) {
        if (!first) {
            QTextCharFormat blank;
            blank.setFont(PageFont(), QTextCharFormat::FontPropertiesAll);
            cursor.insertText(QStringLiteral(" "), blank);
        }
        first = false;
        AppendFragment(cursor, fragment);
    }
    cursor.endEditBlock();
}

}  // namespace glimtex::gui
