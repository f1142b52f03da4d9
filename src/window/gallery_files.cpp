#include "window/gallery_files.h"

#include <cctype>

namespace gallery {

bool isListedPicture(const std::string& name) {
    static const std::string kFilter = ".JPG .BMP .GIF,.JPEG,.WMF,.ICO";
    std::string tail = name.size() > 3 ? name.substr(name.size() - 3) : name;
    for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return kFilter.find(tail) != std::string::npos;
}

}  // namespace gallery
