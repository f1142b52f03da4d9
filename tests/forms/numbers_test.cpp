// Rounding, number texts and the number readers.
#include "forms/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "forms/types.h"

namespace forms {
namespace {

TEST(Numbers, RoundsHalfToEvenAndRangeChecks) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(45.5), 46);
    EXPECT_EQ(roundHalfEven(44.5), 44);
    EXPECT_EQ(toInt16(-32768.4), -32768);
    EXPECT_THROW(toInt16(32767.5), OverflowError);  // rounds to 32768
    EXPECT_THROW(toInt16(std::nan("")), OverflowError);
    EXPECT_EQ(toInt32(-2147483648.0), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(toInt32(2147483647.5), OverflowError);
    EXPECT_THROW(toInt32(HUGE_VAL), RuntimeError);

    EXPECT_EQ(clampToInt32(std::nan(""), 1, 100), 1);
    EXPECT_EQ(clampToInt32(1e300, 1, 100), 100);
    EXPECT_EQ(clampToInt32(3.5, 1, 100), 4);
}

TEST(Numbers, RecordedNumberAtSinglePrecision) {
    EXPECT_EQ(recordedNumber(760.0f / 15), "50.66667");
    EXPECT_EQ(recordedNumber(1240.0f / 15), "82.66666");
    EXPECT_EQ(recordedNumber(1531.5f), "1531.5");
    EXPECT_EQ(recordedNumber(13.59998f), "13.59998");
    EXPECT_EQ(recordedNumber(0.1), ".1");  // the single's digits, not .1000000015
    EXPECT_EQ(recordedNumber(9999999.0f), "9999999");
    EXPECT_EQ(recordedNumber(100000000.0f), "1E+08");
    EXPECT_EQ(recordedNumber(0.5f), ".5");
    EXPECT_EQ(recordedNumber(-0.25), "-.25");
    EXPECT_EQ(recordedNumber(-0.0), "0");
    EXPECT_EQ(recordedNumber(0.0001), ".0001");
    EXPECT_EQ(recordedNumber(0.00001), "1E-05");
    EXPECT_EQ(recordedNumber(-0.0000015), "-1.5E-06");
}

TEST(Numbers, ShownNumberHasLeadingBlankAndDoublePrecision) {
    EXPECT_EQ(shownNumber(5), " 5");
    EXPECT_EQ(shownNumber(-3), "-3");
    EXPECT_EQ(shownNumber(-0.0), " 0");
    EXPECT_EQ(shownNumber(2.5), " 2.5");
    EXPECT_EQ(shownNumber(65535), " 65535");
    EXPECT_EQ(shownNumber(0.5), " .5");
    EXPECT_EQ(shownNumber(123456789012345.0), " 123456789012345");
    EXPECT_EQ(shownNumber(1e15), " 1E+15");
    EXPECT_EQ(shownNumber(1.0 / 3), " .333333333333333");
    EXPECT_EQ(shownNumber(1.0f / 3, true), " .3333333");
}

TEST(Numbers, LeadingNumberReadsWhatATextBoxReads) {
    EXPECT_EQ(leadingNumber("1 0"), 10);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-2"), -2);
    EXPECT_EQ(leadingNumber("3x"), 3);
    EXPECT_EQ(leadingNumber("  .5"), 0.5);
    EXPECT_EQ(leadingNumber("- 1 2.5 e 1z"), -125);
    EXPECT_EQ(leadingNumber("1d2"), 100);
    EXPECT_EQ(leadingNumber("12e+x"), 12);  // no exponent digits: not taken
    EXPECT_EQ(leadingNumber("&H10"), 16);
    EXPECT_EQ(leadingNumber("&hff"), 255);
    EXPECT_EQ(leadingNumber("&O18"), 1);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_TRUE(std::isinf(leadingNumber("1e99999999999999999999")));
}

TEST(Numbers, ParseNumberTakesOnlyAWholeNumber) {
    double v = -1;
    for (auto [text, value] : {std::pair{"1E+08", 1e8}, {".5", 0.5}, {" -.5 ", -0.5}, {"0.5", 0.5}, {"12", 12.0},
                               {"1.5E-06", 1.5e-6}}) {
        EXPECT_TRUE(parseNumber(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    for (const char* bad : {"", ".", "-", "1E", "1E+", "12x", "1 2", "&H10", "1..2"})
        EXPECT_FALSE(parseNumber(bad, v)) << bad;
    // What is recorded reads back to the single within its seven digits.
    for (float f : {760.0f / 15, 1e8f, -0.25f, 3.4e-7f}) {
        ASSERT_TRUE(parseNumber(recordedNumber(f), v));
        EXPECT_NEAR(v, f, std::fabs(f) * 1e-6);
    }
}

}  // namespace
}  // namespace forms
