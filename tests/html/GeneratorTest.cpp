#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

using testing::Fragment;
using testing::PlainSettings;

TEST(GeneratorFragment, AllFourStylesCloseInnermostFirstAndInOpeningOrderInTheOldBytes) {
    DecorationSettings s = PlainSettings(QStringLiteral("x"));
    s.SpGroup = {1, 1, 1, 1};
    s.MojiStyle = 2;
    EXPECT_EQ(Fragment(s), "<SUB><B><I><U><S><Font Color=#000000>x</Font></S></U></I></B></SUB>");
    s.OutputFormat = FragmentFormat::Legacy;
    EXPECT_EQ(Fragment(s), "<SUB><B><I><U><S><Font Color=#000000>x</Font></B></I></U></S></SUB>");
}

TEST(GeneratorFragment, FlagCountsOnlyWhenExactlyOne) {
    DecorationSettings s = PlainSettings(QStringLiteral("x"));
    s.SpGroup = {2, -1, 0, 0};
    s.MojiStyle = 3;
    EXPECT_EQ(Fragment(s), "<Font Color=#000000>x</Font>");
}

TEST(GeneratorFragment, OneCharacter) {
    EXPECT_EQ(Fragment(PlainSettings(QStringLiteral("字"))), "<Font Color=#000000>字</Font>");
}

TEST(GeneratorFragment, MarkupCharactersAreNotEscaped) {
    EXPECT_EQ(Fragment(PlainSettings(QStringLiteral("a<b&c>\"d"))),
              "<Font Color=#000000>a<b&c>\"d</Font>");
}

TEST(GeneratorFragment, StandardShapeWithoutSizeHasNoSizeTag) {
    DecorationSettings s = PlainSettings(QStringLiteral("abc"));
    EXPECT_EQ(Fragment(s).find("<Font Size="), std::string::npos);
    s.MojiSize = 4;
    EXPECT_EQ(Fragment(s), "<Font Color=#000000><Font Size=4>abc</Font></Font>");
}

TEST(GeneratorFragment, BuildStartsAfresh) {
    HtmlGenerator generator;
    DecorationSettings s = PlainSettings(QStringLiteral("one"));
    ASSERT_TRUE(generator.Build(s));
    s.MainString = QStringLiteral("two");
    ASSERT_TRUE(generator.Build(s));
    EXPECT_EQ(generator.MainHTML(), QStringLiteral("<Font Color=#000000>two</Font>"));
}

TEST(CodeErrorCheck, RefusesAShapeWithoutSize) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    EXPECT_FALSE(HtmlGenerator::CodeErrorCheck(s));
    s.StringShape = QStringLiteral("右下がり");
    EXPECT_TRUE(HtmlGenerator::CodeErrorCheck(s));
    s.MojiStyle = 1;  // position does not matter
    EXPECT_TRUE(HtmlGenerator::CodeErrorCheck(s));
    s.MojiSize = 1;
    EXPECT_FALSE(HtmlGenerator::CodeErrorCheck(s));
    s.MojiSize = 0;
    s.StringShape = QStringLiteral("何か");
    EXPECT_TRUE(HtmlGenerator::CodeErrorCheck(s));
}

}  // namespace
}  // namespace glimtex
