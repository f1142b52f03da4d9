// The colour box in use, driven by real Qt mouse events on the cells: the
// left button sets the pen colour, the right button the background colour
// (cleared canvas, one recorded line), hovering shows the value and the
// preview; and the component finder of a colour value.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "support/form_fixture.h"
#include "support/qt_events.h"
#include "window/palette.h"

namespace {

using forms::rgb;

constexpr forms::Color kRed = 255, kYellow = 65535;
constexpr forms::Color kButtonFace = rgb(212, 208, 200);


class ColorBoxTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        // A desktop button colour unlike any palette colour, for cell 27.
        platform.colors.buttonFace = kButtonFace;
        makeForm(1024, 768);
        form->Form_Load();
        form->Image2_Click();
    }
    Form1& f() { return *form; }
    forms::Color canvasCentre() const {
        const QImage img = form->Picture4->Image();
        const QRgb p = img.pixel(img.width() / 2, img.height() / 2);
        return rgb(qRed(p), qGreen(p), qBlue(p));
    }
    // Stamps the line tool where it stands (Enter in "Move" mode).
    void stampLine() { form->KeyResponder(13, 0); }
};

TEST_F(ColorBoxTest, CellsAreLaidOutInTwoColumnsAndColouredFromThePalette) {
    f().Picture2->setWidth(1440);
    f().Picture2->setHeight(10977);
    f().ColorBoxSetting();
    for (int i = 0; i < 28; ++i) {
        SCOPED_TRACE(i);
        const forms::Label& cell = f().Label2(i);
        EXPECT_FLOAT_EQ(cell.Width(), 648);
        EXPECT_NEAR(cell.Height(), 784.07, 0.01);
        EXPECT_FLOAT_EQ(cell.Left(), i < 14 ? 0 : 720);
        EXPECT_EQ(cell.Caption(), "");
    }
    EXPECT_FLOAT_EQ(f().Label2(0).Top(), 0);
    EXPECT_FLOAT_EQ(f().Label2(14).Top(), 0);
    EXPECT_NEAR(f().Label2(13).Top() + f().Label2(13).Height(), 10977, 0.01);
    EXPECT_NEAR(f().Label2(27).Top() + f().Label2(27).Height(), 10977, 0.01);

    const std::pair<int, forms::Color> table[] = {{0, 0},         {1, 8388608},   {5, 16744448},
                                                  {9, 128},       {13, 8421504},  {18, 255},
                                                  {22, 8421631},  {24, 65535},    {26, 16777215}};
    for (auto [k, c] : table) EXPECT_EQ(f().Label2(k).BackColor(), c) << "cell " << k;
    EXPECT_EQ(f().Label2(27).BackColor(), kButtonFace);
}

TEST_F(ColorBoxTest, LeftClickMakesTheCellThePenColourAndRecordsNothing) {
    f().Image1_MouseDown(2, 1, 0, 0, 0);  // the ellipse tool: its segments exist
    ASSERT_GT(f().Eli.Count(), 2);
    const forms::Color template0 = f().Eli(0).BorderColor();
    const int recorded = f().CommandCount;

    clickOn(f().Label2(18), Qt::LeftButton);
    EXPECT_EQ(f().Picture4->ForeColor(), kRed);
    EXPECT_EQ(f().PenColor, kRed);
    EXPECT_FLOAT_EQ(f().Shape3->Left(), f().Label2(18).Left());
    EXPECT_FLOAT_EQ(f().Shape3->Top(), f().Label2(18).Top());
    EXPECT_EQ(f().Shape5->FillColor(), kRed);
    EXPECT_EQ(f().Shape5->BorderColor(), kRed);
    EXPECT_EQ(f().Text1->ForeColor(), kRed);
    EXPECT_EQ(f().Line1->BorderColor(), kRed);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(f().Side(i).BorderColor(), kRed);
    for (int i = 1; i < f().Eli.Count(); ++i) EXPECT_EQ(f().Eli(i).BorderColor(), kRed) << i;
    EXPECT_EQ(f().Eli(0).BorderColor(), template0);
    EXPECT_EQ(f().ColorIndex, 18);
    EXPECT_EQ(f().CommandCount, recorded);
    EXPECT_EQ(f().BackColorIndex, 0);
    EXPECT_EQ(f().Picture4->BackColor(), 0);

    // Drawn in the new pen colour, recorded with it.
    f().Image1_MouseDown(0, 1, 0, 0, 0);
    stampLine();
    EXPECT_EQ(f().CommandArray[f().CommandCount - 1].substr(0, 8), "LINERGB ");
    EXPECT_TRUE(f().CommandArray[f().CommandCount - 1].ends_with(" 255"));
}

