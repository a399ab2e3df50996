#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/Collection.h"

namespace glimtex {
namespace {

using testing::PlainSettings;

TEST(Collection, FirstFragmentStandsAlone) {
    Collection collected;
    HtmlGenerator generator;
    EXPECT_EQ(GenerateInto(collected, generator, PlainSettings(QStringLiteral("Test"))),
              RunOutcome::Done);
    EXPECT_EQ(collected.Text(), QStringLiteral("<Font Color=#000000>Test</Font>"));
    EXPECT_EQ(collected.Models().size(), 1);
}

TEST(Collection, TwoRunsAreJoinedByOneLineBreak) {
    DecorationSettings s = PlainSettings(QStringLiteral("one"));
    Collection collected;
    HtmlGenerator generator;
    ASSERT_EQ(GenerateInto(collected, generator, s), RunOutcome::Done);
    s.text = QStringLiteral("two");
    ASSERT_EQ(GenerateInto(collected, generator, s), RunOutcome::Done);
    EXPECT_EQ(collected.Text(), QStringLiteral("<Font Color=#000000>one</Font>\r\n"
                                               "<Font Color=#000000>two</Font>"));
    EXPECT_EQ(collected.Models().size(), 2);
}

TEST(Collection, RestartMakesTheNextFragmentTheFirst) {
    DecorationSettings s = PlainSettings(QStringLiteral("one"));
    Collection collected;
    HtmlGenerator generator;
    ASSERT_EQ(GenerateInto(collected, generator, s), RunOutcome::Done);
    const QString shown = collected.Text();
    collected.Restart();
    EXPECT_TRUE(collected.IsEmpty());
    s.text = QStringLiteral("two");
    ASSERT_EQ(GenerateInto(collected, generator, s), RunOutcome::Done);
    EXPECT_EQ(collected.Text(), QStringLiteral("<Font Color=#000000>two</Font>"));
    EXPECT_EQ(shown, QStringLiteral("<Font Color=#000000>one</Font>"));
}

TEST(Collection, RefusalChangesNothing) {
    DecorationSettings s = PlainSettings(QStringLiteral("Test"));
    Collection collected;
    HtmlGenerator generator;
    ASSERT_EQ(GenerateInto(collected, generator, s), RunOutcome::Done);
    s.shape = SizeShape::FallRight;
    const QString before = collected.Text();
    EXPECT_EQ(GenerateInto(collected, generator, s), RunOutcome::Refused);
    EXPECT_EQ(collected.Text(), before);
    EXPECT_EQ(collected.Models().size(), 1);
    EXPECT_EQ(kRefusalMessage, QStringLiteral("ソースの作成ができません"));
}

}  // namespace
}  // namespace glimtex
