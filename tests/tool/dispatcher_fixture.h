// A started window, 12480 x 11520 twip canvas, cross at home, Logo origin (624, 576).
#pragma once

#include "support/form_fixture.h"

class DispatcherTest : public StartedFormTest {
protected:
    void SetUp() override {
        StartedFormTest::SetUp();
        form->KeyResponder(36, 0);
    }
    void key(int code, int sh = 0) { form->KeyResponder(code, sh); }
    std::string last() const { return form->CommandArray[form->CommandCount - 1]; }
    const std::string& line(int i) const { return form->CommandArray[i]; }
    int recorded() const { return form->CommandCount - 1; }
};