TEST_F(ColorBoxTest, RightClickClearsToTheCellColourAndRecordsItOnce) {
    stampLine();
    ASSERT_EQ(f().CommandCount, 2);
    ASSERT_EQ(canvasCentre(), kYellow);

    clickOn(f().Label2(18), Qt::RightButton);
    EXPECT_EQ(f().Picture4->BackColor(), kRed);
    EXPECT_EQ(canvasCentre(), kRed);  // the line is gone
    EXPECT_DOUBLE_EQ(f().BackgroundColor, 255);
    EXPECT_EQ(f().Text1->BackColor(), kRed);
    EXPECT_EQ(f().BackColorIndex, 18);
    EXPECT_FLOAT_EQ(f().Shape4->Left(), f().Label2(18).Left());
    EXPECT_FLOAT_EQ(f().Shape4->Top(), f().Label2(18).Top());
    EXPECT_EQ(f().Picture4->ForeColor(), kYellow);  // the pen stays
    EXPECT_EQ(f().ColorIndex, 24);
    ASSERT_EQ(f().CommandCount, 3);
    EXPECT_EQ(f().CommandArray[2], "STAMPRECTRGB (1248) (1152) 255");

    // The same cell again clears again but leaves one line in the record.
    f().Picture4->Line(0, 0, 12480, 11520, kYellow);
    ASSERT_EQ(canvasCentre(), kYellow);
    clickOn(f().Label2(18), Qt::RightButton);
    EXPECT_EQ(canvasCentre(), kRed);
    EXPECT_EQ(f().CommandCount, 3);

    // The middle button changes nothing; cells 28 and 29 do not exist.
    clickOn(f().Label2(5), Qt::MiddleButton);
    f().ColorBoxClick(28, 1);
    f().ColorBoxClick(29, 2);
    EXPECT_EQ(f().Picture4->BackColor(), kRed);
    EXPECT_EQ(f().Picture4->ForeColor(), kYellow);
    EXPECT_EQ(f().ColorIndex, 24);
    EXPECT_EQ(f().BackColorIndex, 18);
    EXPECT_FLOAT_EQ(f().Shape4->Top(), f().Label2(18).Top());
    EXPECT_EQ(f().CommandCount, 3);

    // A fractional origin is written with its decimals.
    f().LogoOriginX = 765.75f;
    clickOn(f().Label2(24), Qt::RightButton);
    EXPECT_EQ(f().CommandArray[3], "STAMPRECTRGB (1531.5) (1152) 65535");
}

TEST_F(ColorBoxTest, CellTwentySevenGivesTheDesktopColourAndF3WrapsToCellOne) {
    clickOn(f().Label2(27), Qt::RightButton);
    EXPECT_EQ(f().Picture4->BackColor(), kButtonFace);
    EXPECT_EQ(f().CommandArray[1], "STAMPRECTRGB (1248) (1152) " + std::to_string(kButtonFace));

    clickOn(f().Label2(27), Qt::LeftButton);
    EXPECT_EQ(f().PenColor, kButtonFace);
    EXPECT_EQ(f().ColorIndex, 27);

    f().KeyResponder(114, 0);  // F3: the next palette cell after 27 wraps to 1
    EXPECT_EQ(f().ColorIndex, 1);
    EXPECT_EQ(f().PenColor, 8388608);
    EXPECT_FLOAT_EQ(f().Shape3->Top(), f().Label2(1).Top());
    EXPECT_FLOAT_EQ(f().Shape3->Left(), f().Label2(1).Left());
}

