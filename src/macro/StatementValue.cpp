#include "macro/StatementValue.h"

#include <limits>

#include "core/Feedback.h"
#include "macro/TextUtil.h"

namespace glimtex::StatementValue {

namespace {
const QString kEquals = QStringLiteral("=");
const QString kComma = QStringLiteral(",");
}  // namespace

QString ValueText(const QString& rest) {
    return rest.contains(kEquals) ? TextAfterFirstCharOf(rest, kEquals) : rest;
}

QString QuotedText(const QString& valueText, Feedback& feedback) {
    QString text = FirstQuoted(valueText);
    if (text.isEmpty()) feedback.Beep();
    return text;
}

std::optional<int16_t> ToInt16(const QString& text) {
    const QString digits = text.trimmed();
    // Plain decimal notation only: an optional sign and digits, nothing else.
    if (digits.isEmpty()) return std::nullopt;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const QChar c = digits.at(i);
        const bool sign = i == 0 && (c == u'-' || c == u'+') && digits.size() > 1;
        if (!sign && (c < u'0' || c > u'9')) return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(value);
}

QStringList ListFields(const QString& valueText, int count, Feedback& feedback) {
    QStringList fields;
    QString remaining = valueText;
    for (int i = 0; i + 1 < count; ++i) {
        const QString field = TextBefore(remaining, kComma);
        if (field.isEmpty()) feedback.Beep();
        fields.append(field);
        remaining = TextAfterFirstCharOf(remaining, kComma);
    }
    fields.append(remaining);
    return fields;
}

std::optional<int16_t> Integer(const QString& valueText, Feedback& feedback) {
    const auto value = ToInt16(valueText);
    if (!value) feedback.Beep();
    return value;
}

std::optional<QList<int16_t>> IntegerList(const QString& valueText, int count, Feedback& feedback) {
    QList<int16_t> numbers;
    for (const QString& field : ListFields(valueText, count, feedback)) {
        const auto value = ToInt16(field);
        if (!value) {
            feedback.Beep();
            return std::nullopt;
        }
        numbers.append(*value);
    }
    return numbers;
}

}  // namespace glimtex::StatementValue
