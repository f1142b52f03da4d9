// What a picture box repaints, how its children are stacked, and when it
// holds an image: changes repaint only where they show, loading many
// members stays cheap, and a box never drawn on keeps no image.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picture_box.h"
#include "forms/windowless.h"
#include "support/paint_recorder.h"
#include <functional>

using namespace forms;

namespace {

constexpr Color kWhite = rgb(255, 255, 255), kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255);

// A shown window with a 300 x 200 pixel picture box at its top left.
class RepaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Move(0, 0, 400 * 15, 300 * 15);
        box.attach(&form);
        box.setBackColor(kWhite);
        box.Move(0, 0, 300 * 15, 200 * 15);
        form.Show();
        recorder = std::make_unique<PaintRecorder>(box.widget());
    }

    // Where the box is repainted for `change`, once pending repaints have run.
    QRegion paintedFor(const std::function<void()>& change) {
        recorder->start();
        change();
        PaintRecorder::flush();
        return recorder->region();
    }
    // True when `painted` covers `needed` (as far as it lies on the box) and
    // stays inside `allowed`.
    static bool paintedWithin(const QRegion& painted, const QRegion& needed, const QRegion& allowed) {
        return ((needed & QRect(0, 0, 300, 200)) - painted).isEmpty() && (painted - allowed).isEmpty();
    }
    // What the window system shows of the box (painted bit by bit) and the
    // box painted afresh as a whole must always agree.
    void expectShownAsPainted() const {
        PaintRecorder::flush();
        const QPixmap shown = QGuiApplication::primaryScreen()->grabWindow(form.widget()->winId(), 0, 0, 300, 200);
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32),
                  box.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    Form form{"Form1"};
    PictureBox box{"Picture4"};
    std::unique_ptr<PaintRecorder> recorder;
};

}  // namespace

TEST_F(RepaintTest, WindowlessControlsRepaintOnlyWhereTheyWereAndAre) {
    Shape shape("Shape2");
    shape.attach(&box);
    shape.Move(10 * 15, 10 * 15, 20 * 15, 20 * 15);
    Line line("Line1");
    line.attach(&box);
    line.setBorderWidth(5);
    line.setX1(50 * 15);
    line.setY1(150 * 15);
    line.setX2(60 * 15);
    line.setY2(150 * 15);

    // Moved: its old and its new place, nothing else.
    QRegion places = shape.area();
    QRegion painted = paintedFor([&] { shape.Move(200 * 15, 100 * 15, 30 * 15, 20 * 15); });
    places += shape.area();
    EXPECT_TRUE(paintedWithin(painted, places, places));
    // A wide line's pen is part of its place.
    places = line.area();
    painted = paintedFor([&] { line.setX2(120 * 15); });
    EXPECT_TRUE(paintedWithin(painted, QRect(50 - 2, 150 - 2, 120 - 50 + 5, 5), places + line.area()));
    expectShownAsPainted();
    // Hidden: where it was; hidden and changed: nothing at all.
    EXPECT_TRUE(paintedWithin(paintedFor([&] { shape.setVisible(false); }), shape.area(), shape.area()));
    EXPECT_TRUE(paintedFor([&] {
                    shape.Move(0, 0, 100 * 15, 100 * 15);
                    shape.setBorderWidth(3);
                    shape.setShapeKind(2);
                }).isEmpty());

    // Gone: where it was.
    auto gone = std::make_unique<Line>("Line9");
    gone->attach(&box);
    gone->setX2(280 * 15);
    const QRect was = gone->area();
    EXPECT_TRUE(paintedWithin(paintedFor([&] { gone.reset(); }), QRect(0, 0, 281, 1), was));
    expectShownAsPainted();
}

// An outline changed and destroyed before its box settles the changed ones
// is dropped from them: the settling that follows repaints its sibling and
// never reaches the destroyed outline.
TEST_F(RepaintTest, AnOutlineDestroyedWhileItsChangeIsPendingIsDropped) {
    Line kept("Line1");
    kept.attach(&box);
    kept.setX2(100 * 15);
    recorder->start();
    auto gone = std::make_unique<Line>("Line9");
    gone->attach(&box);
    gone->setY1(150 * 15);
    gone->setX2(280 * 15);
    gone->setY2(150 * 15);
    const QRect was = kept.area();
    kept.setY1(20 * 15);
    kept.setY2(20 * 15);
    gone.reset();
    PaintRecorder::flush();
    EXPECT_TRUE(paintedWithin(recorder->region(), QRegion(was) + kept.area(), QRegion(was) + kept.area()));
}

