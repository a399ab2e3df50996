#include "html/StyleMarkup.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string_view>

#include "html/ShownCharacters.h"
#include "html/TagText.h"

namespace glimtex {

namespace {

// The CSS texts of the pixels browsers give the size levels 1..7, and of one step
// smaller, written once from the browsers' table.
struct SizeTexts {
    std::array<QString, 7> level;
    std::array<QString, 7> smaller;
    SizeTexts() {
        for (int k = 0; k < 7; ++k) {
            const double pixels = FontSizePixels(k + 1);
            level[static_cast<std::size_t>(k)] = QString::number(pixels) + QStringLiteral("px");
            smaller[static_cast<std::size_t>(k)] =
                QString::number(SmallerPixels(pixels), 'g', 6) + QStringLiteral("px");
        }
    }
};
const SizeTexts kSizeTexts;

char16_t* Write(char16_t* out, QStringView text) {
    std::memcpy(out, text.utf16(), static_cast<std::size_t>(text.size()) * sizeof(char16_t));
    return out + text.size();
}

// A literal's length is known when it is compiled: no count at run time.
template <std::size_t N>
char16_t* Write(char16_t* out, const char16_t (&literal)[N]) {
    std::memcpy(out, literal, (N - 1) * sizeof(char16_t));
    return out + (N - 1);
}

// "#rrggbb", as a browser reads the "HTML" format's color text.
char16_t* WriteCssColor(char16_t* out, const ColorTriple& written) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    const bool inRange =
        std::all_of(written.begin(), written.end(), [](int16_t c) { return c >= 0 && c <= 255; });
    const ColorTriple color = inRange ? written : ColorAsBrowsersRead(written);
    *out++ = u'#';
    for (int16_t c : color) {
        *out++ = kDigits[(c >> 4) & 0xF];
        *out++ = kDigits[c & 0xF];
    }
    return out;
}

char16_t* WriteCssSize(char16_t* out, SizeLook size) {
    if (size.level == 0) return Write(out, u"smaller");
    const auto k = static_cast<std::size_t>(size.level - 1);
    return Write(out, size.small ? kSizeTexts.smaller[k] : kSizeTexts.level[k]);
}

// A BBCode size: one level less for "smaller", never under 1.
int BbcodeLevel(SizeLook size) {
    const int level = size.level == 0 ? 3 : size.level;
    return size.small ? SmallerLevel(level) : level;
}

bool IsForbiddenInPage(char32_t c) {
    if (c == 0x9 || c == 0xA || c == 0xC || c == 0xD) return false;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    if (c >= 0xFDD0 && c <= 0xFDEF) return true;
    if ((c & 0xFFFE) == 0xFFFE) return true;
    return c >= 0xD800 && c <= 0xDFFF;  // a surrogate left without its pair
}

char16_t* WriteEscaped(char16_t* out, QStringView character) {
    // Most characters go as they are: printable ASCII after ">", and the letters of the
    // Basic Multilingual Plane below the surrogates.
    if (character.size() == 1) {
        const char16_t u = character[0].unicode();
        if ((u > u'>' && u < 0x7F) || (u >= 0xA0 && u < 0xD800 && (u < 0xFDD0 || u > 0xFDEF))) {
            *out = u;
            return out + 1;
        }
    }
    for (qsizetype k = 0; k < character.size(); ++k) {
        const QChar c = character[k];
        if (c.isHighSurrogate() && k + 1 < character.size() && character[k + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, character[k + 1]);
            if (IsForbiddenInPage(code)) {
                *out++ = u'\uFFFD';
            } else {
                *out++ = c.unicode();
                *out++ = character[k + 1].unicode();
            }
            ++k;
            continue;
        }
        switch (c.unicode()) {
            case u'&':
                out = Write(out, u"&amp;");
                break;
            case u'<':
                out = Write(out, u"&lt;");
                break;
            case u'>':
                out = Write(out, u"&gt;");
                break;
            case u'"':
                out = Write(out, u"&quot;");
                break;
            default:
                *out++ = IsForbiddenInPage(c.unicode()) ? u'\uFFFD' : c.unicode();
        }
    }
    return out;
}

// Appends through a small buffer a piece at a time.
template <typename Writer>
void AppendWritten(QString& out, Writer write) {
    char16_t buffer[96];
    char16_t* end = write(buffer);
    out.append(QStringView(buffer, end - buffer));
}

bool HasLineSpan(const FragmentStyle& style, int lineLevel) {
    return style.emphasis.bold || style.emphasis.italic || style.emphasis.underline ||
           style.emphasis.strikeThrough || style.position != Position::Normal || style.hasFace ||
           style.singleColor || lineLevel != 0;
}

// The face list of "<Font Face>" as CSS: each name quoted, empty names dropped.
QString CssFamilies(const QString& face) {
    QStringList names;
    for (const QString& part : face.split(u',')) {
        QString name = part.trimmed();
        // A name already in quotes is the name inside them.
        if (name.size() >= 2 && (name.front() == u'\'' || name.front() == u'"') &&
            name.back() == name.front()) {
            name = name.mid(1, name.size() - 2);
        }
        if (name.isEmpty()) continue;
        QString quoted = name;
        quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
        names.append(u'\'' + quoted + u'\'');
    }
    return names.join(u',');
}

}  // namespace

