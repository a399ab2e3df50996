#include "macro/TextUtil.h"

namespace glimtex {

namespace {

// 0-based index of the first occurrence, or -1. An empty delimiter is found at the
// start of any non-empty text; nothing is found in an empty text.
qsizetype FindFirst(const QString& text, const QString& delimiter) {
    if (text.isEmpty()) {
        return -1;
    }
    return text.indexOf(delimiter);
}

}  // namespace

QString TextBefore(const QString& text, const QString& delimiter) {
    const qsizetype at = FindFirst(text, delimiter);
    return at < 0 ? QString() : text.left(at);
}

QString WithoutFirst(const QString& text, const QString& delimiter) {
    const qsizetype at = FindFirst(text, delimiter);
    if (at < 0) {
        return QString();
    }
    return text.left(at) + text.mid(at + delimiter.size());
}

QString TextAfterFirstCharOf(const QString& text, const QString& delimiter) {
    const qsizetype at = FindFirst(text, delimiter);
    // Only the first character of the delimiter is stepped over, whatever its length.
    return at < 0 ? QString() : text.mid(at + 1);
}

QString FirstQuoted(const QString& text) {
    const QString quote(QChar(u'"'));
    if (!text.contains(quote)) {
        return QString();
    }
    const QString rest = TextAfterFirstCharOf(text, quote);
    if (!rest.contains(quote)) {
        return QString();
    }
    return TextBefore(rest, quote);
}

}  // namespace glimtex
