#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "core/StyleNames.h"
#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

using testing::Fragment;
using testing::PlainSettings;

TEST(GeneratorFragment, AllFourStylesCloseInnermostFirstAndInOpeningOrderInTheOldBytes) {
    DecorationSettings s = PlainSettings(QStringLiteral("x"));
    s.emphasis = Emphasis{true, true, true, true};
    s.position = Position::Subscript;
    EXPECT_EQ(Fragment(s), "<SUB><B><I><U><S><Font Color=#000000>x</Font></S></U></I></B></SUB>");
    s.format = FragmentFormat::Legacy;
    EXPECT_EQ(Fragment(s), "<SUB><B><I><U><S><Font Color=#000000>x</Font></B></I></U></S></SUB>");
}

TEST(GeneratorFragment, FlagCountsOnlyWhenExactlyOne) {
    DecorationSettings s = PlainSettings(QStringLiteral("x"));
    // As the settings cases read them: a flag of 2 or -1 sets nothing, and position 3
    // is no option button.
    ASSERT_TRUE(testing::SetSetting(s, QStringLiteral("SpGroup"), QStringLiteral("2, -1, 0, 0")));
    ASSERT_TRUE(testing::SetSetting(s, QStringLiteral("MojiStyle"), QStringLiteral("3")));
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
    s.size = 4;
    EXPECT_EQ(Fragment(s), "<Font Color=#000000><Font Size=4>abc</Font></Font>");
}

TEST(GeneratorFragment, BuildStartsAfresh) {
    HtmlGenerator generator;
    DecorationSettings s = PlainSettings(QStringLiteral("one"));
    ASSERT_TRUE(generator.Build(s));
    s.text = QStringLiteral("two");
    ASSERT_TRUE(generator.Build(s));
    EXPECT_EQ(generator.Fragment(), QStringLiteral("<Font Color=#000000>two</Font>"));
}

TEST(Refuses, RefusesAShapeWithoutSize) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    EXPECT_FALSE(HtmlGenerator::Refuses(s));
    s.shape = SizeShape::FallRight;
    EXPECT_TRUE(HtmlGenerator::Refuses(s));
    s.position = Position::Superscript;  // position does not matter
    EXPECT_TRUE(HtmlGenerator::Refuses(s));
    s.size = 1;
    EXPECT_FALSE(HtmlGenerator::Refuses(s));
    s.size = 0;
    StyleNames::StoreShape(s, QStringLiteral("何か"));
    EXPECT_TRUE(HtmlGenerator::Refuses(s));
}

}  // namespace
}  // namespace glimtex
