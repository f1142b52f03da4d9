// The window as built from its description, before start-up runs: controls,
// containers and classes, key design properties, built-in pictures, stacking.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "forms/picture_io.h"
#include "support/form_fixture.h"

namespace {

using K = forms::ControlKind;
using forms::rgb;

// Each line: a container, then a class followed by the controls of that class
// it holds; "Name:n" stands for the array members Name(0) .. Name(n-1).
constexpr const char* kPlacements = R"(
Form1: PictureBox Picture20 Picture21 Pichidden Picture1 Picture18 Picture4 Picture2 Timer Timer7 Label Label14
Form1: Image Image9
Picture20: ListBox FileList FolderList Image Image8 Image7
Picture21: Timer Timer1 Image Image2 Label Label12
Picture1: Shape Shape1 Label Label1:1 Image Image1:10
Picture18: TextBox Text2 CommandButton Command5:3
Picture4: PictureBox Picture11 Picture5 Picture19 Picture9 Picture13 Picture12 Picture7 Picture3 TextBox Text1
Picture4: Timer Timer2 Timer3 ProgressBar ProgressBar1 CommonDialog CommonDialog1 Shape Shape2 Shape5 Shape10
Picture4: Line Line2 Line1 Eli:1 Line6 Side:4 Line4:2 Line5:2
Picture11: CommandButton Command3 Command2 Command1 RichTextBox RichTextBox1 ProgressBar ProgressBar2 Shape Shape8
Picture11: Label Label4 Label6 Label5 Image Image6
Picture5: HScrollBar HScroll1 PictureBox Picture6
Picture6: Image Image3:1 Shape Shape6
Picture19: CommandButton Command7 RichTextBox RichTextBox2 Label Label7 Label10 Shape Shape7
Picture9: PictureBox Picture17
Picture13: Frame Frame1 Frame2 Frame3 Frame4 PictureBox Picture15 Picture16 Picture14
Frame1: HScrollBar HScroll3
Frame2: HScrollBar HScroll4
Frame3: HScrollBar HScroll5
Frame4: CommandButton Command4:7
Picture16: Frame Frame5 Frame6 Frame7 Frame8
Frame5: TextBox Text3
Frame6: TextBox Text4 CommandButton Command6(2) Label Label9
Frame7: CommandButton Command6(0) Command6(1)
Frame8: CommandButton Command8:3
Picture15: Image Image5:4
Picture14: Image Image4:9
Picture12: CheckBox Check1:7 Timer Timer5
Picture7: HScrollBar HScroll2 PictureBox Picture8
Picture8: PictureBox Picture10:1
Picture3: Timer Timer6 Label Label3
Picture2: Shape Shape4 Shape3 Label Label2:28
)";

TEST_F(FormTest, EveryControlSitsInItsContainerWithItsClass) {
    const std::set<std::string> kinds = {"PictureBox", "Image", "Label", "TextBox", "Frame", "CommandButton", "Timer",
        "CheckBox", "ListBox", "HScrollBar", "Shape", "Line", "RichTextBox", "ProgressBar", "CommonDialog"};
    std::istringstream lines(kPlacements);
    std::string line, container, kind, token;
    size_t count = 0;
    auto check = [&](const std::string& name) {
        SCOPED_TRACE(name);
        forms::Control* c = form->find(name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(forms::kindName(c->Kind()), kind);
        EXPECT_EQ(c->Container() ? c->Container()->Name() : "", container);
        ++count;
    };
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        if (!std::getline(words, container, ':')) continue;
        while (words >> token) {
            const auto colon = token.find(':');
            if (kinds.count(token)) kind = token;
            else if (colon == std::string::npos) check(token);
            else
                for (int i = 0; i < std::stoi(token.substr(colon + 1)); ++i)
                    check(token.substr(0, colon) + "(" + std::to_string(i) + ")");
        }
    }
    // Nothing beyond the description; the typed members are the controls found by name.
    EXPECT_EQ(form->allControls().size(), count);
    EXPECT_EQ(form->find("Image1(3)"), &form->Image1(3));
}

