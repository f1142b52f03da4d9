// Which file names the background gallery takes as pictures. Pure, no Qt.
#pragma once

#include <string>

namespace gallery {

// The gallery's filter: a name is listed when its last three characters
// (the whole name when it is shorter), upper-cased, occur anywhere in the
// text ".JPG .BMP .GIF,.JPEG,.WMF,.ICO". This keeps .jpg, .jpeg (through
// "PEG"), .bmp, .gif, .wmf and .ico in any case, and also a few odd names
// whose tails happen to occur in that text ("G", "x.BM").
bool isListedPicture(const std::string& name);

}  // namespace gallery
