// Checking UTF-8. Writing it is seen through the help reader's output.
#include "forms/utf8.h"

#include <gtest/gtest.h>

using forms::isValidUtf8;

TEST(Utf8, AcceptsOnlyWellFormedText) {
    for (const char* good : {"", "plain", "\xC2\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80",
                             "\xF4\x8F\xBF\xBF", "\xEF\xBF\xBD"})
        EXPECT_TRUE(isValidUtf8(good)) << good;
    for (const char* bad : {"\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xED\xBF\xBF",
                            "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\xC3", "\xE2\x82",
                            "a\xE2\x82" "b", "\xC3\xC3\xA9"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}
