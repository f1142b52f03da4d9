// Loading and saving pictures, and the help text reader.
#pragma once

#include <QImage>
#include <string>

namespace forms {

// Loads a BMP, JPEG, GIF, PNG or ICO file ("" gives the empty picture).
// Throws RuntimeError when the file cannot be read as a picture or is too
// large to load (over 64 megapixels).
QImage LoadPicture(const std::string& path);
// The same, reduced to at most `atMost` pixels in each direction (each
// direction on its own) when the picture is larger.
QImage LoadPicture(const std::string& path, QSize atMost);

// Saves as a 24-bit BMP. Throws RuntimeError when the file cannot be
// written.
void SavePicture(const QImage& image, const std::string& path);

// One of the window's built-in pictures by number (1..37).
QImage builtinPicture(int number);

}  // namespace forms
