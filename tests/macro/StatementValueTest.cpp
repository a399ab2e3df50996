#include "macro/StatementValue.h"

#include <gtest/gtest.h>

#include "core/Feedback.h"
#include "support/RecordingFeedback.h"

namespace glimtex {
namespace {

using StatementValue::ToInt16;

TEST(StatementValueTest, ValueTextIsWhatFollowsTheFirstEqualsSign) {
    EXPECT_EQ(StatementValue::ValueText(QStringLiteral(" = 5")), QStringLiteral(" 5"));
    EXPECT_EQ(StatementValue::ValueText(QStringLiteral(" = a=b")), QStringLiteral(" a=b"));
    EXPECT_EQ(StatementValue::ValueText(QStringLiteral(" 5")), QStringLiteral(" 5"));
}

TEST(StatementValueTest, WholeSixteenBitNumbersOnly) {
    EXPECT_EQ(ToInt16(QStringLiteral(" 03 ")), 3);
    EXPECT_EQ(ToInt16(QStringLiteral("-32768")), -32768);
    EXPECT_EQ(ToInt16(QStringLiteral("+32767")), 32767);
    for (const char* bad : {"", " ", "32768", "-32769", "3.5", "1e2", "0x10", "+", "-", "1 2",
                            "99999999999999999999"}) {
        EXPECT_FALSE(ToInt16(QString::fromLatin1(bad))) << bad;
    }
    EXPECT_FALSE(ToInt16(QStringLiteral("３")));  // full-width digit
}

TEST(StatementValueTest, EveryEmptyFieldButTheLastBeeps) {
    RecordingFeedback feedback;
    EXPECT_EQ(StatementValue::ListFields(QStringLiteral(" 1,,3,"), 4, feedback),
              (QStringList{QStringLiteral(" 1"), QString(), QStringLiteral("3"), QString()}));
    EXPECT_EQ(feedback.beeps, 1);
}

TEST(StatementValueTest, ShortListLosesTheFieldWithoutAComma) {
    RecordingFeedback feedback;
    // "2" has no comma after it, so it is not a field: the cutting rule gives nothing.
    EXPECT_EQ(StatementValue::ListFields(QStringLiteral("1,2"), 3, feedback),
              (QStringList{QStringLiteral("1"), QString(), QString()}));
    EXPECT_EQ(feedback.beeps, 1);
}

TEST(StatementValueTest, IntegerListRefusesWithOneBeep) {
    RecordingFeedback feedback;
    EXPECT_FALSE(StatementValue::IntegerList(QStringLiteral("1,x,y"), 3, feedback));
    EXPECT_EQ(feedback.beeps, 1);
    const auto numbers = StatementValue::IntegerList(QStringLiteral(" 1, 2 ,3 "), 3, feedback);
    ASSERT_TRUE(numbers);
    EXPECT_EQ(*numbers, (QList<int16_t>{1, 2, 3}));
}

TEST(StatementValueTest, EmptyQuotedTextBeepsButIsReturned) {
    RecordingFeedback feedback;
    EXPECT_EQ(StatementValue::QuotedText(QStringLiteral(" \"a\" \"b\""), feedback),
              QStringLiteral("a"));
    EXPECT_EQ(feedback.beeps, 0);
    EXPECT_EQ(StatementValue::QuotedText(QStringLiteral(" \"\""), feedback), QString());
    EXPECT_EQ(feedback.beeps, 1);
}

}  // namespace
}  // namespace glimtex
