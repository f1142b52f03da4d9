// One picture file decoded into pixels, as the helper does for each
// request: BMP, JPEG, GIF, PNG and ICO by Qt's image readers, metafiles by
// libwmf. The fuzz target runs it in-process.
#pragma once

#include <QImage>

#include "forms/picture_protocol.h"

namespace picture_helper {

// The picture in the open file `fd` (read from its start; not closed
// here), decoded as `request` asks: at most its width and height in each
// direction (each on its own: the gallery stretches every picture anyway),
// a metafile at exactly that size, or the picture's own size when the
// request gives none. The image is RGB32, or ARGB32 for a picture with
// transparency. Null when the file is no picture of its kind, its header
// declares more than 64 megapixels (32 at 16 bits a channel: 256 MB
// decoded), or it would be larger than the request allows.
QImage decodeFile(int fd, const forms::picture_protocol::Request& request);

}  // namespace picture_helper
