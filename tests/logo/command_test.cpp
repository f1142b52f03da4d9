// The recorded command lines: their exact layout, reading them back, and the
// replay's skip markers.
#include "logo/command.h"

#include <gtest/gtest.h>

namespace {

using logo::Command;
using logo::Word;

Command cmd(Word w, std::vector<double> args, int32_t color = 0, std::string text = {}) {
    return Command{w, std::move(args), color, std::move(text)};
}

TEST(CommandText, LayoutOfEveryWord) {
    EXPECT_EQ(logo::toText(cmd(Word::LINERGB, {-50, 0, 50.5, -.25}, 255)),
              "LINERGB (-50) (0) (50.5) (-.25) 255");
    EXPECT_EQ(logo::toText(cmd(Word::BOXRGB, {1, 2, 3, 4, 5, 6, 7, 8}, 65280)),
              "BOXRGB (1) (2) (3) (4) (5) (6) (7) (8) 65280");
    EXPECT_EQ(logo::toText(cmd(Word::ELLIPSERGB, {0, 0, 100, 50, 45}, 16711680)),
              "ELLIPSERGB (0) (0) (100) (50) (45) 16711680");
    EXPECT_EQ(logo::toText(cmd(Word::FILLRECTRGB, {10, -10, 100, 100}, 0)),
              "FILLRECTRGB (10) (-10) (100) (100) 0");
    EXPECT_EQ(logo::toText(cmd(Word::FILLOVALRGB, {1e8, 0, 2, 3}, 1)),
              "FILLOVALRGB (1E+08) (0) (2) (3) 1");
    EXPECT_EQ(logo::toText(cmd(Word::FLOODFILLAT, {12.5, 300}, 8421504)),
              "FLOODFILLAT (12.5) (300) 8421504");
    EXPECT_EQ(logo::toText(cmd(Word::STAMPRECTRGB, {1024, 600}, 16777215)),
              "STAMPRECTRGB (1024) (600) 16777215");
    EXPECT_EQ(logo::toText(cmd(Word::CS, {})), "CS");
    // The text is written unchanged, quotes and all.
    EXPECT_EQ(logo::toText(cmd(Word::WRITERGB, {-12.5, 30, 20}, 65280, "Say \"hi\", (you)")),
              "WRITERGB \"Say \"hi\", (you),65280 (-12.5) (30) 20\"");
    // Pencil values are single precision.
    EXPECT_EQ(logo::toText(cmd(Word::LINERGB, {0.1, 1.0 / 3, 0, 0}, 0)),
              "LINERGB (.1) (.3333333) (0) (0) 0");
}

TEST(CommandText, EveryWordReadsBackToTheSameText) {
    const std::vector<Command> all = {
        cmd(Word::LINERGB, {-50.5, .5, 1e8, -1e-5}, 255),
        cmd(Word::BOXRGB, {1, -2, 3.25, 4, 5, 6, -7, 8}, 65280),
        cmd(Word::ELLIPSERGB, {0, 0, 100, 50, 359}, 16711680),
        cmd(Word::FILLRECTRGB, {-10.75, 10, 1024, 768}, 12345),
        cmd(Word::FILLOVALRGB, {3, 4, .125, 2e9}, 0),
        cmd(Word::FLOODFILLAT, {0, 767.5}, 16777215),
        cmd(Word::STAMPRECTRGB, {1366, 768}, 8421376),
        cmd(Word::CS, {}),
        cmd(Word::WRITERGB, {1.5, -2, 20}, 128, "plain"),
        cmd(Word::WRITERGB, {0, 0, 10}, 0, "a, b (1) (2) 3"),
        cmd(Word::WRITERGB, {0, 0, 288}, 255, "\"quoted\" ,255 (9) (9) 9\""),
        cmd(Word::WRITERGB, {0, 0, 12}, 255, "  blanks  "),
        cmd(Word::WRITERGB, {0, 0, 12}, 255, "ends in a comma,"),
        cmd(Word::WRITERGB, {0, 0, 12}, 255, "12345"),
        cmd(Word::WRITERGB, {0, 0, 12}, 255, ""),
    };
    for (const Command& c : all) {
        const std::string text = logo::toText(c);
        const auto back = logo::parse(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(back->word, c.word) << text;
        EXPECT_EQ(back->color, c.color) << text;
        EXPECT_EQ(back->text, c.text) << text;
        EXPECT_EQ(back->args.size(), c.args.size()) << text;
        EXPECT_EQ(logo::toText(*back), text);
    }
}

TEST(CommandText, ReadsBlanksCaseAndNumberForms) {
    auto c = logo::parse("  linergb   (.5)  ( 0.5 ) (-.5)\t(1E+08)   255  \r");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->word, Word::LINERGB);
    EXPECT_EQ(c->args, (std::vector<double>{.5, .5, -.5, 1e8}));
    EXPECT_EQ(c->color, 255);

    c = logo::parse("WriteRGB   \"Hello world,255   (10)  (-20)   14\"  ");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->text, "Hello world");
    EXPECT_EQ(c->args, (std::vector<double>{10, -20, 14}));
    EXPECT_EQ(c->color, 255);

