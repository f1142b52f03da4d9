// Rounding, number texts and the number readers.
#include "forms/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "forms/types.h"

namespace forms {
namespace {

TEST(Numbers, RoundsHalfToEvenAndRangeChecks) {
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_THROW(toInt16(32767.5), OverflowError);  // rounds to 32768
    EXPECT_THROW(toInt32(HUGE_VAL), OverflowError);
    EXPECT_EQ(clampToInt32(std::nan(""), 1, 100), 1);
}

// Recorded numbers reading back are the Logo command tests'.
TEST(Numbers, RecordedAndShownNumberTexts) {
    EXPECT_EQ(recordedNumber(0.1), ".1");  // the single's digits, not .1000000015
    EXPECT_EQ(recordedNumber(-0.0000015), "-1.5E-06");
    EXPECT_EQ(shownNumber(1.0 / 3), " .333333333333333");
    EXPECT_EQ(shownNumber(1.0f / 3, true), " .3333333");
}

TEST(Numbers, LeadingNumberAndParseNumber) {
    EXPECT_EQ(leadingNumber("- 1 2.5 e 1z"), -125);
    EXPECT_EQ(leadingNumber("12e+x"), 12);  // no exponent digits: not taken
    EXPECT_TRUE(std::isinf(leadingNumber("1e99999999999999999999")));

    double v = -1;
    EXPECT_TRUE(parseNumber(" -.5 ", v));
    EXPECT_EQ(v, -0.5);
    for (const char* bad : {"", ".", "1E+", "12x", "1 2", "&H10"})
        EXPECT_FALSE(parseNumber(bad, v)) << bad;
}

}  // namespace
}  // namespace forms
