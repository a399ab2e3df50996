#pragma once

#include <QString>
#include <cstdint>

#include "core/DecorationSettings.h"

namespace glimtex {

// Writers for the numbers that go into tags. They fill a caller's UTF-16 buffer
// and return the position after the last character written, so a whole run of
// tags can be put together without allocating.

// Upper-case hex of one colour component: no leading zeros, at least two digits;
// a negative value is written as its 16-bit two's-complement form (FFFF for -1).
inline char16_t* WriteHexComponent(char16_t* out, int16_t value) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    auto bits = static_cast<uint16_t>(value);
    char16_t reversed[4];
    int count = 0;
    do {
        reversed[count++] = kDigits[bits & 0xFu];
        bits = static_cast<uint16_t>(bits >> 4);
    } while (bits != 0);
    if (count == 1) *out++ = u'0';
    while (count > 0) *out++ = reversed[--count];
    return out;
}

// The colour text without "#": R, then G, then B.
inline char16_t* WriteHexColor(char16_t* out, const ColorTriple& rgb) {
    for (int16_t component : rgb) out = WriteHexComponent(out, component);
    return out;
}

// Decimal, a minus sign for negative numbers, no blanks.
inline char16_t* WriteDecimal(char16_t* out, int16_t value) {
    int v = value;
    if (v < 0) {
        *out++ = u'-';
        v = -v;
    }
    char16_t reversed[5];
    int count = 0;
    do {
        reversed[count++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (count > 0) *out++ = reversed[--count];
    return out;
}

// Copies a tag literal (ASCII) into the buffer.
template <std::size_t N>
inline char16_t* WriteLiteral(char16_t* out, const char16_t (&literal)[N]) {
    for (std::size_t k = 0; k + 1 < N; ++k) *out++ = literal[k];
    return out;
}

}  // namespace glimtex
