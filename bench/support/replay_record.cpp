#include "support/replay_record.h"

#include "window/palette.h"

namespace bench {

namespace {

std::string n(int v) {
    std::string text = "(";
    text += std::to_string(v);
    text += ')';
    return text;
}

}  // namespace

std::vector<std::string> mixedRecord(bool withFills) {
    const int kinds = withFills ? 8 : 7;
    std::vector<std::string> lines;
    lines.reserve(kRecordLines);
    for (int i = 0; i < kRecordLines; ++i) {
        const int x = (i * 37) % 2400 - 1200, y = (i * 53) % 1400 - 700;
        const std::string c = std::to_string(palette::colorOf(i % 27));
        switch (i % kinds) {
            case 0: lines.push_back("LINERGB " + n(x) + " " + n(y) + " " + n(x + 80) + " " + n(y - 40) + " " + c); break;
            case 1:
                lines.push_back("BOXRGB " + n(x) + " " + n(y) + " " + n(x + 50) + " " + n(y - 50) + " " + n(x + 100) +
                                " " + n(y) + " " + n(x + 50) + " " + n(y + 50) + " " + c);
                break;
            case 2: lines.push_back("ELLIPSERGB " + n(x) + " " + n(y) + " (100) (60) " + n(i % 360) + " " + c); break;
            case 3: lines.push_back("FILLRECTRGB " + n(x) + " " + n(y) + " (60) (40) " + c); break;
            case 4: lines.push_back("FILLOVALRGB " + n(x) + " " + n(y) + " (60) (40) " + c); break;
            case 5: lines.push_back("WRITERGB \"abc,def," + c + " " + n(x) + " " + n(y) + " 12\""); break;
            case 6:
                lines.push_back("LINERGB (" + std::to_string(x) + ".5) (" + std::to_string(y) + ".25) " + n(x + 3) +
                                " " + n(y) + " " + c);
                break;
            default: lines.push_back("FLOODFILLAT " + n((i * 7) % 1920) + " " + n((i * 11) % 1080) + " " + c); break;
        }
    }
    return lines;
}

}  // namespace bench
