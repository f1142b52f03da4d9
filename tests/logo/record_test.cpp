// The command record, the one-line interpreter and the replay: a full
// record, the duplicate check, replaying a drawing to the same pixels, and
// the replay's skip markers and end.
#include <gtest/gtest.h>

#include "tool/dispatcher_fixture.h"

namespace {

class RecordTest : public DispatcherTest {
protected:
    // Runs the replay to its end, as the timer would, one line a tick.
    int replay() {
        f().Timer2->setEnabled(true);
        int ticks = 0;
        while (f().Timer2->Enabled() && ticks < 100000) {
            f().Timer2_Timer();
            ++ticks;
        }
        return ticks;
    }
    QImage canvas() { return f().Picture4->Image(); }
};

}  // namespace

TEST_F(RecordTest, AFullRecordStillDrawsAndTellsTheUserOnce) {
    f().CommandCount = 20000;
    EXPECT_TRUE(f().AppendCommand("A"));
    EXPECT_EQ(f().CommandCount, 20001);
    EXPECT_EQ(f().CommandArray[20000], "A");
    EXPECT_FALSE(f().AppendCommand("B"));
    key(13);  // the stamp is drawn but not recorded
    EXPECT_NE(f().Picture4->Point(6240, 5760), 0);
    EXPECT_EQ(f().CommandCount, 20001);
    EXPECT_EQ(f().CommandArray[20000], "A");
    EXPECT_EQ(platform.count("msgBox"), 1);

    key(86, 4);  // reads no entry past the record
    EXPECT_EQ(f().Label5->Caption(), "No of Lines: 20000");
}

TEST_F(RecordTest, DuplicateCheckDropsOnlyAnExactRepeat) {
    f().AppendCommand("CS");
    f().CheckLogocommandArray();
    EXPECT_EQ(f().CommandCount, 2);  // one line: nothing to compare with
    f().AppendCommand("cs");
    f().CheckLogocommandArray();
    EXPECT_EQ(f().CommandCount, 3);  // case counts
    f().AppendCommand("cs");
    f().CheckLogocommandArray();
    EXPECT_EQ(f().CommandCount, 3);
    EXPECT_EQ(f().CommandArray[3], "");
}

TEST_F(RecordTest, ReplayingARecordedDrawingGivesTheSamePixels) {
    // A stamp of every tool, in several colours and places, a fill, a
    // background change and a clear.
    key(13);
    key(113);
    key(114);
    key(39);
    key(13);
    f().ToolNo = 2;
    key(38);
    key(39, 2);
    key(13);
    key(119);
    key(46);  // clear, recorded
    f().ToolNo = 3;
    key(40);
    key(13);
    f().ToolNo = 5;
    key(37);
    key(114);
    key(13);
    f().ToolNo = 6;
    key(40);
    key(13);
    f().ToolNo = 0;
    key(39, 2);
    key(39, 2);
    key(13);
    f().Picture4->setScaleMode(forms::kScalePixels);
    f().AppendCommand("FLOODFILLAT (10) (10) 255");
    f().Pic_Flood(0, 10, 10);  // as the fill tool does, in the pen colour
    f().Picture4->setScaleMode(forms::kScaleTwips);
    f().CommandArray[f().CommandCount - 1] =
        "FLOODFILLAT (10) (10) " + std::to_string(f().Picture4->ForeColor());
    ASSERT_GE(f().CommandCount, 8);

    const QImage drawn = canvas();
    f().Picture4->Cls();
    f().Picture4->Line(0, 0, 3000, 3000, forms::rgb(9, 9, 9));  // the replay clears this
    replay();
    EXPECT_TRUE(canvas() == drawn);
    EXPECT_EQ(f().ReplayIndex, 0);
    EXPECT_FALSE(f().Timer2->Enabled());
}

TEST_F(RecordTest, ABackgroundLineReplaysAsTheBackground) {
    key(13);
    f().Picture4->setBackColor(255);  // what a right click on a colour cell does
    f().AppendCommand("STAMPRECTRGB (1248) (1152) 255");
    key(39);
    key(13);
    key(46);  // clears to the red background
    key(38);
    key(13);
    const QImage drawn = canvas();
    f().Picture4->setBackColor(0);
    replay();
    EXPECT_TRUE(canvas() == drawn);
}

TEST_F(RecordTest, ReplaySkipsOnlyAfterWholeMarkers) {
    const std::string hidden = "LINERGB (0) (0) (10) (0) 16777215";
    f().AppendCommand("PD");
    f().AppendCommand(hidden);  // skipped after the marker
    f().AppendCommand("WRITERGB \"UPDATE PU,255 (-300) (-300) 20\"");
    f().AppendCommand("LINERGB (0) (100) (10) (100) 16777215");  // drawn: the text is no marker
    replay();
    EXPECT_EQ(f().Picture4->Point(6240 + 50, 5760), 0);
    EXPECT_EQ(f().Picture4->Point(6240 + 50, 5760 - 1000), 16777215);

    // A marker on the last line jumps past the end: the replay still stops.
    f().AppendCommand("SETXY");
    const int ticks = replay();
    EXPECT_LE(ticks, f().CommandCount);
    EXPECT_EQ(f().ReplayIndex, 0);
    EXPECT_FALSE(f().Timer2->Enabled());
}

TEST_F(RecordTest, InterpreterSkipsWhatItCannotRunAndNeverRecords) {
    const QImage before = canvas();
    for (const char* line : {"", "LINERGB", "LINERGB (1) (2) (3) 4", "FOO (1) 2", "LINERGB (a) (0) (1) (1) 5",
                             "FILLRECTRGB (0) (0) (1E+39) (1E+39) 255", "WRITERGB \"x,1 (0) (0) 99999\""}) {
        f().RunLogoLine(line);
    }
    EXPECT_TRUE(canvas() == before);
    EXPECT_EQ(f().CommandCount, 1);
    f().RunLogoLine("LINERGB (.5) (-.5) (1E+01) (0.5) 255");
    EXPECT_FALSE(canvas() == before);
    EXPECT_EQ(f().CommandCount, 1);
}

TEST_F(RecordTest, FloodFillIgnoresPointsOffTheCanvas) {
    f().Picture4->setScaleMode(forms::kScalePixels);
    const QImage before = canvas();
    f().Pic_Flood(0, -1, 5);
    f().Pic_Flood(0, 5, 30000);
    f().Pic_Flood(1, 5, 5);  // any other Num does nothing
    EXPECT_TRUE(canvas() == before);
    f().Pic_Flood(0, 5, 5);
    EXPECT_EQ(canvas().pixel(100, 100) & 0xFFFFFF, 0xFFFF00u);  // the pen colour, yellow
}
