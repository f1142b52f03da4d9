// The help text reader.
#include "forms/rtf.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Rtf, ParagraphsAndBoldRuns) {
    const auto doc = readRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}\n"
        "{\\*\\generator Riched20;}\\pard\\f0 Plain \\b bold\\b0  a{\\b b}c\\par\nSecond\\line third\\par\n}");
    ASSERT_EQ(doc.size(), 3u);
    ASSERT_EQ(doc[0].size(), 5u);
    EXPECT_TRUE(doc[0][1].bold && doc[0][3].bold);
    EXPECT_FALSE(doc[0][2].bold || doc[0][4].bold);  // bold ends with \b0 and with its group
    EXPECT_EQ(plainText(doc), "Plain bold abc\nSecond\nthird");
}

TEST(Rtf, EscapesUnicodeAndBrokenInput) {
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\{x\\} \\\\ caf\\'e9\\tab \\u8364?!\\uc2\\u8212 ab.\\par}")),
              "{x} \\ caf\xC3\xA9\t\xE2\x82\xAC!\xE2\x80\x94.");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 x}}}}\\")), "x");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 bad\\'zz hex\\'4")), "bad hex");
    // Text that is not RTF: one paragraph per line, non-UTF-8 bytes as Windows-1252.
    EXPECT_EQ(plainText(readRtf("caf\xE9\r\nsecond\nthird")), "caf\xC3\xA9\nsecond\nthird");
}
