// Builds the browser's picture of a fragment straight from its model, character
// format by character format, with each character's look worked out as a browser
// computes it. Reading the fragment's HTML instead would cost time growing with the
// square of the line in the old format, whose per-character tags are never closed.
#include "gui/FragmentDocument.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

#include "html/ShownCharacters.h"

namespace glimtex::gui {

namespace {

using Style = FragmentStyle;

QColor ColorOf(const ColorTriple& rgb) {
    return QColor(std::clamp<int>(rgb[0], 0, 255), std::clamp<int>(rgb[1], 0, 255),
                  std::clamp<int>(rgb[2], 0, 255));
}

bool IsCollapsibleSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The format every character of the line shares.
QTextCharFormat LineFormat(const Style& style) {
    QTextCharFormat format;
    format.setFont(PageFont(), QTextCharFormat::FontPropertiesAll);
    if (style.position == Position::Superscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (style.position == Position::Subscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }
    if (style.emphasis.underline || style.link) {
        // A decoration takes the colour of the tag that draws it, not of the font
        // tags inside: the link's blue, or the page's text colour.
        format.setUnderlineColor(style.link ? kLinkColor : kPageText);
    }
    if (style.link) {
        format.setAnchor(true);
        format.setAnchorHref(style.linkAddress);
    }
    if (style.hasFace) {
        // The face attribute is a list of faces, tried in order.
        QStringList faces;
        for (const QString& face : style.face.split(u',')) {
            if (!face.trimmed().isEmpty()) faces << face.trimmed();
        }
        if (!faces.isEmpty()) format.setFontFamilies(faces + PageFont().families());
    }
    return format;
}

QTextCharFormat CharacterFormat(const QTextCharFormat& line, const ShownCharacter& c) {
    QTextCharFormat format = line;
    format.setForeground(ColorOf(c.color));
    format.setFontPointSize(PixelsToPoints(c.pixelSize));
    if (c.bold) format.setFontWeight(QFont::Bold);
    if (c.italic) format.setFontItalic(true);
    if (c.underline) format.setFontUnderline(true);
    if (c.strike) format.setFontStrikeOut(true);
    return format;
}

// What varies from character to character; characters with equal keys go in one run.
struct RunKey {
    ColorTriple colour{};
    double pixelSize = 0;
    bool operator==(const RunKey&) const = default;
};

void AppendCharacters(QTextCursor& cursor, const FragmentModel& fragment,
                      const QTextCharFormat& line) {
    const QString& text = fragment.text;
    const std::vector<ShownCharacter> shown = ShowAsBrowser(fragment);
    QString run;
    RunKey runKey;
    const ShownCharacter* runStart = nullptr;
    auto flush = [&] {
        if (run.isEmpty()) return;
        cursor.insertText(run, CharacterFormat(line, *runStart));
        run.clear();
    };
    bool afterSpace = true;  // a browser drops blanks at the start of the line
    for (const ShownCharacter& c : shown) {
        const QStringView character(text.constData() + c.start, c.length);
        // Runs of blanks and line ends show as one blank.
        const bool space = c.length == 1 && IsCollapsibleSpace(character[0]);
        if (space && afterSpace) continue;
        afterSpace = space;
        const RunKey key{c.color, c.pixelSize};
        if (runStart == nullptr || !(key == runKey)) {
            flush();
            runKey = key;
            runStart = &c;
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
    font.setPointSizeF(PixelsToPoints(kMediumPixels));
    return font;
}

void AppendFragment(QTextCursor& cursor, const FragmentModel& fragment) {
    const Style& style = fragment.style;
    const QTextCharFormat line = LineFormat(style);
    // The old bytes leave the text in front of the table: no background shows.
    if (!style.OpensTable() || style.format == FragmentFormat::Legacy) {
        AppendCharacters(cursor, fragment, line);
        return;
    }
    if (style.background == Background::Picture) {
        // The picture itself lives beside the page, not here: its name stands in.
        QTextCharFormat note;
        note.setForeground(QColor(0x60, 0x60, 0x60));
        note.setFontPointSize(PixelsToPoints(FontSizePixels(2)));
        cursor.insertText(QStringLiteral("［背景画像 \"%1\"］").arg(style.backgroundPicture), note);
    }
    // The background is a table of its own, as wide as its text: a block with the
    // browsers' default spacing of 2 and padding of 1 pixel around the line.
    QTextTableFormat table;
    table.setBorder(0);
    table.setCellSpacing(2);
    table.setCellPadding(1);
    if (style.background == Background::Color) {
        table.setBackground(ColorOf(ColorAsBrowsersRead(style.backgroundColor)));
    } else {
        table.setBackground(QBrush(QColor(0xB0, 0xB0, 0xB0), Qt::BDiagPattern));
    }
    QTextTable* cell = cursor.insertTable(1, 1, table);
    QTextCursor inside = cell->cellAt(0, 0).firstCursorPosition();
    AppendCharacters(inside, fragment, line);
    cursor = cell->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
}

void AppendRefusal(QTextCursor& cursor, const QString& reason, const QString& hint) {
    QTextCharFormat format;
    format.setFont(PageFont(), QTextCharFormat::FontPropertiesAll);
    format.setForeground(QColor(0xCC, 0, 0));
    cursor.insertText(reason, format);
    if (hint.isEmpty()) return;
    format.setForeground(kPageText);
    cursor.insertBlock();
    cursor.insertText(hint, format);
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
