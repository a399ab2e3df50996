// Building a fragment straight onto the collection, as a docking run does.

#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/Collection.h"

namespace glimtex {
namespace {

using testing::PlainSettings;

DecorationSettings LensGradation(const QString& text) {
    DecorationSettings s = PlainSettings(text);
    s.colorStyle = ColorStyle::Gradation;
    s.colors = {ColorTriple{255, 0, 0}, ColorTriple{0, 0, 255}};
    s.shape = SizeShape::Lens;
    s.size = 5;
    s.background = Background::Color;
    s.backgroundColor = {255, 255, 204};
    return s;
}

// The same collection as building the fragment alone and docking it.
TEST(BuildOnto, GivesWhatBuildingAndDockingGive) {
    HtmlGenerator separate;
    HtmlGenerator onto;
    QString expected;
    QString collected;
    for (const DecorationSettings& s :
         {LensGradation(QStringLiteral("グラデーションText")), PlainSettings(QStringLiteral("two")),
          LensGradation(QStringLiteral("x")), PlainSettings(QString())}) {
        ASSERT_TRUE(separate.Build(s));
        if (!expected.isEmpty()) expected += QStringLiteral("\r\n");
        expected += separate.Fragment();
        ASSERT_TRUE(onto.BuildOnto(s, collected));
        EXPECT_EQ(collected, expected);
    }
    EXPECT_EQ(collected.count(QStringLiteral("\r\n")), 3);
}

TEST(BuildOnto, OverflowLeavesTheCollectionExactlyAsItWas) {
    QString collected = QStringLiteral("<Font Color=#000000>earlier</Font>");
    const QString before = collected;
    DecorationSettings s = LensGradation(QStringLiteral("ab"));
    s.colors = {ColorTriple{-1, 0, 0}, ColorTriple{32767, 0, 0}};
    HtmlGenerator generator;
    EXPECT_FALSE(generator.BuildOnto(s, collected));
    // The separator and the opening tags were written before the colours were
    // found out of range; they are gone again.
    EXPECT_EQ(collected, before);
}

// Every docking adds exactly one line, the fragment, however long the collection
// has grown. What the growth costs is measured by glimtex_bench
// (BM_ManyDockingsOfAShortLine).
TEST(BuildOnto, ManyDockingsGrowTheCollectionLineByLine) {
    QString collected;
    HtmlGenerator generator;
    const DecorationSettings s = PlainSettings(QStringLiteral("見出しの文字列その1：Glimtex!"));
    HtmlGenerator alone;
    ASSERT_TRUE(alone.Build(s));
    const QString fragment = alone.Fragment();
    for (int k = 0; k < 4000; ++k) {
        ASSERT_TRUE(generator.BuildOnto(s, collected));
    }
    EXPECT_EQ(collected.count(QStringLiteral("\r\n")), 3999);
    EXPECT_EQ(collected, QStringList(4000, fragment).join(QStringLiteral("\r\n")));
}

}  // namespace
}  // namespace glimtex
