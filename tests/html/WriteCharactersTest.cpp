#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "core/StyleNames.h"
#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

using testing::ColorsOf;
using testing::Fragment;
using testing::PlainSettings;
using testing::SizesOf;

DecorationSettings Shaped(const char* shape, int length, int16_t size) {
    DecorationSettings s = PlainSettings(QString(length, QLatin1Char('x')));
    StyleNames::StoreShape(s, QString::fromUtf8(shape));
    s.size = size;
    return s;
}

DecorationSettings Gradation(const QString& text, ColorTriple from, ColorTriple to) {
    DecorationSettings s = PlainSettings(text);
    s.colorStyle = ColorStyle::Gradation;
    s.colors = {from, to};
    return s;
}

struct SizeRow {
    const char* shape;
    int n;
    int16_t mojiSize;
    std::vector<int> sizes;
};

void PrintTo(const SizeRow& row, std::ostream* os) {
    *os << row.shape << " n=" << row.n << " size=" << row.mojiSize;
}

class SizeSequence : public ::testing::TestWithParam<SizeRow> {};

TEST_P(SizeSequence, GivesTheTabledSizes) {
    const SizeRow& row = GetParam();
    EXPECT_EQ(SizesOf(Fragment(Shaped(row.shape, row.n, row.mojiSize))), row.sizes);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SizeSequence,
    ::testing::Values(SizeRow{"右下がり", 10, 3, {3, 3, 3, 2, 2, 2, 2, 1, 1, 1}},
                      SizeRow{"右下がり", 4, 7, {6, 5, 4, 3}},
                      SizeRow{"右下がり", 10, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
                      SizeRow{"右下がり", 4, 4, {4, 3, 3, 2}},
                      SizeRow{"左下がり", 10, 3, {1, 1, 1, 2, 2, 2, 2, 3, 3, 3}},
                      SizeRow{"左下がり", 4, 7, {4, 5, 6, 7}},
                      SizeRow{"左下がり", 6, 3, {1, 1, 2, 2, 2, 3}},
                      SizeRow{"左下がり", 4, 4, {1, 2, 2, 3}},
                      SizeRow{"レンズ", 10, 3, {3, 2, 2, 1, 1, 2, 2, 3, 3, 4}},
                      SizeRow{"レンズ", 4, 7, {6, 5, 6, 7}},
                      SizeRow{"レンズ", 5, 2, {2, 1, 1, 2, 2}},
                      SizeRow{"レンズ", 5, 3, {2, 1, 0, 1, 2}},
                      SizeRow{"レンズ", 12, 3, {3, 3, 2, 2, 2, 1, 1, 1, 2, 2, 2, 3}},
                      SizeRow{"スクラップ", 4, 7, {7, 6, 7, 6}},
                      // one character
                      SizeRow{"スクラップ", 1, 4, {4}}, SizeRow{"左下がり", 1, 1, {1}},
                      // not a listed shape
                      SizeRow{"右上がり", 4, 3, {}}));

TEST(WriteCharacters, FallingSizeIsWrittenBelowOneUnchanged) {
    const std::string fragment = Fragment(Shaped("右下がり", 10, 1));
    EXPECT_NE(fragment.find("<Font Size=0>x</Font>"), std::string::npos);
}

TEST(WriteCharacters, ScrapWholeFragmentWithGradation) {
    DecorationSettings s = Gradation(QStringLiteral("AB"), {0, 0, 0}, {255, 255, 255});
    s.shape = SizeShape::Scrap;
    s.size = 5;
    EXPECT_EQ(Fragment(s),
              "<Font Color=#000000><Font Size=5>A<Font Color=#808080><Font Size=4>B"
              "</Font></Font></Font></Font>");
}

TEST(WriteCharacters, ScrapBelowThreeWritesSmall) {
    DecorationSettings s = PlainSettings(QStringLiteral("AB"));
    StyleNames::StoreColorStyle(s, QString());
    s.shape = SizeShape::Scrap;
    s.size = 2;
    EXPECT_EQ(Fragment(s), "<Font Size=2>A<SMALL>B</SMALL></Font>");
    s.size = 3;
    EXPECT_EQ(Fragment(s), "<Font Size=3>A<Font Size=2>B</Font></Font>");
}

TEST(WriteCharacters, ScrapStartsAgainOnEveryRun) {
    HtmlGenerator generator;
    DecorationSettings s = PlainSettings(QStringLiteral("ABC"));
    StyleNames::StoreColorStyle(s, QString());
    s.shape = SizeShape::Scrap;
    s.size = 4;
    ASSERT_TRUE(generator.Build(s));
    ASSERT_TRUE(generator.Build(s));
    EXPECT_EQ(generator.Fragment(),
              QStringLiteral("<Font Size=4>A<Font Size=3>B<Font Size=4>C</Font></Font></Font>"));
}

TEST(WriteCharacters, PositionedTextGetsNoSizeTags) {
    DecorationSettings s = Gradation(QStringLiteral("abc"), {0, 0, 0}, {0, 0, 0});
    s.shape = SizeShape::Lens;
    s.size = 5;
    for (Position position : {Position::Superscript, Position::Subscript}) {
        s.position = position;
        const std::string fragment = Fragment(s);
        EXPECT_TRUE(SizesOf(fragment).empty());
        EXPECT_NE(fragment.find("<Font Color=#000000>a<Font Color=#000000>b"), std::string::npos);
    }
}

TEST(Gradation, TenCharactersOfRed) {
    const DecorationSettings s = Gradation(QStringLiteral("0123456789"), {0, 0, 0}, {255, 0, 0});
    const std::vector<std::string> expected{"#000000", "#1A0000", "#330000", "#4C0000", "#660000",
                                            "#800000", "#990000", "#B20000", "#CC0000", "#E60000"};
    EXPECT_EQ(ColorsOf(Fragment(s)), expected);
}

TEST(Gradation, HalvesRoundToTheEvenNeighbour) {
    // 3 x 25.5 = 76.5 gives 76 (#4C), not 77.
    EXPECT_EQ(
        ColorsOf(Fragment(Gradation(QStringLiteral("0123456789"), {0, 0, 0}, {255, 0, 0})))[3],
        "#4C0000");
    // 127.5 gives 128.
    EXPECT_EQ(ColorsOf(Fragment(Gradation(QStringLiteral("AB"), {0, 0, 0}, {255, 0, 0})))[1],
              "#800000");
    // -127.5 gives -128: 255 - 128 = 127.
    EXPECT_EQ(ColorsOf(Fragment(Gradation(QStringLiteral("AB"), {255, 0, 0}, {0, 0, 0})))[1],
              "#7F0000");
}

TEST(Gradation, NeverReachesTheSecondColor) {
    EXPECT_EQ(ColorsOf(Fragment(Gradation(QStringLiteral("a"), {10, 20, 30}, {255, 255, 255}))),
              std::vector<std::string>{"#0A141E"});
    EXPECT_EQ(ColorsOf(Fragment(Gradation(QStringLiteral("abc"), {7, 7, 7}, {7, 7, 7}))),
              (std::vector<std::string>{"#070707", "#070707", "#070707"}));
}

TEST(Gradation, EmptyTextWritesNoTag) {
    DecorationSettings s = Gradation(QString(), {0, 0, 0}, {255, 0, 0});
    HtmlGenerator generator;
    ASSERT_TRUE(generator.Build(s));
    EXPECT_EQ(generator.Fragment(), QString());
    s.format = FragmentFormat::Legacy;
    EXPECT_EQ(Fragment(s), "</Font>");
}

TEST(Gradation, EveryColorTagClosesAtTheEndAndOnlyTheLastInTheOldBytes) {
    DecorationSettings s = Gradation(QStringLiteral("ab"), {0, 0, 0}, {0, 0, 200});
    EXPECT_EQ(Fragment(s), "<Font Color=#000000>a<Font Color=#000064>b</Font></Font>");
    s.format = FragmentFormat::Legacy;
    EXPECT_EQ(Fragment(s), "<Font Color=#000000>a<Font Color=#000064>b</Font>");
}

// A character outside the basic plane is one character: counted once, never split.
TEST(Surrogates, PairIsOneCharacterInAGradation) {
    const QString text =
        QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b");
    ASSERT_EQ(text.size(), 4);
    const std::string fragment = Fragment(Gradation(text, {0, 0, 0}, {255, 0, 0}));
    EXPECT_EQ(fragment,
              "<Font Color=#000000>a<Font Color=#550000>\xF0\x9F\x98\x80"
              "<Font Color=#AA0000>b</Font></Font></Font>");
}

TEST(Surrogates, PairIsOneCharacterInASizePattern) {
    DecorationSettings s = PlainSettings(QString::fromUcs4(U"\U00020BB7x\U00020BB7"));
    StyleNames::StoreColorStyle(s, QString());
    s.shape = SizeShape::FallRight;
    s.size = 7;
    EXPECT_EQ(Fragment(s),
              "<Font Size=6>\xF0\xA0\xAE\xB7<Font Size=5>x<Font Size=4>\xF0\xA0\xAE\xB7"
              "</Font></Font></Font>");
}

TEST(Surrogates, ScrapSmallWrapsTheWholePair) {
    DecorationSettings s = PlainSettings(QString::fromUcs4(U"a\U0001F600"));
    StyleNames::StoreColorStyle(s, QString());
    s.shape = SizeShape::Scrap;
    s.size = 1;
    EXPECT_EQ(Fragment(s), "<Font Size=1>a<SMALL>\xF0\x9F\x98\x80</SMALL></Font>");
}

TEST(Surrogates, UnpairedSurrogateIsACharacterOfItsOwn) {
    HtmlGenerator generator;
    DecorationSettings s = PlainSettings(QString());
    s.text = QString(QChar(0xD800)) + QLatin1Char('a') + QChar(0xDC00);
    StyleNames::StoreColorStyle(s, QString());
    s.shape = SizeShape::FallRight;
    s.size = 7;
    ASSERT_TRUE(generator.Build(s));
    const QString expected = QStringLiteral("<Font Size=6>") + QChar(0xD800) +
                             QStringLiteral("<Font Size=5>a<Font Size=4>") + QChar(0xDC00) +
                             QStringLiteral("</Font></Font></Font>");
    EXPECT_EQ(generator.Fragment(), expected);
}

}  // namespace
}  // namespace glimtex
