#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/HtmlGenerator.h"

namespace glimtex {
namespace {

using testing::Fragment;
using testing::PlainSettings;

TEST(GeneratorFragment, PlainTextGetsOneColourTag) {
    EXPECT_EQ(Fragment(PlainSettings(QStringLiteral("Test"))), "<Font Color=#000000>Test</Font>");
}

TEST(GeneratorFragment, EveryOpeningTagInItsOrder) {
    DecorationSettings s = PlainSettings(QStringLiteral("ab"));
    s.MojiSize = 3;
    s.MojiStyle = 1;
    s.SpGroup = {1, 0, 1, 0};
    s.FontFace = QStringLiteral("Arial");
    s.ColorData[0] = {255, 0, 0};
    s.BackStyle = QStringLiteral("単色");
    s.BackColorData = {0, 0, 255};
    s.LinkStyle = QStringLiteral("リンク設定");
    s.LinkData = QStringLiteral("index.html");
    EXPECT_EQ(Fragment(s),
              "<TABLE BGCOLOR=#0000FF><a href=index.html><SUP><B><U><Font Face=\"Arial\" > "
              "<Font Color=#FF0000>ab</Font></B></U></SUP></a></TABLE>");
}

TEST(GeneratorFragment, AllFourStylesCloseInOpeningOrder) {
    DecorationSettings s = PlainSettings(QStringLiteral("x"));
    s.SpGroup = {1, 1, 1, 1};
    s.MojiStyle = 2;
    EXPECT_EQ(Fragment(s), "<SUB><B><I><U><S><Font Color=#000000>x</Font></B></I></U></S></SUB>");
}

TEST(GeneratorFragment, FlagCountsOnlyWhenExactlyOne) {
    DecorationSettings s = PlainSettings(QStringLiteral("x"));
    s.SpGroup = {2, -1, 0, 0};
    s.MojiStyle = 3;
    EXPECT_EQ(Fragment(s), "<Font Color=#000000>x</Font>");
}

TEST(GeneratorFragment, EmptyTextGivesOnlyTheSurroundingTags) {
    EXPECT_EQ(Fragment(PlainSettings(QString())), "<Font Color=#000000></Font>");
}

TEST(GeneratorFragment, OneCharacter) {
    EXPECT_EQ(Fragment(PlainSettings(QStringLiteral("字"))), "<Font Color=#000000>字</Font>");
}

TEST(GeneratorFragment, MarkupCharactersAreNotEscaped) {
    EXPECT_EQ(Fragment(PlainSettings(QStringLiteral("a<b&c>\"d"))),
              "<Font Color=#000000>a<b&c>\"d</Font>");
}

TEST(GeneratorFragment, UnknownColourStyleWritesNoColourButStillCloses) {
    DecorationSettings s = PlainSettings(QStringLiteral("ab"));
    s.ColorStyle = QString();
    EXPECT_EQ(Fragment(s), "ab</Font>");
    s.ColorStyle = QStringLiteral("ぐらでーしょん");
    EXPECT_EQ(Fragment(s), "ab</Font>");
}

TEST(GeneratorFragment, PictureBackgroundWithEmptyReference) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.BackStyle = QStringLiteral("画像");
    EXPECT_EQ(Fragment(s), "<TABLE BACKGROUND=\"\"><Font Color=#000000>a</Font></TABLE>");
    s.BackPicture = QStringLiteral("bg.gif");
    EXPECT_EQ(Fragment(s), "<TABLE BACKGROUND=\"bg.gif\"><Font Color=#000000>a</Font></TABLE>");
}

TEST(GeneratorFragment, UnknownBackgroundOpensNoTableButClosesOne) {
    DecorationSettings s = PlainSettings(QStringLiteral("a"));
    s.BackStyle = QStringLiteral("模様");
    EXPECT_EQ(Fragment(s), "<Font Color=#000000>a</Font></TABLE>");
}

TEST(GeneratorFragment, StandardShapeWithoutSizeHasNoSizeTag) {
    DecorationSettings s = PlainSettings(QStringLiteral("abc"));
    EXPECT_EQ(Fragment(s).find("<Font Size="), std::string::npos);
    s.MojiSize = 4;
    EXPECT_EQ(Fragment(s), "<Font Color=#000000><Font Size=4>abc</Font>");
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
