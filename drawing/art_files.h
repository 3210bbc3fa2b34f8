// Reading the art. The pictures of the usual scale lie in the program as their plain pixels,
// beside their PNG files, and are used where they lie: nothing is decoded or copied at start,
// and only the pixels drawn from come into memory. The art at twice the size, and a picture
// without plain pixels, is decoded from its PNG file.
#pragma once

#include <QImage>
#include <string>

namespace slcy {

// The picture of `resource` (a PNG file's path among the resources), or a null image where
// there is none or it is damaged. Pictures without transparency come as RGB888, the others as
// RGBA8888, not premultiplied.
QImage ReadArt(const std::string& resource);

}  // namespace slcy
