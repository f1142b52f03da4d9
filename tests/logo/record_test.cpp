// The command record, the one-line interpreter and the replay.
#include <gtest/gtest.h>

#include "tool/dispatcher_fixture.h"

class RecordTest : public DispatcherTest {
protected:
    int replay() {  // to its end, one line a tick, as the timer would
        f().Timer2->setEnabled(true);
        int ticks = 0;
        for (; f().Timer2->Enabled() && ticks < 100000; ++ticks) f().Timer2_Timer();
        return ticks;
    }
    QImage canvas() { return f().Picture4->Image(); }
};

TEST_F(RecordTest, AFullRecordStillDrawsAndTellsTheUserOnce) {
    f().CommandCount = 20000;
    EXPECT_TRUE(f().AppendCommand("A"));
    EXPECT_FALSE(f().AppendCommand("B"));
    key(13);  // the stamp is drawn but not recorded
    EXPECT_NE(f().Picture4->Point(6240, 5760), 0);
    EXPECT_EQ(f().CommandCount, 20001);
    EXPECT_EQ(platform.count("msgBox"), 1);
    key(86, 4);  // Alt+V reads no entry past the record
    EXPECT_EQ(f().Label5->Caption(), "No of Lines: 20000");
}

TEST_F(RecordTest, ReplayingARecordedDrawingGivesTheSamePixels) {
    // At draw width 3, a stamp of every tool in several colours and places and
    // a clear, a pencil stroke and a fill by mouse, then a background change.
    // Code -1 chooses tool sh directly.
    f().Picture4->setDrawWidth(3);
    for (auto [code, sh] : std::initializer_list<std::pair<int, int>>{
             {13, 0}, {113, 0}, {114, 0}, {39, 0}, {13, 0}, {-1, 2}, {38, 0}, {39, 2}, {13, 0}, {119, 0}, {46, 0},
             {-1, 3}, {40, 0}, {13, 0}, {-1, 5}, {37, 0}, {114, 0}, {13, 0}, {-1, 6}, {40, 0}, {13, 0},
             {-1, 0}, {39, 2}, {13, 0}, {-1, 8}})
        if (code < 0) f().ToolNo = static_cast<int16_t>(sh); else key(code, sh);
    f().Picture4_MouseDown(1, 0, 3001.3f, 5003.7f);  // fractions kept
    for (int i = 1; i <= 20; ++i) f().Picture4_MouseMove(1, 0, 3001.3f + 70 * i, 5003.7f + 10 * ((i * i) % 23));
    f().Picture4_MouseUp(1, 1, 4500, 5400);  // Shift closes the stroke
    f().ToolNo = 9;
    f().Picture4_MouseDown(1, 0, 600, 300);
    f().Picture4->setBackColor(255);  // what a right click on a colour cell does
    f().AppendCommand("STAMPRECTRGB (1248) (1152) 255");
    for (int code : {38, 13, 46, 39, 13}) key(code);  // Delete clears to the red background
    ASSERT_GE(f().CommandCount, 30);

    const QImage drawn = canvas();
    f().Picture4->setBackColor(0);
    f().Picture4->Line(0, 0, 3000, 3000, forms::rgb(9, 9, 9));  // the replay clears this
    replay();
    EXPECT_TRUE(canvas() == drawn);
    EXPECT_EQ(f().ReplayIndex, 0);
    EXPECT_FALSE(f().Timer2->Enabled());
}

TEST_F(RecordTest, ReplaySkipsOnlyAfterWholeMarkers) {
    for (const char* line : {"PD", "LINERGB (0) (0) (10) (0) 16777215",  // skipped after the marker
                             "LINERGB (0) (100) (10) (100) 16777215"})
        f().AppendCommand(line);
    replay();
    EXPECT_EQ(f().Picture4->Point(6240 + 50, 5760), 0);
    EXPECT_EQ(f().Picture4->Point(6240 + 50, 5760 - 1000), 16777215);
    // A marker on the last line jumps past the end: the replay still stops.
    f().AppendCommand("SETXY");
    EXPECT_LE(replay(), f().CommandCount);
    EXPECT_EQ(f().ReplayIndex, 0);
    EXPECT_FALSE(f().Timer2->Enabled());
}

TEST_F(RecordTest, InterpreterAndFloodFillSkipWhatTheyCannotDo) {
    const QImage before = canvas();
    for (const char* line : {"FOO (1) 2", "FILLRECTRGB (0) (0) (1E+39) (1E+39) 255", "WRITERGB \"x,1 (0) (0) 99999\""})
        f().RunLogoLine(line);
    EXPECT_TRUE(canvas() == before);
    f().RunLogoLine("LINERGB (.5) (-.5) (1E+01) (0.5) 255");
    EXPECT_FALSE(canvas() == before);
    EXPECT_EQ(f().CommandCount, 1);

    f().Picture4->Cls();  // the flood fill ignores points off the canvas
    f().Picture4->setScaleMode(forms::kScalePixels);
    f().Pic_Flood(0, 5, 30000);
    EXPECT_TRUE(canvas() == before);
}