TEST_F(RepaintTest, RefreshRepaintsNowWhatWasDrawnSinceTheLastPaint) {
    recorder->start();
    box.setScaleMode(kScalePixels);
    box.Line(10, 10, 40, 10, kRed);
    box.Box(100, 100, 120, 130, kBlue, true);
    box.Refresh();  // no event processing: painted before it returns
    EXPECT_TRUE(paintedWithin(recorder->region(), QRegion(10, 10, 31, 1) + QRegion(100, 100, 21, 31),
                              QRegion(8, 8, 35, 5) + QRegion(98, 98, 25, 35)));

    // Nothing new: nothing repainted, now or later. The pen colour and the
    // font a replay sets before each line are not drawing either.
    EXPECT_TRUE(paintedFor([&] {
                    box.setForeColor(kBlue);
                    box.setFontSize(20);
                    box.Refresh();
                }).isEmpty());

    // A Line or Shape moved since counts as drawn; so does a fill, only
    // over the area it changed.
    Shape marker("Shape5");
    marker.attach(&box);
    marker.Move(200 * 15, 20 * 15, 10 * 15, 10 * 15);
    box.Box(150, 150, 170, 170, 0, false);
    box.setFillColor(kBlue);
    recorder->start();
    marker.setLeft(250 * 15);
    box.FloodFill(160, 160);
    box.Refresh();
    EXPECT_TRUE((QRegion(marker.area()) + QRegion(151, 151, 19, 19) - recorder->region()).isEmpty());
    EXPECT_LT(PaintRecorder::area(recorder->region()), 300 * 200 / 10);
    expectShownAsPainted();
}

TEST_F(RepaintTest, LoadedMembersStackInLoadOrderUnderTheOutlinesAndAboveNone) {
    CommandButton button("Command1");
    button.attach(&box);
    Line outline("Line1");
    outline.attach(&box);
    ControlArray<Label> labels("Label1");
    labels.add(std::make_unique<Label>("Label1", 0)).attach(&box);
    ControlArray<Image> images("Image3");
    images.add(std::make_unique<Image>("Image3", 0)).attach(&box);
    box.restack();

    // Loading stays cheap with thousands of siblings (it once re-stacked
    // them all for every member).
    constexpr int kMembers = 2000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= kMembers; ++i) {
        labels.Load(i);
        images.Load(i);
    }
    EXPECT_LT(clock.elapsed(), 3000);

    // Labels and images in the order they came, then the layer of the
    // outlines (the one other widget), then the button above all.
    std::vector<QWidget*> expected, stacked;
    for (int i = 0; i <= kMembers; ++i) expected.insert(expected.end(), {labels(i).widget(), images(i).widget()});
    for (QObject* o : box.widget()->children())
        if (auto* w = qobject_cast<QWidget*>(o)) stacked.push_back(w);
    ASSERT_EQ(stacked.size(), expected.size() + 2);
    EXPECT_EQ(stacked.back(), button.widget());
    stacked.resize(expected.size());
    EXPECT_EQ(stacked, expected);
}

TEST_F(RepaintTest, APictureBoxHoldsAnImageOnlyOnceDrawnOnOrCopied) {
    QImage picture(20, 10, QImage::Format_ARGB32);
    picture.fill(QColor(255, 0, 0, 128));  // half see-through: blended with BackColor
    PictureBox panel("Picture11");
    panel.attach(&form);
    panel.setVisible(false);
    panel.setBackColor(kBlue);
    panel.Move(0, 0, 40 * 15, 30 * 15);
    panel.setPicture(picture);

    // Never drawn: no image, yet its points answer as if it had one, and
    // shown it shows its background.
    const Color blended = panel.Point(5 * 15, 5 * 15);
    EXPECT_NE(blended, kBlue);
    EXPECT_NE(blended, kRed);
    EXPECT_EQ(panel.Point(40 * 15, 5 * 15), -1);
    panel.setVisible(true);
    PaintRecorder::flush();
    EXPECT_FALSE(panel.holdsImage());
    const QImage background = panel.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // Copied, it makes its image: that same background.
    EXPECT_EQ(panel.Image(), background);
    EXPECT_TRUE(panel.holdsImage());

    // Drawn on, the drawing goes over it.
    panel.PSet(39 * 15, 29 * 15, kWhite);
    QImage expected = background;
    expected.setPixel(39, 29, qRgb(255, 255, 255));
    EXPECT_EQ(panel.Image(), expected);
    EXPECT_EQ(panel.widget()->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
}
