// Reading the art. The pictures of the usual scale lie in the program as their plain pixels,
// instead of their PNG files, and are used where they lie: nothing is decoded or copied at
// start, and only the pixels drawn from come into memory. The art at twice the size is decoded
// from its PNG files.
#pragma once

#include <QImage>
#include <string>

namespace slcy {

// The picture of `resource` (the path of its PNG file among the resources, ":/sprites/
// pieces.png", also at the usual scale), or a null image where there is none or it is damaged. Pictures without transparency come as RGB888, the others as
// RGBA8888, not premultiplied.
QImage ReadArt(const std::string& resource);

}  // namespace slcy
