#include "support/form_fixture.h"

#include <QApplication>

#include "forms/controls.h"
#include "support/qt_app.h"

void FormTest::SetUp() {
    ASSERT_NE(ensureQtApp(), nullptr) << "the window tests need a QApplication";
    ASSERT_TRUE(programFolder.isValid());
    forms::Timer::setLiveTimers(false);
    platform.folder = programFolder.path().toStdString();
    platform.gallery = programFolder.path().toStdString() + "/no-gallery";
    makeForm(1024, 768);
}

void FormTest::TearDown() {
    form.reset();
    forms::setPlatform(nullptr);
}

Form1& FormTest::makeForm(int wPx, int hPx) {
    form.reset();
    platform.widthPx = wPx;
    platform.heightPx = hPx;
    forms::setPlatform(&platform);
    form = std::make_unique<Form1>();
    return *form;
}
