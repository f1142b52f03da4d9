// A fixture that builds the whole window headless: a QApplication, a
// scripted platform (1024 x 768 unless a test asks for another screen, no
// gallery, a fresh temporary program folder), no live timers, and a fresh
// Form1 built from its description. Form_Load is not run: tests that need
// start-up call it themselves.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "forms/platform.h"
#include "window/form1.h"

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Destroys the current window and builds a fresh one for a screen of
    // wPx x hPx pixels.
    Form1& makeForm(int wPx, int hPx);

    forms::ScriptedPlatform platform;
    QTemporaryDir programFolder;
    std::unique_ptr<Form1> form;
};

// A window started as the user meets it: start-up has run and the splash is
// gone, so the canvas holds the focus.
class StartedFormTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        form->Form_Load();
        form->Image2_Click();
    }
    Form1& f() { return *form; }
};
