// The window as built from its description, before start-up runs: every
// control in its container with its class, the arrays' members, the design
// properties the program relies on, the built-in pictures and the design
// sizes that the layout reads.
#include <gtest/gtest.h>

#include <QIcon>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "forms/picture_io.h"
#include "support/form_fixture.h"

namespace {

using K = forms::ControlKind;
using forms::rgb;

struct Placement {
    std::string name;
    K kind;
    std::string container;
};

std::string member(const std::string& name, int index) { return name + "(" + std::to_string(index) + ")"; }

void addMembers(std::vector<Placement>& out, const std::string& name, int first, int last, K kind,
                const std::string& container) {
    for (int i = first; i <= last; ++i) out.push_back({member(name, i), kind, container});
}

// Where every control sits, written from the window's description.
std::vector<Placement> expectedPlacements() {
    std::vector<Placement> p = {
        {"Picture20", K::PictureBox, "Form1"},   {"Picture21", K::PictureBox, "Form1"},
        {"Timer7", K::Timer, "Form1"},           {"Pichidden", K::PictureBox, "Form1"},
        {"Picture1", K::PictureBox, "Form1"},    {"Picture18", K::PictureBox, "Form1"},
        {"Picture4", K::PictureBox, "Form1"},    {"Picture2", K::PictureBox, "Form1"},
        {"Label14", K::Label, "Form1"},          {"Image9", K::Image, "Form1"},
        {"FileList", K::ListBox, "Picture20"},   {"FolderList", K::ListBox, "Picture20"},
        {"Image8", K::Image, "Picture20"},       {"Image7", K::Image, "Picture20"},
        {"Timer1", K::Timer, "Picture21"},       {"Image2", K::Image, "Picture21"},
        {"Label12", K::Label, "Picture21"},      {"Shape1", K::Shape, "Picture1"},
        {"Label1(0)", K::Label, "Picture1"},     {"Text2", K::TextBox, "Picture18"},
        {"Picture11", K::PictureBox, "Picture4"}, {"Picture5", K::PictureBox, "Picture4"},
        {"Picture19", K::PictureBox, "Picture4"}, {"Text1", K::TextBox, "Picture4"},
        {"Picture9", K::PictureBox, "Picture4"}, {"Timer2", K::Timer, "Picture4"},
        {"Timer3", K::Timer, "Picture4"},        {"Picture13", K::PictureBox, "Picture4"},
        {"Picture12", K::PictureBox, "Picture4"}, {"Picture7", K::PictureBox, "Picture4"},
        {"Picture3", K::PictureBox, "Picture4"}, {"ProgressBar1", K::ProgressBar, "Picture4"},
        {"CommonDialog1", K::CommonDialog, "Picture4"}, {"Line2", K::Line, "Picture4"},
        {"Line1", K::Line, "Picture4"},          {"Eli(0)", K::Line, "Picture4"},
        {"Shape2", K::Shape, "Picture4"},        {"Shape5", K::Shape, "Picture4"},
        {"Line6", K::Line, "Picture4"},          {"Shape10", K::Shape, "Picture4"},
        {"Command3", K::CommandButton, "Picture11"}, {"Command2", K::CommandButton, "Picture11"},
        {"Command1", K::CommandButton, "Picture11"}, {"RichTextBox1", K::RichTextBox, "Picture11"},
        {"ProgressBar2", K::ProgressBar, "Picture11"}, {"Shape8", K::Shape, "Picture11"},
        {"Label4", K::Label, "Picture11"},       {"Label6", K::Label, "Picture11"},
        {"Label5", K::Label, "Picture11"},       {"Image6", K::Image, "Picture11"},
        {"HScroll1", K::HScrollBar, "Picture5"}, {"Picture6", K::PictureBox, "Picture5"},
        {"Image3(0)", K::Image, "Picture6"},     {"Shape6", K::Shape, "Picture6"},
        {"Command7", K::CommandButton, "Picture19"}, {"RichTextBox2", K::RichTextBox, "Picture19"},
        {"Label7", K::Label, "Picture19"},       {"Shape7", K::Shape, "Picture19"},
        {"Label10", K::Label, "Picture19"},      {"Picture17", K::PictureBox, "Picture9"},
        {"Frame1", K::Frame, "Picture13"},       {"HScroll3", K::HScrollBar, "Frame1"},
        {"Frame2", K::Frame, "Picture13"},       {"HScroll4", K::HScrollBar, "Frame2"},
        {"Frame3", K::Frame, "Picture13"},       {"HScroll5", K::HScrollBar, "Frame3"},
        {"Frame4", K::Frame, "Picture13"},       {"Picture15", K::PictureBox, "Picture13"},
        {"Picture16", K::PictureBox, "Picture13"}, {"Frame5", K::Frame, "Picture16"},
        {"Text3", K::TextBox, "Frame5"},         {"Frame6", K::Frame, "Picture16"},
        {"Text4", K::TextBox, "Frame6"},         {"Command6(2)", K::CommandButton, "Frame6"},
        {"Label9", K::Label, "Frame6"},          {"Frame7", K::Frame, "Picture16"},
        {"Command6(0)", K::CommandButton, "Frame7"}, {"Command6(1)", K::CommandButton, "Frame7"},
        {"Frame8", K::Frame, "Picture16"},       {"Picture14", K::PictureBox, "Picture13"},
        {"Timer5", K::Timer, "Picture12"},       {"HScroll2", K::HScrollBar, "Picture7"},
        {"Picture8", K::PictureBox, "Picture7"}, {"Picture10(0)", K::PictureBox, "Picture8"},
        {"Timer6", K::Timer, "Picture3"},        {"Label3", K::Label, "Picture3"},
        {"Shape4", K::Shape, "Picture2"},        {"Shape3", K::Shape, "Picture2"},
    };
    addMembers(p, "Image1", 0, 9, K::Image, "Picture1");
    addMembers(p, "Command5", 0, 2, K::CommandButton, "Picture18");
    addMembers(p, "Side", 0, 3, K::Line, "Picture4");
    addMembers(p, "Line4", 0, 1, K::Line, "Picture4");
    addMembers(p, "Line5", 0, 1, K::Line, "Picture4");
    addMembers(p, "Command4", 0, 6, K::CommandButton, "Frame4");
    addMembers(p, "Image5", 0, 3, K::Image, "Picture15");
    addMembers(p, "Command8", 0, 2, K::CommandButton, "Frame8");
    addMembers(p, "Image4", 0, 8, K::Image, "Picture14");
    addMembers(p, "Check1", 0, 6, K::CheckBox, "Picture12");
    addMembers(p, "Label2", 0, 27, K::Label, "Picture2");
    return p;
}

TEST_F(FormTest, EveryControlSitsInItsContainerWithItsClass) {
    const auto expected = expectedPlacements();
    for (const Placement& p : expected) {
        SCOPED_TRACE(p.name);
        forms::Control* c = form->find(p.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Kind(), p.kind) << forms::kindName(c->Kind());
        ASSERT_NE(c->Container(), nullptr);
        EXPECT_EQ(c->Container()->Name(), p.container);
    }
    // Nothing beyond the description, and nothing listed twice.
    EXPECT_EQ(form->allControls().size(), expected.size());
    EXPECT_EQ(form->find("Picture99"), nullptr);
    EXPECT_EQ(form->find("Image1(10)"), nullptr);
    EXPECT_EQ(form->find("Image1"), nullptr);

    // The typed members are the controls found by name.
    EXPECT_EQ(form->find("Picture4"), form->Picture4);
    EXPECT_EQ(form->find("Image1(3)"), &form->Image1(3));
    EXPECT_EQ(form->find("Command6(2)"), &form->Command6(2));
}

TEST_F(FormTest, ArraysHaveTheirMembers) {
    EXPECT_EQ(form->Image1.Count(), 10);
    EXPECT_EQ(form->Label2.Count(), 28);
    EXPECT_EQ(form->Check1.Count(), 7);
    EXPECT_EQ(form->Command4.Count(), 7);
    EXPECT_EQ(form->Image4.Count(), 9);
    EXPECT_EQ(form->Image5.Count(), 4);
    EXPECT_EQ(form->Command6.Count(), 3);
    EXPECT_EQ(form->Command8.Count(), 3);
    EXPECT_EQ(form->Command5.Count(), 3);
    EXPECT_EQ(form->Side.Count(), 4);
    EXPECT_EQ(form->Eli.Count(), 1);
    EXPECT_EQ(form->Line4.Count(), 2);
    EXPECT_EQ(form->Line5.Count(), 2);
    EXPECT_EQ(form->Label1.Count(), 1);
    EXPECT_EQ(form->Image3.Count(), 1);
    EXPECT_EQ(form->Picture10.Count(), 1);
    EXPECT_EQ(form->Label2.LBound(), 0);
    EXPECT_EQ(form->Label2.UBound(), 27);
    // One array in two frames.
    EXPECT_EQ(form->Command6(0).Container(), form->Frame7);
    EXPECT_EQ(form->Command6(1).Container(), form->Frame7);
    EXPECT_EQ(form->Command6(2).Container(), form->Frame6);
}

TEST_F(FormTest, WindowStartsWithItsCaptionAndIconUnshown) {
    EXPECT_EQ(form->Caption(), "Lumadraw");
    ASSERT_NE(form->widget(), nullptr);
    EXPECT_EQ(form->widget()->windowTitle().toStdString(), "Lumadraw");
    EXPECT_FALSE(form->widget()->windowIcon().isNull());
    EXPECT_FALSE(form->widget()->isVisible());
    EXPECT_EQ(form->BorderStyle(), 1);
}

TEST_F(FormTest, CanvasAndPanelsHaveTheirDesignProperties) {
    const auto& canvas = *form->Picture4;
    EXPECT_EQ(canvas.BackColor(), rgb(64, 0, 0));
    EXPECT_EQ(canvas.ForeColor(), rgb(255, 255, 0));
    EXPECT_EQ(canvas.font().Name, "Arial");
    EXPECT_FLOAT_EQ(canvas.font().Size, 8.25f);
    EXPECT_EQ(canvas.MousePointer(), 99);
    EXPECT_TRUE(canvas.AutoRedraw());
    EXPECT_EQ(canvas.DrawWidth(), 2);
    EXPECT_EQ(canvas.BorderStyle(), 0);
    EXPECT_EQ(canvas.TabIndex(), 0);
    EXPECT_EQ(form->ActiveControl(), form->Picture4);  // it holds the focus first
    for (forms::Control* c : form->allControls())
        if (c != form->Picture4 && c->Kind() == K::PictureBox) EXPECT_NE(c->TabIndex(), 0) << c->Name();

    EXPECT_EQ(form->Picture2->BackColor(), rgb(0, 0, 255));
    EXPECT_TRUE(form->Picture2->AutoRedraw());
    EXPECT_TRUE(form->Picture3->AutoRedraw());
    EXPECT_TRUE(form->Pichidden->AutoRedraw());
    EXPECT_TRUE(form->Pichidden->AutoSize());
    EXPECT_EQ(form->Picture1->BorderStyle(), 0);
    EXPECT_EQ(form->Picture13->BorderStyle(), 1);  // the picture box's default border
    EXPECT_EQ(form->Picture11->MousePointer(), 3);

    const auto& colors = *form->Label14;
    EXPECT_EQ(colors.Caption(), "COLORS");
    EXPECT_EQ(colors.font().Name, "MS Sans Serif");
    EXPECT_FLOAT_EQ(colors.font().Size, 9.75f);
    EXPECT_TRUE(colors.font().Bold);
    EXPECT_EQ(colors.Alignment(), 2);
    EXPECT_EQ(form->Label3->Caption(), "Line Tool");
    EXPECT_EQ(form->Label3->BackStyle(), 0);
    EXPECT_EQ(form->Label3->ForeColor(), rgb(255, 0, 0));
    EXPECT_EQ(form->Label7->Caption(), "VRK Help");
    EXPECT_EQ(form->Command5(0).Caption(), "&Run");
    EXPECT_EQ(form->Command4(4).ToolTipText(), "Click here to change the mode of the tool");
    EXPECT_EQ(form->Image1(9).ToolTipText(), "Fill Color Tool");
    EXPECT_EQ(form->Image4(4).ToolTipText(), "Move to Home");
    EXPECT_EQ(form->Command6(1).ToolTipText(), "Clear Background Picture");
    EXPECT_EQ(form->Command6(2).Caption(), "Play");

    // Tool outline and grid templates.
    EXPECT_EQ(form->Line1->BorderColor(), rgb(255, 255, 0));
    EXPECT_EQ(form->Eli(0).BorderColor(), rgb(0, 255, 255));
    EXPECT_EQ(form->Shape2->FillStyle(), 7);
    EXPECT_EQ(form->Shape10->ShapeKind(), 3);
    EXPECT_EQ(form->Shape10->FillStyle(), 0);
    EXPECT_EQ(form->Shape10->FillColor(), rgb(255, 0, 0));
    EXPECT_EQ(form->Shape1->BorderWidth(), 5);
    EXPECT_EQ(form->Line4(1).LineStyle(), 3);
    EXPECT_EQ(form->Line6->LineStyle(), 3);
}

TEST_F(FormTest, OnlyTheHelpPanelAndGridLinesStartHidden) {
    const std::vector<std::string> hidden = {"Picture19", "Line4(0)", "Line4(1)", "Line5(0)", "Line5(1)", "Line6"};
    for (forms::Control* c : form->allControls()) {
        const std::string key = c->Index() < 0 ? c->Name() : member(c->Name(), c->Index());
        const bool shouldHide = std::find(hidden.begin(), hidden.end(), key) != hidden.end();
        EXPECT_EQ(c->Visible(), !shouldHide) << key;
    }
}

TEST_F(FormTest, SlidersTextsAndTimersStartAsDesigned) {
    auto range = [](const forms::HScrollBar& s) { return std::vector<int>{s.Min(), s.Max(), s.Value()}; };
    EXPECT_EQ(range(*form->HScroll3), (std::vector<int>{1, 100, 1}));
    EXPECT_EQ(range(*form->HScroll4), (std::vector<int>{1, 1000, 100}));
    EXPECT_EQ(range(*form->HScroll5), (std::vector<int>{1, 360, 1}));
    EXPECT_EQ(range(*form->HScroll1), (std::vector<int>{0, 32767, 0}));
    EXPECT_EQ(range(*form->HScroll2), (std::vector<int>{0, 32767, 0}));
    EXPECT_EQ(form->Text3->Text(), "1");
    EXPECT_EQ(form->Text4->Text(), "1");
    EXPECT_EQ(form->Text3->BackColor(), rgb(192, 255, 192));

    struct TimerDesign {
        forms::Timer* timer;
        bool enabled;
        int interval;
    };
    for (const auto& t : {TimerDesign{form->Timer1, true, 1}, TimerDesign{form->Timer2, false, 1},
                          TimerDesign{form->Timer3, false, 50}, TimerDesign{form->Timer5, true, 5000},
                          TimerDesign{form->Timer6, false, 1}, TimerDesign{form->Timer7, false, 100}}) {
        EXPECT_EQ(t.timer->Enabled(), t.enabled) << t.timer->Name();
        EXPECT_EQ(t.timer->Interval(), t.interval) << t.timer->Name();
    }

    // Building ran no handler and asked the user nothing.
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form->Check1(i).Value(), 0) << i;
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(FormTest, ColourCellsAndSystemColoursResolveToPlainRgb) {
    // Distinct desktop colours show which role each control took.
    platform.colors.window = rgb(1, 2, 3);
    platform.colors.windowText = rgb(4, 5, 6);
    platform.colors.menu = rgb(7, 8, 9);
    platform.colors.buttonFace = rgb(10, 11, 12);
    makeForm(1024, 768);

    for (int i = 0; i < 28; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(form->Label2(i).Caption(), "Label2");
        EXPECT_EQ(form->Label2(i).BorderStyle(), 1);
    }
    EXPECT_EQ(form->Label2(0).ForeColor(), rgb(255, 255, 0));
    EXPECT_EQ(form->Label2(6).BackColor(), rgb(224, 224, 224));
    EXPECT_EQ(form->Label2(27).BackColor(), rgb(10, 11, 12));
    EXPECT_EQ(form->Label2(1).ForeColor(), rgb(4, 5, 6));
    EXPECT_EQ(form->Picture19->ForeColor(), rgb(4, 5, 6));
    EXPECT_EQ(form->Picture3->ForeColor(), rgb(4, 5, 6));
    EXPECT_EQ(form->Picture17->BackColor(), rgb(1, 2, 3));
    EXPECT_EQ(form->Line4(0).BorderColor(), rgb(7, 8, 9));
    EXPECT_EQ(form->Line5(1).BorderColor(), rgb(1, 2, 3));

    auto isRgb = [](forms::Color c) { return c >= 0 && c <= 0xFFFFFF; };
    for (forms::Control* c : form->allControls()) {
        SCOPED_TRACE(c->Name() + "(" + std::to_string(c->Index()) + ")");
        EXPECT_TRUE(isRgb(c->BackColor()));
        EXPECT_TRUE(isRgb(c->ForeColor()));
        if (auto* line = dynamic_cast<forms::Line*>(c)) EXPECT_TRUE(isRgb(line->BorderColor()));
        if (auto* shape = dynamic_cast<forms::Shape*>(c)) {
            EXPECT_TRUE(isRgb(shape->BorderColor()));
            EXPECT_TRUE(isRgb(shape->FillColor()));
        }
    }
}

// Expected values; kAny where the layout replaces the design value.
constexpr float kAny = -1e9f;

struct DesignRect {
    const char* name;
    float left, top, width, height;
};

TEST_F(FormTest, DesignSizesThatTheLayoutReads) {
    const DesignRect rects[] = {
        {"Label1(0)", 0, kAny, kAny, 255},
        {"Picture3", kAny, kAny, 3255, 1095},
        {"Picture17", kAny, kAny, 1230, 1260},
        {"Label7", kAny, kAny, kAny, 300},
        {"Command7", kAny, kAny, 255, 255},
        {"ProgressBar2", kAny, kAny, kAny, 255},
        {"Command1", kAny, kAny, 375, 270},
        {"Command2", kAny, kAny, 975, 495},
        {"Command3", kAny, kAny, 975, kAny},
        {"Label5", kAny, kAny, kAny, 375},
        {"Shape10", kAny, kAny, 4335, 5295},
        {"Picture5", kAny, kAny, kAny, 2295},
        {"HScroll1", 0, 1920, kAny, 255},
        {"Picture7", kAny, kAny, kAny, 4095},
        {"HScroll2", 0, 2760, kAny, 375},
        {"Command6(2)", kAny, kAny, kAny, 255},
        {"Label9", kAny, kAny, 735, 255},
        {"Text4", kAny, kAny, 495, 285},
        {"Command8(0)", kAny, kAny, kAny, 255},
        {"Command8(1)", kAny, kAny, kAny, 255},
        {"Command8(2)", kAny, kAny, kAny, 255},
        {"Picture8", -8880, 120, 17655, 2655},
        {"Picture10(0)", 2400, 480, 2175, 2055},
        {"Image3(0)", 4920, 240, 1815, 1335},
        {"Picture12", 240, 1800, 975, 3495},
        {"Check1(0)", 120, 120, 735, 255},
        {"Check1(1)", 120, 480, 735, 255},
        {"Check1(2)", 120, 840, 735, 375},
        {"Check1(3)", 120, 1200, 735, 375},
        {"Check1(4)", 120, 1560, 735, 375},
        {"Check1(5)", 120, 1920, 735, 375},
        {"Check1(6)", 120, 2280, 735, 375},
        {"Label3", 0, 360, 3255, 375},
        {"Image9", kAny, kAny, 480, 480},
        {"Picture6", kAny, kAny, kAny, 1935},
    };
    for (const DesignRect& r : rects) {
        SCOPED_TRACE(r.name);
        const forms::Control* c = form->find(r.name);
        ASSERT_NE(c, nullptr);
        if (r.left != kAny) EXPECT_FLOAT_EQ(c->Left(), r.left);
        if (r.top != kAny) EXPECT_FLOAT_EQ(c->Top(), r.top);
        if (r.width != kAny) EXPECT_FLOAT_EQ(c->Width(), r.width);
        if (r.height != kAny) EXPECT_FLOAT_EQ(c->Height(), r.height);
    }
    // Check1 keeps its captions in index order.
    const char* captions[] = {"Mouse", "SM", "Hints", "Com", "ACol", "Grid", "Cen"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form->Check1(i).Caption(), captions[i]);
}

QSize sizeOf(const QImage& image) { return image.size(); }

TEST_F(FormTest, BuiltInPicturesGoToTheirControls) {
    EXPECT_EQ(sizeOf(form->Picture20->Picture()), QSize(600, 564));
    EXPECT_EQ(sizeOf(form->Image8->Picture()), QSize(32, 32));
    EXPECT_EQ(sizeOf(form->Image7->Picture()), QSize(32, 32));
    EXPECT_EQ(sizeOf(form->Image9->Picture()), QSize(32, 32));
    EXPECT_EQ(sizeOf(form->Picture17->Picture()), QSize(80, 82));
    EXPECT_EQ(sizeOf(form->Picture2->Picture()), QSize(1026, 770));
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(sizeOf(form->Image1(k).Picture()), QSize(80, 65)) << k;
        EXPECT_TRUE(form->Image1(k).Stretch()) << k;
    }
    EXPECT_EQ(form->Image1(0).Picture(), forms::builtinPicture(14));  // the line tool
    EXPECT_EQ(form->Image1(9).Picture(), forms::builtinPicture(5));   // the fill tool
    EXPECT_EQ(sizeOf(form->Image5(0).Picture()), QSize(72, 144));
    EXPECT_EQ(sizeOf(form->Image5(1).Picture()), QSize(72, 144));
    EXPECT_EQ(sizeOf(form->Image5(2).Picture()), QSize(300, 300));
    EXPECT_EQ(sizeOf(form->Image5(3).Picture()), QSize(300, 300));
    for (int k = 5; k <= 8; ++k) EXPECT_EQ(sizeOf(form->Image4(k).Picture()), QSize(317, 317)) << k;
    EXPECT_EQ(sizeOf(form->Image4(4).Picture()), QSize(36, 36));
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(sizeOf(form->Image4(k).Picture()), QSize(48, 48)) << k;
    for (int k = 0; k < 7; ++k) EXPECT_EQ(sizeOf(form->Check1(k).Picture()), QSize(72, 72)) << k;
    EXPECT_EQ(form->Check1(3).Picture(), forms::builtinPicture(29));
    // No picture at design.
    EXPECT_TRUE(form->Image2->Picture().isNull());
    EXPECT_TRUE(form->Image3(0).Picture().isNull());
    EXPECT_TRUE(form->Image6->Picture().isNull());
}

// A control listed earlier covers one listed later: the splash panel lies
// over the canvas, and Image9 under every panel.
TEST_F(FormTest, EarlierControlsCoverLaterOnes) {
    const QObjectList& stack = form->widget()->children();  // bottom to top
    auto depth = [&](forms::Control* c) { return stack.indexOf(c->widget()); };
    ASSERT_GE(depth(form->Picture21), 0);
    EXPECT_GT(depth(form->Picture21), depth(form->Picture4));
    EXPECT_GT(depth(form->Picture18), depth(form->Picture4));
    EXPECT_GT(depth(form->Picture4), depth(form->Image9));
    EXPECT_GT(depth(form->Picture2), depth(form->Label14));
}

TEST_F(FormTest, WindowCanBeRebuiltForAnotherScreen) {
    makeForm(800, 600);
    EXPECT_FLOAT_EQ(forms::Form::ScreenWidth(), 12000);
    EXPECT_EQ(form->Image1.Count(), 10);
    // Members loaded at run time go with the window.
    form->Image3.Load(1);
    form->Eli.Load(5);
    form.reset();
    makeForm(1024, 768);
    EXPECT_EQ(form->Image3.Count(), 1);
}

}  // namespace
