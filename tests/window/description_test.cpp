// The window as built from its description, before start-up runs: nothing run
// at build, desktop colours resolved to plain RGB, an AutoSize picture, stacking.
#include <gtest/gtest.h>

#include <QWidget>
#include <string>

#include "support/form_fixture.h"

namespace {

using forms::rgb;

TEST_F(FormTest, BuildRunsNothingResolvesDesktopColoursLoadsPicturesAndStacks) {
    EXPECT_EQ(form->ActiveControl(), form->Picture4);  // tab index 0: it holds the focus first
    EXPECT_TRUE(platform.calls.empty());  // no handler ran, the user was asked nothing

    // Distinct desktop colours show which role each control took.
    platform.colors = {.window = rgb(1, 2, 3), .windowText = rgb(4, 5, 6), .menu = rgb(7, 8, 9),
                       .buttonFace = rgb(10, 11, 12)};
    makeForm(1024, 768);
    EXPECT_EQ(form->Label2(1).ForeColor(), rgb(4, 5, 6));
    EXPECT_EQ(form->Picture17->BackColor(), rgb(1, 2, 3));
    EXPECT_EQ(form->Line4(0).BorderColor(), rgb(7, 8, 9));
    auto isRgb = [](forms::Color c) { return c >= 0 && c <= 0xFFFFFF; };
    for (forms::Control* c : form->allControls()) {
        SCOPED_TRACE(c->Name() + "(" + std::to_string(c->Index()) + ")");
        EXPECT_TRUE(isRgb(c->BackColor()) && isRgb(c->ForeColor()));
        if (auto* line = dynamic_cast<forms::Line*>(c)) { EXPECT_TRUE(isRgb(line->BorderColor())); }
        if (auto* shape = dynamic_cast<forms::Shape*>(c)) {
            EXPECT_TRUE(isRgb(shape->BorderColor()) && isRgb(shape->FillColor()));
        }
    }

    EXPECT_EQ(form->Picture20->Picture().size(), QSize(600, 564));  // an AutoSize box takes its picture's size

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
        if (above) { EXPECT_LT(onCanvas(c), onCanvas(above)) << c->Name() << " under " << above->Name(); }
        above = c;
    }
    EXPECT_NE(above, nullptr);
}

}  // namespace
