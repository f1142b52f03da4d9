// The screen size a user gives in LUMADRAW_SCREEN.
#include "forms/screen_size.h"

#include <gtest/gtest.h>

using forms::parseScreenSize;

TEST(ScreenSize, TakesOneToTheLimitEachSide) {
    const auto size = parseScreenSize("1024x768");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 1024);
    EXPECT_EQ(size->height, 768);
    EXPECT_TRUE(parseScreenSize("1X1"));
    const auto largest = parseScreenSize("16384x16384");
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->width, 16384);
    EXPECT_TRUE(parseScreenSize("0800x0600"));  // leading zeros are still decimal
}

TEST(ScreenSize, RefusesEverythingElse) {
    for (const char* bad :
         {"", "x", "nonsense", "1024", "1024x", "x768", "0x768", "1024x0", "-1024x768", "1024x-768", "+1024x768",
          "16385x768", "1024x16385", "99999x99999", "2147483647x2147483647", "4294967297x768",
          "99999999999999999999x1", "1024x768 ", " 1024x768", "1024 x 768", "1024x768x2", "1024xx768", "1024x768px",
          "1024*768", "1e3x768", "0x400x300", "1024.5x768"})
        EXPECT_FALSE(parseScreenSize(bad)) << '"' << bad << '"';
}

TEST(ScreenSize, RefusalNamesVariableValueAndRangeOnOneLine) {
    const std::string line = forms::screenSizeRefusal("LUMADRAW_SCREEN", "4294967297x768");
    EXPECT_NE(line.find("LUMADRAW_SCREEN"), std::string::npos);
    EXPECT_NE(line.find("4294967297x768"), std::string::npos);
    EXPECT_NE(line.find("1 to 16384"), std::string::npos);
    EXPECT_EQ(forms::screenSizeRefusal("LUMADRAW_SCREEN", "640\nx480").find('\n'), std::string::npos);
}
