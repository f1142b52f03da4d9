// A recorded drawing to replay: 20000 lines mixing every drawing word, spread
// over a canvas of 1920 x 1080 pixels with the Logo origin at its centre.
#pragma once

#include <string>
#include <vector>

namespace bench {

constexpr int kRecordLines = 20000;

// With fills, every eighth line is a flood fill (most of them fill a large
// part of the canvas); without, the record holds only words that draw a
// small shape.
std::vector<std::string> mixedRecord(bool withFills);

}  // namespace bench
