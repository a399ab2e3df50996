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
// one, a lone surrogate too) is written as "?", as Windows does.
QByteArray Encode(QStringView text);

}  // namespace glimtex::Cp932
