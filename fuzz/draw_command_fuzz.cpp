// Parse then draw: every line of the input that reads as a command is drawn
// on a small canvas, as the replay does. Refused commands throw the
// program's own errors; anything else (a crash, a sanitizer report, a hang)
// is a finding.
#include <cstdint>
#include <string_view>

#include "forms/picture_box.h"
#include "forms/types.h"
#include "logo/command.h"
#include "logo/draw_command.h"
#include "qt_init.h"

namespace {

constexpr int kWidthPx = 64, kHeightPx = 48, kTwipsPerPixel = 15;
constexpr int kMaxLines = 16;

forms::PictureBox& canvas() {
    static forms::PictureBox* box = [] {
        auto* b = new forms::PictureBox("Picture4");
        b->setAutoRedraw(true);
        b->setWidth(kWidthPx * kTwipsPerPixel);
        b->setHeight(kHeightPx * kTwipsPerPixel);
        b->setBackColor(forms::rgb(255, 255, 255));
        return b;
    }();
    return *box;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    startHeadlessQt();
    canvas();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    forms::PictureBox& box = canvas();
    box.Cls();
    // The Logo origin at the canvas centre, in units of 10 twips.
    constexpr float originX = kWidthPx * kTwipsPerPixel / 20.0f;
    constexpr int16_t originY = kHeightPx * kTwipsPerPixel / 20;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int n = 0; n < kMaxLines && !rest.empty(); ++n) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const auto command = logo::parse(line);
        if (!command) continue;
        try {
            logo::drawCommand(box, *command, originX, originY, 10.0);
        } catch (const forms::RuntimeError&) {
            // Refused as documented: nothing drawn.
        }
    }
    return 0;
}
