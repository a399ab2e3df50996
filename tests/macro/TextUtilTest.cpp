#include "macro/TextUtil.h"

#include <gtest/gtest.h>

namespace glimtex {
namespace {

const QString kSpace = QStringLiteral(" ");

TEST(GetFrontString, GivesTheWordBeforeTheFirstSpace) {
    EXPECT_EQ(GetFrontString(QStringLiteral("#DEFINE _A __1"), kSpace), QStringLiteral("#DEFINE"));
}

TEST(GetFrontString, IsEmptyWhenTheDelimiterIsMissing) {
    EXPECT_EQ(GetFrontString(QStringLiteral("#ENDIF"), kSpace), QString());
}

TEST(GetFrontString, IsEmptyWhenTheTextBeginsWithTheDelimiter) {
    EXPECT_EQ(GetFrontString(QStringLiteral(" Set"), kSpace), QString());
}

TEST(GetFrontString, FindsALongerDelimiterAtTheStartOfARun) {
    EXPECT_EQ(GetFrontString(QStringLiteral("a___b"), QStringLiteral("__")), QStringLiteral("a"));
}

TEST(GetFrontString, CountsAJapaneseCharacterAsOne) {
    EXPECT_EQ(GetFrontString(QStringLiteral("名前＝値"), QStringLiteral("＝")),
              QStringLiteral("名前"));
}

TEST(CutString, TakesOutTheFirstOccurrence) {
    EXPECT_EQ(CutString(QStringLiteral("Set.MainString = 1"), QStringLiteral("Set")),
              QStringLiteral(".MainString = 1"));
    EXPECT_EQ(CutString(QStringLiteral("a_b_c"), QStringLiteral("_")), QStringLiteral("ab_c"));
}

TEST(CutString, IsEmptyNotTheTextWhenTheDelimiterIsMissing) {
    EXPECT_EQ(CutString(QStringLiteral("abc"), QStringLiteral("z")), QString());
}

TEST(CutString, WithAnEmptyDelimiterGivesTheTextUnchanged) {
    EXPECT_EQ(CutString(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
    EXPECT_EQ(CutString(QString(), QString()), QString());
}

TEST(CutString, TakesOutTheWholeDelimiterInsideARun) {
    EXPECT_EQ(CutString(QStringLiteral("a___b"), QStringLiteral("__")), QStringLiteral("a_b"));
}

TEST(GetBackString, KeepsTheSpaceAfterTheEqualsSign) {
    EXPECT_EQ(GetBackString(QStringLiteral(" = 5"), QStringLiteral("=")), QStringLiteral(" 5"));
}

TEST(GetBackString, IsEmptyWhenTheDelimiterIsMissing) {
    EXPECT_EQ(GetBackString(QStringLiteral("abc"), QStringLiteral(",")), QString());
}

TEST(GetBackString, SkipsOnlyTheFirstCharacterOfTheDelimiter) {
    EXPECT_EQ(GetBackString(QStringLiteral("a__b"), QStringLiteral("__")), QStringLiteral("_b"));
    EXPECT_EQ(GetBackString(QStringLiteral("a___b"), QStringLiteral("__")), QStringLiteral("__b"));
}

TEST(GetBackString, OfADelimiterAtTheEndIsEmpty) {
    EXPECT_EQ(GetBackString(QStringLiteral("abc,"), QStringLiteral(",")), QString());
}

TEST(GetQuoteString, TakesTheFirstQuotedText) {
    EXPECT_EQ(GetQuoteString(QStringLiteral("#HEAD \"T\",\"D\"")), QStringLiteral("T"));
}

TEST(GetQuoteString, IsEmptyWithoutAClosingQuote) {
    EXPECT_EQ(GetQuoteString(QStringLiteral("#INCLUDE \"file")), QString());
}

TEST(GetQuoteString, IsEmptyForAdjacentQuotesAndForNoQuotes) {
    EXPECT_EQ(GetQuoteString(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(GetQuoteString(QStringLiteral("no quotes")), QString());
    EXPECT_EQ(GetQuoteString(QString()), QString());
}

TEST(GetQuoteString, KeepsSpacesAndJapaneseInside) {
    EXPECT_EQ(GetQuoteString(QStringLiteral("x \" 日本 語 \" y")), QStringLiteral(" 日本 語 "));
}

// Positions are not held to 16 bits: a delimiter far into a long text is found.
TEST(TextUtil, WorksBeyondCharacter32767) {
    const QString front(40000, QChar(u'a'));
    const QString text = front + QStringLiteral("=tail");
    EXPECT_EQ(GetFrontString(text, QStringLiteral("=")), front);
    EXPECT_EQ(GetBackString(text, QStringLiteral("=")), QStringLiteral("tail"));
    EXPECT_EQ(CutString(text, QStringLiteral("=")), front + QStringLiteral("tail"));
    EXPECT_EQ(GetQuoteString(front + QStringLiteral("\"q\"")), QStringLiteral("q"));
}

}  // namespace
}  // namespace glimtex
