// The code page 932 reader and writer on any bytes: reading never fails, and what is
// read is written back to bytes that read the same.

#include <QString>

#include "FuzzSupport.h"
#include "macro/Cp932.h"

using namespace glimtex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString text = Cp932::Decode(bytes);
    if (text.size() > bytes.size()) fuzz::Fail("more characters than bytes");
    // An undecodable byte is written as "?", as the working files hold it.
    text.replace(QChar(0xFFFD), QChar(u'?'));
    const QByteArray written = Cp932::Encode(text);
    if (Cp932::Decode(written) != text) fuzz::Fail("decoded text does not survive encoding");
    // The same bytes as UTF-16: any text can be written, one byte or two a character.
    const QString any = QString::fromUtf16(reinterpret_cast<const char16_t*>(data),
                                           static_cast<qsizetype>(size / 2));
    const QByteArray anyBytes = Cp932::Encode(any);
    if (anyBytes.size() > 2 * any.size()) fuzz::Fail("more than two bytes a character");
    (void)Cp932::Decode(anyBytes);
    return 0;
}