int FontSizeLevel(int sizeAttribute) {
    return std::clamp(sizeAttribute < 0 ? 3 + sizeAttribute : sizeAttribute, 1, 7);
}

int LineSizeLevel(const DecorationSettings& s) {
    if (s.shape != SizeShape::Standard || s.size == 0 || s.position != Position::Normal) return 0;
    return FontSizeLevel(s.size);
}

QString CleanAddress(const QString& address) {
    static constexpr char kAllowed[] = "-._~!$&'()*+,;=:@/?";
    const QByteArray bytes = address.trimmed().toUtf8();
    QString clean;
    clean.reserve(bytes.size());
    bool fragment = false;
    auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const char c = bytes[k];
        const auto u = static_cast<unsigned char>(c);
        bool keep = std::isalnum(u) != 0 || QByteArrayView(kAllowed).contains(c) || u >= 0x80;
        if (c == '%') keep = k + 2 < bytes.size() && isHex(bytes[k + 1]) && isHex(bytes[k + 2]);
        if (c == '#') {
            keep = !fragment;
            fragment = true;
        }
        if (keep && u >= 0x80) {
            // Whole UTF-8 sequences are copied back as the characters they are.
            qsizetype end = k + 1;
            while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) {
                ++end;
            }
            clean += QString::fromUtf8(bytes.mid(k, end - k));
            k = end - 1;
        } else if (keep) {
            clean += QLatin1Char(c);
        } else {
            clean += QStringLiteral("%%1").arg(u, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    return clean;
}

namespace CssMarkup {

void AppendEscaped(QString& out, QStringView text) {
    for (qsizetype k = 0; k < text.size();) {
        const qsizetype length =
            text[k].isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        AppendWritten(out, [&](char16_t* b) { return WriteEscaped(b, text.mid(k, length)); });
        k += length;
    }
}

void AppendOpening(QString& out, const FragmentStyle& style, int lineLevel) {
    if (style.background == Background::Color) {
        out += QLatin1StringView(
            "<span style=\"display:inline-block;padding:2px 4px;background-color:");
        AppendWritten(out, [&](char16_t* b) { return WriteCssColor(b, style.backgroundColor); });
        out += QLatin1StringView("\">");
    } else if (style.background == Background::Picture) {
        QString address = CleanAddress(style.backgroundPicture);
        address.replace(u'\'', QStringLiteral("%27"));
        out += QLatin1StringView(
            "<span style=\"display:inline-block;padding:2px 4px;background-image:url('");
        AppendEscaped(out, address);
        out += QLatin1StringView("')\">");
    }
    if (style.link) {
        out += QLatin1StringView("<a href=\"");
        AppendEscaped(out, CleanAddress(style.linkAddress));
        out += QLatin1StringView("\">");
    }
    if (!HasLineSpan(style, lineLevel)) return;
    QString css;
    if (style.emphasis.bold) css += QLatin1StringView("font-weight:bold;");
    if (style.emphasis.italic) css += QLatin1StringView("font-style:italic;");
    if (style.emphasis.underline || style.emphasis.strikeThrough) {
        css += QLatin1StringView("text-decoration:");
        if (style.emphasis.underline) css += QLatin1StringView("underline");
        if (style.emphasis.underline && style.emphasis.strikeThrough) css += u' ';
        if (style.emphasis.strikeThrough) css += QLatin1StringView("line-through");
        css += u';';
    }
    if (style.position == Position::Superscript) {
        css += QLatin1StringView("vertical-align:super;font-size:smaller;");
    } else if (style.position == Position::Subscript) {
        css += QLatin1StringView("vertical-align:sub;font-size:smaller;");
    }
    if (style.hasFace) {
        const QString families = CssFamilies(style.face);
        if (!families.isEmpty()) css += QLatin1StringView("font-family:") + families + u';';
    }
    if (style.singleColor) {
        css += QLatin1StringView("color:");
        AppendWritten(css, [&](char16_t* b) { return WriteCssColor(b, style.color); });
        css += u';';
    }
    if (lineLevel != 0) {
        css += QLatin1StringView("font-size:");
        AppendWritten(css, [&](char16_t* b) { return WriteCssSize(b, SizeLook{lineLevel}); });
        css += u';';
    }
    css.chop(1);
    out += QLatin1StringView("<span style=\"");
    AppendEscaped(out, css);
    out += QLatin1StringView("\">");
}

void AppendClosing(QString& out, const FragmentStyle& style, int lineLevel) {
    if (HasLineSpan(style, lineLevel)) out += QLatin1StringView("</span>");
    if (style.link) out += QLatin1StringView("</a>");
    if (style.background == Background::Color || style.background == Background::Picture) {
        out += QLatin1StringView("</span>");
    }
}

char16_t* WriteCharacter(char16_t* out, const ColorTriple* color, SizeLook size,
                         QStringView character) {
    const bool sized = size.level != 0 || size.small;
    if (color == nullptr && !sized) return WriteEscaped(out, character);
    out = Write(out, u"<span style=\"");
    if (color != nullptr) {
        out = Write(out, u"color:");
        out = WriteCssColor(out, *color);
        if (sized) *out++ = u';';
    }
    if (sized) {
        out = Write(out, u"font-size:");
        out = WriteCssSize(out, size);
    }
    out = Write(out, u"\">");
    out = WriteEscaped(out, character);
    return Write(out, u"</span>");
}

}  // namespace CssMarkup

namespace BbcodeMarkup {

void AppendOpening(QString& out, const FragmentStyle& style, int lineLevel) {
    if (style.link) {
        QString address = CleanAddress(style.linkAddress);
        out += QLatin1StringView("[url=") + address + u']';
    }
    if (style.emphasis.bold) out += QLatin1StringView("[b]");
    if (style.emphasis.italic) out += QLatin1StringView("[i]");
    if (style.emphasis.underline) out += QLatin1StringView("[u]");
    if (style.emphasis.strikeThrough) out += QLatin1StringView("[s]");
    if (style.singleColor) {
        out += QLatin1StringView("[color=");
        AppendWritten(out, [&](char16_t* b) { return WriteCssColor(b, style.color); });
        out += u']';
    }
    if (lineLevel != 0) out += QStringLiteral("[size=%1]").arg(lineLevel);
}

void AppendClosing(QString& out, const FragmentStyle& style, int lineLevel) {
    if (lineLevel != 0) out += QLatin1StringView("[/size]");
    if (style.singleColor) out += QLatin1StringView("[/color]");
    if (style.emphasis.strikeThrough) out += QLatin1StringView("[/s]");
    if (style.emphasis.underline) out += QLatin1StringView("[/u]");
    if (style.emphasis.italic) out += QLatin1StringView("[/i]");
    if (style.emphasis.bold) out += QLatin1StringView("[/b]");
    if (style.link) out += QLatin1StringView("[/url]");
}

char16_t* WriteCharacter(char16_t* out, const ColorTriple* color, SizeLook size,
                         QStringView character) {
    const bool sized = size.level != 0 || size.small;
    if (color != nullptr) {
        out = Write(out, u"[color=");
        out = WriteCssColor(out, *color);
        *out++ = u']';
    }
    if (sized) {
        out = Write(out, u"[size=");
        *out++ = static_cast<char16_t>(u'0' + BbcodeLevel(size));
        *out++ = u']';
    }
    for (const QChar c : character) *out++ = c.unicode();
    // Wrapped, the "[" is followed by a closing tag; bare, by the next character.
    if (character == u"[" && color == nullptr && !sized) out = Write(out, u"[b][/b]");
    if (sized) out = Write(out, u"[/size]");
    if (color != nullptr) out = Write(out, u"[/color]");
    return out;
}

}  // namespace BbcodeMarkup

}  // namespace glimtex
