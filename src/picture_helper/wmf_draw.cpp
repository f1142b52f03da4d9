#include "picture_helper/wmf_draw.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <libwmf/gd/gd.h>

#include <cstdlib>
#include <memory>

#include "picture_helper/metafile_header.h"
#include "picture_helper/wmf_frame.h"

namespace picture_helper {

namespace {

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// The raster image libwmf leaves behind for wmf_gd_image: its library has
// no call to free it, so its three blocks (and the buffers a polygon or a
// line style may have added) are freed here, the way gd frees an image.
void freeImage(void* image) {
    auto* im = static_cast<gdImage*>(image);
    if (!im) return;
    std::free(im->_tpixels);
    std::free(im->tpixels);
    std::free(im->polyInts);
    std::free(im->style);
    std::free(im);
}

wmfD_Rect rectOf(Box b) { return {{float(b.left), float(b.top)}, {float(b.right), float(b.bottom)}}; }
Box boxOf(wmfD_Rect r) { return {r.TL.x, r.TL.y, r.BR.x, r.BR.y}; }

}  // namespace

std::optional<Pixels> drawMetafile(std::span<const std::uint8_t> metafile, std::uint32_t width, std::uint32_t height,
                                   std::uint64_t maxPixels) {
    if (!picture_helper::hasMetafileHeader(metafile)) return {};
    // With a placeable header the frame's two pixels come along; libwmf
    // takes a writable buffer in any case.
    std::optional<FrameProbe> probe = withFrameProbes(metafile);
    std::vector<std::uint8_t> bytes = probe ? probe->bytes : std::vector<std::uint8_t>(metafile.begin(), metafile.end());

    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* created = nullptr;
    if (wmf_api_create(&created, flags, &options) != wmf_E_None) {
        if (created) wmf_api_destroy(created);
        return {};
    }
    const Api api(created);
    if (wmf_mem_open(api.get(), bytes.data(), long(bytes.size())) != wmf_E_None) return {};
    wmfD_Rect scanned;
    if (wmf_scan(api.get(), 0, &scanned) != wmf_E_None) return {};

    Pixels out{width, height, {}};
    if (width == 0 || height == 0) {
        unsigned int w = 0, h = 0;
        if (wmf_display_size(api.get(), &w, &h, 96, 96) != wmf_E_None) return {};
        out.width = w;
        out.height = h;
    }
    if (out.width == 0 || out.height == 0 || std::uint64_t(out.width) * out.height > maxPixels) return {};

    const wmfD_Rect frame = probe ? rectOf(frameFromProbes(*probe, boxOf(scanned))) : scanned;
    if (!(frame.BR.x > frame.TL.x && frame.BR.y > frame.TL.y)) return {};
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_image;
    device->width = out.width;
    device->height = out.height;
    device->bbox = frame;
    wmfD_Rect played = frame;  // wmf_play writes the scanned box back into it
    const wmf_error_t played_ok = wmf_play(api.get(), 0, &played);
    const std::unique_ptr<void, void (*)(void*)> image(device->gd_image, freeImage);
    if (played_ok != wmf_E_None || !image) return {};
    const int* pixels = wmf_gd_image_pixels(image.get());
    if (!pixels) return {};
    // The raster device keeps 0x00RRGGBB with 0 as opaque; the canvas wants
    // opaque pixels with 0xFF there.
    const std::size_t count = std::size_t(out.width) * out.height;
    out.rows.resize(count);
    for (std::size_t i = 0; i < count; ++i) out.rows[i] = 0xFF000000u | (std::uint32_t(pixels[i]) & 0xFFFFFFu);
    return out;
}

}  // namespace picture_helper
