// The help text reader.
#include "forms/rtf.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(Rtf, UnicodeWordsGiveCharactersOrTheReplacementCharacter) {
    const std::string kReplacement = "\xEF\xBF\xBD";
    // A surrogate pair as two \u words (signed or not), each with its fallback: one character.
    EXPECT_EQ(plainText(readRtf("{\\rtf1 a\\u-10179?\\u-8704?b}")), "a\xF0\x9F\x98\x80" "b");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\uc0\\u55357\\u56832 }")), "\xF0\x9F\x98\x80");
    // Lone halves, whatever follows them, and numbers beyond 16 bits.
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\u56832?x}")), kReplacement + "x");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\u55357?\\u55357?\\u56832?}")), kReplacement + "\xF0\x9F\x98\x80");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\u55357?\\par x}")), kReplacement + "\nx");
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\u65536?\\u99999999999999999999?}")), kReplacement + kReplacement);
    // A byte Windows-1252 leaves undefined, escaped or raw.
    EXPECT_EQ(plainText(readRtf("{\\rtf1 \\'81\x9D}")), kReplacement + kReplacement);
}

TEST(Rtf, PlainTextThatIsNotWellFormedUtf8IsReadAsWindows1252) {
    // Well-formed UTF-8 stays as it is.
    EXPECT_EQ(plainText(readRtf("\xE2\x82\xAC \xF0\x9F\x98\x80")), "\xE2\x82\xAC \xF0\x9F\x98\x80");
    // An encoded surrogate and a code beyond U+10FFFF are not UTF-8 (the
    // checker's own tests cover the other ill-formed kinds), so the bytes are
    // Windows-1252 and the five it leaves undefined are U+FFFD.
    EXPECT_EQ(plainText(readRtf("\xED\xA0\x80")), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(plainText(readRtf("\xF4\x90\x80\x80")), "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC");
}
