#include "window/settings_numbers.h"

#include "forms/numbers.h"

namespace settings {

namespace {

constexpr int32_t kInt16Min = -32768, kInt16Max = 32767;
constexpr int32_t kShortestInterval = 1, kLongestInterval = 65535;

int16_t int16Of(std::string_view text) {
    return static_cast<int16_t>(forms::clampToInt32(forms::leadingNumber(text), kInt16Min, kInt16Max));
}

}  // namespace

int padRepetitions(std::string_view repeatBox) {
    const int n = int16Of(repeatBox);
    if (n == 0) return 1;
    return n < 0 ? 0 : n;
}

int16_t resolutionOf(std::string_view repeatBox) { return int16Of(repeatBox); }

int replayInterval(std::string_view durationBox) {
    return forms::clampToInt32(forms::leadingNumber(durationBox), kShortestInterval, kLongestInterval);
}

}  // namespace settings
