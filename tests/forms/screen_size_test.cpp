// The screen size a user gives in LUMADRAW_SCREEN.
#include "forms/screen_size.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using forms::parseScreenSize;

TEST(ScreenSize, TakesOneToTheLimitEachSideAndRefusesEverythingElse) {
    // Leading zeros are still decimal.
    for (auto [text, w, h] : {std::tuple{"1024x768", 1024, 768}, {"1X1", 1, 1}, {"16384x16384", 16384, 16384},
                              {"0800x0600", 800, 600}}) {
        const auto size = parseScreenSize(text);
        ASSERT_TRUE(size) << text;
        EXPECT_EQ(std::pair(size->width, size->height), std::pair(w, h)) << text;
    }
    for (const char* bad : {"", "x", "1024", "x768", "0x768", "1024x0", "-1024x768", "+1024x768", "16385x768",
                            "1024x16385", "2147483647x2147483647", "4294967297x768", "99999999999999999999x1",
                            " 1024x768", "1024 x 768", "1024x768x2", "1024x768px", "1e3x768", "1024.5x768"})
        EXPECT_FALSE(parseScreenSize(bad)) << '"' << bad << '"';
}

TEST(ScreenSize, RefusalNamesVariableValueAndRangeOnOneLine) {
    const std::string line = forms::screenSizeRefusal("LUMADRAW_SCREEN", "4294967297x768");
    EXPECT_NE(line.find("LUMADRAW_SCREEN"), std::string::npos);
    EXPECT_NE(line.find("4294967297x768"), std::string::npos);
    EXPECT_NE(line.find("1 to 16384"), std::string::npos);
    EXPECT_EQ(forms::screenSizeRefusal("LUMADRAW_SCREEN", "640\nx480").find('\n'), std::string::npos);
}
