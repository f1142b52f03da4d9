// The number readers: the text boxes' leading-number reader takes any text;
// a text the recorded-number reader accepts is read to the same value by
// the leading-number reader, and a finite value written as recorded number
// text reads back.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "forms/numbers.h"
#include "fuzz_check.h"

namespace {

bool sameValue(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double leading = forms::leadingNumber(text);
    (void)forms::shownNumber(leading);
    double recorded = 0;
    if (!forms::parseNumber(text, recorded)) return 0;
    if (!sameValue(recorded, leading)) fuzzFailure("the two readers disagree", text);
    if (std::isfinite(recorded)) {
        double back = 0;
        for (bool single : {false, true}) {
            const std::string written = forms::recordedNumber(recorded, single);
            const bool fits = !single || std::fabs(recorded) <= std::numeric_limits<float>::max();
            if (fits && !forms::parseNumber(written, back))
                fuzzFailure("a written number does not read back", written);
        }
    }
    return 0;
}
