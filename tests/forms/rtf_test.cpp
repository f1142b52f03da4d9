#include "forms/rtf.h"

#include <gtest/gtest.h>

using forms::plainText;
using forms::readRtf;

TEST(Rtf, ParagraphsAndBoldRuns) {
    const auto doc = readRtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}\n"
        "{\\*\\generator Riched20;}\\pard\\f0\\fs20 Plain \\b bold\\b0  again\\par\n"
        "Second\\line third\\par\n}");
    ASSERT_EQ(doc.size(), 3u);
    ASSERT_EQ(doc[0].size(), 3u);
    EXPECT_EQ(doc[0][0].text, "Plain ");
    EXPECT_FALSE(doc[0][0].bold);
    EXPECT_EQ(doc[0][1].text, "bold");
    EXPECT_TRUE(doc[0][1].bold);
    EXPECT_EQ(doc[0][2].text, " again");
    EXPECT_FALSE(doc[0][2].bold);
    EXPECT_EQ(plainText(doc), "Plain bold again\nSecond\nthird");
}

TEST(Rtf, BoldEndsWithItsGroup) {
    const auto doc = readRtf("{\\rtf1 a{\\b b}c\\par}");
    ASSERT_EQ(doc.size(), 1u);
    ASSERT_EQ(doc[0].size(), 3u);
    EXPECT_TRUE(doc[0][1].bold);
    EXPECT_FALSE(doc[0][2].bold);
}

TEST(Rtf, EscapesAndUnicode) {
    const auto doc = readRtf("{\\rtf1 \\{x\\} \\\\ caf\\'e9\\tab \\u8364?!\\uc2\\u8212 ab.\\par}");
    EXPECT_EQ(plainText(doc), "{x} \\ caf\xC3\xA9\t\xE2\x82\xAC!\xE2\x80\x94.");
}

TEST(Rtf, UnterminatedAndBrokenInputDoesNotFail) {
    EXPECT_EQ(plainText(readRtf("{\\rtf1 abc")), "abc");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 x}}}}\\")), "x");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 bad\\'zz hex\\'4")), "bad hex");
    EXPECT_TRUE(readRtf("").size() <= 1u);
}

TEST(Rtf, PlainTextIsOneParagraphPerLine) {
    const auto doc = readRtf("first line\r\nsecond\nthird");
    ASSERT_EQ(doc.size(), 3u);
    EXPECT_EQ(plainText(doc), "first line\nsecond\nthird");
    // Bytes that are not UTF-8 are read as Windows-1252.
    EXPECT_EQ(plainText(readRtf("caf\xE9")), "caf\xC3\xA9");
}
