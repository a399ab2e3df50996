#include "macro/TextUtil.h"

#include <gtest/gtest.h>

namespace glimtex {
namespace {

const QString kSpace = QStringLiteral(" ");

TEST(TextBefore, GivesTheWordBeforeTheFirstSpace) {
    EXPECT_EQ(TextBefore(QStringLiteral("#DEFINE _A __1"), kSpace), QStringLiteral("#DEFINE"));
}

TEST(TextBefore, IsEmptyWhenTheDelimiterIsMissing) {
    EXPECT_EQ(TextBefore(QStringLiteral("#ENDIF"), kSpace), QString());
}

TEST(TextBefore, IsEmptyWhenTheTextBeginsWithTheDelimiter) {
    EXPECT_EQ(TextBefore(QStringLiteral(" Set"), kSpace), QString());
}

TEST(TextBefore, FindsALongerDelimiterAtTheStartOfARun) {
    EXPECT_EQ(TextBefore(QStringLiteral("a___b"), QStringLiteral("__")), QStringLiteral("a"));
}

TEST(TextBefore, CountsAJapaneseCharacterAsOne) {
    EXPECT_EQ(TextBefore(QStringLiteral("名前＝値"), QStringLiteral("＝")), QStringLiteral("名前"));
}

TEST(WithoutFirst, TakesOutTheFirstOccurrence) {
    EXPECT_EQ(WithoutFirst(QStringLiteral("Set.MainString = 1"), QStringLiteral("Set")),
              QStringLiteral(".MainString = 1"));
    EXPECT_EQ(WithoutFirst(QStringLiteral("a_b_c"), QStringLiteral("_")), QStringLiteral("ab_c"));
}

TEST(WithoutFirst, IsEmptyNotTheTextWhenTheDelimiterIsMissing) {
    EXPECT_EQ(WithoutFirst(QStringLiteral("abc"), QStringLiteral("z")), QString());
}

TEST(WithoutFirst, WithAnEmptyDelimiterGivesTheTextUnchanged) {
    EXPECT_EQ(WithoutFirst(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
    EXPECT_EQ(WithoutFirst(QString(), QString()), QString());
}

TEST(WithoutFirst, TakesOutTheWholeDelimiterInsideARun) {
    EXPECT_EQ(WithoutFirst(QStringLiteral("a___b"), QStringLiteral("__")), QStringLiteral("a_b"));
}

TEST(TextAfterFirstCharOf, KeepsTheSpaceAfterTheEqualsSign) {
    EXPECT_EQ(TextAfterFirstCharOf(QStringLiteral(" = 5"), QStringLiteral("=")),
              QStringLiteral(" 5"));
}

TEST(TextAfterFirstCharOf, IsEmptyWhenTheDelimiterIsMissing) {
    EXPECT_EQ(TextAfterFirstCharOf(QStringLiteral("abc"), QStringLiteral(",")), QString());
}

TEST(TextAfterFirstCharOf, SkipsOnlyTheFirstCharacterOfTheDelimiter) {
    EXPECT_EQ(TextAfterFirstCharOf(QStringLiteral("a__b"), QStringLiteral("__")),
              QStringLiteral("_b"));
    EXPECT_EQ(TextAfterFirstCharOf(QStringLiteral("a___b"), QStringLiteral("__")),
              QStringLiteral("__b"));
}

TEST(TextAfterFirstCharOf, OfADelimiterAtTheEndIsEmpty) {
    EXPECT_EQ(TextAfterFirstCharOf(QStringLiteral("abc,"), QStringLiteral(",")), QString());
}

TEST(FirstQuoted, TakesTheFirstQuotedText) {
    EXPECT_EQ(FirstQuoted(QStringLiteral("#HEAD \"T\",\"D\"")), QStringLiteral("T"));
}

TEST(FirstQuoted, IsEmptyWithoutAClosingQuote) {
    EXPECT_EQ(FirstQuoted(QStringLiteral("#INCLUDE \"file")), QString());
}

TEST(FirstQuoted, IsEmptyForAdjacentQuotesAndForNoQuotes) {
    EXPECT_EQ(FirstQuoted(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(FirstQuoted(QStringLiteral("no quotes")), QString());
    EXPECT_EQ(FirstQuoted(QString()), QString());
}

TEST(FirstQuoted, KeepsSpacesAndJapaneseInside) {
    EXPECT_EQ(FirstQuoted(QStringLiteral("x \" 日本 語 \" y")), QStringLiteral(" 日本 語 "));
}

// Positions are not held to 16 bits: a delimiter far into a long text is found.
TEST(TextUtil, WorksBeyondCharacter32767) {
    const QString front(40000, QChar(u'a'));
    const QString text = front + QStringLiteral("=tail");
    EXPECT_EQ(TextBefore(text, QStringLiteral("=")), front);
    EXPECT_EQ(TextAfterFirstCharOf(text, QStringLiteral("=")), QStringLiteral("tail"));
    EXPECT_EQ(WithoutFirst(text, QStringLiteral("=")), front + QStringLiteral("tail"));
    EXPECT_EQ(FirstQuoted(front + QStringLiteral("\"q\"")), QStringLiteral("q"));
}

}  // namespace
}  // namespace glimtex