    c = logo::parse("cs");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->word, Word::CS);
}

TEST(CommandText, MalformedLinesAreRefused) {
    for (const char* line : {
             "",
             "FD 100",
             "LINERGB",
             "LINERGB (1) (2) (3) 255",               // too few numbers
             "LINERGB (1) (2) (3) (4) (5) 255",       // too many
             "LINERGB (1) (2) (3) (4)",               // no colour
             "LINERGB (1) (2) (3) (4) 255 7",         // something after the colour
             "LINERGB (1) (2) (3 (4) 255",            // missing bracket
             "LINERGB 1 (2) (3) (4) 255",             // number without brackets
             "LINERGB (1) (x) (3) (4) 255",           // letters
             "LINERGB (1) (2) (3) (4) red",
             "LINERGB (1) (2) (3) (4) -1",            // colour out of range
             "LINERGB (1) (2) (3) (4) 16777216",
             "LINERGB (1) (2) (3) (4) 1.5",
             "LINERGB (1) (2) (3) (1E+999) 255",      // not a finite number
             "LINERGB(1) (2) (3) (4) 255",
             "LINERGBX (1) (2) (3) (4) 255",
             "CS 5",
             "FLOODFILLAT (1) 255",
             "WRITERGB hello,255 (1) (2) 20",         // no quotes
             "WRITERGB \"hello,255 (1) (2) 20",       // no closing quote
             "WRITERGB \"hello 255 (1) (2) 20\"",     // no comma
             "WRITERGB \"hello,255 (1) 20\"",         // no y
             "WRITERGB \"hello,255 (1) (2)\"",        // no size
             "WRITERGB \"hello,(1) (2) 20\"",         // no colour
             "WRITERGB \"hello,255 (1) (2) 20\" PD",  // something after the text
         }) {
        EXPECT_FALSE(logo::parse(line).has_value()) << line;
    }
}

TEST(ReplayMarker, WholeWordsOutsideTheWrittenText) {
    EXPECT_TRUE(logo::isReplaySkipMarker("PD"));
    EXPECT_TRUE(logo::isReplaySkipMarker("PU"));
    EXPECT_TRUE(logo::isReplaySkipMarker("SETXY [10 20]"));
    EXPECT_TRUE(logo::isReplaySkipMarker("FILLSTYLE 0"));
    EXPECT_TRUE(logo::isReplaySkipMarker("  pd "));
    EXPECT_TRUE(logo::isReplaySkipMarker("REPEAT 4 [PD FD 10]"));

    // A user's text typed with the text tool is no marker.
    EXPECT_FALSE(logo::isReplaySkipMarker("WRITERGB \"UPDATE,255 (1) (2) 20\""));
    EXPECT_FALSE(logo::isReplaySkipMarker("WRITERGB \"PD,255 (1) (2) 20\""));
    EXPECT_FALSE(logo::isReplaySkipMarker("WRITERGB \"a \"PU\" b,255 (1) (2) 20\""));
    // Nor are words that merely contain a marker.
    EXPECT_FALSE(logo::isReplaySkipMarker("UPDATE"));
    EXPECT_FALSE(logo::isReplaySkipMarker("SETXYZ"));
    EXPECT_FALSE(logo::isReplaySkipMarker("FILLRECTRGB (1) (2) (3) (4) 255"));
    EXPECT_FALSE(logo::isReplaySkipMarker("LINERGB (1) (2) (3) (4) 255"));
    EXPECT_FALSE(logo::isReplaySkipMarker("CS"));
}

}  // namespace
