// The one QApplication of a fuzz target that draws or decodes pictures,
// headless (offscreen). Call from LLVMFuzzerInitialize.
#pragma once

void startHeadlessQt();
