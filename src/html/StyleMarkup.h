#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

#include "core/DecorationSettings.h"
#include "html/FragmentStyle.h"

namespace glimtex {

// The size a line or a character is written at, by the levels of "<Font Size=N>".
struct SizeLook {
    int level = 0;       // 1..7; 0 for none of its own
    bool small = false;  // one step smaller than the level, as "<SMALL>" makes it
};

// The size level a "<Font Size=N>" shows: a number with a minus sign is relative to
// 3, any other is the level itself; both are clamped into 1..7.
int FontSizeLevel(int sizeAttribute);

// A forum's "smaller": the level under, never under 1.
inline int SmallerLevel(int level) { return level > 1 ? level - 1 : 1; }

// The level that Standard writes once for the whole line, or 0: a size set on a line
// in its normal position.
int LineSizeLevel(const DecorationSettings& s);

// The markup of the CSS format (HTML5 with inline styles). The colors are the ones a
// browser reads from the "HTML" format's color texts, and the sizes the pixels it
// gives the size levels, so that both formats look the same.
namespace CssMarkup {
// The background box, the link and one span with the line's styles.
void AppendOpening(QString& out, const FragmentStyle& style, int lineLevel);
void AppendClosing(QString& out, const FragmentStyle& style, int lineLevel);
// One character, escaped, in a span of its color and size when it has either.
// The buffer must hold 96 code units.
char16_t* WriteCharacter(char16_t* out, const ColorTriple* color, SizeLook size,
                         QStringView character);
// Text for an element or an attribute: & < > " as references, and the characters a
// page may not hold (controls, unpaired surrogates, noncharacters) as U+FFFD.
void AppendEscaped(QString& out, QStringView text);
}  // namespace CssMarkup

// The markup of the BBCode format: colors as in the "HTML" format, sizes 1..7.
namespace BbcodeMarkup {
void AppendOpening(QString& out, const FragmentStyle& style, int lineLevel);
void AppendClosing(QString& out, const FragmentStyle& style, int lineLevel);
// One character in [color] and [size] tags when it has either. A "[" of the text
// outside such tags is followed by an empty "[b][/b]", so that no text after it can
// be read as a tag.
// The buffer must hold 64 code units.
char16_t* WriteCharacter(char16_t* out, const ColorTriple* color, SizeLook size,
                         QStringView character);
}  // namespace BbcodeMarkup

// An address as a URL that checkers accept and browsers resolve alike: blanks around
// it dropped; characters no URL may hold percent-encoded (UTF-8); a "%" that starts
// no escape and every "#" after the first written as escapes too.
QString CleanAddress(const QString& address);

}  // namespace glimtex