TEST_F(FormTest, KeyDesignPropertiesPlainRgbColoursAndNothingRunAtBuild) {
    EXPECT_EQ(form->widget()->windowTitle().toStdString(), "Lumadraw");
    const auto& canvas = *form->Picture4;
    EXPECT_EQ(canvas.BackColor(), rgb(64, 0, 0));
    EXPECT_EQ(canvas.ForeColor(), rgb(255, 255, 0));
    EXPECT_EQ(canvas.MousePointer(), 99);
    EXPECT_TRUE(canvas.AutoRedraw());
    EXPECT_EQ(canvas.DrawWidth(), 2);
    EXPECT_EQ(form->ActiveControl(), form->Picture4);  // tab index 0: it holds the focus first
    for (forms::Control* c : form->allControls())
        if (c != form->Picture4 && c->Kind() == K::PictureBox) EXPECT_NE(c->TabIndex(), 0) << c->Name();

    // Only the help panel and the grid lines start hidden.
    const std::vector<std::string> hidden = {"Picture19", "Line4(0)", "Line4(1)", "Line5(0)", "Line5(1)", "Line6"};
    for (forms::Control* c : form->allControls()) {
        const std::string key = c->Index() < 0 ? c->Name() : c->Name() + "(" + std::to_string(c->Index()) + ")";
        EXPECT_EQ(c->Visible(), std::find(hidden.begin(), hidden.end(), key) == hidden.end()) << key;
    }

    auto range = [](const forms::HScrollBar& s) { return std::vector<int>{s.Min(), s.Max(), s.Value()}; };
    EXPECT_EQ(range(*form->HScroll4), (std::vector<int>{1, 1000, 100}));
    EXPECT_EQ(range(*form->HScroll5), (std::vector<int>{1, 360, 1}));
    EXPECT_EQ(range(*form->HScroll1), (std::vector<int>{0, 32767, 0}));
    EXPECT_EQ(form->Text3->Text(), "1");
    const std::tuple<forms::Timer*, bool, int> timers[] = {
        {form->Timer1, true, 1}, {form->Timer2, false, 1}, {form->Timer3, false, 50},
        {form->Timer5, true, 5000}, {form->Timer6, false, 1}, {form->Timer7, false, 100}};
    for (const auto& [timer, enabled, interval] : timers)
        EXPECT_TRUE(timer->Enabled() == enabled && timer->Interval() == interval) << timer->Name();
    // Building ran no handler and asked the user nothing.
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form->Check1(i).Value(), 0) << i;
    EXPECT_TRUE(platform.calls.empty());

    // Distinct desktop colours show which role each control took.
    platform.colors = {.window = rgb(1, 2, 3), .windowText = rgb(4, 5, 6), .menu = rgb(7, 8, 9),
                       .buttonFace = rgb(10, 11, 12)};
    makeForm(1024, 768);
    EXPECT_EQ(form->Label2(27).BackColor(), rgb(10, 11, 12));
    EXPECT_EQ(form->Label2(1).ForeColor(), rgb(4, 5, 6));
    EXPECT_EQ(form->Picture17->BackColor(), rgb(1, 2, 3));
    EXPECT_EQ(form->Line4(0).BorderColor(), rgb(7, 8, 9));
    auto isRgb = [](forms::Color c) { return c >= 0 && c <= 0xFFFFFF; };
    for (forms::Control* c : form->allControls()) {
        SCOPED_TRACE(c->Name() + "(" + std::to_string(c->Index()) + ")");
        EXPECT_TRUE(isRgb(c->BackColor()) && isRgb(c->ForeColor()));
        if (auto* line = dynamic_cast<forms::Line*>(c)) EXPECT_TRUE(isRgb(line->BorderColor()));
        if (auto* shape = dynamic_cast<forms::Shape*>(c))
            EXPECT_TRUE(isRgb(shape->BorderColor()) && isRgb(shape->FillColor()));
    }
}

TEST_F(FormTest, DesignSizesBuiltInPicturesAndStacking) {
    constexpr float kAny = -1e9f;  // the layout replaces this value
    const std::tuple<const char*, float, float, float, float> rects[] = {
        {"Picture3", kAny, kAny, 3255, 1095}, {"Shape10", kAny, kAny, 4335, 5295}, {"Picture6", kAny, kAny, kAny, 1935},
        {"Picture8", -8880, 120, 17655, 2655}, {"Check1(2)", 120, 840, 735, 375}, {"Image9", kAny, kAny, 480, 480}};
    for (const auto& [name, l, t, w, h] : rects) {
        SCOPED_TRACE(name);
        const forms::Control* c = form->find(name);
        ASSERT_NE(c, nullptr);
        if (l != kAny) EXPECT_FLOAT_EQ(c->Left(), l);
        if (t != kAny) EXPECT_FLOAT_EQ(c->Top(), t);
        if (w != kAny) EXPECT_FLOAT_EQ(c->Width(), w);
        if (h != kAny) EXPECT_FLOAT_EQ(c->Height(), h);
    }
    EXPECT_EQ(form->Picture20->Picture().size(), QSize(600, 564));
    for (int k = 0; k < 10; ++k) EXPECT_EQ(form->Image1(k).Picture().size(), QSize(80, 65)) << k;
    EXPECT_EQ(form->Image1(0).Picture(), forms::builtinPicture(14));  // the line tool
    EXPECT_EQ(form->Image1(9).Picture(), forms::builtinPicture(5));   // the fill tool
    EXPECT_EQ(form->Check1(3).Picture(), forms::builtinPicture(29));

    // A control listed earlier covers one listed later.
    const QObjectList& stack = form->widget()->children();  // bottom to top
    auto depth = [&](forms::Control* c) { return stack.indexOf(c->widget()); };
    ASSERT_GE(depth(form->Picture21), 0);
    EXPECT_GT(depth(form->Picture21), depth(form->Picture4));
    EXPECT_GT(depth(form->Picture4), depth(form->Image9));

    // On the canvas the tool-name hint lies directly over the settings panel;
    // every other windowed control there keeps its place in that order.
    QWidget* canvas = form->Picture4->widget();
    auto onCanvas = [&](forms::Control* c) { return canvas->children().indexOf(c->widget()); };
    EXPECT_EQ(onCanvas(form->Picture3), onCanvas(form->Picture13) + 1);
    forms::Control* above = nullptr;
    for (forms::Control* c : form->allControls()) {
        const bool drawn = c->Kind() == forms::ControlKind::Image || c->Kind() == forms::ControlKind::Label;
        if (c == form->Picture3 || drawn || !c->widget() || c->widget()->parentWidget() != canvas) continue;
        if (above) EXPECT_LT(onCanvas(c), onCanvas(above)) << c->Name() << " under " << above->Name();
        above = c;
    }
    EXPECT_NE(above, nullptr);
}

}  // namespace
