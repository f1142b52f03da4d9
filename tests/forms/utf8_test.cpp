// Writing and checking UTF-8.
#include "forms/utf8.h"

#include <gtest/gtest.h>

using forms::isValidUtf8;

TEST(Utf8, WritesEveryLengthAndReplacesWhatIsNoCharacter) {
    std::string out;
    for (uint32_t cp : {0x41u, 0xE9u, 0x20ACu, 0x1F600u, 0x10FFFFu}) forms::appendUtf8(out, cp);
    EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
    out.clear();
    for (uint32_t cp : {0xD800u, 0xDFFFu, 0x110000u, 0xFFFFFFFFu}) forms::appendUtf8(out, cp);
    EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8, AcceptsOnlyWellFormedText) {
    for (const char* good : {"", "plain", "\xC2\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80",
                             "\xF4\x8F\xBF\xBF", "\xEF\xBF\xBD"})
        EXPECT_TRUE(isValidUtf8(good)) << good;
    for (const char* bad : {"\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xED\xBF\xBF",
                            "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "\xC3", "\xE2\x82",
                            "a\xE2\x82" "b", "\xC3\xC3\xA9"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}
