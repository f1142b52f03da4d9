// A gallery root in a temporary folder: one sub-folder of JPEG pictures,
// written when the fixture is made and removed with it.
#pragma once

#include <QSize>
#include <QTemporaryDir>
#include <string>

namespace bench {

class GalleryFixture {
public:
    enum class Content {
        Photo,  // smooth gradients with a shape and fine noise: the decoder works hard
        Plain,  // one colour each: as cheap to decode as a picture gets
    };
    GalleryFixture(int count, QSize size, Content content);

    // What the platform hands the program as its gallery root.
    std::string root() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
};

}  // namespace bench
