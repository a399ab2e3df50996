#pragma once

#include <QByteArray>
#include <QString>

namespace glimtex::Cp932 {

// Windows code page 932 (Shift-JIS with the NEC and IBM extensions), table driven.
// The tables are filled once from the system's "windows-31j" converter; the
// single-byte half (ASCII and half-width katakana) is fixed here, because the
// converter swaps a few control codes that Windows leaves alone.

// Every byte that does not start a character this code page can read (a stray
// trail byte, 0x80, 0xA0, 0xFD to 0xFF, a lead byte without its trail, an unmapped
// pair) gives U+FFFD; reading goes on with the next byte.
QString Decode(const QByteArray& bytes);

// Every character the code page cannot hold (a supplementary character counts as
// one, a lone surrogate too) is written as "?", as Windows does; `replaced`, when
// given, receives how many were. The JIS forms of a few characters (U+301C WAVE
// DASH, U+2014 EM DASH, U+2212 MINUS SIGN and the like) are written as the
// full-width characters this code page holds for them.
QByteArray Encode(QStringView text, qsizetype* replaced = nullptr);

}  // namespace glimtex::Cp932
