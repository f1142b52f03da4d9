#include "window/palette.h"

#include <cmath>

#include "forms/types.h"

namespace palette {

int16_t RGBFinder(int32_t ColCode, int No) {
    // The components are taken apart arithmetically, blue last; the blue
    // quotient must fit in a byte.
    const int64_t red = ColCode % 256;
    const int64_t green = ((ColCode - red) / 256) % 256;
    const double blue = static_cast<double>(ColCode - red - 256 * green) / 256 / 256;
    switch (No) {
        case 1: return static_cast<int16_t>(red);
        case 2: return static_cast<int16_t>(green);
        case 3: {
            const double b = std::nearbyint(blue);
            if (!(b >= 0 && b <= 255)) throw forms::OverflowError("Overflow");
            return static_cast<int16_t>(b);
        }
        default: return 0;
    }
}

}  // namespace palette
