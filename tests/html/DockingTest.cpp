#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/GenerationRun.h"

namespace glimtex {
namespace {

using testing::PlainSettings;

TEST(DockFragment, FirstFragmentStandsAlone) {
    QString collected;
    DockFragment(collected, QStringLiteral("<p>"));
    EXPECT_EQ(collected, QStringLiteral("<p>"));
}

TEST(DockFragment, LaterFragmentsFollowACarriageReturnAndLineFeed) {
    QString collected = QStringLiteral("a");
    DockFragment(collected, QStringLiteral("b"));
    EXPECT_EQ(collected, QStringLiteral("a\r\nb"));
    DockFragment(collected, QStringLiteral("c"));
    EXPECT_EQ(collected, QStringLiteral("a\r\nb\r\nc"));
}

TEST(GenerateAndDock, RunAfterCreateHoldsTheFragmentAlone) {
    DecorationSettings s = PlainSettings(QStringLiteral("Test"));
    HtmlGenerator generator;
    EXPECT_EQ(GenerateAndDock(s, generator), RunOutcome::Done);
    EXPECT_EQ(s.HTMLString, QStringLiteral("<Font Color=#000000>Test</Font>"));
    EXPECT_EQ(generator.MainHTML(), s.HTMLString);
}

TEST(GenerateAndDock, TwoRunsAreJoinedByOneLineBreak) {
    DecorationSettings s = PlainSettings(QStringLiteral("one"));
    HtmlGenerator generator;
    ASSERT_EQ(GenerateAndDock(s, generator), RunOutcome::Done);
    s.MainString = QStringLiteral("two");
    ASSERT_EQ(GenerateAndDock(s, generator), RunOutcome::Done);
    EXPECT_EQ(s.HTMLString, QStringLiteral("<Font Color=#000000>one</Font>\r\n"
                                           "<Font Color=#000000>two</Font>"));
}

TEST(GenerateAndDock, RefusalChangesNothingButMainHTML) {
    DecorationSettings s = PlainSettings(QStringLiteral("Test"));
    HtmlGenerator generator;
    ASSERT_EQ(GenerateAndDock(s, generator), RunOutcome::Done);
    s.StringShape = QStringLiteral("右下がり");
    const QString before = s.HTMLString;
    EXPECT_EQ(GenerateAndDock(s, generator), RunOutcome::Refused);
    EXPECT_EQ(s.HTMLString, before);
    EXPECT_TRUE(generator.MainHTML().isEmpty());
    EXPECT_EQ(kRefusalMessage, QStringLiteral("ソースの作成ができません"));
}

}  // namespace
}  // namespace glimtex
