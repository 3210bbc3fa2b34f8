// Reading the art: a PNG among the program's resources decoded into an image. The pictures the
// first window needs can be decoded ahead, on a thread of their own, while the program is still
// connecting to the window system: the two take about as long, and a second core is free then.
#pragma once

#include <QImage>
#include <string>
#include <thread>
#include <vector>

namespace slcy {

// The picture of `resource`, or a null image where there is none or it is damaged. A picture
// decoded ahead is handed over (waited for, if it is still being decoded) instead of being
// decoded again. Pictures without transparency come as RGB888, the others as RGBA8888.
QImage ReadArt(const std::string& resource);

// Decodes the given pictures ahead while it lives: the names are announced at once, so that
// ReadArt waits for them rather than decoding them twice, and the decoding runs on a thread of
// its own. At most one at a time. Its end waits for the thread and drops what nobody took.
class ArtDecodedAhead {
  public:
    explicit ArtDecodedAhead(std::vector<std::string> resources);
    ~ArtDecodedAhead();
    ArtDecodedAhead(const ArtDecodedAhead&) = delete;
    ArtDecodedAhead& operator=(const ArtDecodedAhead&) = delete;

  private:
    std::thread decoder_;
};

}  // namespace slcy
