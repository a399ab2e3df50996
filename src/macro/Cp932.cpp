#include "macro/Cp932.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <memory>
#include <utility>

namespace glimtex::Cp932 {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kKatakanaFirst = 0xFF61;  // half-width katakana, bytes 0xA1 to 0xDF
constexpr unsigned char kKatakanaLead = 0xA1;
constexpr unsigned char kKatakanaLast = 0xDF;

bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
bool IsKatakana(unsigned char b) { return b >= kKatakanaLead && b <= kKatakanaLast; }

struct Tables {
    // Indexed by lead * 256 + trail; U+FFFD where the pair is unmapped.
    std::array<char16_t, 0x10000> pairToChar{};
    // Indexed by character; 0 where the code page cannot hold it (ASCII aside).
    std::array<quint16, 0x10000> charToCode{};

    Tables() {
        pairToChar.fill(kReplacement);
        for (unsigned b = kKatakanaLead; b <= kKatakanaLast; ++b) {
            charToCode[kKatakanaFirst + (b - kKatakanaLead)] = static_cast<quint16>(b);
        }
        FillPairs();
        FillJisForms();
    }

    // Input methods and editors on other systems write a few characters with their
    // JIS code points, which this code page holds as full-width forms under other
    // ones. Writing maps them there as Windows' own conversion does; reading still
    // gives the full-width forms.
    void FillJisForms() {
        static constexpr std::pair<char16_t, quint16> kForms[] = {
            {0x301C, 0x8160},  // WAVE DASH, read back as FULLWIDTH TILDE
            {0x2016, 0x8161},  // DOUBLE VERTICAL LINE, as PARALLEL TO
            {0x2212, 0x817C},  // MINUS SIGN, as FULLWIDTH HYPHEN-MINUS
            {0x00A2, 0x8191},  // CENT SIGN, as FULLWIDTH CENT SIGN
            {0x00A3, 0x8192},  // POUND SIGN, as FULLWIDTH POUND SIGN
            {0x00AC, 0x81CA},  // NOT SIGN, as FULLWIDTH NOT SIGN
            {0x2014, 0x815C},  // EM DASH, as HORIZONTAL BAR
        };
        for (const auto& [c, code] : kForms) {
            if (charToCode[c] == 0) charToCode[c] = code;
        }
    }

    void FillPairs() {
        QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
        QStringEncoder encoder("windows-31j", QStringEncoder::Flag::Stateless);
        if (!decoder.isValid() || !encoder.isValid()) {
            return;
        }
        // Every well-formed pair, decoded one by one in a single call: each pair
        // gives exactly one character (mapped, or U+FFFD).
        QByteArray all;
        QList<quint16> codes;
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLead(static_cast<unsigned char>(lead))) {
                continue;
            }
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                if (!IsTrail(static_cast<unsigned char>(trail))) {
                    continue;
                }
                all.append(static_cast<char>(lead));
                all.append(static_cast<char>(trail));
                codes.append(static_cast<quint16>(lead << 8 | trail));
            }
        }
        const QString chars = decoder.decode(all);
        if (chars.size() == codes.size()) {
            for (qsizetype i = 0; i < codes.size(); ++i) {
                pairToChar[codes[i]] = chars[i].unicode();
            }
        } else {
            for (const quint16 code : codes) {
                const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
                const QString one = decoder.decode(QByteArrayView(pair, 2));
                pairToChar[code] = one.size() == 1 ? one[0].unicode() : kReplacement;
            }
        }
        FillReverse(encoder);
    }

    // Where several pairs give the same character, the converter's own choice
    // (the one Windows writes) wins, as long as it reads back as that character.
    void FillReverse(QStringEncoder& encoder) {
        QString wanted;
        for (unsigned code = 0; code < 0x10000; ++code) {
            const char16_t c = pairToChar[code];
            if (c == kReplacement || charToCode[c] != 0) {
                continue;
            }
            charToCode[c] = static_cast<quint16>(code);  // first pair in code order
            wanted.append(QChar(c));
        }
        const QByteArray bytes = encoder.encode(wanted);
        qsizetype at = 0;
        for (const QChar c : wanted) {
            if (at >= bytes.size()) {
                break;
            }
            const auto lead = static_cast<unsigned char>(bytes[at]);
            if (IsLead(lead) && at + 1 < bytes.size()) {
                const auto trail = static_cast<unsigned char>(bytes[at + 1]);
                const auto code = static_cast<quint16>(lead << 8 | trail);
                if (pairToChar[code] == c.unicode()) {
                    charToCode[c.unicode()] = code;
                }
                at += 2;
            } else {
                at += 1;
            }
        }
    }
};

const Tables& TheTables() {
    static const std::unique_ptr<Tables> tables = std::make_unique<Tables>();
    return *tables;
}

}  // namespace

QString Decode(const QByteArray& bytes) {
    const Tables& t = TheTables();
    QString text;
    text.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            text.append(QChar(b));
            ++i;
        } else if (IsKatakana(b)) {
            text.append(QChar(static_cast<char16_t>(kKatakanaFirst + (b - kKatakanaLead))));
            ++i;
        } else if (IsLead(b) && i + 1 < n && IsTrail(static_cast<unsigned char>(bytes[i + 1]))) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            text.append(QChar(t.pairToChar[static_cast<quint16>(b << 8 | trail)]));
            i += 2;
        } else {
            text.append(QChar(kReplacement));
            ++i;
        }
    }
    return text;
}

QByteArray Encode(QStringView text, qsizetype* replaced) {
    const Tables& t = TheTables();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    qsizetype questionMarks = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes.append(static_cast<char>(c));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;  // a pair stands for one character, so it becomes one "?"
            bytes.append('?');
            ++questionMarks;
            continue;
        }
        const quint16 code = t.charToCode[c];
        if (code == 0) {
            bytes.append('?');
            ++questionMarks;
        } else if (code < 0x100) {
            bytes.append(static_cast<char>(code));
        } else {
            bytes.append(static_cast<char>(code >> 8));
            bytes.append(static_cast<char>(code & 0xFF));
        }
    }
    if (replaced != nullptr) *replaced = questionMarks;
    return bytes;
}

}  // namespace glimtex::Cp932
