// The screen size a user gives in LUMADRAW_SCREEN.
#include "forms/screen_size.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using forms::parseScreenSize;

TEST(ScreenSize, TakesOneToTheLimitEachSideAndRefusesEverythingElse) {
    // Leading zeros are still decimal.
    for (auto [text, w, h] : {std::tuple{"1X1", 1, 1}, {"16384x16384", 16384, 16384}, {"0800x0600", 800, 600}}) {
        const auto size = parseScreenSize(text);
        ASSERT_TRUE(size) << text;
        EXPECT_EQ(std::pair(size->width, size->height), std::pair(w, h)) << text;
    }
    for (const char* bad : {"", "1024", "0x768", "-1024x768", "1024x16385", "4294967297x768", "99999999999999999999x1",
                            " 1024x768", "1024x768x2", "1024.5x768"})
        EXPECT_FALSE(parseScreenSize(bad)) << '"' << bad << '"';
}

// The variable and value are named by the platform test; a value's own line
// break does not break the one line.
TEST(ScreenSize, RefusalStaysOnOneLine) {
    EXPECT_EQ(forms::screenSizeRefusal("LUMADRAW_SCREEN", "640\nx480").find('\n'), std::string::npos);
}
