// The recorded command lines: exact layout, reading back, replay skip markers.
#include "logo/command.h"

#include <gtest/gtest.h>

using logo::Command;
using logo::Word;

static Command cmd(Word w, std::vector<double> args, int32_t color = 0, std::string text = {}) {
    return Command{w, std::move(args), color, std::move(text)};
}

TEST(CommandText, LayoutOfEveryWordAndReadingItBack) {
    const std::pair<Command, const char*> all[] = {
        {cmd(Word::LINERGB, {-50, 0, 50.5, -.25}, 255), "LINERGB (-50) (0) (50.5) (-.25) 255"},
        {cmd(Word::FILLOVALRGB, {1e8, 0, 2, 3}, 1), "FILLOVALRGB (1E+08) (0) (2) (3) 1"},
        {cmd(Word::CS, {}), "CS"},
        // The text is written unchanged, quotes, commas and brackets and all.
        {cmd(Word::WRITERGB, {-12.5, 30, 20}, 65280, "Say \"hi\", (you)"),
         "WRITERGB \"Say \"hi\", (you),65280 (-12.5) (30) 20\""},
        {cmd(Word::WRITERGB, {0, 0, 9}, 255, " \"q\" ,255 (9) (9) 9\","),
         "WRITERGB \" \"q\" ,255 (9) (9) 9\",,255 (0) (0) 9\""},
    };
    for (const auto& [c, text] : all) {
        EXPECT_EQ(logo::toText(c), text);
        const auto back = logo::parse(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(logo::toText(*back), text);  // same word, numbers, colour and text
    }
}

TEST(CommandText, ReadsBlanksCaseAndNumberForms) {
    auto c = logo::parse("  linergb   (.5)  ( 0.5 ) (-.5)\t(1E+08)   255  \r");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->args, (std::vector<double>{.5, .5, -.5, 1e8}));
    EXPECT_EQ(c->color, 255);
}

TEST(CommandText, MalformedLinesAreRefused) {
    // 1E+39 is beyond single precision: it could not be written back.
    for (const char* line : {"", "FD 100", "CS 5", "LINERGB (1) (2) (3) 255", "LINERGB (1) (2) (3 (4) 255",
                             "LINERGB (1) (x) (3) (4) 255", "LINERGB (1) (2) (3) (4) 16777216",
                             "LINERGB (1) (2) (3) (1E+39) 255", "WRITERGB \"hello,255 (1) (2) 20",
                             "WRITERGB \"hello 255 (1) (2) 20\"", "WRITERGB \"hello,255 (1) (2) 20\" PD"})
        EXPECT_FALSE(logo::parse(line).has_value()) << line;
}

TEST(ReplayMarker, WholeWordsOutsideTheWrittenText) {
    for (const char* line : {"PD", "PU", "SETXY [10 20]", "FILLSTYLE 0", "  pd ", "REPEAT 4 [PD FD 10]"})
        EXPECT_TRUE(logo::isReplaySkipMarker(line)) << line;
    for (const char* line : {"WRITERGB \"UPDATE,255 (1) (2) 20\"", "WRITERGB \"PD,255 (1) (2) 20\"",
                             "WRITERGB \"a \"PU\" b,255 (1) (2) 20\"", "UPDATE", "SETXYZ",
                             "FILLRECTRGB (1) (2) (3) (4) 255"})
        EXPECT_FALSE(logo::isReplaySkipMarker(line)) << line;
}
