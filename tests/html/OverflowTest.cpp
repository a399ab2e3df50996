#include <gtest/gtest.h>

#include "GeneratorTestSettings.h"
#include "html/Collection.h"

namespace glimtex {
namespace {

using testing::PlainSettings;

const QString kEarlier = QStringLiteral("<Font Color=#000000>earlier</Font>");
const QString kEarlierText = QStringLiteral("earlier");

// Runs the settings over a collection that already holds one fragment and expects the
// run to stop with that collection untouched.
void ExpectOverflow(const DecorationSettings& s) {
    Collection collected;
    HtmlGenerator earlier;
    ASSERT_EQ(GenerateInto(collected, earlier, PlainSettings(kEarlierText)), RunOutcome::Done);
    HtmlGenerator generator;
    EXPECT_FALSE(generator.Build(s));
    EXPECT_TRUE(generator.Fragment().isEmpty());
    EXPECT_EQ(GenerateInto(collected, generator, s), RunOutcome::Overflow);
    EXPECT_EQ(collected.Text(), kEarlier);
    EXPECT_EQ(collected.Models().size(), 1);
    EXPECT_TRUE(generator.Fragment().isEmpty());
}

DecorationSettings GradationOf(const QString& text, ColorTriple from, ColorTriple to) {
    DecorationSettings s = PlainSettings(text);
    s.colorStyle = ColorStyle::Gradation;
    s.colors = {from, to};
    return s;
}

TEST(Overflow, TextLongerThanTheCounterCanHold) {
    ExpectOverflow(PlainSettings(QString(32768, QLatin1Char('x'))));
}

TEST(Overflow, LongestCountableTextStillWorks) {
    DecorationSettings s = PlainSettings(QString(32767, QLatin1Char('x')));
    s.shape = SizeShape::Lens;
    s.size = 7;
    HtmlGenerator generator;
    EXPECT_TRUE(generator.Build(s));
    // Every one of the 32,768 font tags is closed.
    EXPECT_EQ(generator.Fragment().count(QStringLiteral("</Font>")), 32768);
    EXPECT_EQ(generator.Fragment().count(QStringLiteral("<Font ")), 32768);
}

TEST(Overflow, CharactersOutsideTheBasicPlaneAreCountedOnce) {
    QString pairs;
    for (int k = 0; k < 32767; ++k) pairs += QString::fromUcs4(U"\U0001F600");
    HtmlGenerator generator;
    EXPECT_TRUE(generator.Build(PlainSettings(pairs)));
    ExpectOverflow(PlainSettings(pairs + QStringLiteral("x")));
}

TEST(Overflow, ColorDifferenceOutOfRange) {
    ExpectOverflow(GradationOf(QStringLiteral("ab"), {-1, 0, 0}, {32767, 0, 0}));
    ExpectOverflow(GradationOf(QStringLiteral("ab"), {0, 0, 32767}, {0, 0, -2}));
}

TEST(Overflow, WideColorsThatStayInRangeAreWritten) {
    const DecorationSettings s = GradationOf(QStringLiteral("ab"), {-32768, 0, 0}, {-1, 0, 0});
    // A difference of 32767 over two characters: 16383.5 rounds to 16384.
    EXPECT_EQ(testing::Fragment(s), "<Font Color=#80000000>a<Font Color=#C0000000>b</Font></Font>");
}

TEST(Overflow, ColorsAreNotComputedWithoutAGradationOrText) {
    DecorationSettings s = GradationOf(QString(), {-32768, 0, 0}, {32767, 0, 0});
    HtmlGenerator generator;
    EXPECT_TRUE(generator.Build(s));  // no text: nothing to overflow, nothing written
    EXPECT_TRUE(generator.Fragment().isEmpty());
    s.text = QStringLiteral("a");
    s.colorStyle = ColorStyle::Single;
    EXPECT_EQ(testing::Fragment(s), "<Font Color=#80000000>a</Font>");
}

TEST(Overflow, NoticeText) {
    EXPECT_EQ(kOverflowMessage,
              QStringLiteral("数値が範囲を超えているため、ソースの作成ができません"));
}

}  // namespace
}  // namespace glimtex
