// Keys on the canvas: the "Picture Tool" gallery steps, "+" and "-", a trapped failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "support/form_fixture.h"

constexpr int kLeft = 37, kRight = 39, kF2 = 113;
const QRgb kColours[3] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

class CanvasKeysTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        QDir(gallery.path()).mkdir("Pictures");
        for (int i = 0; i < 3; ++i) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(kColours[i]);
            ASSERT_TRUE(image.save(gallery.path() + QString("/Pictures/%1.bmp").arg(i)));
        }
        platform.gallery = gallery.path().toStdString();
        form->Form_Load();
    }
    Form1& f() { return *form; }
    void key(int code, int shift = 0) { form->Picture4->KeyDown(code, shift); }
    void toTool(int n) {
        while (form->ToolNo != n) key(kF2);
    }
    void expectOn(int index, QRgb colour) {
        EXPECT_EQ(f().SelectedPicture, index);
        EXPECT_EQ(f().Picture4->Image().pixel(20, 20), colour);
        EXPECT_FLOAT_EQ(f().Shape6->Left(), f().Image3(index).Left());
        EXPECT_EQ(f().Image3(index).BorderStyle(), 1);
    }
    QTemporaryDir gallery;
};

TEST_F(CanvasKeysTest, PlusMinusGallerySteppingAndATrappedFailure) {
    for (auto [ascii, arm] : {std::pair{int('+'), 1200}, {int('-'), 1000}}) {  // F8 and F9
        f().Picture4->KeyPress(ascii);
        EXPECT_NEAR(f().ToolHeight, arm, 0.01);
    }
    const float x = f().Line1->X1();
    toTool(7);
    key(kRight);
    expectOn(1, kColours[1]);
    key(kRight);
    key(kRight);  // from the last thumbnail to the first
    expectOn(0, kColours[0]);
    key(kLeft, 2);  // with Ctrl too, and back round to the last
    expectOn(2, kColours[2]);
    EXPECT_FLOAT_EQ(f().Line1->X1(), x);  // the picture tool's steps leave the cross

    // The gallery viewport cannot take the focus, so F2 onto the picture
    // tool fails inside the dispatcher: the frame is put back, keys go on.
    toTool(6);
    f().Shape6->setLeft(-1);
    f().SelectedPicture = 0;
    f().Picture5->setEnabled(false);
    EXPECT_NO_THROW(key(kF2));
    EXPECT_EQ(f().ToolNo, 7);
    EXPECT_FLOAT_EQ(f().Shape6->Left(), f().Image3(2).Left());
    EXPECT_EQ(f().SelectedPicture, 2);
    key(kRight);
    expectOn(0, kColours[0]);

    platform.gallery.clear();  // without a gallery thumbnail 0 stays empty
    makeForm(1024, 768);
    form->Form_Load();
    toTool(7);
    EXPECT_NO_THROW(key(kRight));
    expectOn(0, qRgb(0, 0, 0));
}