TEST_F(ColorBoxTest, RightClickOnAFullRecordStillClearsButRecordsNothing) {
    // The last two entries are equal: a duplicate check run on the full
    // record would wrongly drop one of them.
    for (int i = 1; i <= Form1::kRecordSize; ++i) f().CommandArray[i] = "CS";
    f().CommandCount = Form1::kRecordSize + 1;
    stampLine();  // refused: the user is told once
    ASSERT_EQ(platform.count("msgBox"), 1);

    clickOn(f().Label2(18), Qt::RightButton);
    EXPECT_EQ(f().Picture4->BackColor(), kRed);
    EXPECT_EQ(canvasCentre(), kRed);
    EXPECT_EQ(f().BackColorIndex, 18);
    EXPECT_EQ(f().CommandCount, Form1::kRecordSize + 1);
    EXPECT_EQ(f().CommandArray[Form1::kRecordSize], "CS");
    EXPECT_EQ(f().CommandArray[Form1::kRecordSize - 1], "CS");
    EXPECT_EQ(platform.count("msgBox"), 1);
}

TEST_F(ColorBoxTest, HoverShowsTheValueAndPreviewsTheColour) {
    ASSERT_TRUE(f().Label2(24).widget()->hasMouseTracking());
    ASSERT_FALSE(f().Shape10->Visible());
    sendMouse(f().Label2(24), QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(f().Label2(24).ToolTipText(), " 65535");
    EXPECT_TRUE(f().Shape10->Visible());
    EXPECT_EQ(f().Shape10->FillColor(), kYellow);

    sendMouse(f().Label2(0), QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(f().Label2(0).ToolTipText(), " 0");
    EXPECT_EQ(f().Shape10->FillColor(), 0);
    sendMouse(f().Label2(26), QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(f().Label2(26).ToolTipText(), " 16777215");
    sendMouse(f().Label2(27), QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(f().Label2(27).ToolTipText(), " " + std::to_string(kButtonFace));
    EXPECT_EQ(f().Shape10->FillColor(), kButtonFace);
    // Hovering chooses nothing.
    EXPECT_EQ(f().ColorIndex, 24);
    EXPECT_EQ(f().Picture4->BackColor(), 0);
}

TEST(RGBFinder, TakesAColourApartIntoItsComponents) {
    EXPECT_EQ(palette::RGBFinder(rgb(18, 52, 86), 1), 18);
    EXPECT_EQ(palette::RGBFinder(rgb(18, 52, 86), 2), 52);
    EXPECT_EQ(palette::RGBFinder(rgb(18, 52, 86), 3), 86);
    EXPECT_EQ(palette::RGBFinder(16777215, 3), 255);
    EXPECT_EQ(palette::RGBFinder(rgb(255, 0, 1), 2), 0);
    for (int no : {0, 4, -1}) EXPECT_EQ(palette::RGBFinder(16777215, no), 0) << no;
    constexpr int levels[3] = {0, 128, 255};
    for (int k = 0; k < palette::kSize; ++k) {
        SCOPED_TRACE(k);
        const forms::Color c = palette::colorOf(k);
        EXPECT_EQ(palette::RGBFinder(c, 1), levels[k / 9]);
        EXPECT_EQ(palette::RGBFinder(c, 2), levels[(k / 3) % 3]);
        EXPECT_EQ(palette::RGBFinder(c, 3), levels[k % 3]);
    }
}

}  // namespace
