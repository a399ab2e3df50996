#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace glimtex {

class Feedback;

// How a statement reads its value: the text after the first "=", then a quoted
// text, a 16-bit integer or a comma-separated list. Problems sound the beep.
namespace StatementValue {

// The text after the first "=" of rest (leading space included), or rest itself
// when it holds no "=".
QString ValueText(const QString& rest);

// The text between the first two double quotes. An empty text beeps and is
// returned all the same.
QString QuotedText(const QString& valueText, Feedback& feedback);

// The text as a whole 16-bit number, surrounding spaces allowed; nothing otherwise.
std::optional<int16_t> ToInt16(const QString& text);

// Cuts count fields at the commas: each field but the last is the text before the
// next comma, the last is what remains. Each empty field but the last beeps.
QStringList ListFields(const QString& valueText, int count, Feedback& feedback);

// An integer value; beeps and gives nothing when it is not a whole 16-bit number.
std::optional<int16_t> Integer(const QString& valueText, Feedback& feedback);

// A list of count integers. The empty-field beeps sound first; then, when any field
// is not a whole 16-bit number, one more beep and nothing is given.
std::optional<QList<int16_t>> IntegerList(const QString& valueText, int count, Feedback& feedback);

}  // namespace StatementValue
}  // namespace glimtex
